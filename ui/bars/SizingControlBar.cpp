#include "ui/bars/SizingControlBar.h"

#include <QEvent>
#include <QMainWindow>
#include <QMouseEvent>

CSizingControlBar::CSizingControlBar(const QString& strTitle, QMainWindow& frame, Qt::DockWidgetAreas allowedAreas,
                                     Qt::DockWidgetArea initialArea, int nBaseSize)
    : QDockWidget(strTitle, &frame), m_frame(frame), m_initialArea(initialArea),
      m_sizeDockedHorz(nBaseSize, nBaseSize + kEdgeAllowance), m_sizeDockedVert(nBaseSize + kEdgeAllowance, nBaseSize),
      m_sizeFloating(nBaseSize, nBaseSize)
{
    setAllowedAreas(allowedAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setMinimumSize(kMinimumSize, kMinimumSize);
    connect(this, &QDockWidget::topLevelChanged, this, &CSizingControlBar::OnTopLevelChanged);
    hide();
}

void CSizingControlBar::Create(QWidget* pHosted)
{
    setWidget(pHosted);
    pHosted->installEventFilter(this);
    m_frame.addDockWidget(m_initialArea, this);
    show();
    if (m_initialArea == Qt::LeftDockWidgetArea || m_initialArea == Qt::RightDockWidgetArea)
        m_frame.resizeDocks({this}, {m_sizeDockedVert.width()}, Qt::Horizontal);
    else
        m_frame.resizeDocks({this}, {m_sizeDockedHorz.height()}, Qt::Vertical);
}

void CSizingControlBar::ToggleVisible()
{
    setVisible(!isVisible());
}

void CSizingControlBar::OnTopLevelChanged(bool bFloating)
{
    if (bFloating)
        resize(m_sizeFloating);
}

bool CSizingControlBar::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // A double-click on a floating bar's own background docks it again.
    if (pWatched == widget() && pEvent->type() == QEvent::MouseButtonDblClick && isFloating()) {
        setFloating(false);
        return true;
    }
    return QDockWidget::eventFilter(pWatched, pEvent);
}
