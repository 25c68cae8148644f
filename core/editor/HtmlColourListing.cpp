#include "core/editor/HtmlColourListing.h"

#include "core/editor/HtmlColourer.h"

std::string_view CHtmlColourListing::ClassName(unsigned char nCode)
{
    switch (nCode) {
    case CHtmlColourer::kColourTag: return "tag";
    case CHtmlColourer::kColourKeyword: return "keyword";
    case CHtmlColourer::kColourComment: return "comment";
    case CHtmlColourer::kColourString: return "string";
    default: return "plain";
    }
}

std::string CHtmlColourListing::Runs(std::span<const unsigned char> codes)
{
    std::string strOut;
    std::size_t nStart = 0;
    while (nStart < codes.size()) {
        const std::string_view strClass = ClassName(codes[nStart]);
        std::size_t nEnd = nStart + 1;
        while (nEnd < codes.size() && ClassName(codes[nEnd]) == strClass)
            ++nEnd;
        strOut += std::to_string(nStart);
        strOut += ' ';
        strOut += std::to_string(nEnd);
        strOut += ' ';
        strOut += strClass;
        strOut += '\n';
        nStart = nEnd;
    }
    return strOut;
}
