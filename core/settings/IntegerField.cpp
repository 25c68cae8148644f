#include "core/settings/IntegerField.h"

#include <limits>

namespace {
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}
} // namespace

CIntegerField::EResult CIntegerField::Check(std::string_view strText, int nMin, int nMax, int& nValue)
{
    std::size_t i = 0;
    while (i < strText.size() && IsBlank(strText[i]))
        ++i;
    bool bNegative = false;
    if (i < strText.size() && (strText[i] == '+' || strText[i] == '-')) {
        bNegative = strText[i] == '-';
        ++i;
    }
    const std::size_t nDigitsStart = i;
    // Counted in a wider type, stopped once it cannot fit an int any more.
    long long nMagnitude = 0;
    bool bOverflow = false;
    while (i < strText.size() && strText[i] >= '0' && strText[i] <= '9') {
        if (!bOverflow) {
            nMagnitude = nMagnitude * 10 + (strText[i] - '0');
            if (nMagnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
                bOverflow = true;
        }
        ++i;
    }
    if (i == nDigitsStart)
        return kNotInteger;
    while (i < strText.size() && IsBlank(strText[i]))
        ++i;
    if (i != strText.size())
        return kNotInteger;

    const long long nSigned = bNegative ? -nMagnitude : nMagnitude;
    if (bOverflow || nSigned < std::numeric_limits<int>::min() || nSigned > std::numeric_limits<int>::max())
        return kOutOfRange;
    if (nSigned < nMin || nSigned > nMax)
        return kOutOfRange;
    nValue = static_cast<int>(nSigned);
    return kValid;
}

std::string CIntegerField::NotIntegerText()
{
    return "Please enter an integer.";
}

std::string CIntegerField::OutOfRangeText(int nMin, int nMax)
{
    return "Please enter an integer between " + std::to_string(nMin) + " and " + std::to_string(nMax) + ".";
}
