#include "core/editor/PublicTypeName.h"

namespace {
bool IsWordStart(unsigned char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_' || ch == '$' || ch >= 0x80;
}

bool IsWordPart(unsigned char ch)
{
    return IsWordStart(ch) || (ch >= '0' && ch <= '9');
}

bool IsModifier(std::string_view strWord)
{
    return strWord == "final" || strWord == "abstract" || strWord == "static" || strWord == "sealed" ||
           strWord == "strictfp" || strWord == "non";
}

bool IsTypeKeyword(std::string_view strWord)
{
    return strWord == "class" || strWord == "interface" || strWord == "enum" || strWord == "record";
}

// The offset just past a quoted literal that starts at nPos (its quote).
std::size_t SkipQuoted(std::string_view strText, std::size_t nPos)
{
    const char chQuote = strText[nPos];
    if (chQuote == '"' && strText.substr(nPos, 3) == "\"\"\"") {
        std::size_t nEnd = strText.find("\"\"\"", nPos + 3);
        while (nEnd != std::string_view::npos && strText[nEnd - 1] == '\\')
            nEnd = strText.find("\"\"\"", nEnd + 1);
        return nEnd == std::string_view::npos ? strText.size() : nEnd + 3;
    }
    for (std::size_t i = nPos + 1; i < strText.size(); ++i) {
        if (strText[i] == '\\')
            ++i;
        else if (strText[i] == chQuote || strText[i] == '\n' || strText[i] == '\r')
            return i + 1;
    }
    return strText.size();
}
} // namespace

std::string ProposedJavaFileName(std::string_view strText)
{
    // What the words since the last "public" at the top level have been.
    enum class EState { Idle, Public, TypeKeyword } eState = EState::Idle;
    int nDepth = 0;
    std::size_t i = 0;
    while (i < strText.size()) {
        const unsigned char ch = static_cast<unsigned char>(strText[i]);
        if (ch == '/' && i + 1 < strText.size() && strText[i + 1] == '/') {
            std::size_t nEnd = strText.find_first_of("\r\n", i);
            i = nEnd == std::string_view::npos ? strText.size() : nEnd;
            continue;
        }
        if (ch == '/' && i + 1 < strText.size() && strText[i + 1] == '*') {
            std::size_t nEnd = strText.find("*/", i + 2);
            i = nEnd == std::string_view::npos ? strText.size() : nEnd + 2;
            continue;
        }
        if (ch == '"' || ch == '\'') {
            i = SkipQuoted(strText, i);
            eState = EState::Idle;
            continue;
        }
        if (IsWordStart(ch)) {
            std::size_t nStart = i;
            while (i < strText.size() && IsWordPart(static_cast<unsigned char>(strText[i])))
                ++i;
            std::string_view strWord = strText.substr(nStart, i - nStart);
            if (nDepth != 0)
                continue;
            if (eState == EState::TypeKeyword)
                return std::string(strWord) + ".java";
            if (strWord == "public")
                eState = EState::Public;
            else if (eState == EState::Public && IsTypeKeyword(strWord))
                eState = EState::TypeKeyword;
            else if (!(eState == EState::Public && IsModifier(strWord)))
                eState = EState::Idle;
            continue;
        }
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f') {
            ++i;
            continue;
        }
        // "non-sealed" and "@interface" keep a public declaration going.
        const bool bKeeps = eState == EState::Public && (ch == '-' || ch == '@');
        if (!bKeeps)
            eState = EState::Idle;
        if (ch == '{')
            ++nDepth;
        else if (ch == '}' && nDepth > 0)
            --nDepth;
        ++i;
    }
    return std::string();
}
