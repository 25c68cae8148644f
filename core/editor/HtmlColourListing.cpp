#include "core/editor/HtmlColourListing.h"

#include "core/editor/ColourListing.h"
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
    return CColourListing::Runs(codes, &ClassName);
}
