#pragma once

#include "ui/framework/MdiChildFrame.h"

class CSourceDoc;
class CSourceView;

// A window on a source document. Window > New Window opens a further
// window on the same document, showing the same text.
class CSourceFrame : public CMdiChildFrame {
    Q_OBJECT
public:
    CSourceFrame(CSourceDoc& document, CSourceView* pView, EWindowKind eKind);

    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;
};
