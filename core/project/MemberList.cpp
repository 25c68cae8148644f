#include "core/project/MemberList.h"

#include "core/project/ProjectArchive.h"

#include <limits>

std::string_view CMemberList::operator[](std::size_t nIndex) const
{
    const std::size_t nStart = nIndex == 0 ? 0 : m_ends[nIndex - 1];
    return std::string_view(m_strText).substr(nStart, m_ends[nIndex] - nStart);
}

void CMemberList::Add(std::string_view strMember)
{
    if (strMember.size() > std::numeric_limits<std::uint32_t>::max() - m_strText.size())
        return;
    m_strText.append(strMember);
    m_ends.push_back(static_cast<std::uint32_t>(m_strText.size()));
}

bool CMemberList::Contains(std::string_view strMember) const
{
    for (std::string_view strEach : *this)
        if (strEach == strMember)
            return true;
    return false;
}

void CMemberList::Clear()
{
    m_strText.clear();
    m_ends.clear();
}

bool CMemberList::operator==(const std::vector<std::string>& members) const
{
    if (members.size() != size())
        return false;
    for (std::size_t i = 0; i < members.size(); ++i)
        if ((*this)[i] != members[i])
            return false;
    return true;
}

void CMemberList::Store(CProjectArchive& ar) const
{
    ar.WriteCount(static_cast<std::uint32_t>(size()));
    for (std::string_view strMember : *this)
        ar.WriteString(strMember);
}

bool CMemberList::Load(CProjectArchive& ar)
{
    std::uint32_t nCount = 0;
    if (!ar.ReadCount(nCount))
        return false;
    // Every text takes at least its one-byte prefix; the end offsets are
    // charged before they are allocated.
    if (nCount > ar.GetBytesLeft() || !ar.Charge(static_cast<std::size_t>(nCount) * sizeof(std::uint32_t)))
        return ar.Fail();
    Clear();
    m_ends.reserve(nCount);
    for (std::uint32_t i = 0; i < nCount; ++i) {
        if (!ar.ReadStringAppend(m_strText))
            return false;
        if (m_strText.size() > std::numeric_limits<std::uint32_t>::max())
            return ar.Fail();
        m_ends.push_back(static_cast<std::uint32_t>(m_strText.size()));
    }
    return true;
}
