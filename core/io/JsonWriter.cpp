#include "core/io/JsonWriter.h"

namespace {
constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of text, or 0;
// nValidPrefix receives how many of its first bytes could still begin one
// (the maximal ill-formed piece that one U+FFFD replaces, at least 1).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t& nValidPrefix)
{
    const auto nLead = static_cast<unsigned char>(text[0]);
    nValidPrefix = 1;
    std::size_t nLength = 0;
    unsigned char nLow = 0x80;
    unsigned char nHigh = 0xBF;
    if (nLead < 0x80)
        return 1;
    if (nLead >= 0xC2 && nLead <= 0xDF)
        nLength = 2;
    else if (nLead >= 0xE0 && nLead <= 0xEF) {
        nLength = 3;
        if (nLead == 0xE0)
            nLow = 0xA0; // no overlong forms
        else if (nLead == 0xED)
            nHigh = 0x9F; // no surrogates
    } else if (nLead >= 0xF0 && nLead <= 0xF4) {
        nLength = 4;
        if (nLead == 0xF0)
            nLow = 0x90;
        else if (nLead == 0xF4)
            nHigh = 0x8F; // nothing past U+10FFFF
    } else
        return 0;
    for (std::size_t nIndex = 1; nIndex < nLength; ++nIndex) {
        if (nIndex >= text.size())
            return 0;
        const auto nByte = static_cast<unsigned char>(text[nIndex]);
        if (nByte < nLow || nByte > nHigh)
            return 0;
        nLow = 0x80;
        nHigh = 0xBF;
        nValidPrefix = nIndex + 1;
    }
    return nLength;
}
} // namespace

std::string CJsonWriter::Quote(std::string_view strText)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string strOut = "\"";
    strOut.reserve(strText.size() + 2);
    std::size_t nIndex = 0;
    while (nIndex < strText.size()) {
        const auto nByte = static_cast<unsigned char>(strText[nIndex]);
        if (nByte >= 0x80) {
            std::size_t nPrefix = 1;
            const std::size_t nLength = Utf8SequenceLength(strText.substr(nIndex), nPrefix);
            if (nLength == 0) {
                strOut += kReplacement;
                nIndex += nPrefix;
            } else {
                strOut.append(strText.substr(nIndex, nLength));
                nIndex += nLength;
            }
            continue;
        }
        ++nIndex;
        switch (nByte) {
        case '"': strOut += "\\\""; break;
        case '\\': strOut += "\\\\"; break;
        case '\b': strOut += "\\b"; break;
        case '\f': strOut += "\\f"; break;
        case '\n': strOut += "\\n"; break;
        case '\r': strOut += "\\r"; break;
        case '\t': strOut += "\\t"; break;
        default:
            if (nByte < 0x20) {
                strOut += "\\u00";
                strOut.push_back(kHex[nByte >> 4]);
                strOut.push_back(kHex[nByte & 0xF]);
            } else
                strOut.push_back(static_cast<char>(nByte));
        }
    }
    strOut.push_back('"');
    return strOut;
}

void CJsonWriter::NewLine()
{
    m_strText.push_back('\n');
    m_strText.append(2 * m_vecbHasValue.size(), ' ');
}

void CJsonWriter::BeforeValue()
{
    if (m_bAfterKey) {
        m_bAfterKey = false;
        return;
    }
    if (m_vecbHasValue.empty())
        return;
    if (m_vecbHasValue.back())
        m_strText.push_back(',');
    m_vecbHasValue.back() = true;
    if (m_bIndented)
        NewLine();
}

void CJsonWriter::Begin(char chOpen)
{
    BeforeValue();
    m_strText.push_back(chOpen);
    m_vecbHasValue.push_back(false);
}

void CJsonWriter::End(char chClose)
{
    const bool bHadValue = m_vecbHasValue.back();
    m_vecbHasValue.pop_back();
    if (m_bIndented && bHadValue)
        NewLine();
    m_strText.push_back(chClose);
    if (m_bIndented && m_vecbHasValue.empty())
        m_strText.push_back('\n');
}

void CJsonWriter::BeginObject()
{
    Begin('{');
}

void CJsonWriter::EndObject()
{
    End('}');
}

void CJsonWriter::BeginArray()
{
    Begin('[');
}

void CJsonWriter::EndArray()
{
    End(']');
}

void CJsonWriter::Key(std::string_view strName)
{
    BeforeValue();
    m_strText += Quote(strName);
    m_strText += m_bIndented ? ": " : ":";
    m_bAfterKey = true;
}

void CJsonWriter::String(std::string_view strValue)
{
    BeforeValue();
    m_strText += Quote(strValue);
}

void CJsonWriter::Number(long long nValue)
{
    BeforeValue();
    m_strText += std::to_string(nValue);
}
