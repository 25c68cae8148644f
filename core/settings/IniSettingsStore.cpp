#include "core/settings/IniSettingsStore.h"

#include "core/io/AtomicFile.h"
#include "core/io/FileBytes.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

std::string_view Trim(std::string_view strText)
{
    while (!strText.empty() && (IsBlank(strText.front()) || strText.front() == '\r'))
        strText.remove_prefix(1);
    while (!strText.empty() && (IsBlank(strText.back()) || strText.back() == '\r'))
        strText.remove_suffix(1);
    return strText;
}

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// A UTF-16 unit or code point from an escape, as UTF-8.
void AppendCodePoint(std::string& strOut, unsigned nCode)
{
    if (nCode < 0x80) {
        strOut += static_cast<char>(nCode);
    } else if (nCode < 0x800) {
        strOut += static_cast<char>(0xC0 | (nCode >> 6));
        strOut += static_cast<char>(0x80 | (nCode & 0x3F));
    } else if (nCode < 0x10000) {
        strOut += static_cast<char>(0xE0 | (nCode >> 12));
        strOut += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        strOut += static_cast<char>(0x80 | (nCode & 0x3F));
    } else {
        strOut += static_cast<char>(0xF0 | ((nCode >> 18) & 0x07));
        strOut += static_cast<char>(0x80 | ((nCode >> 12) & 0x3F));
        strOut += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
        strOut += static_cast<char>(0x80 | (nCode & 0x3F));
    }
}

// Names of sections and entries: "/" is "\", bytes other than letters,
// digits and _-. are %XX (and %UXXXX for a code point above 0xFF).
std::string UnescapeKey(std::string_view strText)
{
    std::string strKey;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char ch = strText[i];
        if (ch == '\\') {
            strKey += '/';
        } else if (ch == '%' && i + 5 < strText.size() && strText[i + 1] == 'U' && HexValue(strText[i + 2]) >= 0 &&
                   HexValue(strText[i + 3]) >= 0 && HexValue(strText[i + 4]) >= 0 && HexValue(strText[i + 5]) >= 0) {
            unsigned nCode = 0;
            for (std::size_t j = i + 2; j < i + 6; ++j)
                nCode = nCode * 16 + static_cast<unsigned>(HexValue(strText[j]));
            AppendCodePoint(strKey, nCode);
            i += 5;
        } else if (ch == '%' && i + 2 < strText.size() && HexValue(strText[i + 1]) >= 0 &&
                   HexValue(strText[i + 2]) >= 0) {
            strKey += static_cast<char>(HexValue(strText[i + 1]) * 16 + HexValue(strText[i + 2]));
            i += 2;
        } else {
            strKey += ch;
        }
    }
    return strKey;
}

std::string EscapeKey(std::string_view strKey)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string strText;
    for (const char ch : strKey) {
        const unsigned char uch = static_cast<unsigned char>(ch);
        if (ch == '/')
            strText += '\\';
        else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
                 ch == '-' || ch == '.')
            strText += ch;
        else {
            strText += '%';
            strText += kHex[uch >> 4];
            strText += kHex[uch & 0xF];
        }
    }
    return strText;
}

// A section header's name: "General" holds the entries outside any section.
std::string SectionOfHeader(std::string_view strName)
{
    if (strName == "General")
        return {};
    if (strName == "%General")
        return "General";
    return UnescapeKey(strName);
}

std::string HeaderOfSection(const std::string& strSection)
{
    if (strSection.empty())
        return "[General]";
    if (strSection == "General")
        return "[%General]";
    return "[" + EscapeKey(strSection) + "]";
}

std::string FullKey(const std::string& strSection, const std::string& strEntry)
{
    return strSection.empty() ? strEntry : strSection + "/" + strEntry;
}

// What a value's text holds: QSettings marks a string that starts with "@"
// by another "@", an absent value by "@Invalid()", bytes by @ByteArray(...)
// and a string holding a NUL by @String(...).
std::optional<std::string> ValueOfText(std::string_view strText)
{
    std::string strValue = CIniSettingsStore::UnescapeValue(strText);
    if (strValue.empty() || strValue.front() != '@')
        return strValue;
    if (strValue.starts_with("@@"))
        return strValue.substr(1);
    if (strValue == "@Invalid()")
        return std::nullopt;
    if (strValue.starts_with("@ByteArray(") && strValue.back() == ')')
        return strValue.substr(11, strValue.size() - 12);
    // A string with a NUL in it.
    if (strValue.starts_with("@String(") && strValue.back() == ')')
        return strValue.substr(8, strValue.size() - 9);
    return strValue;
}

// The text after a line's first "=", without the line's CR.
std::string_view ValueTextOf(std::string_view strLine)
{
    if (!strLine.empty() && strLine.back() == '\r')
        strLine.remove_suffix(1);
    const std::size_t nEquals = strLine.find('=');
    return nEquals == std::string_view::npos ? std::string_view() : strLine.substr(nEquals + 1);
}

// Makes a file's folder and the folders above it, as QSettings does.
void MakeFolders(const std::string& strPath)
{
    for (std::size_t nSlash = strPath.find('/', 1); nSlash != std::string::npos; nSlash = strPath.find('/', nSlash + 1))
        ::mkdir(strPath.substr(0, nSlash).c_str(), 0777);
}

} // namespace

CIniSettingsStore::CIniSettingsStore(std::string strPath) : m_strPath(std::move(strPath))
{
    std::string strBytes;
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    std::string strReason;
    if (CFileBytes::ReadRegular(m_strPath, strBytes, eFailure, strReason, kMaxFileBytes))
        Parse(strBytes);
}

CIniSettingsStore::~CIniSettingsStore()
{
    Flush();
}

void CIniSettingsStore::Parse(std::string_view strBytes)
{
    m_lines.clear();
    m_bEndsWithBreak = strBytes.empty() || strBytes.back() == '\n';
    std::string strSection;
    std::size_t nStart = 0;
    while (nStart < strBytes.size()) {
        std::size_t nEnd = strBytes.find('\n', nStart);
        if (nEnd == std::string_view::npos)
            nEnd = strBytes.size();
        CLine line;
        line.m_strRaw = std::string(strBytes.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
        const std::string_view strTrimmed = Trim(line.m_strRaw);
        if (strTrimmed.starts_with('[')) {
            const std::size_t nClose = strTrimmed.find(']');
            strSection = SectionOfHeader(
                strTrimmed.substr(1, nClose == std::string_view::npos ? std::string_view::npos : nClose - 1));
            line.m_bHeader = true;
        } else if (!strTrimmed.empty() && strTrimmed.front() != ';') {
            const std::size_t nEquals = strTrimmed.find('=');
            if (nEquals != std::string_view::npos && nEquals > 0)
                line.m_strEntry = UnescapeKey(Trim(strTrimmed.substr(0, nEquals)));
        }
        line.m_strSection = strSection;
        m_lines.push_back(std::move(line));
    }
}

std::string CIniSettingsStore::Serialise() const
{
    std::string strBytes;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        strBytes += m_lines[i].m_strRaw;
        if (i + 1 < m_lines.size() || m_bEndsWithBreak)
            strBytes += '\n';
    }
    return strBytes;
}

std::optional<std::size_t> CIniSettingsStore::FindLine(const std::string& strSection, const std::string& strEntry) const
{
    const std::string strKey = FullKey(strSection, strEntry);
    for (std::size_t i = m_lines.size(); i-- > 0;) {
        if (!m_lines[i].m_strEntry.empty() && FullKey(m_lines[i].m_strSection, m_lines[i].m_strEntry) == strKey)
            return i;
    }
    return std::nullopt;
}

void CIniSettingsStore::SetLine(const std::string& strSection, const std::string& strEntry, const std::string& strText)
{
    if (const auto nLine = FindLine(strSection, strEntry)) {
        // Only the value changes: the name's spelling, the blanks around "="
        // and a CR stay.
        std::string& strRaw = m_lines[*nLine].m_strRaw;
        const bool bCr = !strRaw.empty() && strRaw.back() == '\r';
        std::size_t nValue = strRaw.find('=') + 1;
        while (nValue < strRaw.size() && IsBlank(strRaw[nValue]))
            ++nValue;
        strRaw = strRaw.substr(0, nValue) + strText + (bCr ? "\r" : "");
        return;
    }
    CLine line;
    line.m_strRaw = EscapeKey(strEntry) + "=" + strText;
    line.m_strSection = strSection;
    line.m_strEntry = strEntry;
    // After the last value of the section's last block, before its blank lines.
    std::optional<std::size_t> nAfter;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].m_bHeader && m_lines[i].m_strSection == strSection)
            nAfter = i;
        else if (nAfter && m_lines[i].m_strSection == strSection && !m_lines[i].m_bHeader &&
                 !Trim(m_lines[i].m_strRaw).empty())
            nAfter = i;
    }
    if (nAfter) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*nAfter + 1), std::move(line));
        if (*nAfter + 2 == m_lines.size())
            m_bEndsWithBreak = true;
        return;
    }
    if (!m_lines.empty() && !Trim(m_lines.back().m_strRaw).empty())
        m_lines.push_back(CLine{"", m_lines.back().m_strSection, "", false});
    m_lines.push_back(CLine{HeaderOfSection(strSection), strSection, "", true});
    m_lines.push_back(std::move(line));
    m_bEndsWithBreak = true;
}

void CIniSettingsStore::Change(const std::string& strSection, const std::string& strEntry, const std::string& strText)
{
    SetLine(strSection, strEntry, strText);
    m_pending[{strSection, strEntry}] = strText;
}

int CIniSettingsStore::GetProfileInt(const std::string& strSection, const std::string& strEntry, int nDefault)
{
    const auto value = Find(strSection, strEntry);
    if (!value)
        return nDefault;
    // Decimal, perhaps signed and among blanks, within an int's range.
    std::string_view strNumber = Trim(*value);
    const bool bNegative = !strNumber.empty() && strNumber.front() == '-';
    if (!strNumber.empty() && (strNumber.front() == '-' || strNumber.front() == '+'))
        strNumber.remove_prefix(1);
    if (strNumber.empty() || strNumber.size() > 11)
        return nDefault;
    long long nValue = 0;
    for (const char ch : strNumber) {
        if (ch < '0' || ch > '9')
            return nDefault;
        nValue = nValue * 10 + (ch - '0');
    }
    if (bNegative)
        nValue = -nValue;
    if (nValue < INT_MIN || nValue > INT_MAX)
        return nDefault;
    return static_cast<int>(nValue);
}

std::optional<std::string> CIniSettingsStore::Find(const std::string& strSection, const std::string& strEntry) const
{
    const auto nLine = FindLine(strSection, strEntry);
    if (!nLine)
        return std::nullopt;
    return ValueOfText(ValueTextOf(m_lines[*nLine].m_strRaw));
}

std::string CIniSettingsStore::GetProfileString(const std::string& strSection, const std::string& strEntry,
                                                const std::string& strDefault)
{
    return Find(strSection, strEntry).value_or(strDefault);
}

void CIniSettingsStore::WriteProfileInt(const std::string& strSection, const std::string& strEntry, int nValue)
{
    const std::string strText = std::to_string(nValue);
    if (Find(strSection, strEntry) == strText)
        return;
    Change(strSection, strEntry, strText);
}

void CIniSettingsStore::WriteProfileString(const std::string& strSection, const std::string& strEntry,
                                           const std::string& strValue)
{
    if (Find(strSection, strEntry) == strValue)
        return;
    Change(strSection, strEntry, EscapeValue(strValue));
}

bool CIniSettingsStore::Flush()
{
    std::string strReason;
    return Flush(strReason);
}

bool CIniSettingsStore::Flush(std::string& strReason)
{
    strReason.clear();
    if (m_pending.empty())
        return true;
    // The file as it is now: another Tarnwick may have stored values since.
    std::string strOnDisk;
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    if (!CFileBytes::ReadRegular(m_strPath, strOnDisk, eFailure, strReason, kMaxFileBytes)) {
        if (eFailure != CFileBytes::EReadFailure::Missing)
            return false;
        strOnDisk.clear();
        strReason.clear();
        MakeFolders(m_strPath);
    }
    Parse(strOnDisk);
    for (const auto& [key, strText] : m_pending)
        SetLine(key.first, key.second, strText);
    const std::string strBytes = Serialise();
    if (strBytes != strOnDisk && !CAtomicFile::Replace(m_strPath, strBytes, strReason))
        return false;
    m_pending.clear();
    return true;
}

std::string CIniSettingsStore::DefaultPath(const EnvironmentReader& readEnvironment)
{
    std::string strConfig;
    if (auto config = readEnvironment("XDG_CONFIG_HOME"); config && config->starts_with('/')) {
        strConfig = *config;
    } else {
        auto home = readEnvironment("HOME");
        strConfig = (home && !home->empty() ? *home : std::string("/")) + "/.config";
    }
    while (strConfig.size() > 1 && strConfig.back() == '/')
        strConfig.pop_back();
    return (strConfig == "/" ? std::string() : strConfig) + "/Vellorand/Tarnwick.conf";
}

std::string CIniSettingsStore::UnescapeValue(std::string_view strText)
{
    // As QSettings reads a value, except that a comma outside quotes is a
    // comma (QSettings would make a list of it) and bytes stay bytes. A ";"
    // outside quotes starts a comment.
    std::string strValue;
    std::size_t i = 0;
    bool bInQuotes = false;
    bool bQuoted = false;
    const auto SkipBlanks = [&] {
        while (i < strText.size() && IsBlank(strText[i]))
            ++i;
    };
    SkipBlanks();
    // Blanks at the end are dropped, but not those an escape or quote made.
    std::size_t nChopLimit = 0;
    while (i < strText.size()) {
        const char ch = strText[i];
        if (ch == '\\') {
            if (++i >= strText.size())
                break;
            const char chEscaped = strText[i++];
            switch (chEscaped) {
            case 'a': strValue += '\a'; break;
            case 'b': strValue += '\b'; break;
            case 'f': strValue += '\f'; break;
            case 'n': strValue += '\n'; break;
            case 'r': strValue += '\r'; break;
            case 't': strValue += '\t'; break;
            case 'v': strValue += '\v'; break;
            case '"':
            case '?':
            case '\'':
            case '\\': strValue += chEscaped; break;
            case 'x': {
                unsigned nCode = 0;
                const std::size_t nFirst = i;
                while (i < strText.size() && HexValue(strText[i]) >= 0)
                    nCode = ((nCode << 4) | static_cast<unsigned>(HexValue(strText[i++]))) & 0xFFFF;
                if (i > nFirst)
                    AppendCodePoint(strValue, nCode);
                break;
            }
            default:
                if (chEscaped >= '0' && chEscaped <= '7') {
                    unsigned nCode = static_cast<unsigned>(chEscaped - '0');
                    while (i < strText.size() && strText[i] >= '0' && strText[i] <= '7')
                        nCode = ((nCode << 3) | static_cast<unsigned>(strText[i++] - '0')) & 0xFFFF;
                    AppendCodePoint(strValue, nCode);
                }
                // Any other escaped character is dropped, as QSettings does.
                break;
            }
            nChopLimit = strValue.size();
        } else if (ch == ';' && !bInQuotes) {
            // The rest of the line is a comment.
            break;
        } else if (ch == '"') {
            ++i;
            bQuoted = true;
            bInQuotes = !bInQuotes;
            if (!bInQuotes) {
                SkipBlanks();
                nChopLimit = strValue.size();
            }
        } else {
            strValue += ch;
            ++i;
        }
    }
    if (!bQuoted) {
        while (strValue.size() > nChopLimit && IsBlank(strValue.back()))
            strValue.pop_back();
    }
    return strValue;
}

std::string CIniSettingsStore::EscapeValue(std::string_view strValue)
{
    // As QSettings writes a string, bytes above 0x7F as they are.
    static constexpr char kHex[] = "0123456789abcdef";
    std::string strText;
    if (!strValue.empty() && strValue.front() == '@')
        strText += '@';
    bool bNeedsQuotes = false;
    bool bEscapeNextIfHexDigit = false;
    for (const char ch : strValue) {
        const unsigned char uch = static_cast<unsigned char>(ch);
        if (ch == ';' || ch == ',' || ch == '=')
            bNeedsQuotes = true;
        if (bEscapeNextIfHexDigit && HexValue(ch) >= 0) {
            strText += "\\x";
            strText += kHex[uch >> 4];
            strText += kHex[uch & 0xF];
            continue;
        }
        bEscapeNextIfHexDigit = false;
        switch (ch) {
        case '\0':
            strText += "\\0";
            bEscapeNextIfHexDigit = true;
            break;
        case '\a': strText += "\\a"; break;
        case '\b': strText += "\\b"; break;
        case '\f': strText += "\\f"; break;
        case '\n': strText += "\\n"; break;
        case '\r': strText += "\\r"; break;
        case '\t': strText += "\\t"; break;
        case '\v': strText += "\\v"; break;
        case '"':
        case '\\':
            strText += '\\';
            strText += ch;
            break;
        default:
            if (uch <= 0x1F) {
                strText += "\\x";
                if (uch >= 0x10)
                    strText += kHex[uch >> 4];
                strText += kHex[uch & 0xF];
                bEscapeNextIfHexDigit = true;
            } else {
                strText += ch;
            }
        }
    }
    if (bNeedsQuotes || (!strText.empty() && (strText.front() == ' ' || strText.back() == ' ')))
        strText = "\"" + strText + "\"";
    return strText;
}
