#pragma once

#include <cstddef>
#include <string_view>

// Finds the first occurrence of a fixed pattern at or after a position that
// only ever moves forward. The last answer is kept, so text already passed is
// never searched again: all queries over one text cost one pass in total.
class COutlineForwardSearch {
public:
    COutlineForwardSearch(std::string_view strText, std::string_view strPattern);

    // Offset of the first occurrence starting at or after nFrom, or npos.
    // A query behind an earlier one is still answered, by a fresh search.
    std::size_t Find(std::size_t nFrom);

private:
    std::string_view m_strText;
    std::string_view m_strPattern;
    std::size_t m_nSearchedFrom; // the answer below holds for any query from here up to it
    std::size_t m_nFound;
};
