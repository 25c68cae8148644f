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
    // The words joined into one text that SplitWindowsArguments splits back
    // into exactly these words: a word with a blank, a tab or a quote, or an
    // empty one, is quoted, with backslashes doubled where a quote follows.
    static std::string JoinWindowsArguments(const std::vector<std::string>& vecWords);
};
