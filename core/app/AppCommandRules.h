#pragma once

// What the application-level update rules look at.
struct CAppCommandState {
    bool m_bProjectOpen = false;
    bool m_bToolRunning = false;
    bool m_bMainHtmlFileSet = false; // the open project names a main HTML file
};

enum class ECommandEnable { Enabled, Disabled, NotServed };

// The command table's enable rule for nId in this state; NotServed for
// commands enabled whenever some target serves them, which the routing
// decides.
ECommandEnable ApplicationCommandEnable(int nId, const CAppCommandState& state);
