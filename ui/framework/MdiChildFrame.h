#pragma once

#include "core/app/WindowKind.h"
#include "ui/framework/CommandTarget.h"
#include "ui/framework/Document.h"

#include <QMdiSubWindow>
#include <QPointer>

class CView;

// A document window inside the main window. Closing the last frame of a
// document closes the document, after it agreed.
class CMdiChildFrame : public QMdiSubWindow, public ICommandTarget {
    Q_OBJECT
public:
    // Takes ownership of the view's widget.
    CMdiChildFrame(CDocument& document, CView* pView, EWindowKind eKind);
    ~CMdiChildFrame() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CView* GetView() const { return m_pView; }
    // The kind whose menus and keys are in force while this window is active.
    EWindowKind Kind() const { return m_eKind; }

    // Makes this the active window and shows it (restored when minimised).
    void ActivateFrame();
    // Closes without asking; used by the document when it closes.
    void CloseFromDocument();
    void UpdateTitle();

    // Window > Close Window, where the kind's table gives it to the frame.
    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    QPointer<CDocument> m_pDocument;
    CView* m_pView;
    EWindowKind m_eKind;
    bool m_bClosingFromDocument = false;
};
