#pragma once

#include <string>
#include <string_view>

// The check a number box's text passes before its value is taken, as the
// preferences pages run it on leaving a page or on OK.
class CIntegerField {
public:
    enum EResult { kValid, kNotInteger, kOutOfRange };

    // Blanks and tabs may surround one decimal integer with an optional sign;
    // anything else is not an integer. "0" is, a bare sign is not. A number
    // too large for an int counts as out of range. nValue is set on kValid.
    static EResult Check(std::string_view strText, int nMin, int nMax, int& nValue);

    // The texts the pages show for kNotInteger and kOutOfRange.
    static std::string NotIntegerText();
    static std::string OutOfRangeText(int nMin, int nMax);
};
