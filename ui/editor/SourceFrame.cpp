#include "ui/editor/SourceFrame.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "ui/editor/SourceDoc.h"
#include "ui/editor/SourceView.h"
#include "ui/framework/DocTemplate.h"

CSourceFrame::CSourceFrame(CSourceDoc& document, CSourceView* pView, EWindowKind eKind)
    : CMdiChildFrame(document, pView, eKind)
{}

bool CSourceFrame::HandlesCommand(int nId) const
{
    return ServedInWindow(nId, ECommandTarget::Frame, Kind());
}

void CSourceFrame::OnCommand(int nId)
{
    if (nId != CommandIds::kWindowNew) {
        CMdiChildFrame::OnCommand(nId);
        return;
    }
    if (!GetDocument())
        return;
    if (CMdiChildFrame* pFrame = GetDocument()->GetDocTemplate().CreateNewFrame(*GetDocument()))
        pFrame->ActivateFrame();
}
