#include "core/editor/OutlineLine.h"

#include <climits>

std::optional<COutlineLine> COutlineLine::Containing(std::string_view strText, int nPos)
{
    if (nPos < 0 || strText.size() > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    std::size_t nAt = static_cast<std::size_t>(nPos);
    if (nAt > strText.size())
        nAt = strText.size();

    // A position on a line feed belongs to the line that feed ends.
    const std::size_t nPrevFeed = nAt == 0 ? std::string_view::npos : strText.rfind('\n', nAt - 1);
    const std::size_t nStart = nPrevFeed == std::string_view::npos ? 0 : nPrevFeed + 1;
    const std::size_t nFeed = strText.find('\n', nAt);

    COutlineLine line;
    line.m_nStart = static_cast<int>(nStart);
    line.m_nEnd = static_cast<int>(nFeed == std::string_view::npos ? strText.size() : nFeed);
    return line;
}
