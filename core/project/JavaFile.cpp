#include "core/project/JavaFile.h"

#include "core/project/ProjectArchive.h"

CJavaFile::CJavaFile(const std::string& strProjectPath) : CTarnwickFile(strProjectPath) {}

void CJavaFile::Store(CProjectArchive& ar) const
{
    CTarnwickFile::Store(ar);
    m_classes.Store(ar);
    ar.WriteString(m_strReserved);
}

bool CJavaFile::Load(CProjectArchive& ar)
{
    return CTarnwickFile::Load(ar) && m_classes.Load(ar) && ar.ReadString(m_strReserved);
}
