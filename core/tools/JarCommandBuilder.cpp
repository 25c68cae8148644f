#include "core/tools/JarCommandBuilder.h"

#include "core/tools/ToolMessages.h"
#include "core/tools/ToolPath.h"

#include <cstdio>

std::string CJarCommandBuilder::JarClassName(const std::string& strMainJavaFile)
{
    static const std::string strSuffix = ".java";
    std::string strName;
    strName.reserve(strMainJavaFile.size());
    std::size_t nFrom = 0;
    for (;;) {
        const std::size_t nFound = strMainJavaFile.find(strSuffix, nFrom);
        if (nFound == std::string::npos)
            break;
        strName.append(strMainJavaFile, nFrom, nFound - nFrom);
        nFrom = nFound + strSuffix.size();
    }
    strName.append(strMainJavaFile, nFrom, std::string::npos);
    return strName;
}

std::string CJarCommandBuilder::DefaultJarName(const std::string& strMainJavaFile)
{
    return JarClassName(strMainJavaFile) + ".jar";
}

std::string CJarCommandBuilder::ManifestPath(const std::string& strJarPath)
{
    return CToolPath::Join(CToolPath::FolderOf(strJarPath), "manifest.txt");
}

std::string CJarCommandBuilder::ManifestText(const std::string& strClassName)
{
    return "Main-Class: " + strClassName + "\r\n";
}

bool CJarCommandBuilder::WriteManifest(const std::string& strManifestPath, const std::string& strClassName)
{
    std::FILE* pFile = std::fopen(strManifestPath.c_str(), "wb");
    if (pFile == nullptr)
        return false;
    const std::string strText = ManifestText(strClassName);
    const bool bWritten = std::fwrite(strText.data(), 1, strText.size(), pFile) == strText.size();
    return std::fclose(pFile) == 0 && bWritten;
}

bool CJarCommandBuilder::CreateJar(const std::string& strJdkFolder, const std::string& strMainJavaFile,
                                   const std::string& strMainJavaPath, const std::string& strJarPath, CToolCommand& cmd,
                                   std::string& strError)
{
    cmd = CToolCommand();
    if (strMainJavaFile.empty()) {
        strError = CToolMessages::kNoMainJavaFile;
        return false;
    }
    // The archive comes from a save dialog and always has a folder; without
    // one the manifest would land in a folder jar does not look in.
    if (CToolPath::LastSeparator(strJarPath) == std::string::npos) {
        strError.clear();
        return false;
    }
    const std::string strManifest = CToolPath::ArgumentName(ManifestPath(strJarPath));
    const std::string strArchive = CToolPath::ArgumentName(strJarPath);
    cmd.m_strFolder = CToolPath::FolderOf(strMainJavaPath);
    cmd.m_strProgram = CToolPath::JdkTool(strJdkFolder, "jar");
    cmd.m_strCommandLine = "jar cmfv \"" + strManifest + "\" \"" + strArchive + "\" *.class";
    cmd.AddWord("jar");
    cmd.AddWord("cmfv");
    cmd.AddWord(strManifest);
    cmd.AddWord(strArchive);
    cmd.AddPattern("*.class");
    cmd.m_strTitle = "Creating jar " + strJarPath;
    cmd.m_bSetsTitle = true;
    return true;
}

bool CJarCommandBuilder::ListArchive(const std::string& strJdkFolder, const std::string& strJarPath, CToolCommand& cmd)
{
    cmd = CToolCommand();
    if (CToolPath::LastSeparator(strJarPath) == std::string::npos)
        return false;
    const std::string strFileName = CToolPath::ArgumentName(CToolPath::FileNameOf(strJarPath));
    cmd.m_strFolder = CToolPath::FolderOf(strJarPath);
    cmd.m_strProgram = CToolPath::JdkTool(strJdkFolder, "jar");
    cmd.m_strCommandLine = "jar tvf " + strFileName;
    cmd.AddWord("jar");
    cmd.AddWord("tvf");
    cmd.AddWord(strFileName);
    return true;
}
