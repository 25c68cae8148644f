#pragma once

#include "ui/editor/SourceDoc.h"

// An HTML page: plain text shared by every window on it, read and written
// as the Java document's text is.
class CLiveEditorDoc : public CSourceDoc {
    Q_OBJECT
public:
    explicit CLiveEditorDoc(CDocTemplate& docTemplate) : CSourceDoc(docTemplate) {}
};
