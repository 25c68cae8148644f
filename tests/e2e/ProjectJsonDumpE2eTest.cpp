// End-to-end: `project dump` prints a project file's stored fields as JSON,
// read back here with a JSON parser.
#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/GoldenFile.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {
using json = nlohmann::json;

std::string Bytes(std::initializer_list<int> values)
{
    std::string str;
    for (int n : values)
        str.push_back(static_cast<char>(n));
    return str;
}

std::string Int32(int n)
{
    return Bytes({n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF, (n >> 24) & 0xFF});
}

std::string Short(const std::string& strText)
{
    return Bytes({static_cast<int>(strText.size())}) + strText;
}

// A text stored as UTF-16: the marker, the count of code units, the units.
std::string Utf16(const std::u16string& strText)
{
    std::string str = Bytes({0xFF, 0xFE, 0xFF, static_cast<int>(strText.size())});
    for (const char16_t nUnit : strText)
        str += Bytes({nUnit & 0xFF, nUnit >> 8});
    return str;
}

class CProjectJsonDumpE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
    }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strBytes) const
    {
        std::ofstream(Path(strName), std::ios::binary) << strBytes;
    }
    CCliProcess::CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    // The dump of a file, parsed; fails the test when it is not JSON.
    json Dump(const std::string& strName) const
    {
        const CCliProcess::CResult result = Cli({"project", "dump", strName});
        EXPECT_EQ(result.m_nExit, 0) << result.m_strErr;
        EXPECT_EQ(result.m_strErr, "");
        json parsed = json::parse(result.m_strOut, nullptr, false);
        EXPECT_FALSE(parsed.is_discarded()) << result.m_strOut;
        return parsed;
    }

    CTempFolder m_folder{"tarnwick-json"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST_F(CProjectJsonDumpE2e, TheWorkedDemoFileDumpsEveryFieldAsStored)
{
    const std::string strFile = std::string(TARNWICK_GOLDEN_DIR) + "/jpr/Demo.jpr";
    ASSERT_EQ(std::filesystem::file_size(strFile), 197u);
    const CCliProcess::CResult result = Cli({"project", "dump", strFile});
    ASSERT_EQ(result.m_nExit, 0) << result.m_strErr;
    EXPECT_TRUE(GoldenFile::Matches("cli/dump-demo.json", result.m_strOut));

    const json dump = json::parse(result.m_strOut);
    const json expected = {
        {"javaFiles",
         {{{"fileName", "Hello.java"},
           {"pathName", "C:\\Work\\Demo\\Hello.java"},
           {"projectPath", "C:\\Work\\Demo\\Demo.jpr"},
           {"classes", {{{"name", "Hello"}, {"members", {"main(String args[])"}}, {"nested", json::array()}}}},
           {"reserved", ""}}}},
        {"htmlFiles",
         {{{"fileName", "Hello.html"},
           {"pathName", "C:\\Work\\Demo\\Hello.html"},
           {"projectPath", "C:\\Work\\Demo\\Demo.jpr"}}}},
        {"mainJavaFile", "Hello.java"},
        {"mainFolder", "C:\\Work\\Demo"},
        {"mainPackage", ""},
        {"mainHtmlFile", "Hello.html"},
        {"javaSwitches", ""},
        {"javacSwitches", ""}};
    EXPECT_EQ(dump, expected) << dump.dump(2);
    // The keys come in the order the file holds the fields.
    const std::size_t nJava = result.m_strOut.find("\"javaFiles\"");
    const std::size_t nHtml = result.m_strOut.find("\"htmlFiles\"");
    const std::size_t nMain = result.m_strOut.find("\"mainJavaFile\"");
    const std::size_t nLast = result.m_strOut.find("\"javacSwitches\"");
    EXPECT_TRUE(nJava < nHtml && nHtml < nMain && nMain < nLast);
}

TEST_F(CProjectJsonDumpE2e, Utf16TextsConvertAndBadBytesBecomeReplacementCharacters)
{
    // No files; the six texts: UTF-16 with a letter outside the BMP, bytes
    // that are not UTF-8, control characters, quotes and backslashes, UTF-8.
    Write("Odd.jpr", Int32(0) + Int32(0) + Utf16(u"H\u00E9\U0001F600.java") + Short("/w/\xC3(\xFF") + Short("a\"b\\c") +
                         Short(std::string("\t\x01\x00\n", 4)) + Short("-Dx=\xE2\x82\xAC") + Short(""));
    const json dump = Dump("Odd.jpr");
    EXPECT_EQ(dump["javaFiles"], json::array());
    EXPECT_EQ(dump["htmlFiles"], json::array());
    EXPECT_EQ(dump["mainJavaFile"], "H\xC3\xA9\xF0\x9F\x98\x80.java");
    EXPECT_EQ(dump["mainFolder"], "/w/\xEF\xBF\xBD(\xEF\xBF\xBD");
    EXPECT_EQ(dump["mainPackage"], "a\"b\\c");
    EXPECT_EQ(dump["mainHtmlFile"], std::string("\t\x01\x00\n", 4));
    EXPECT_EQ(dump["javaSwitches"], "-Dx=\xE2\x82\xAC");
    EXPECT_EQ(dump["javacSwitches"], "");
}

TEST_F(CProjectJsonDumpE2e, NestedClassesKeepTheirShape)
{
    // The editor's scan records one level of nesting...
    Write("A.java", "public class A {\n"
                    "    int f(int x) {\n"
                    "        return x;\n"
                    "    }\n"
                    "    class B {\n"
                    "        void g() { }\n"
                    "    }\n"
                    "}\n"
                    "class C {\n"
                    "}\n");
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "P.jpr", "A.java"}).m_nExit, 0);
    const json scanned = Dump("P.jpr");
    ASSERT_EQ(scanned["javaFiles"].size(), 1u);
    EXPECT_EQ(scanned["javaFiles"][0]["classes"],
              json({{{"name", "A"},
                     {"members", {"f(int x)"}},
                     {"nested", {{{"name", "B"}, {"members", {"g()"}}, {"nested", json::array()}}}}},
                    {{"name", "C"}, {"members", json::array()}, {"nested", json::array()}}}))
        << scanned.dump(2);
    EXPECT_EQ(scanned["javaFiles"][0]["pathName"], Path("A.java"));
    EXPECT_EQ(scanned["javaFiles"][0]["projectPath"], Path("P.jpr"));
    EXPECT_EQ(scanned["mainJavaFile"], "");

    // ...and the file format any depth, which the dump shows as it is.
    CProjectRecord record;
    auto pFile = std::make_unique<CJavaFile>("/p/P.jpr");
    pFile->SetPathName("/p/A.java");
    auto pOuter = std::make_unique<CJavaClass>();
    pOuter->SetName("Outer");
    auto pMiddle = std::make_unique<CJavaClass>();
    pMiddle->SetName("Middle");
    auto pInner = std::make_unique<CJavaClass>();
    pInner->SetName("Inner");
    pInner->AddMember("run()");
    pMiddle->GetNestedClasses().Add(std::move(pInner));
    pOuter->GetNestedClasses().Add(std::move(pMiddle));
    pFile->GetClasses().Add(std::move(pOuter));
    record.m_javaFiles.Add(std::move(pFile));
    Write("Deep.jpr", CJprFormat::WriteBytes(record));
    const json deep = Dump("Deep.jpr");
    EXPECT_EQ(deep["javaFiles"][0]["classes"],
              json({{{"name", "Outer"},
                     {"members", json::array()},
                     {"nested",
                      {{{"name", "Middle"},
                        {"members", json::array()},
                        {"nested", {{{"name", "Inner"}, {"members", {"run()"}}, {"nested", json::array()}}}}}}}}}))
        << deep.dump(2);
}

TEST_F(CProjectJsonDumpE2e, RefusedFilesSayUnexpectedFileFormatAndExitOne)
{
    const std::string strDemo = GoldenFile::ReadBytes(std::string(TARNWICK_GOLDEN_DIR) + "/jpr/Demo.jpr");
    Write("Garbage.jpr", "not a project at all");
    Write("Cut.jpr", strDemo.substr(0, 150));
    Write("Trailing.jpr", strDemo + "x");
    Write("Empty.jpr", "");
    for (const char* pszName : {"Garbage.jpr", "Cut.jpr", "Trailing.jpr", "Empty.jpr"}) {
        SCOPED_TRACE(pszName);
        for (const bool bText : {false, true}) {
            const CCliProcess::CResult result =
                bText ? Cli({"project", "dump", "--text", pszName}) : Cli({"project", "dump", pszName});
            EXPECT_EQ(result.m_nExit, 1);
            EXPECT_EQ(result.m_strOut, "");
            EXPECT_EQ(result.m_strErr, "Unexpected file format.\n");
        }
    }
}
