#pragma once

#include "ui/framework/Document.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/View.h"

#include <vector>

// The windows of kind T open on a document, in the order they were opened:
// a view kind (such as ICompilerMessageView) or the widget a view shows
// (such as an editor). The one way the application finds a document's
// windows.
template <class T>
std::vector<T*> WindowsOf(const CDocument& document)
{
    std::vector<T*> vecWindows;
    for (CMdiChildFrame* pFrame : document.GetFrames()) {
        CView* pView = pFrame->GetView();
        if (!pView)
            continue;
        if (auto* pWindow = dynamic_cast<T*>(pView))
            vecWindows.push_back(pWindow);
        else if (auto* pWidget = dynamic_cast<T*>(pView->Widget()))
            vecWindows.push_back(pWidget);
    }
    return vecWindows;
}
