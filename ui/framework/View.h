#pragma once

#include "ui/framework/CommandTarget.h"

class CDocument;
class QWidget;

// A view shows one document inside a child frame and is the first target
// of command routing while its frame is active.
class CView : public ICommandTarget {
public:
    ~CView() override = default;
    virtual CDocument* GetDocument() const = 0;
    virtual QWidget* Widget() = 0;
    // Called once the frame is shown.
    virtual void OnInitialUpdate() {}
    // Called when the document asks all its views to refresh.
    virtual void OnUpdate() {}
    // Called when its frame has become the active window.
    virtual void OnActivateView() {}

    bool HandlesCommand(int) const override { return false; }
    void OnCommand(int) override {}
};
