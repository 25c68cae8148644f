#pragma once

#include "ui/editor/SourceFrame.h"

class CLiveEditorDoc;
class CLiveHTMLView;

// An HTML page's window: the editor view alone, with menu 131 and its keys.
class CWebFrame : public CSourceFrame {
    Q_OBJECT
public:
    static constexpr EWindowKind kKind = EWindowKind::HtmlPage;

    CWebFrame(CLiveEditorDoc& document, CLiveHTMLView* pView);
};
