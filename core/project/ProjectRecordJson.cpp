#include "core/project/ProjectRecordJson.h"

#include "core/io/JsonWriter.h"
#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/ProjectRecord.h"

static void WriteClasses(const CJavaClassList& classes, CJsonWriter& json)
{
    json.BeginArray();
    for (int nIndex = 0; nIndex < classes.GetCount(); ++nIndex) {
        const CJavaClass* pClass = classes.GetAt(nIndex);
        json.BeginObject();
        json.Key("name");
        json.String(pClass->GetName());
        json.Key("members");
        json.BeginArray();
        for (std::string_view strMember : pClass->GetMembers())
            json.String(strMember);
        json.EndArray();
        json.Key("nested");
        // Nesting depth is bounded by the archive reader, so recursion is safe.
        WriteClasses(pClass->GetNestedClasses(), json);
        json.EndObject();
    }
    json.EndArray();
}

static void WriteFileFields(const CTarnwickFile& file, CJsonWriter& json)
{
    json.Key("fileName");
    json.String(file.GetFileName());
    json.Key("pathName");
    json.String(file.GetPathName());
    json.Key("projectPath");
    json.String(file.GetProjectPath());
}

static void WriteText(const char* pszName, const std::string& strValue, CJsonWriter& json)
{
    json.Key(pszName);
    json.String(strValue);
}

std::string CProjectRecordJson::Write(const CProjectRecord& record)
{
    CJsonWriter json;
    json.BeginObject();
    json.Key("javaFiles");
    json.BeginArray();
    for (int nIndex = 0; nIndex < record.m_javaFiles.GetCount(); ++nIndex) {
        const CJavaFile* pFile = record.m_javaFiles.GetAt(nIndex);
        json.BeginObject();
        WriteFileFields(*pFile, json);
        json.Key("classes");
        WriteClasses(pFile->GetClasses(), json);
        WriteText("reserved", pFile->GetReserved(), json);
        json.EndObject();
    }
    json.EndArray();
    json.Key("htmlFiles");
    json.BeginArray();
    for (int nIndex = 0; nIndex < record.m_htmlFiles.GetCount(); ++nIndex) {
        json.BeginObject();
        WriteFileFields(*record.m_htmlFiles.GetAt(nIndex), json);
        json.EndObject();
    }
    json.EndArray();
    WriteText("mainJavaFile", record.m_strMainJavaFile, json);
    WriteText("mainFolder", record.m_strMainFolder, json);
    WriteText("mainPackage", record.m_strMainPackage, json);
    WriteText("mainHtmlFile", record.m_strMainHtmlFile, json);
    WriteText("javaSwitches", record.m_strJavaSwitches, json);
    WriteText("javacSwitches", record.m_strJavacSwitches, json);
    json.EndObject();
    return json.Text();
}
