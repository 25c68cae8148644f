#include "ui/editor/java/SyntaxWindowDoc.h"

#include "core/editor/PublicTypeName.h"

#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/OpenProject.h"

CSyntaxWindowDoc::CSyntaxWindowDoc(CDocTemplate& docTemplate) : CSourceDoc(docTemplate) {}

CSyntaxWindowView* CSyntaxWindowDoc::FirstView() const
{
    CMdiChildFrame* pFrame = FirstFrame();
    return pFrame ? dynamic_cast<CSyntaxWindowView*>(pFrame->GetView()) : nullptr;
}

void CSyntaxWindowDoc::OnBeforeSave()
{
    // The first window's function bar shows the outline being saved.
    if (CSyntaxWindowView* pView = FirstView())
        pView->RefreshFunctionList();
    else
        ScanClasses();
}

void CSyntaxWindowDoc::OnReloaded()
{
    if (CSyntaxWindowView* pView = FirstView())
        pView->RefreshFunctionList();
    else
        ScanClasses();
}

void CSyntaxWindowDoc::ScanClasses()
{
    IOpenProject* pProject = Services().GetProjectDoc();
    m_outline.ScanClasses(TextView(), pProject ? &pProject->ClassInfo() : nullptr, GetPathBytes());
}

int CSyntaxWindowDoc::FindFunction(const std::string& strEntry)
{
    return m_outline.FindFunction(strEntry);
}

void CSyntaxWindowDoc::GoToPosition(int nPos)
{
    if (CSyntaxWindowView* pView = FirstView())
        pView->GoToPosition(nPos);
}

void CSyntaxWindowDoc::SelectLine(int nLine)
{
    if (CSyntaxWindowView* pView = FirstView())
        pView->SelectLine(nLine);
}

QString CSyntaxWindowDoc::ProposedFileName() const
{
    if (GetPathBytes().empty()) {
        const std::string strName = ProposedJavaFileName(TextView());
        if (!strName.empty())
            return QString::fromStdString(strName);
    }
    return CSourceDoc::ProposedFileName();
}
