#include "core/tools/JavacDiagnostics.h"

#include <filesystem>
#include <unordered_map>

namespace {
constexpr std::string_view kNotePrefix = "Note: ";
constexpr std::string_view kErrorPrefix = "error: ";
constexpr std::string_view kWarningPrefix = "warning: ";
// Longer line numbers are not javac's, and would not fit an int.
constexpr std::size_t kMostLineDigits = 9;

// Splits text into lines, LF or CR LF ended; a last line without an end counts.
class CLineReader {
public:
    explicit CLineReader(std::string_view strText) : m_strText(strText) {}

    bool AtEnd() const { return m_nPos >= m_strText.size(); }
    std::string_view Peek() const
    {
        std::size_t nEnd = m_strText.find('\n', m_nPos);
        if (nEnd == std::string_view::npos)
            nEnd = m_strText.size();
        std::string_view strLine = m_strText.substr(m_nPos, nEnd - m_nPos);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.remove_suffix(1);
        return strLine;
    }
    std::string_view Next()
    {
        const std::string_view strLine = Peek();
        m_nPos += strLine.size();
        if (m_nPos < m_strText.size() && m_strText[m_nPos] == '\r')
            ++m_nPos;
        if (m_nPos < m_strText.size() && m_strText[m_nPos] == '\n')
            ++m_nPos;
        return strLine;
    }

private:
    std::string_view m_strText;
    std::size_t m_nPos = 0;
};

// Blanks (spaces and tabs, as javac copies them from the source line) and
// one caret: the index of the caret, else npos.
std::size_t CaretIndex(std::string_view strLine)
{
    const std::size_t nCaret = strLine.find_first_not_of(" \t");
    if (nCaret == std::string_view::npos || strLine[nCaret] != '^')
        return std::string_view::npos;
    if (strLine.find_first_not_of(" \t", nCaret + 1) != std::string_view::npos)
        return std::string_view::npos;
    return nCaret;
}

bool StartsWithKind(std::string_view strRest, EDiagnosticKind& eKind, std::string_view& strMessage)
{
    if (strRest.starts_with(kErrorPrefix)) {
        eKind = EDiagnosticKind::Error;
        strMessage = strRest.substr(kErrorPrefix.size());
    } else if (strRest.starts_with(kWarningPrefix)) {
        eKind = EDiagnosticKind::Warning;
        strMessage = strRest.substr(kWarningPrefix.size());
    } else if (strRest.starts_with(kNotePrefix)) {
        eKind = EDiagnosticKind::Note;
        strMessage = strRest.substr(kNotePrefix.size());
    } else
        return false;
    return true;
}

// "FILE:LINE: KIND: text". The file name may hold colons itself, so every
// colon followed by digits and ": " is tried; each character is looked at a
// bounded number of times.
bool ParsePlacedHead(std::string_view strLine, std::string_view& strFile, int& nLine, EDiagnosticKind& eKind,
                     std::string_view& strMessage)
{
    for (std::size_t nColon = strLine.find(':', 1); nColon != std::string_view::npos;
         nColon = strLine.find(':', nColon + 1)) {
        std::size_t nDigit = nColon + 1;
        int nValue = 0;
        while (nDigit < strLine.size() && nDigit - nColon <= kMostLineDigits && strLine[nDigit] >= '0' &&
               strLine[nDigit] <= '9')
            nValue = nValue * 10 + (strLine[nDigit++] - '0');
        if (nDigit == nColon + 1 || nDigit + 1 >= strLine.size() || strLine[nDigit] != ':' ||
            strLine[nDigit + 1] != ' ')
            continue;
        if (!StartsWithKind(strLine.substr(nDigit + 2), eKind, strMessage))
            continue;
        strFile = strLine.substr(0, nColon);
        nLine = nValue;
        return true;
    }
    return false;
}

// "3 errors", "1 warning": javac's counts at the end.
bool IsCountLine(std::string_view strLine)
{
    const std::size_t nSpace = strLine.find(' ');
    if (nSpace == 0 || nSpace == std::string_view::npos ||
        strLine.substr(0, nSpace).find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    const std::string_view strWord = strLine.substr(nSpace + 1);
    return strWord == "error" || strWord == "errors" || strWord == "warning" || strWord == "warnings";
}

// javac's own remark when -Xmaxerrs or -Xmaxwarns cut the list short.
bool IsLimitLine(std::string_view strLine)
{
    return strLine.starts_with("only showing the first ");
}

// File names as javac printed them, made absolute against its folder; the
// same few names come back again and again, so each is worked out once.
class CFileNames {
public:
    explicit CFileNames(const std::string& strFolder) : m_strFolder(strFolder) {}

    const std::string& Absolute(std::string_view strFile)
    {
        const auto found = m_mapNames.find(std::string(strFile));
        if (found != m_mapNames.end())
            return found->second;
        std::filesystem::path path(strFile);
        if (path.is_relative() && !m_strFolder.empty())
            path = std::filesystem::path(m_strFolder) / path;
        std::string strAbsolute = path.lexically_normal().string();
        return m_mapNames.emplace(std::string(strFile), std::move(strAbsolute)).first->second;
    }

private:
    std::string m_strFolder;
    std::unordered_map<std::string, std::string> m_mapNames;
};
} // namespace

std::vector<CJavacDiagnostic> CJavacDiagnostics::Parse(std::string_view strOutput, const std::string& strFolder)
{
    std::vector<CJavacDiagnostic> vecDiagnostics;
    CFileNames names(strFolder);
    CLineReader reader(strOutput);
    bool bInMessage = false; // the last diagnostic still takes lines
    bool bHasCaret = false;  // it has had its source and caret lines
    while (!reader.AtEnd()) {
        const std::string_view strLine = reader.Next();
        if (bInMessage && !bHasCaret && !reader.AtEnd()) {
            // The source line goes before its caret line, whatever it holds:
            // a line of Java may look like a head line.
            const std::size_t nCaret = CaretIndex(reader.Peek());
            if (nCaret != std::string_view::npos) {
                reader.Next();
                bHasCaret = true;
                if (!vecDiagnostics.back().m_strFile.empty())
                    vecDiagnostics.back().m_nColumn = static_cast<int>(nCaret) + 1;
                continue;
            }
        }
        std::string_view strFile;
        int nLine = 0;
        EDiagnosticKind eKind = EDiagnosticKind::Error;
        std::string_view strMessage;
        const bool bPlaced = ParsePlacedHead(strLine, strFile, nLine, eKind, strMessage);
        if (bPlaced || StartsWithKind(strLine, eKind, strMessage)) {
            CJavacDiagnostic& diagnostic = vecDiagnostics.emplace_back();
            if (bPlaced) {
                diagnostic.m_strFile = names.Absolute(strFile);
                diagnostic.m_nLine = nLine;
            }
            diagnostic.m_eKind = eKind;
            diagnostic.m_strMessage = strMessage;
            bInMessage = true;
            bHasCaret = false;
        } else if (IsCountLine(strLine) || IsLimitLine(strLine))
            bInMessage = false;
        else if (bInMessage) {
            std::string& strText = vecDiagnostics.back().m_strMessage;
            strText += '\n';
            strText += strLine;
        }
    }
    return vecDiagnostics;
}

const char* CJavacDiagnostics::KindName(EDiagnosticKind eKind)
{
    switch (eKind) {
    case EDiagnosticKind::Error:
        return "error";
    case EDiagnosticKind::Warning:
        return "warning";
    case EDiagnosticKind::Note:
        return "note";
    }
    return "error";
}
