#include "ui/editor/html/WebFrame.h"

#include "ui/editor/html/LiveEditorDoc.h"
#include "ui/editor/html/LiveHTMLView.h"

CWebFrame::CWebFrame(CLiveEditorDoc& document, CLiveHTMLView* pView) : CSourceFrame(document, pView, kKind) {}
