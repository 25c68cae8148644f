#include "core/editor/ColourListing.h"

#include "core/editor/JavaColourer.h"

#include <algorithm>

std::string_view CColourListing::ClassName(unsigned char nCode)
{
    switch (nCode) {
    case CJavaColourer::kColourKeyword: return "keyword";
    case CJavaColourer::kColourComment: return "comment";
    case CJavaColourer::kColourString: return "string";
    default: return "plain";
    }
}

std::string CColourListing::Runs(std::span<const unsigned char> codes)
{
    return Runs(codes, &ClassName);
}

std::string CColourListing::Runs(std::span<const unsigned char> codes, ClassNameOf className)
{
    std::string strOut;
    std::size_t nStart = 0;
    while (nStart < codes.size()) {
        const std::string_view strClass = className(codes[nStart]);
        std::size_t nEnd = nStart + 1;
        // Compare by class, not code: an unknown code is a plain run too.
        while (nEnd < codes.size() && className(codes[nEnd]) == strClass)
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

std::string CColourListing::Codes(std::string_view strText, std::span<const unsigned char> codes)
{
    std::string strOut;
    const std::size_t nCount = std::min(strText.size(), codes.size());
    bool bLineOpen = false;
    for (std::size_t nIndex = 0; nIndex < nCount; ++nIndex) {
        if (bLineOpen)
            strOut += ' ';
        strOut += std::to_string(static_cast<unsigned>(codes[nIndex]));
        bLineOpen = true;
        if (strText[nIndex] == '\n') {
            strOut += '\n';
            bLineOpen = false;
        }
    }
    if (bLineOpen)
        strOut += '\n';
    return strOut;
}
