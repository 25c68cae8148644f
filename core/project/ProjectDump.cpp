#include "core/project/ProjectDump.h"

#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"

static void WriteClasses(const CJavaClassList& classes, const std::string& strIndent, std::string& strOut)
{
    for (int nIndex = 0; nIndex < classes.GetCount(); ++nIndex)
    {
        const CJavaClass* pClass = classes.GetAt(nIndex);
        strOut += strIndent + "class " + pClass->GetName() + "\n";
        for (std::string_view strMember : pClass->GetMembers())
            (strOut += strIndent + "  ").append(strMember) += "\n";
        WriteClasses(pClass->GetNestedClasses(), strIndent + "  ", strOut);
    }
}

static void WriteFile(CTarnwickFile& file, const std::string& strProjectPath, std::string& strOut)
{
    const std::string strStored = file.GetPathName();
    strOut += "  " + file.GetFileName() + "  " + strStored;
    const std::string strResolved = file.GetRelocatedPathName(strProjectPath);
    if (strResolved != strStored)
        strOut += "  (now " + strResolved + ")";
    strOut += "\n";
}

static std::string Quoted(const std::string& strText)
{
    return "\"" + strText + "\"";
}

std::string CProjectDump::Write(CJavaProjectCore& project)
{
    std::string strOut = "Project: " + project.GetPathName() + "\n";

    CJavaFileList& javaFiles = project.GetJavaFiles();
    strOut += "Java files (" + std::to_string(javaFiles.GetCount()) + "):\n";
    for (int nIndex = 0; nIndex < javaFiles.GetCount(); ++nIndex)
    {
        CJavaFile* pFile = javaFiles.GetAt(nIndex);
        WriteFile(*pFile, project.GetPathName(), strOut);
        WriteClasses(pFile->GetClasses(), "    ", strOut);
    }

    CTarnwickFileList& htmlFiles = project.GetHtmlFiles();
    strOut += "HTML files (" + std::to_string(htmlFiles.GetCount()) + "):\n";
    for (int nIndex = 0; nIndex < htmlFiles.GetCount(); ++nIndex)
        WriteFile(*htmlFiles.GetAt(nIndex), project.GetPathName(), strOut);

    strOut += "Main Java file: " + Quoted(project.GetMainFile()) + "\n";
    strOut += "Main folder: " + Quoted(project.GetMainFolder()) + "\n";
    strOut += "Main package: " + Quoted(project.GetMainPackage()) + "\n";
    strOut += "Main HTML file: " + Quoted(project.GetMainHtmlFile()) + "\n";
    strOut += "Java switches: " + Quoted(project.GetJavaSwitches()) + "\n";
    strOut += "Javac switches: " + Quoted(project.GetJavacSwitches()) + "\n";
    return strOut;
}
