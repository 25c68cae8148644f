#include "ui/editor/java/SyntaxWindowView.h"

#include "core/app/CommandIds.h"
#include "core/editor/OutlineLine.h"
#include "core/jdk/JdkHelp.h"
#include "core/tools/ProjectCommands.h"
#include "ui/editor/java/ChildFrame.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/OpenProject.h"
#include "ui/framework/PromptService.h"

#include <QGuiApplication>
#include <QMenu>

using namespace CommandIds;

CSyntaxWindowView::CSyntaxWindowView(CSyntaxWindowDoc& document, const CSettings& settings)
    : CSourceView(document, settings, CChildFrame::kKind), m_document(document),
      m_colouring(WindowTextColour(), settings.m_crKeyword, settings.m_crComment, settings.m_crString)
{
    m_colouring.ApplyStyles(*this);
}

void CSyntaxWindowView::OnInitialUpdate()
{
    CSourceView::OnInitialUpdate();
    RefreshFunctionList();
}

void CSyntaxWindowView::ColourLoadedText()
{
    m_colouring.ColourLoadedText(*this);
}

void CSyntaxWindowView::RecolourAll(bool bLockRedraw)
{
    m_colouring.RecolourAll(*this, bLockRedraw);
}

void CSyntaxWindowView::RecolourLine()
{
    m_colouring.RecolourLine(*this);
}

void CSyntaxWindowView::RefreshFunctionList()
{
    if (!m_pFrame)
        return;
    m_document.ScanClasses();
    const std::vector<std::string>& functions = m_document.Outline().GetFunctions();
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(functions.size()));
    for (const std::string& strEntry : functions)
        entries << QString::fromStdString(strEntry);
    m_pFrame->SetFunctions(entries);
}

void CSyntaxWindowView::OnFunctionChosen(int nIndex)
{
    if (nIndex < 0)
        return;
    std::optional<COutlineLine> line = m_document.Outline().GetEntryLine(TextView(), nIndex);
    if (!line)
        return;
    SetSel(static_cast<std::size_t>(line->m_nStart), static_cast<std::size_t>(line->m_nEnd));
    ShowCaretLine();
    UpdateStatusPanes();
}

std::vector<CMenuItem> CSyntaxWindowView::ContextMenuItems() const
{
    return LoadTextContextMenu();
}

bool CSyntaxWindowView::OnUpdateCommand(int nId, CCmdUI& cmdUI)
{
    switch (nId) {
    case kJdkHelp: cmdUI.Enable(true); return true;
    case kAddWindowToProject: cmdUI.Enable(m_document.Services().GetProjectDoc() != nullptr); return true;
    default: return CSourceView::OnUpdateCommand(nId, cmdUI);
    }
}

void CSyntaxWindowView::OnCommand(int nId)
{
    switch (nId) {
    case kRefreshFunctionList: RefreshFunctionList(); break;
    case kJdkHelp: OnJdkHelp(); break;
    case kCompile: OnCompile(); break;
    case kAddWindowToProject: OnAddWindowToProject(); break;
    default: CSourceView::OnCommand(nId); break;
    }
}

void CSyntaxWindowView::OnJdkHelp()
{
    // The path in force now: the preferences may have changed it since the window opened.
    std::string strTarget = CJdkHelp::HelpTarget(m_document.Services().Settings().m_strHelpPath, SelectedBytes());
    if (strTarget.empty()) {
        const std::string_view strText = CJdkHelp::kNoDocsText;
        Prompts().MessageBox(this, QString::fromUtf8(strText.data(), static_cast<qsizetype>(strText.size())),
                             CPromptService::kOk, CPromptService::kIconWarning);
        return;
    }
    if (!Prompts().OpenUrl(QString::fromStdString(strTarget)))
        Prompts().MessageBox(this, QString::fromStdString(CJdkHelp::NotOpenedText(strTarget)), CPromptService::kOk,
                             CPromptService::kIconWarning);
}

void CSyntaxWindowView::OnCompile()
{
    IAppServices& services = m_document.Services();
    // The project compiles and shows the run in its process window.
    if (IOpenProject* pProject = services.GetProjectDoc()) {
        pProject->CompileFile(m_document.GetPathBytes());
        services.Frames().UpdateCommandStates();
        return;
    }
    // Without a project nothing runs: Save All and the title only.
    const CSettings& settings = services.Settings();
    const CProjectCommands::CResult compile = CProjectCommands::Compile(settings, m_document.GetPathBytes());
    if (!compile.m_bReady) {
        Prompts().MessageBox(window(), QString::fromStdString(compile.m_strError));
        return;
    }
    if (settings.m_bSaveComp)
        services.ExecuteCommand(kSaveAll);
    services.SetProcessTitle(QString::fromStdString(compile.m_command.m_strTitle));
    services.Frames().UpdateCommandStates();
}

void CSyntaxWindowView::OnAddWindowToProject()
{
    if (m_document.GetPathName().isEmpty()) {
        m_document.SetModifiedFlag(true);
        Prompts().MessageBox(window(), QStringLiteral("Please save the document first"));
        return;
    }
    IOpenProject* pProject = m_document.Services().GetProjectDoc();
    if (!pProject)
        return;
    pProject->AddJavaFile(m_document.GetPathName());
    CDocument& projectDocument = pProject->ProjectDocument();
    projectDocument.SetModifiedFlag(true);
    RefreshFunctionList();
    for (CMdiChildFrame* pFrame : projectDocument.GetFrames())
        if (CView* pView = pFrame->GetView())
            pView->OnUpdate();
}

void CSyntaxWindowView::ShowCompilerMessages(const std::vector<CJavacDiagnostic>& vecDiagnostics)
{
    CCompilerMarks::ApplyToDocument(m_document, vecDiagnostics);
}
