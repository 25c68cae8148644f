#include "core/project/JavaClass.h"

#include "core/project/ProjectArchive.h"

void CJavaClass::AddMember(std::string_view strMember)
{
    m_members.Add(strMember);
}

bool CJavaClass::HasMember(std::string_view strMember) const
{
    return m_members.Contains(strMember);
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
    m_members.Store(ar);
    m_nestedClasses.Store(ar);
    ar.WriteString(m_strName);
}

bool CJavaClass::Load(CProjectArchive& ar)
{
    if (!ar.EnterNesting())
        return false;
    const bool bLoaded = m_members.Load(ar) && m_nestedClasses.Load(ar) && ar.ReadString(m_strName);
    ar.LeaveNesting();
    return bLoaded;
}
