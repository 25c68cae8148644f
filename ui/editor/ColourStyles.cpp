#include "ui/editor/ColourStyles.h"

#include "core/editor/JavaColourer.h"
#include "ui/editor/JavaEditor.h"

int CColourStyles::StyleForCode(unsigned char nCode)
{
    switch (nCode) {
    case CJavaColourer::kColourKeyword: return kStyleKeyword;
    case CJavaColourer::kColourComment: return kStyleComment;
    case CJavaColourer::kColourString: return kStyleString;
    default: return kStylePlain;
    }
}

unsigned char CColourStyles::CodeForStyle(unsigned char nStyle)
{
    static const std::array<unsigned char, 256> codes = [] {
        std::array<unsigned char, 256> table{};
        table.fill(CJavaColourer::kColourPlain);
        for (unsigned char nCode :
             {CJavaColourer::kColourKeyword, CJavaColourer::kColourComment, CJavaColourer::kColourString})
            table[static_cast<unsigned char>(StyleForCode(nCode))] = nCode;
        return table;
    }();
    return codes[nStyle];
}

void CColourStyles::Apply(CJavaEditor& editor, std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment,
                          std::uint32_t crString)
{
    editor.SetStyleColour(kStylePlain, crPlain);
    editor.SetStyleColour(kStyleKeyword, crKeyword);
    editor.SetStyleColour(kStyleComment, crComment);
    editor.SetStyleColour(kStyleString, crString);
}
