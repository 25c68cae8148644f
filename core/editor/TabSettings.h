#pragma once

#include <string>

// The tab settings an editor view takes when it is created (TABWIDTH and
// SPACETABS); later changes to the preferences reach only newer views.
struct CTabSettings {
    int m_nTabWidth = 3;
    bool m_bSpaceTabs = false;

    // m_nTabWidth spaces, empty when the width is 0 or less.
    std::string TabSpaces() const;
    // What the Tab key inserts: the spaces when m_bSpaceTabs, else one tab.
    std::string TabText() const;
};
