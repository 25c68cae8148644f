#include "core/project/JavaComponent.h"

#include "core/project/ProjectArchive.h"

bool CJavaComponent::Serialize(CProjectArchive& ar)
{
    if (ar.IsStoring()) {
        Store(ar);
        return true;
    }
    return Load(ar);
}

// The base entry carries no data.
void CJavaComponent::Store(CProjectArchive&) const {}

bool CJavaComponent::Load(CProjectArchive& ar)
{
    return !ar.IsFailed();
}
