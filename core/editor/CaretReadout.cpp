#include "core/editor/CaretReadout.h"

#include "core/editor/TextLines.h"

#include <algorithm>

CCaretReadout CCaretReadout::FromSelection(std::string_view strText, std::size_t nSelStart, std::size_t nSelEnd)
{
    const std::size_t nEnd = std::min(std::max(nSelStart, nSelEnd), strText.size());
    return FromLine(CTextLines::LineFromOffset(strText, nEnd), CTextLines::LineStartAt(strText, nEnd), nEnd);
}

CCaretReadout CCaretReadout::FromLine(std::size_t nLine, std::size_t nLineStart, std::size_t nSelEnd)
{
    CCaretReadout readout;
    readout.m_nLine = nLine + 1;
    readout.m_nColumn = (nSelEnd >= nLineStart ? nSelEnd - nLineStart : 0) + 1;
    return readout;
}

std::string CCaretReadout::LineText() const
{
    return "Line: " + std::to_string(m_nLine);
}

std::string CCaretReadout::ColumnText() const
{
    return "Col: " + std::to_string(m_nColumn);
}
