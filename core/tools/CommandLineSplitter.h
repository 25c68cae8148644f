#pragma once

#include <string>
#include <vector>

// Splits switch strings and typed program arguments into argv words the way a
// Windows program's C runtime does, so a project written for the Windows build
// passes the same words to the JDK tools here.
class CCommandLineSplitter {
public:
    // Blanks and tabs separate words; double quotes group blanks into a word
    // (and "" inside quotes is a literal quote); 2n backslashes before a quote
    // give n backslashes and the quote delimits, 2n+1 give n backslashes and a
    // literal quote; other backslashes are literal. "" alone is an empty word.
    static std::vector<std::string> SplitWindowsArguments(const std::string& strText);
};
