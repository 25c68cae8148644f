#include "ui/editor/ColourStyles.h"

#include "core/editor/HtmlColourer.h"
#include "core/editor/JavaColourer.h"
#include "ui/editor/JavaEditor.h"

// The Java colourer's codes are the HTML colourer's without the tag.
static_assert(CJavaColourer::kColourPlain == CHtmlColourer::kColourPlain &&
              CJavaColourer::kColourKeyword == CHtmlColourer::kColourKeyword &&
              CJavaColourer::kColourComment == CHtmlColourer::kColourComment &&
              CJavaColourer::kColourString == CHtmlColourer::kColourString);

int CColourStyles::StyleForCode(unsigned char nCode)
{
    switch (nCode) {
    case CHtmlColourer::kColourKeyword: return kStyleKeyword;
    case CHtmlColourer::kColourComment: return kStyleComment;
    case CHtmlColourer::kColourString: return kStyleString;
    case CHtmlColourer::kColourTag: return kStyleTag;
    default: return kStylePlain;
    }
}

unsigned char CColourStyles::CodeForStyle(unsigned char nStyle)
{
    static const std::array<unsigned char, 256> codes = [] {
        std::array<unsigned char, 256> table{};
        table.fill(CHtmlColourer::kColourPlain);
        for (unsigned char nCode : {CHtmlColourer::kColourKeyword, CHtmlColourer::kColourComment,
                                    CHtmlColourer::kColourString, CHtmlColourer::kColourTag})
            table[static_cast<unsigned char>(StyleForCode(nCode))] = nCode;
        return table;
    }();
    return codes[nStyle];
}

void CColourStyles::Apply(CJavaEditor& editor, const std::array<std::uint32_t, 256>& colourOf)
{
    for (int nStyle = kStylePlain; nStyle <= kStyleTag; ++nStyle)
        editor.SetStyleColour(nStyle, colourOf[CodeForStyle(static_cast<unsigned char>(nStyle))]);
}
