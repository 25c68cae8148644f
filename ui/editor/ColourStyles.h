#pragma once

#include <array>
#include <cstdint>

class CJavaEditor;

// Maps the colourers' class codes to editor styles and back, and gives the
// styles their colours. Style 0 is plain because Scintilla gives newly typed
// text style 0.
class CColourStyles {
public:
    enum EStyle { kStylePlain = 0, kStyleKeyword = 1, kStyleComment = 2, kStyleString = 3, kStyleTag = 4 };

    static int StyleForCode(unsigned char nCode);
    // The class code a style shows (plain for any style this editor does not set).
    static unsigned char CodeForStyle(unsigned char nStyle);

    // Gives every style the colour (0x00BBGGRR) colourOf holds for its class.
    static void Apply(CJavaEditor& editor, const std::array<std::uint32_t, 256>& colourOf);
};
