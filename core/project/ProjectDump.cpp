#include "core/project/ProjectDump.h"

#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"

#include <string_view>

// The length of the well-formed UTF-8 sequence at strText[i] that encodes a
// printable character (not a C1 control), or 0.
static std::size_t PrintableUtf8Length(std::string_view strText, std::size_t i)
{
    const auto Byte = [&strText](std::size_t k) { return static_cast<unsigned char>(strText[k]); };
    const unsigned char nLead = Byte(i);
    std::size_t nLength = 0;
    unsigned char nLow = 0x80;
    unsigned char nHigh = 0xBF;
    if (nLead >= 0xC2 && nLead <= 0xDF)
        nLength = 2;
    else if (nLead >= 0xE0 && nLead <= 0xEF) {
        nLength = 3;
        nLow = nLead == 0xE0 ? 0xA0 : 0x80;
        nHigh = nLead == 0xED ? 0x9F : 0xBF;
    } else if (nLead >= 0xF0 && nLead <= 0xF4) {
        nLength = 4;
        nLow = nLead == 0xF0 ? 0x90 : 0x80;
        nHigh = nLead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (i + nLength > strText.size() || Byte(i + 1) < nLow || Byte(i + 1) > nHigh)
        return 0;
    for (std::size_t k = i + 2; k < i + nLength; ++k) {
        if (Byte(k) < 0x80 || Byte(k) > 0xBF)
            return 0;
    }
    if (nLead == 0xC2 && Byte(i + 1) <= 0x9F)
        return 0; // U+0080..U+009F, the C1 controls
    return nLength;
}

// A stored text as it may safely reach a terminal: every byte is shown, but
// control characters (all C0 but tab, DEL, C1) and bytes that are not UTF-8
// appear as \xNN, so a file cannot move the cursor, retitle the window or
// cut the listing short.
static std::string Shown(std::string_view strText)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string strOut;
    strOut.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size();) {
        const unsigned char nByte = static_cast<unsigned char>(strText[i]);
        if ((nByte >= 0x20 && nByte < 0x7F) || nByte == '\t') {
            strOut += static_cast<char>(nByte);
            ++i;
            continue;
        }
        const std::size_t nLength = nByte >= 0x80 ? PrintableUtf8Length(strText, i) : 0;
        if (nLength > 0) {
            strOut.append(strText.substr(i, nLength));
            i += nLength;
            continue;
        }
        strOut += "\\x";
        strOut += kHex[nByte >> 4];
        strOut += kHex[nByte & 0x0F];
        ++i;
    }
    return strOut;
}

static std::string Quoted(const std::string& strText)
{
    return "\"" + Shown(strText) + "\"";
}

static void WriteClasses(const CJavaClassList& classes, const std::string& strIndent, std::string& strOut)
{
    for (int nIndex = 0; nIndex < classes.GetCount(); ++nIndex) {
        const CJavaClass* pClass = classes.GetAt(nIndex);
        strOut += strIndent + "class " + Shown(pClass->GetName()) + "\n";
        for (std::string_view strMember : pClass->GetMembers())
            strOut += strIndent + "  " + Shown(strMember) + "\n";
        WriteClasses(pClass->GetNestedClasses(), strIndent + "  ", strOut);
    }
}

static void WriteFile(CTarnwickFile& file, const std::string& strProjectPath, std::string& strOut)
{
    const std::string strStored = file.GetPathName();
    strOut += "  " + Shown(file.GetFileName()) + "  " + Shown(strStored);
    const std::string strResolved = file.GetRelocatedPathName(strProjectPath);
    if (strResolved != strStored)
        strOut += "  (now " + Shown(strResolved) + ")";
    strOut += "\n";
}

std::string CProjectDump::Write(CJavaProjectCore& project)
{
    std::string strOut = "Project: " + Shown(project.GetPathName()) + "\n";

    CJavaFileList& javaFiles = project.GetJavaFiles();
    strOut += "Java files (" + std::to_string(javaFiles.GetCount()) + "):\n";
    for (int nIndex = 0; nIndex < javaFiles.GetCount(); ++nIndex) {
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
