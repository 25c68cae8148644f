#include "ui/app/FindInFilesCommands.h"

#include "core/findinfiles/SearchJob.h"
#include "ui/app/MainFrame.h"
#include "ui/app/TarnwickApp.h"
#include "ui/bars/FindResultsBar.h"
#include "ui/editor/JavaEditor.h"
#include "ui/editor/SourceDoc.h"
#include "ui/framework/Document.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/OpenProject.h"
#include "ui/framework/PromptService.h"
#include "ui/framework/View.h"
#include "ui/search/FindInFilesDlg.h"
#include "ui/search/FindResultsWindow.h"

#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
CJavaEditor* EditorOf(CMdiChildFrame* pFrame)
{
    CView* pView = pFrame ? pFrame->GetView() : nullptr;
    return pView ? dynamic_cast<CJavaEditor*>(pView->Widget()) : nullptr;
}

std::string Bytes(const QString& strPath)
{
    return QFile::encodeName(strPath).toStdString();
}
} // namespace

CFindInFilesCommands::CFindInFilesCommands(CTarnwickApp& app) : m_app(app) {}

CFindInFilesCommands::~CFindInFilesCommands() = default;

CFindResultsWindow* CFindInFilesCommands::ResultsWindow() const
{
    return m_pWindow;
}

CFindResultsBar* CFindInFilesCommands::ResultsBar() const
{
    return m_pBar;
}

QString CFindInFilesCommands::SelectedText() const
{
    CJavaEditor* pEditor = EditorOf(m_app.MainFrame()->ActiveChildFrame());
    if (!pEditor)
        return {};
    const std::string strSelected = pEditor->SelectedBytes();
    if (strSelected.find_first_of("\r\n") != std::string::npos)
        return {};
    return QString::fromStdString(strSelected);
}

CFindInFilesChoice CFindInFilesCommands::StartingChoice() const
{
    CFindInFilesChoice choice = m_last;
    const QString strSelected = SelectedText();
    if (!strSelected.isEmpty())
        choice.m_strText = strSelected;
    if (!m_bSearched)
        choice.m_bProjectFiles = m_app.GetProjectDoc() != nullptr;
    // The folder starts at the project's, else the active document's.
    QString strStart;
    IOpenProject* pProject = m_app.GetProjectDoc();
    if (pProject && !pProject->ProjectDocument().GetPathName().isEmpty())
        strStart = QFileInfo(pProject->ProjectDocument().GetPathName()).absolutePath();
    else if (CMdiChildFrame* pFrame = m_app.MainFrame()->ActiveChildFrame())
        if (pFrame->GetDocument() && !pFrame->GetDocument()->GetPathName().isEmpty())
            strStart = QFileInfo(pFrame->GetDocument()->GetPathName()).absolutePath();
    if (!strStart.isEmpty())
        choice.m_strFolder = strStart;
    return choice;
}

std::map<std::string, std::string> CFindInFilesCommands::UnsavedTexts() const
{
    std::map<std::string, std::string> texts;
    for (CDocument* pDocument : m_app.OpenDocuments()) {
        auto* pSource = dynamic_cast<CSourceDoc*>(pDocument);
        if (pSource && !pSource->IsReadOnly() && !pSource->GetPathBytes().empty())
            texts[pSource->GetPathBytes()] = pSource->BytesToSave();
    }
    return texts;
}

void CFindInFilesCommands::OnFindInFiles()
{
    IOpenProject* pProject = m_app.GetProjectDoc();
    CFindInFilesDlg dialog(m_app.Prompts(), StartingChoice(), pProject != nullptr, m_app.MainFrame());
    if (m_app.Prompts().RunDialog(dialog) != QDialog::Accepted)
        return;
    std::unique_ptr<CSearchPattern> pPattern = dialog.TakePattern();
    if (!pPattern)
        return;
    m_last = dialog.Choice();
    m_bSearched = true;

    CSearchJob::CRequest request;
    QString strWhere;
    if (m_last.m_bProjectFiles && pProject) {
        // Shown from the project's folder when they lie in it; a project
        // not saved yet has no folder, and its files show whole.
        const QString strProject = pProject->ProjectDocument().GetPathName();
        const std::string strFolder =
            strProject.isEmpty() ? std::string() : Bytes(QFileInfo(strProject).absolutePath()) + "/";
        for (const std::string& strPath : pProject->ListedFilePaths()) {
            const bool bInside = !strFolder.empty() && strPath.size() > strFolder.size() &&
                                 strPath.compare(0, strFolder.size(), strFolder) == 0;
            request.m_files.push_back(CSearchFile{bInside ? strPath.substr(strFolder.size()) : strPath, strPath});
        }
        strWhere = QStringLiteral("the project's files");
    } else {
        request.m_bUnderFolder = true;
        request.m_strFolder = Bytes(QDir::cleanPath(QFileInfo(m_last.m_strFolder).absoluteFilePath()));
        request.m_includes = CFindInFilesDlg::SplitPatterns(m_last.m_strPatterns);
        strWhere = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(m_last.m_strFolder).absoluteFilePath()));
    }
    request.m_unsavedTexts = UnsavedTexts();

    ShowResultsWindow();
    m_pWindow->Start(std::make_unique<CSearchJob>(std::move(pPattern), std::move(request)),
                     QStringLiteral("\"%1\" in %2").arg(m_last.m_strText, strWhere));
    m_app.MainFrame()->UpdateCommandStates();
}

void CFindInFilesCommands::ShowResultsWindow()
{
    if (m_pBar) {
        m_pBar->show();
        m_pBar->raise();
        return;
    }
    CMainFrame& frame = *m_app.MainFrame();
    m_pBar = new CFindResultsBar(frame);
    m_pWindow = new CFindResultsWindow(&m_app);
    m_pWindow->SetNavigator(
        [this](const CFindResults::CLocation& location, bool bFocusEditor) { GoTo(location, bFocusEditor); });
    QObject::connect(m_pWindow, &CFindResultsWindow::SearchEnded, &frame, [&frame] { frame.UpdateCommandStates(); });
    m_pBar->Create(m_pWindow);
    // Beside the process window, in the same place, when that is docked at the bottom.
    auto* pProcessBar = frame.findChild<QDockWidget*>(QStringLiteral("ProcessBar"));
    if (pProcessBar && pProcessBar->isVisible() && !pProcessBar->isFloating() &&
        frame.dockWidgetArea(pProcessBar) == Qt::BottomDockWidgetArea) {
        frame.tabifyDockWidget(pProcessBar, m_pBar);
        m_pBar->raise();
    }
}

void CFindInFilesCommands::OnNextResult(int nDirection)
{
    if (!m_pWindow)
        return;
    if (m_pBar && !m_pBar->isVisible())
        m_pBar->show();
    m_pWindow->GoToNext(nDirection);
}

void CFindInFilesCommands::GoTo(const CFindResults::CLocation& location, bool bFocusEditor)
{
    // The active window when it shows the file, else the file's first window.
    CMdiChildFrame* pFrame = m_app.MainFrame()->ActiveChildFrame();
    CDocument* pActive = pFrame ? pFrame->GetDocument() : nullptr;
    if (!pActive || pActive->GetPathBytes() != location.m_strPath) {
        CDocument* pDocument = m_app.OpenDocumentPath(location.m_strPath);
        pFrame = pDocument ? pDocument->FirstFrame() : nullptr;
        if (pFrame)
            pFrame->ActivateFrame();
    }
    CJavaEditor* pEditor = EditorOf(pFrame);
    if (!pEditor || location.m_nLine == 0 || location.m_nLine > pEditor->LineCount())
        return;
    // The editor's text is the file's with CR LF breaks: a column is a byte
    // offset into the line either way.
    const std::size_t nLine = location.m_nLine - 1;
    const std::size_t nLineEnd = pEditor->LineEndPosition(nLine);
    const std::size_t nStart = std::min(pEditor->PositionFromLine(nLine) + location.m_nColumn - 1, nLineEnd);
    pEditor->SetSel(nStart, std::min(nStart + location.m_nLength, nLineEnd));
    pEditor->ShowCaretLine();
    if (bFocusEditor)
        pEditor->setFocus(Qt::OtherFocusReason);
}
