#include "core/project/DropDownRules.h"

#include <algorithm>
#include <cctype>

namespace {
int CompareNoCase(const std::string& strA, const std::string& strB)
{
    std::size_t nCommon = std::min(strA.size(), strB.size());
    for (std::size_t i = 0; i < nCommon; ++i) {
        int nA = std::tolower(static_cast<unsigned char>(strA[i]));
        int nB = std::tolower(static_cast<unsigned char>(strB[i]));
        if (nA != nB)
            return nA < nB ? -1 : 1;
    }
    if (strA.size() == strB.size())
        return 0;
    return strA.size() < strB.size() ? -1 : 1;
}

bool StartsWithNoCase(const std::string& strText, const std::string& strPrefix)
{
    return strText.size() >= strPrefix.size() && CompareNoCase(strText.substr(0, strPrefix.size()), strPrefix) == 0;
}
} // namespace

std::vector<std::string> CDropDownRules::Sorted(std::vector<std::string> items)
{
    std::stable_sort(items.begin(), items.end(), [](const std::string& strA, const std::string& strB) {
        int nOrder = CompareNoCase(strA, strB);
        return nOrder != 0 ? nOrder < 0 : strA < strB;
    });
    return items;
}

int CDropDownRules::FindPrefix(const std::vector<std::string>& items, const std::string& strPrefix)
{
    // No main file set: nothing is selected rather than whichever item
    // an empty prefix would match.
    if (strPrefix.empty())
        return -1;
    const int nCount = static_cast<int>(items.size());
    for (int nStep = 1; nStep <= nCount; ++nStep) {
        int nIndex = nStep % nCount;
        if (StartsWithNoCase(items[static_cast<std::size_t>(nIndex)], strPrefix))
            return nIndex;
    }
    return -1;
}
