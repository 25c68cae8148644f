#include "ui/project/CompilerMessagesRun.h"

#include "core/tools/DiagnosticsByFile.h"
#include "core/tools/ExternalProcess.h"
#include "core/tools/JavacDiagnostics.h"
#include "core/tools/ToolCommand.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/CompilerMessageView.h"
#include "ui/framework/Document.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/View.h"

#include <QFile>
#include <QWidget>
#include <algorithm>
#include <vector>

void CCompilerMessagesRun::RunStarted(const CToolCommand& command)
{
    m_bJavac = command.m_bJavacMessages;
    m_strFolder = command.m_strFolder;
    m_strCompiledFile = command.m_strCompiledFile;
}

void CCompilerMessagesRun::RunEnded(const CExternalProcess& runner, IAppServices& services)
{
    if (!m_bJavac)
        return;
    m_bJavac = false; // once per run

    // Only what javac wrote, not the exit code and verdict after it.
    bool bRunning = false;
    std::size_t nStart = 0;
    std::string strOutput = runner.GetOutputTail(0, bRunning, std::string::npos, nStart);
    const std::size_t nToolEnd = runner.GetToolOutputEnd();
    if (nToolEnd != std::string::npos)
        strOutput.resize(nToolEnd > nStart ? std::min(nToolEnd - nStart, strOutput.size()) : 0);
    const CDiagnosticsByFile byFile(CJavacDiagnostics::Parse(strOutput, m_strFolder));
    const std::string strCompiled =
        m_strCompiledFile.empty() ? std::string() : CDiagnosticsByFile::RealPath(m_strCompiledFile);

    // One window per document: the marks belong to the text, which every
    // window of a file open twice shares.
    std::vector<std::pair<CDocument*, ICompilerMessageView*>> vecDocuments;
    for (CMdiChildFrame* pFrame : services.Frames().MainWidget()->findChildren<CMdiChildFrame*>()) {
        CView* pView = pFrame->GetView();
        auto* pMessageView = dynamic_cast<ICompilerMessageView*>(pView);
        if (!pMessageView || !pView->GetDocument())
            continue;
        CDocument* pDocument = pView->GetDocument();
        if (std::none_of(vecDocuments.begin(), vecDocuments.end(),
                         [&](const auto& entry) { return entry.first == pDocument; }))
            vecDocuments.emplace_back(pDocument, pMessageView);
    }
    static const std::vector<CJavacDiagnostic> kNone;
    for (auto [pDocument, pMessageView] : vecDocuments) {
        if (pDocument->GetPathName().isEmpty())
            continue;
        const std::string strPath = QFile::encodeName(pDocument->GetPathName()).toStdString();
        const std::vector<CJavacDiagnostic>* pMessages = byFile.Find(strPath);
        if (!pMessages && !strCompiled.empty() && CDiagnosticsByFile::RealPath(strPath) != strCompiled)
            continue; // a Compile of another file says nothing about this one
        pMessageView->ShowCompilerMessages(pMessages ? *pMessages : kNone);
    }
}
