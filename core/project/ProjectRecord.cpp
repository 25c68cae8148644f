#include "core/project/ProjectRecord.h"

#include "core/project/ProjectArchive.h"

bool CProjectRecord::Serialize(CProjectArchive& ar)
{
    if (ar.IsStoring()) {
        Store(ar);
        return true;
    }
    return Load(ar);
}

void CProjectRecord::Store(CProjectArchive& ar) const
{
    m_javaFiles.Store(ar);
    m_htmlFiles.Store(ar);
    ar.WriteString(m_strMainJavaFile);
    ar.WriteString(m_strMainFolder);
    ar.WriteString(m_strMainPackage);
    ar.WriteString(m_strMainHtmlFile);
    ar.WriteString(m_strJavaSwitches);
    ar.WriteString(m_strJavacSwitches);
}

bool CProjectRecord::Load(CProjectArchive& ar)
{
    return m_javaFiles.Load(ar) && m_htmlFiles.Load(ar) && ar.ReadString(m_strMainJavaFile) &&
           ar.ReadString(m_strMainFolder) && ar.ReadString(m_strMainPackage) && ar.ReadString(m_strMainHtmlFile) &&
           ar.ReadString(m_strJavaSwitches) && ar.ReadString(m_strJavacSwitches);
}
