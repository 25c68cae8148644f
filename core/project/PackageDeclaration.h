#pragma once

#include <string>
#include <string_view>

// The package a Java source file declares: the name after "package" in its
// first statement, before which only blanks and comments may stand.
class CPackageDeclaration {
public:
    // The declared name with the blanks and comments between its parts left
    // out ("com.example"); "" for a file of the default package, and for a
    // declaration that is cut short or not a dotted name.
    static std::string Read(std::string_view strText);
    // The same for a file read through the regular-file reader; "" when it
    // cannot be read.
    static std::string ReadFile(const std::string& strPath);
};
