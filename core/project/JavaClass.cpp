#include "core/project/JavaClass.h"

#include "core/project/ProjectArchive.h"

#include <algorithm>

void CJavaClass::AddMember(const std::string& strMember)
{
    m_members.push_back(strMember);
}

bool CJavaClass::HasMember(const std::string& strMember) const
{
    return std::find(m_members.begin(), m_members.end(), strMember) != m_members.end();
}

bool CJavaClass::HasNestedClass(const std::string& strName) const
{
    return m_nestedClasses.HasClass(strName);
}

CJavaClass* CJavaClass::FindNestedClass(const std::string& strName) const
{
    return m_nestedClasses.FindClass(strName);
}

void CJavaClass::Store(CProjectArchive& ar) const
{
    ar.WriteStringArray(m_members);
    m_nestedClasses.Store(ar);
    ar.WriteString(m_strName);
}

bool CJavaClass::Load(CProjectArchive& ar)
{
    if (!ar.EnterNesting())
        return false;
    const bool bLoaded = ar.ReadStringArray(m_members) && m_nestedClasses.Load(ar) && ar.ReadString(m_strName);
    ar.LeaveNesting();
    return bLoaded;
}
