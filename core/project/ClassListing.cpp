#include "core/project/ClassListing.h"

#include "core/project/JavaClass.h"

static void AppendClasses(const CJavaClassList& classes, const std::string& strIndent, std::string& strOut)
{
    for (int nIndex = 0; nIndex < classes.GetCount(); ++nIndex) {
        const CJavaClass* pClass = classes.GetAt(nIndex);
        strOut += strIndent + "class " + pClass->GetName() + "\n";
        for (std::string_view strMember : pClass->GetMembers())
            (strOut += strIndent + "  ").append(strMember) += "\n";
        AppendClasses(pClass->GetNestedClasses(), strIndent + "  ", strOut);
    }
}

std::string CClassListing::Write(const CJavaClassList& classes, const std::string& strIndent)
{
    std::string strOut;
    AppendClasses(classes, strIndent, strOut);
    return strOut;
}
