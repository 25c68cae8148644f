#include "ui/framework/Document.h"
#include "ui/framework/MdiChildFrame.h"

#include "ui/framework/Document.h"
#include "ui/framework/View.h"

#include <QCloseEvent>
#include <QMdiArea>

CMdiChildFrame::CMdiChildFrame(CDocument& document, CView* pView, EWindowKind eKind)
    : m_pDocument(&document), m_pView(pView), m_eKind(eKind)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(pView->Widget());
    document.AddFrame(this);
}

CMdiChildFrame::~CMdiChildFrame()
{
    if (m_pDocument)
        m_pDocument->RemoveFrame(this);
}

void CMdiChildFrame::ActivateFrame()
{
    if (isMinimized())
        showNormal();
    else if (!isVisible())
        show();
    if (QMdiArea* pArea = mdiArea())
        pArea->setActiveSubWindow(this);
    if (m_pView)
        m_pView->Widget()->setFocus();
}

void CMdiChildFrame::CloseFromDocument()
{
    m_bClosingFromDocument = true;
    close();
}

void CMdiChildFrame::UpdateTitle()
{
    if (!m_pDocument)
        return;
    const auto& frames = m_pDocument->GetFrames();
    QString strTitle = m_pDocument->GetTitle();
    if (frames.size() > 1) {
        for (std::size_t i = 0; i < frames.size(); ++i)
            if (frames[i] == this)
                strTitle += QStringLiteral(":%1").arg(i + 1);
    }
    setWindowTitle(strTitle);
}

void CMdiChildFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_bClosingFromDocument || !m_pDocument) {
        pEvent->accept();
        return;
    }
    if (m_pDocument->GetFrames().size() > 1) {
        pEvent->accept();
        return;
    }
    if (!m_pDocument->CanCloseFrame(this)) {
        pEvent->ignore();
        return;
    }
    pEvent->accept();
    m_pDocument->OnCloseDocument();
}
