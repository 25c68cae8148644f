#include "core/project/ProjectRecordDump.h"

#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/ProjectRecord.h"

static void WriteField(const std::string& strIndent, const char* pszName, const std::string& strValue,
                       std::string& strOut)
{
    strOut += strIndent + pszName + " " + CProjectRecordDump::Quote(strValue) + "\n";
}

static void WriteCount(const std::string& strIndent, const char* pszName, std::size_t nCount, std::string& strOut)
{
    strOut += strIndent + pszName + " " + std::to_string(nCount) + "\n";
}

static void WriteClassList(const CJavaClassList& classes, const std::string& strIndent, std::string& strOut,
                           const char* pszName)
{
    WriteCount(strIndent, pszName, static_cast<std::size_t>(classes.GetCount()), strOut);
    const std::string strInner = strIndent + "  ";
    for (int nIndex = 0; nIndex < classes.GetCount(); ++nIndex) {
        const CJavaClass* pClass = classes.GetAt(nIndex);
        WriteCount(strInner, "m_members", pClass->GetMembers().size(), strOut);
        for (std::string_view strMember : pClass->GetMembers())
            strOut += strInner + "  " + CProjectRecordDump::Quote(strMember) + "\n";
        // Nesting depth is bounded by the archive reader, so recursion is safe.
        WriteClassList(pClass->GetNestedClasses(), strInner, strOut, "m_nestedClasses");
        WriteField(strInner, "m_strName", pClass->GetName(), strOut);
    }
}

static void WriteFileFields(const CTarnwickFile& file, const std::string& strIndent, std::string& strOut)
{
    WriteField(strIndent, "m_strFileName", file.GetFileName(), strOut);
    WriteField(strIndent, "m_strPathName", file.GetPathName(), strOut);
    WriteField(strIndent, "m_strProjectPath", file.GetProjectPath(), strOut);
}

std::string CProjectRecordDump::Write(const CProjectRecord& record)
{
    std::string strOut;
    WriteCount("", "m_javaFiles", static_cast<std::size_t>(record.m_javaFiles.GetCount()), strOut);
    for (int nIndex = 0; nIndex < record.m_javaFiles.GetCount(); ++nIndex) {
        const CJavaFile* pFile = record.m_javaFiles.GetAt(nIndex);
        WriteFileFields(*pFile, "  ", strOut);
        WriteClassList(pFile->GetClasses(), "  ", strOut, "m_classes");
        WriteField("  ", "m_strReserved", pFile->GetReserved(), strOut);
    }
    WriteCount("", "m_htmlFiles", static_cast<std::size_t>(record.m_htmlFiles.GetCount()), strOut);
    for (int nIndex = 0; nIndex < record.m_htmlFiles.GetCount(); ++nIndex)
        WriteFileFields(*record.m_htmlFiles.GetAt(nIndex), "  ", strOut);
    WriteField("", "m_strMainJavaFile", record.m_strMainJavaFile, strOut);
    WriteField("", "m_strMainFolder", record.m_strMainFolder, strOut);
    WriteField("", "m_strMainPackage", record.m_strMainPackage, strOut);
    WriteField("", "m_strMainHtmlFile", record.m_strMainHtmlFile, strOut);
    WriteField("", "m_strJavaSwitches", record.m_strJavaSwitches, strOut);
    WriteField("", "m_strJavacSwitches", record.m_strJavacSwitches, strOut);
    return strOut;
}

std::string CProjectRecordDump::Quote(std::string_view strText)
{
    std::string strOut = "\"";
    strOut.reserve(strText.size() + 2);
    for (const char ch : strText) {
        switch (ch) {
        case '"': strOut += "\\\""; break;
        case '\\': strOut += "\\\\"; break;
        case '\a': strOut += "\\a"; break;
        case '\b': strOut += "\\b"; break;
        case '\t': strOut += "\\t"; break;
        case '\n': strOut += "\\n"; break;
        case '\v': strOut += "\\v"; break;
        case '\f': strOut += "\\f"; break;
        case '\r': strOut += "\\r"; break;
        default: {
            const auto nByte = static_cast<unsigned char>(ch);
            if (nByte >= ' ' && nByte <= '~') {
                strOut += ch;
            } else {
                strOut += '\\';
                strOut += static_cast<char>('0' + (nByte >> 6));
                strOut += static_cast<char>('0' + ((nByte >> 3) & 7));
                strOut += static_cast<char>('0' + (nByte & 7));
            }
        }
        }
    }
    strOut += '"';
    return strOut;
}
