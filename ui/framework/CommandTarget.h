#pragma once

// The state an update rule gives a command.
struct CCmdUI {
    bool m_bEnabled = true;
    bool m_bChecked = false;
    bool m_bCheckable = false;

    void Enable(bool bEnabled = true) { m_bEnabled = bEnabled; }
    void SetCheck(bool bChecked)
    {
        m_bCheckable = true;
        m_bChecked = bChecked;
    }
};

// Anything that takes part in command routing: views, documents, frames,
// the main frame and the application.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // True when this target serves nId; the router then calls OnCommand.
    virtual bool HandlesCommand(int nId) const = 0;
    virtual void OnCommand(int nId) = 0;
    // True when this target has an update rule for nId and applied it.
    virtual bool OnUpdateCommand(int nId, CCmdUI& cmdUI)
    {
        (void)nId;
        (void)cmdUI;
        return false;
    }
};
