#pragma once

#include <string>
#include <string_view>

// Text shaping used by the outline scan on declaration headers.
class COutlineText {
public:
    // Without trailing space, tab, CR, LF, vertical tab or form feed.
    static std::string_view TrimRightSpace(std::string_view strText);

    // Without leading tabs, line feeds, carriage returns and spaces.
    static std::string_view TrimLeftBlanks(std::string_view strText);

    // Each CR LF pair and each tab becomes one space, then five halving passes
    // over runs of spaces (a run of up to 32 becomes one). Lone CRs and LFs stay.
    static std::string NormaliseOutlineSpaces(std::string_view strText);
};
