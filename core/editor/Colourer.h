#pragma once

#include "core/editor/MarkerStateCache.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// A colouring as an editor drives it: the whole text at once, or the one
// line a keystroke changed. What the text before a line leaves open (a
// comment, a tag) comes from marker caches the editor keeps and tells of
// every edit, so a keystroke does not read back through the whole text.
class IColourer {
public:
    // Class codes for the text of one line (without its line break).
    struct CLineColours {
        std::size_t m_nStart = 0;           // offset of the line's first character
        std::vector<unsigned char> m_codes; // one code per character of the line
    };

    virtual ~IColourer() = default;

    // One class code per character of the text.
    virtual std::vector<unsigned char> ColourAll(std::string_view strText) const = 0;
    // Fresh caches for ColourCachedLine, one per kind of stretch it looks back for.
    virtual std::vector<CMarkerStateCache> MakeCaches() const = 0;
    // The line strLine that follows strBefore; only that text is read.
    virtual CLineColours ColourCachedLine(std::string_view strBefore, std::string_view strLine,
                                          std::span<CMarkerStateCache> caches) const = 0;
};
