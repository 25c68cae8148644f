#include "core/project/ErrorLineMatcher.h"

#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/ProjectPath.h"

#include <climits>

std::optional<std::string_view> CErrorLineMatcher::LineAt(std::string_view strOutput, int nLineIndex)
{
    if (nLineIndex < 0)
        return std::nullopt;
    std::size_t nStart = 0;
    for (int nLine = 0; nLine < nLineIndex; ++nLine) {
        const std::size_t nEnd = strOutput.find('\r', nStart);
        if (nEnd == std::string_view::npos)
            return std::nullopt;
        // Skips the CR and the LF that follows it.
        nStart = nEnd + 2;
        if (nStart > strOutput.size())
            return std::nullopt;
    }
    const std::size_t nEnd = strOutput.find('\r', nStart);
    if (nEnd == std::string_view::npos)
        return std::nullopt;
    return strOutput.substr(nStart, nEnd - nStart);
}

std::optional<CErrorLocation> CErrorLineMatcher::Match(std::string_view strOutput, int nLineIndex,
                                                       const CJavaFileList& javaFiles)
{
    const std::optional<std::string_view> line = LineAt(strOutput, nLineIndex);
    if (!line || line->empty())
        return std::nullopt;

    for (int nIndex = 0; nIndex < javaFiles.GetCount(); ++nIndex) {
        const std::string strName = javaFiles.GetAt(nIndex)->GetFileName();
        // A nameless entry would "occur" at the start of every line.
        if (strName.empty())
            continue;
        // Only the first occurrence counts, as the compiler puts the file
        // name at the start of its message.
        const std::size_t nFound = line->find(strName);
        if (nFound == std::string_view::npos)
            continue;
        if (nFound != 0 && !CProjectPath::IsSeparator((*line)[nFound - 1]))
            continue;

        CErrorLocation location;
        location.m_strFileName = strName;
        // One character after the name: the colon javac writes.
        const std::size_t nNumber = nFound + strName.size() + 1;
        if (nNumber < line->size())
            location.m_nLineNumber = ReadLeadingNumber(line->substr(nNumber));
        return location;
    }
    return std::nullopt;
}

int CErrorLineMatcher::ReadLeadingNumber(std::string_view strText)
{
    std::size_t nPos = 0;
    while (nPos < strText.size() && (strText[nPos] == ' ' || (strText[nPos] >= '\t' && strText[nPos] <= '\r')))
        ++nPos;
    bool bNegative = false;
    if (nPos < strText.size() && (strText[nPos] == '+' || strText[nPos] == '-')) {
        bNegative = strText[nPos] == '-';
        ++nPos;
    }
    long long nValue = 0;
    for (; nPos < strText.size() && strText[nPos] >= '0' && strText[nPos] <= '9'; ++nPos) {
        nValue = nValue * 10 + (strText[nPos] - '0');
        if (nValue > static_cast<long long>(INT_MAX) + 1)
            nValue = static_cast<long long>(INT_MAX) + 1;
    }
    if (bNegative)
        return nValue > INT_MAX ? INT_MIN : static_cast<int>(-nValue);
    return nValue > INT_MAX ? INT_MAX : static_cast<int>(nValue);
}
