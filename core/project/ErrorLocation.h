#pragma once

#include <string>

// A compiler message line traced back to a project file. m_nLineNumber is
// the number as the message gives it (1-based); the editor selects line
// m_nLineNumber - 1.
struct CErrorLocation {
    std::string m_strFileName;
    std::string m_strPath;
    int m_nLineNumber = 0;
};
