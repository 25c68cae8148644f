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
    connect(this, &QDockWidget::dockLocationChanged, this, &CSizingControlBar::OnDockLocationChanged);
    hide();
}

void CSizingControlBar::Create(QWidget* pHosted)
{
    setWidget(pHosted);
    pHosted->installEventFilter(this);
    m_frame.addDockWidget(m_initialArea, this);
    show();
    OnDockLocationChanged(m_initialArea);
}

QSize CSizingControlBar::sizeHint() const
{
    const QSize sizeContents = QDockWidget::sizeHint();
    if (isFloating())
        return m_sizeFloating;
    if (IsVertical(m_frame.dockWidgetArea(const_cast<CSizingControlBar*>(this))))
        return QSize(m_sizeDockedVert.width(), sizeContents.height());
    return QSize(sizeContents.width(), m_sizeDockedHorz.height());
}

void CSizingControlBar::OnDockLocationChanged(Qt::DockWidgetArea area)
{
    // A bar dragged to another edge would otherwise take what its hosted
    // window asks for, which is next to nothing.
    if (isFloating() || area == Qt::NoDockWidgetArea)
        return;
    m_sizedArea = area;
    if (IsVertical(area))
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

void CSizingControlBar::resizeEvent(QResizeEvent* pEvent)
{
    QDockWidget::resizeEvent(pEvent);
    const Qt::DockWidgetArea area = m_frame.dockWidgetArea(this);
    if (isFloating() || !isVisible() || area != m_sizedArea)
        return;
    if (IsVertical(area))
        m_sizeDockedVert.setWidth(qMax(width(), kMinimumSize));
    else
        m_sizeDockedHorz.setHeight(qMax(height(), kMinimumSize));
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
