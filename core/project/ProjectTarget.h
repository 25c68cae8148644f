#pragma once

#include <string>

// Where a project look-up leads: the file to open and, in it, the outline
// entry text to find (a class name, or "Class.member(args)").
struct CProjectTarget {
    std::string m_strPath;
    std::string m_strFindText;
};
