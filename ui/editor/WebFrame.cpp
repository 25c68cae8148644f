#include "ui/editor/WebFrame.h"

#include "ui/editor/LiveEditorDoc.h"
#include "ui/editor/LiveHTMLView.h"

CWebFrame::CWebFrame(CLiveEditorDoc& document, CLiveHTMLView* pView) : CSourceFrame(document, pView, kKind) {}
