#include "ui/framework/Document.h"
#include "ui/framework/MdiChildFrame.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "ui/framework/Document.h"
#include "ui/framework/View.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMdiArea>

CMdiChildFrame::CMdiChildFrame(CDocument& document, CView* pView, EWindowKind eKind)
    : m_pDocument(&document), m_pView(pView), m_eKind(eKind)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(pView->Widget());
    document.AddFrame(this);
    // Ctrl+W is Window > Close Window. The toolkit gives it to the system
    // menu's Close as well on Linux, and two owners make the key do nothing.
    if (QMenu* pMenu = systemMenu()) {
        for (QAction* pAction : pMenu->actions()) {
            QList<QKeySequence> keys = pAction->shortcuts();
            if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0)
                pAction->setShortcuts(keys);
        }
    }
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

bool CMdiChildFrame::HandlesCommand(int nId) const
{
    return nId == CommandIds::kCloseWindow && ServedInWindow(nId, ECommandTarget::Frame, m_eKind);
}

void CMdiChildFrame::OnCommand(int nId)
{
    // As the close button does: the document's last window asks to save.
    if (nId == CommandIds::kCloseWindow)
        close();
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
    // Unsaved changes show as a "*" after the document's name.
    if (m_pDocument->IsModified())
        strTitle += QLatin1Char('*');
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
