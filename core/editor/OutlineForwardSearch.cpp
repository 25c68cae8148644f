#include "core/editor/OutlineForwardSearch.h"

COutlineForwardSearch::COutlineForwardSearch(std::string_view strText, std::string_view strPattern)
    : m_strText(strText), m_strPattern(strPattern), m_nSearchedFrom(std::string_view::npos),
      m_nFound(std::string_view::npos)
{}

std::size_t COutlineForwardSearch::Find(std::size_t nFrom)
{
    const bool bKnown = m_nSearchedFrom != std::string_view::npos && nFrom >= m_nSearchedFrom &&
                        (m_nFound == std::string_view::npos || nFrom <= m_nFound);
    if (!bKnown) {
        m_nSearchedFrom = nFrom;
        m_nFound = nFrom > m_strText.size() ? std::string_view::npos : m_strText.find(m_strPattern, nFrom);
    }
    return m_nFound;
}
