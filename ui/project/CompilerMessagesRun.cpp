#include "ui/project/CompilerMessagesRun.h"

#include "core/tools/CompilerMessagePlan.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/CompilerMessageView.h"
#include "ui/framework/DocumentWindows.h"

#include <QFile>
#include <vector>

void CCompilerMessagesRun::Show(const CFinishedRun& run, IAppServices& services)
{
    // One window per document: the marks belong to the text, which every
    // window of a file open twice shares.
    std::vector<ICompilerMessageView*> vecWindows;
    std::vector<std::string> vecPaths;
    for (CDocument* pDocument : services.OpenDocuments()) {
        const std::vector<ICompilerMessageView*> vecViews = WindowsOf<ICompilerMessageView>(*pDocument);
        if (vecViews.empty())
            continue;
        vecWindows.push_back(vecViews.front());
        vecPaths.push_back(QFile::encodeName(pDocument->GetPathName()).toStdString());
    }
    for (const CCompilerMessagePlan::CFileMessages& file : CCompilerMessagePlan::Make(run, vecPaths))
        vecWindows[file.m_nPathIndex]->ShowCompilerMessages(file.m_vecMessages);
}
