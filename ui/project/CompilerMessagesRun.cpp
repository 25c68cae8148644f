#include "ui/project/CompilerMessagesRun.h"

#include "core/tools/DiagnosticsByFile.h"
#include "core/tools/ExternalProcess.h"
#include "core/tools/JavacDiagnostics.h"
#include "core/tools/ToolCommand.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/SyntaxWindowDoc.h"
#include "ui/editor/SyntaxWindowView.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"

#include <QFile>
#include <QWidget>
#include <algorithm>
#include <vector>

CCompilerMessagesRun::CStarting::CStarting(CCompilerMessagesRun& run, const CToolCommand& command) : m_run(run)
{
    m_run.m_pStarting = &command;
}

CCompilerMessagesRun::CStarting::~CStarting()
{
    m_run.m_pStarting = nullptr;
}

void CCompilerMessagesRun::RunFollowed()
{
    m_bJavac = m_pStarting && m_pStarting->m_bJavacMessages;
    m_strFolder = m_bJavac ? m_pStarting->m_strFolder : std::string();
    m_strCompiledFile = m_bJavac ? m_pStarting->m_strCompiledFile : std::string();
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
    const std::string strCompiled = m_strCompiledFile.empty() ? std::string()
                                                              : CDiagnosticsByFile::RealPath(m_strCompiledFile);

    // Every window of a file open twice leads to the same document.
    std::vector<CSyntaxWindowDoc*> vecDocuments;
    for (CSyntaxWindowView* pView : services.Frames().MainWidget()->findChildren<CSyntaxWindowView*>()) {
        auto* pDocument = dynamic_cast<CSyntaxWindowDoc*>(pView->GetDocument());
        if (pDocument && std::find(vecDocuments.begin(), vecDocuments.end(), pDocument) == vecDocuments.end())
            vecDocuments.push_back(pDocument);
    }
    static const std::vector<CJavacDiagnostic> kNone;
    for (CSyntaxWindowDoc* pDocument : vecDocuments) {
        if (pDocument->GetPathName().isEmpty())
            continue;
        const std::string strPath = QFile::encodeName(pDocument->GetPathName()).toStdString();
        const std::vector<CJavacDiagnostic>* pMessages = byFile.Find(strPath);
        if (!pMessages && !strCompiled.empty() && CDiagnosticsByFile::RealPath(strPath) != strCompiled)
            continue; // a Compile of another file says nothing about this one
        CCompilerMarks::ApplyToDocument(*pDocument, pMessages ? *pMessages : kNone);
    }
}
