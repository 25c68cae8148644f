#pragma once

#include <array>
#include <cstdint>

class CJavaEditor;

// Maps the colouring's class codes to editor styles and back, and gives the
// styles their colours. Style 0 is plain because Scintilla gives newly typed
// text style 0.
class CColourStyles {
public:
    enum EStyle { kStylePlain = 0, kStyleKeyword = 1, kStyleComment = 2, kStyleString = 3 };

    static int StyleForCode(unsigned char nCode);
    // The class code a style shows (plain for any style this editor does not set).
    static unsigned char CodeForStyle(unsigned char nStyle);

    // Colours are 0x00BBGGRR.
    static void Apply(CJavaEditor& editor, std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment,
                      std::uint32_t crString);
};
