#include "core/tools/JdkCommandBuilder.h"

#include "core/tools/SourceRoot.h"
#include "core/tools/ToolMessages.h"
#include "core/tools/ToolPath.h"

namespace {
// javac on one file name, run in strFolder, with the switches after the name.
void SetJavacCommand(const std::string& strJdkFolder, const std::string& strFolder, const std::string& strFileName,
                     const std::string& strSwitches, CToolCommand& cmd)
{
    cmd.m_strFolder = strFolder;
    cmd.m_strProgram = CToolPath::JdkTool(strJdkFolder, "javac");
    const std::string strWord = CToolPath::ArgumentName(strFileName);
    cmd.m_strCommandLine = "javac " + strWord;
    cmd.AddWord("javac");
    cmd.AddWord(strWord);
    if (!strSwitches.empty()) {
        cmd.m_strCommandLine += " " + strSwitches;
        cmd.AddSplitWords(strSwitches);
    }
}
} // namespace

bool CJdkCommandBuilder::BuildProject(const std::string& strJdkFolder, const std::string& strMainJavaFile,
                                      const std::string& strMainJavaPath, const std::string& strMainPackage,
                                      const std::string& strJavacSwitches, CToolCommand& cmd, std::string& strError)
{
    cmd = CToolCommand();
    if (strMainJavaFile.empty()) {
        strError = CToolMessages::kNoMainJavaFile;
        return false;
    }
    if (CToolPath::LastSeparator(strMainJavaPath) == std::string::npos) {
        strError = CToolMessages::kUnholyError;
        return false;
    }
    // The default package compiles the main file under its project name, as
    // it always has; a package's file by its path from the source root.
    std::string strFolder = CToolPath::FolderOf(strMainJavaPath);
    std::string strFile = strMainJavaFile;
    if (!strMainPackage.empty()) {
        CSourceRoot root;
        if (!CSourceRoot::Find(strMainJavaPath, strMainPackage, root, strError))
            return false;
        strFolder = root.m_strFolder;
        strFile = root.m_strRelativeFile;
    }
    cmd.m_strTitle = "Building \"" + strMainJavaPath + "\"";
    cmd.m_bSetsTitle = true;
    SetJavacCommand(strJdkFolder, strFolder, strFile, strJavacSwitches, cmd);
    return true;
}

bool CJdkCommandBuilder::CompileFile(const std::string& strJdkFolder, const std::string& strPath,
                                     const std::string& strPackage, const std::string& strDefaultSwitches,
                                     CToolCommand& cmd, std::string& strError)
{
    cmd = CToolCommand();
    cmd.m_strTitle = "Compiling \"" + strPath + "\"";
    cmd.m_bSetsTitle = true;
    if (CToolPath::LastSeparator(strPath) == std::string::npos) {
        strError = CToolMessages::kUnholyError;
        return false;
    }
    CSourceRoot root;
    if (!CSourceRoot::Find(strPath, strPackage, root, strError))
        return false;
    SetJavacCommand(strJdkFolder, root.m_strFolder, root.m_strRelativeFile, strDefaultSwitches, cmd);
    return true;
}

bool CJdkCommandBuilder::IsClassName(std::string_view strName)
{
    bool bStart = true; // at the start of an identifier
    for (const char ch : strName) {
        const auto by = static_cast<unsigned char>(ch);
        if (ch == '.') {
            if (bStart)
                return false;
            bStart = true;
            continue;
        }
        // Bytes past ASCII are taken as letters: they are parts of UTF-8
        // characters, none of which starts an option.
        const bool bLetter =
            (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_' || ch == '$' || by >= 0x80;
        const bool bDigit = ch >= '0' && ch <= '9';
        if (!bLetter && !(bDigit && !bStart))
            return false;
        bStart = false;
    }
    return !bStart;
}

std::string CJdkCommandBuilder::MainClassName(const std::string& strMainJavaFile)
{
    const std::size_t nDot = strMainJavaFile.rfind('.');
    return nDot == std::string::npos ? std::string() : strMainJavaFile.substr(0, nDot);
}

bool CJdkCommandBuilder::RunJava(const std::string& strJdkFolder, const std::string& strMainJavaFile,
                                 const std::string& strMainJavaPath, const std::string& strJavaSwitches,
                                 const std::string& strMainPackage, CToolCommand& cmd, std::string& strError)
{
    cmd = CToolCommand();
    if (strMainJavaFile.empty()) {
        strError = CToolMessages::kNoMainJavaFile;
        return false;
    }
    if (CToolPath::LastSeparator(strMainJavaPath) == std::string::npos) {
        strError = CToolMessages::kUnholyError;
        return false;
    }
    std::string strClass;
    if (!strMainPackage.empty())
        strClass = strMainPackage + ".";
    const std::string strName = MainClassName(strMainJavaFile);
    strClass += strName;
    // java reads a word that is no class name as an option or an argument
    // file. A main file without an extension names no class and runs as
    // it always has.
    if ((!strName.empty() && !IsClassName(strName)) || (!strMainPackage.empty() && !IsClassName(strMainPackage))) {
        strError = "Cannot run \"" + strClass + "\": a main class name is Java identifiers separated by dots.";
        return false;
    }
    // A package's class runs from its source root, where its folders start.
    CSourceRoot root;
    if (!CSourceRoot::Find(strMainJavaPath, strMainPackage, root, strError))
        return false;
    cmd.m_strFolder = root.m_strFolder;
    cmd.m_strProgram = CToolPath::JdkTool(strJdkFolder, "java");
    cmd.AddWord("java");
    cmd.AddSplitWords(strJavaSwitches);
    if (!strClass.empty())
        cmd.AddWord(strClass);

    // The blank after the switches is always there, so no switches leave two.
    cmd.m_strCommandLine = "java " + strJavaSwitches + " " + strClass;
    cmd.m_strTitle = cmd.m_strCommandLine;
    cmd.m_bSetsTitle = true;
    return true;
}

void CJdkCommandBuilder::AppendRunArguments(CToolCommand& cmd, const std::string& strArguments)
{
    cmd.m_strCommandLine += " " + strArguments;
    cmd.AddSplitWords(strArguments);
}

bool CJdkCommandBuilder::RunApplet(const std::string& strJdkFolder, const std::string& strHtmlPath, CToolCommand& cmd,
                                   std::string& strError)
{
    cmd = CToolCommand();
    const std::size_t nSeparator = CToolPath::LastSeparator(strHtmlPath);
    if (nSeparator == std::string::npos) {
        strError = CToolMessages::kSaveTheFile;
        return false;
    }
    cmd.m_strFolder = CToolPath::FolderOf(strHtmlPath);
    cmd.m_strProgram = CToolPath::JdkTool(strJdkFolder, "appletviewer");
    // The text keeps the separator before the page name; the tool itself
    // gets the bare page name, which it finds in its working folder. A name
    // that would pass for an option goes as "./name" in both.
    const std::string strName = strHtmlPath.substr(nSeparator + 1);
    const std::string strWord = CToolPath::ArgumentName(strName);
    cmd.m_strCommandLine = "appletviewer \"" + (strWord == strName ? strHtmlPath.substr(nSeparator) : strWord) + "\"";
    cmd.AddWord("appletviewer");
    cmd.AddWord(strWord);
    cmd.m_strTitle = "AppletViewer: \"" + strHtmlPath + "\"";
    cmd.m_bSetsTitle = true;
    return true;
}
