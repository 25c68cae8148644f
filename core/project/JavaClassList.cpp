#include "core/project/JavaClassList.h"

#include "core/project/JavaClass.h"

bool CJavaClassList::Add(std::unique_ptr<CJavaClass> pEntry)
{
    return AddEntry(std::move(pEntry));
}

CJavaClass* CJavaClassList::GetAt(int nIndex) const
{
    return static_cast<CJavaClass*>(GetEntry(nIndex));
}

bool CJavaClassList::HasClass(const std::string& strName) const
{
    return FindClass(strName) != nullptr;
}

CJavaClass* CJavaClassList::FindClass(const std::string& strName) const
{
    for (int i = 0; i < GetCount(); ++i) {
        CJavaClass* pClass = GetAt(i);
        if (pClass->GetName() == strName)
            return pClass;
    }
    return nullptr;
}

std::unique_ptr<CJavaComponent> CJavaClassList::CreateEntry() const
{
    return std::make_unique<CJavaClass>();
}

std::size_t CJavaClassList::GetEntrySize() const
{
    return sizeof(CJavaClass);
}
