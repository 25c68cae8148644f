#pragma once

#include <string>

class CJavaClassList;

// Classes as `project show` lists them: "class NAME" at strIndent, its
// members two spaces further in, its nested classes likewise, recursively.
// Each line ends with LF.
class CClassListing {
public:
    static std::string Write(const CJavaClassList& classes, const std::string& strIndent);
};
