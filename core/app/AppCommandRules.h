#pragma once

// What the application-level update rules look at.
struct CAppCommandState {
    bool m_bProjectOpen = false;
    bool m_bToolRunning = false;
    bool m_bMainHtmlFileSet = false; // the open project names a main HTML file
};

enum class ECommandEnable { Enabled, Disabled, NotServed };

// The enable rule of a command the application serves or decides on, or
// NotServed when the application leaves it to views, frames and documents.
ECommandEnable ApplicationCommandEnable(int nId, const CAppCommandState& state);
