#include "core/project/PackageDeclaration.h"

#include "core/io/FileBytes.h"

namespace {

bool IsIdentifierPart(char ch)
{
    // Bytes past ASCII are parts of UTF-8 letters.
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
           ch == '$' || static_cast<unsigned char>(ch) >= 0x80;
}

// Walks a source's first tokens, stepping over blanks and comments.
class CTokenWalk {
public:
    explicit CTokenWalk(std::string_view strText) : m_strText(strText)
    {
        if (m_strText.substr(0, 3) == "\xEF\xBB\xBF")
            m_nPos = 3;
    }

    // Skips blanks and comments; false when a block comment never ends.
    bool SkipSpace()
    {
        while (m_nPos < m_strText.size()) {
            const char ch = m_strText[m_nPos];
            if (ch == ' ' || ch == '\t' || ch == '\f' || ch == '\r' || ch == '\n') {
                ++m_nPos;
            } else if (m_strText.substr(m_nPos, 2) == "//") {
                const std::size_t nEnd = m_strText.find('\n', m_nPos);
                m_nPos = nEnd == std::string_view::npos ? m_strText.size() : nEnd + 1;
            } else if (m_strText.substr(m_nPos, 2) == "/*") {
                const std::size_t nEnd = m_strText.find("*/", m_nPos + 2);
                if (nEnd == std::string_view::npos)
                    return false;
                m_nPos = nEnd + 2;
            } else {
                return true;
            }
        }
        return true;
    }

    // The identifier (or keyword) at the position, stepped over; "" when
    // none starts there.
    std::string_view Identifier()
    {
        const std::size_t nStart = m_nPos;
        if (nStart < m_strText.size() && m_strText[nStart] >= '0' && m_strText[nStart] <= '9')
            return {};
        while (m_nPos < m_strText.size() && IsIdentifierPart(m_strText[m_nPos]))
            ++m_nPos;
        return m_strText.substr(nStart, m_nPos - nStart);
    }

    // Steps over ch when it is next.
    bool Take(char ch)
    {
        if (m_nPos >= m_strText.size() || m_strText[m_nPos] != ch)
            return false;
        ++m_nPos;
        return true;
    }

private:
    std::string_view m_strText;
    std::size_t m_nPos = 0;
};

} // namespace

std::string CPackageDeclaration::Read(std::string_view strText)
{
    CTokenWalk walk(strText);
    if (!walk.SkipSpace() || walk.Identifier() != "package")
        return {};
    std::string strName;
    for (;;) {
        if (!walk.SkipSpace())
            return {};
        const std::string_view strPart = walk.Identifier();
        if (strPart.empty())
            return {};
        strName += strPart;
        if (!walk.SkipSpace())
            return {};
        if (walk.Take(';'))
            return strName;
        if (!walk.Take('.'))
            return {};
        strName += '.';
    }
}

std::string CPackageDeclaration::ReadFile(const std::string& strPath)
{
    std::string strBytes;
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    std::string strReason;
    if (!CFileBytes::ReadRegular(strPath, strBytes, eFailure, strReason))
        return {};
    return Read(strBytes);
}
