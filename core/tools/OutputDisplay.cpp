#include "core/tools/OutputDisplay.h"

#include <algorithm>
#include <iterator>

namespace {
bool IsHighSurrogate(char16_t ch)
{
    return ch >= 0xD800 && ch <= 0xDBFF;
}
} // namespace

std::string COutputDisplay::DroppedNote(std::size_t nLimit)
{
    std::string strSize = std::to_string(nLimit) + " bytes";
    if (nLimit >= (std::size_t(1) << 20) && nLimit % (std::size_t(1) << 20) == 0)
        strSize = std::to_string(nLimit >> 20) + " MB";
    else if (nLimit >= 1024 && nLimit % 1024 == 0)
        strSize = std::to_string(nLimit >> 10) + " KB";
    return "[Earlier output was dropped: only the last " + strSize + " are kept.]";
}

std::size_t COutputDisplay::SkipToNextLine(std::string& strText)
{
    const std::size_t nFeed = strText.find('\n');
    if (nFeed == std::string::npos || nFeed + 1 == strText.size())
        return 0;
    strText.erase(0, nFeed + 1);
    return nFeed + 1;
}

void COutputDisplay::Clear()
{
    m_nShownChars = 0;
    m_nLastLineChars = 0;
    m_nLastLineLength = 0;
    m_nNoteChars = 0;
}

std::u16string COutputDisplay::Lines(std::u16string_view strOutput)
{
    std::u16string strText;
    strText.reserve(strOutput.size());
    std::copy_if(strOutput.begin(), strOutput.end(), std::back_inserter(strText), [](char16_t ch) { return ch != u'\r'; });
    // A block that keeps growing is laid out anew on every append, so long
    // lines become display lines of at most kLineChars.
    std::u16string strShown;
    strShown.reserve(strText.size() + strText.size() / kLineChars + 1);
    std::size_t nAt = 0;
    while (nAt < strText.size()) {
        const std::size_t nFeed = strText.find(u'\n', nAt);
        const std::size_t nEnd = nFeed == std::u16string::npos ? strText.size() : nFeed;
        while (nAt < nEnd) {
            if (m_nLastLineChars >= kLineChars) {
                strShown += u'\n';
                m_nLastLineChars = 0;
                m_nLastLineLength = 0;
            }
            std::size_t nTake = std::min(kLineChars - m_nLastLineChars, nEnd - nAt);
            bool bFull = m_nLastLineChars + nTake == kLineChars;
            // Never between the halves of a surrogate pair.
            if (nAt + nTake < nEnd && nTake > 1 && IsHighSurrogate(strText[nAt + nTake - 1])) {
                --nTake;
                bFull = true;
            }
            strShown.append(strText, nAt, nTake);
            m_nLastLineChars = bFull ? kLineChars : m_nLastLineChars + nTake;
            m_nLastLineLength += nTake;
            nAt += nTake;
        }
        if (nFeed != std::u16string::npos) {
            strShown += u'\n';
            m_nLastLineChars = 0;
            m_nLastLineLength = 0;
            nAt = nFeed + 1;
        }
    }
    m_nShownChars += strShown.size();
    return strShown;
}

std::u16string COutputDisplay::Note()
{
    if (m_nNoteChars > 0)
        return std::u16string();
    const std::string strNote = DroppedNote(m_nLimit) + '\n';
    m_nNoteChars = strNote.size();
    return std::u16string(strNote.begin(), strNote.end()); // the note is ASCII
}

std::optional<COutputDisplay::CDrop> COutputDisplay::Drop() const
{
    if (m_nShownChars <= m_nLimit)
        return std::nullopt;
    CDrop drop;
    drop.m_nFrom = m_nNoteChars;
    const std::size_t nDropTo = m_nNoteChars + m_nShownChars - m_nLimit + m_nLimit / 8;
    const std::size_t nLastLineStart = m_nNoteChars + m_nShownChars - m_nLastLineLength;
    if (nDropTo > nLastLineStart) {
        drop.m_nTo = m_nNoteChars + m_nShownChars; // within the last line: all of it goes
    } else {
        drop.m_nTo = nDropTo;
        drop.m_bToLineStart = nDropTo < nLastLineStart;
    }
    return drop;
}

void COutputDisplay::Dropped(std::size_t nChars)
{
    m_nShownChars -= std::min(nChars, m_nShownChars);
    if (m_nShownChars == 0) {
        m_nLastLineChars = 0;
        m_nLastLineLength = 0;
    }
}
