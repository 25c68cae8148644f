#include "ui/editor/html/LiveHTMLView.h"

#include "core/app/CommandIds.h"
#include "core/editor/CommentToggle.h"
#include "core/editor/HtmlAppletTag.h"
#include "ui/editor/html/LiveEditorDoc.h"
#include "ui/editor/html/WebFrame.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/OpenProject.h"
#include "ui/framework/PromptService.h"

#include <QFile>
#include <QKeyEvent>

using namespace CommandIds;

namespace {
// Tabs are always tab characters in a page, whatever SPACETABS says.
CTabSettings TabsOnly(const CSettings& settings)
{
    CTabSettings tabs;
    tabs.m_nTabWidth = settings.m_nTabWidth;
    tabs.m_bSpaceTabs = false;
    return tabs;
}
} // namespace

CLiveHTMLView::CLiveHTMLView(CLiveEditorDoc& document, const CSettings& settings)
    : CSourceView(document, settings, CWebFrame::kKind), m_document(document),
      m_colouring(WindowTextColour(), settings.m_crKeyword, settings.m_crComment, settings.m_crString,
                  settings.m_crTag),
      m_tabKeys(TabsOnly(settings)), m_tabCommands(TabsOnly(settings))
{
    m_colouring.ApplyStyles(*this);
}

void CLiveHTMLView::ColourLoadedText()
{
    m_colouring.ColourLoadedText(*this);
}

void CLiveHTMLView::RecolourAll(bool bLockRedraw)
{
    m_colouring.RecolourAll(*this, bLockRedraw);
}

void CLiveHTMLView::RecolourLine()
{
    m_colouring.RecolourLine(*this);
}

std::vector<CMenuItem> CLiveHTMLView::ContextMenuItems() const
{
    return LoadTextContextMenu();
}

CEditPlan CLiveHTMLView::CommentPlan() const
{
    return CCommentToggle::Html(TextView(), SelStart(), SelEnd());
}

void CLiveHTMLView::keyPressEvent(QKeyEvent* pEvent)
{
    const bool bTab = pEvent->key() == Qt::Key_Tab || pEvent->key() == Qt::Key_Backtab;
    if (!bTab || (pEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        CSourceView::keyPressEvent(pEvent);
        return;
    }
    const bool bShift = pEvent->key() == Qt::Key_Backtab || (pEvent->modifiers() & Qt::ShiftModifier);
    ApplyPlan(m_tabKeys.Tab(TextView(), SelStart(), SelEnd(), bShift));
    ShowCaretLine();
    RecolourLine();
    pEvent->accept();
}

bool CLiveHTMLView::OnUpdateCommand(int nId, CCmdUI& cmdUI)
{
    switch (nId) {
    case kInsertApplet: cmdUI.Enable(m_document.Services().GetProjectDoc() != nullptr); return true;
    case kOpenInWebBrowser:
    case kRunAppletHtml: cmdUI.Enable(true); return true;
    default: return CSourceView::OnUpdateCommand(nId, cmdUI);
    }
}

void CLiveHTMLView::OnCommand(int nId)
{
    switch (nId) {
    case kIncreaseIndent: ApplyPlan(m_tabCommands.IncreaseIndent(TextView(), SelStart(), SelEnd())); break;
    // Recoloured with the window painting on, as after Convert Linebreaks.
    case kSyntaxColourUpdate: RecolourAll(false); break;
    case kInsertApplet: OnInsertApplet(); break;
    case kOpenInWebBrowser: OnOpenInBrowser(); break;
    case kRunAppletHtml: OnRunApplet(); break;
    default: CSourceView::OnCommand(nId); break;
    }
}

void CLiveHTMLView::OnInsertApplet()
{
    IOpenProject* pProject = m_document.Services().GetProjectDoc();
    if (!pProject || m_document.IsReadOnly())
        return;
    const QString strMain = pProject->GetMainFile();
    if (strMain.isEmpty()) {
        Prompts().MessageBox(window(), QStringLiteral("Please set the applet class as main."));
        return;
    }
    ReplaceSelection(CHtmlAppletTag::Text(QFile::encodeName(strMain).toStdString()));
    RecolourAll(false);
}

void CLiveHTMLView::OnOpenInBrowser()
{
    // The page as last saved; a page never saved has nothing to show.
    const QString strPath = m_document.GetPathName();
    if (strPath.isEmpty())
        return;
    if (!Prompts().OpenUrl(strPath))
        Prompts().MessageBox(window(),
                             QStringLiteral("No web browser could be started to show %1.\nSet one as the desktop's "
                                            "handler for HTML files and try again.")
                                 .arg(strPath));
}

void CLiveHTMLView::OnRunApplet()
{
    IAppServices& services = m_document.Services();
    IOpenProject* pProject = services.GetProjectDoc();
    if (!pProject)
        return;
    pProject->RunApplet(m_document.GetPathName());
    services.Frames().UpdateCommandStates();
}
