#include "core/project/ErrorLineMatcher.h"

#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/ProjectPath.h"

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

    // Tools here write '/' between folders; a line that starts with a
    // Windows path came from there, and '\' separates in it too.
    const bool bWindowsLine = CProjectPath::IsWindowsPath(*line);
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
        if (nFound != 0 && !CProjectPath::IsSeparator((*line)[nFound - 1], bWindowsLine))
            continue;

        CErrorLocation location;
        location.m_strFileName = strName;
        // One character after the name: the colon javac writes.
        const std::size_t nNumber = nFound + strName.size() + 1;
        if (nNumber < line->size())
            location.m_nLineNumber = ReadLineNumber(line->substr(nNumber));
        return location;
    }
    return std::nullopt;
}

int CErrorLineMatcher::ReadLineNumber(std::string_view strText)
{
    std::size_t nPos = 0;
    while (nPos < strText.size() && (strText[nPos] == ' ' || (strText[nPos] >= '\t' && strText[nPos] <= '\r')))
        ++nPos;
    int nValue = 0;
    for (; nPos < strText.size() && strText[nPos] >= '0' && strText[nPos] <= '9'; ++nPos) {
        const int nDigit = strText[nPos] - '0';
        if (nValue > (kMostLineNumber - nDigit) / 10)
            return kMostLineNumber;
        nValue = nValue * 10 + nDigit;
    }
    return nValue;
}
