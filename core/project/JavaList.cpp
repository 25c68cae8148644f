#include "core/project/JavaList.h"

#include "core/project/JavaComponent.h"
#include "core/project/ProjectArchive.h"

#include <cstdint>

CJavaList::CJavaList() = default;
CJavaList::~CJavaList() = default;
CJavaList::CJavaList(CJavaList&&) noexcept = default;
CJavaList& CJavaList::operator=(CJavaList&&) noexcept = default;

bool CJavaList::AddEntry(std::unique_ptr<CJavaComponent> pEntry)
{
    if (!pEntry || GetCount() >= kMaxEntries)
        return false;
    m_items.push_back(std::move(pEntry));
    return true;
}

CJavaComponent* CJavaList::GetEntry(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return m_items[static_cast<std::size_t>(nIndex)].get();
}

void CJavaList::RemoveAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    m_items.erase(m_items.begin() + nIndex);
}

void CJavaList::RemoveAll()
{
    m_items.clear();
}

bool CJavaList::Serialize(CProjectArchive& ar)
{
    if (ar.IsStoring()) {
        Store(ar);
        return true;
    }
    return Load(ar);
}

void CJavaList::Store(CProjectArchive& ar) const
{
    ar.WriteInt32(GetCount());
    for (const auto& pEntry : m_items)
        pEntry->Store(ar);
}

bool CJavaList::Load(CProjectArchive& ar)
{
    std::int32_t nCount = 0;
    if (!ar.ReadInt32(nCount))
        return false;
    if (nCount < 0 || nCount > kMaxEntries)
        return ar.Fail();
    RemoveAll();
    m_items.reserve(static_cast<std::size_t>(nCount));
    for (std::int32_t i = 0; i < nCount; ++i) {
        if (!ar.Charge(GetEntrySize() + sizeof(std::unique_ptr<CJavaComponent>) + CProjectArchive::kAllocationOverhead))
            return false;
        std::unique_ptr<CJavaComponent> pEntry = CreateEntry();
        if (!pEntry->Load(ar))
            return false;
        m_items.push_back(std::move(pEntry));
    }
    return true;
}
