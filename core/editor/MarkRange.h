#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

// Gives [nFrom, nTo) of a colouring the class nCode; whatever lies past the
// end of the codes is left out.
inline void MarkRange(std::vector<unsigned char>& codes, std::size_t nFrom, std::size_t nTo, unsigned char nCode)
{
    nTo = std::min(nTo, codes.size());
    if (nFrom < nTo)
        std::memset(codes.data() + nFrom, nCode, nTo - nFrom);
}
