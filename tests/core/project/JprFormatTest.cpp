#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectRecord.h"
#include "core/project/TarnwickFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

static std::string Bytes(std::initializer_list<int> values)
{
    std::string str;
    for (int n : values)
        str.push_back(static_cast<char>(n));
    return str;
}

static std::string Int32(int n)
{
    return Bytes({n & 0xFF, (n >> 8) & 0xFF, (n >> 16) & 0xFF, (n >> 24) & 0xFF});
}

// One-byte-prefixed text, as every short string is written.
static std::string Short(const std::string& strText)
{
    return Bytes({static_cast<int>(strText.size())}) + strText;
}

// The demo project: Hello.java with class Hello and main, Hello.html.
static void FillDemo(CProjectRecord& record)
{
    auto pJava = std::make_unique<CJavaFile>("C:\\Work\\Demo\\Demo.jpr");
    pJava->SetPathName("C:\\Work\\Demo\\Hello.java");
    auto pClass = std::make_unique<CJavaClass>();
    pClass->SetName("Hello");
    pClass->AddMember("main(String args[])");
    pJava->GetClasses().Add(std::move(pClass));
    record.m_javaFiles.Add(std::move(pJava));

    auto pHtml = std::make_unique<CTarnwickFile>("C:\\Work\\Demo\\Demo.jpr");
    pHtml->SetPathName("C:\\Work\\Demo\\Hello.html");
    record.m_htmlFiles.Add(std::move(pHtml));

    record.m_strMainJavaFile = "Hello.java";
    record.m_strMainFolder = "C:\\Work\\Demo";
    record.m_strMainHtmlFile = "Hello.html";
}

// The demo project's bytes, laid out field by field.
static std::string DemoBytes()
{
    return Bytes({0x01, 0x00, 0x00, 0x00}) + Bytes({0x0A}) + "Hello.java" + Bytes({0x17}) +
           "C:\\Work\\Demo\\Hello.java" + Bytes({0x15}) + "C:\\Work\\Demo\\Demo.jpr" + Bytes({0x01, 0x00, 0x00, 0x00}) +
           Bytes({0x01, 0x00}) + Bytes({0x13}) + "main(String args[])" + Bytes({0x00, 0x00, 0x00, 0x00}) +
           Bytes({0x05}) + "Hello" + Bytes({0x00}) + Bytes({0x01, 0x00, 0x00, 0x00}) + Bytes({0x0A}) + "Hello.html" +
           Bytes({0x17}) + "C:\\Work\\Demo\\Hello.html" + Bytes({0x15}) + "C:\\Work\\Demo\\Demo.jpr" + Bytes({0x0A}) +
           "Hello.java" + Bytes({0x0C}) + "C:\\Work\\Demo" + Bytes({0x00}) + Bytes({0x0A}) + "Hello.html" +
           Bytes({0x00, 0x00});
}

TEST(JprFormatWrite, DemoProjectIsExactly197Bytes)
{
    CProjectRecord record;
    FillDemo(record);
    const std::string strBytes = CJprFormat::WriteBytes(record);
    ASSERT_EQ(strBytes.size(), 197u);
    EXPECT_EQ(strBytes, DemoBytes());
    // Spot checks of the offsets in the layout.
    EXPECT_EQ(strBytes.substr(0x3D, 4), Int32(1));
    EXPECT_EQ(strBytes.substr(0x5B, 6), Short("Hello"));
    EXPECT_EQ(strBytes.substr(0x62, 4), Int32(1));
    EXPECT_EQ(strBytes.substr(0xAA, 13), Short("C:\\Work\\Demo"));
    EXPECT_EQ(strBytes.substr(0xC3), Bytes({0, 0}));
}

TEST(JprFormatWrite, EmptyProjectIs14Bytes)
{
    const CProjectRecord record;
    EXPECT_EQ(CJprFormat::WriteBytes(record), Int32(0) + Int32(0) + std::string(6, '\0'));
}

TEST(JprFormatWrite, SixTrailingStringsKeepTheirOrder)
{
    CProjectRecord record;
    record.m_strMainJavaFile = "a";
    record.m_strMainFolder = "b";
    record.m_strMainPackage = "c";
    record.m_strMainHtmlFile = "d";
    record.m_strJavaSwitches = "e";
    record.m_strJavacSwitches = "f";
    EXPECT_EQ(CJprFormat::WriteBytes(record),
              Int32(0) + Int32(0) + Short("a") + Short("b") + Short("c") + Short("d") + Short("e") + Short("f"));
}

TEST(JprFormatRead, DemoProjectLoadsEveryField)
{
    CProjectRecord record;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(DemoBytes(), record, strError));
    EXPECT_EQ(strError, "");

    ASSERT_EQ(record.m_javaFiles.GetCount(), 1);
    const CJavaFile* pJava = record.m_javaFiles.GetAt(0);
    EXPECT_EQ(pJava->GetFileName(), "Hello.java");
    EXPECT_EQ(pJava->GetPathName(), "C:\\Work\\Demo\\Hello.java");
    EXPECT_EQ(pJava->GetProjectPath(), "C:\\Work\\Demo\\Demo.jpr");
    EXPECT_EQ(pJava->GetReserved(), "");
    ASSERT_EQ(pJava->GetClasses().GetCount(), 1);
    const CJavaClass* pClass = pJava->GetClasses().GetAt(0);
    EXPECT_EQ(pClass->GetName(), "Hello");
    EXPECT_EQ(pClass->GetMembers(), std::vector<std::string>{"main(String args[])"});
    EXPECT_EQ(pClass->GetNestedClasses().GetCount(), 0);

    ASSERT_EQ(record.m_htmlFiles.GetCount(), 1);
    EXPECT_EQ(record.m_htmlFiles.GetAt(0)->GetFileName(), "Hello.html");
    EXPECT_EQ(record.m_htmlFiles.GetAt(0)->GetPathName(), "C:\\Work\\Demo\\Hello.html");
    EXPECT_EQ(record.m_strMainJavaFile, "Hello.java");
    EXPECT_EQ(record.m_strMainFolder, "C:\\Work\\Demo");
    EXPECT_EQ(record.m_strMainPackage, "");
    EXPECT_EQ(record.m_strMainHtmlFile, "Hello.html");
    EXPECT_EQ(record.m_strJavaSwitches, "");
    EXPECT_EQ(record.m_strJavacSwitches, "");
}

TEST(JprFormatRead, FileNameIsTakenAsStoredAndReservedSurvives)
{
    // The stored name disagrees with the path and the reserved text is set:
    // both come back as they were and are written back unchanged.
    const std::string strBytes = Int32(1) + Short("Odd.java") + Short("/src/Real.java") + Short("") + Int32(0) +
                                 Short("kept") + Int32(0) + std::string(6, '\0');
    CProjectRecord record;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(strBytes, record, strError));
    EXPECT_EQ(record.m_javaFiles.GetAt(0)->GetFileName(), "Odd.java");
    EXPECT_EQ(record.m_javaFiles.GetAt(0)->GetReserved(), "kept");
    EXPECT_EQ(CJprFormat::WriteBytes(record), strBytes);
}

// A project with a bit of everything: nested classes, long strings, many
// members, switches and a package.
static void FillRich(CProjectRecord& record)
{
    for (int f = 0; f < 5; ++f) {
        auto pJava = std::make_unique<CJavaFile>("/home/ann/p/P.jpr");
        pJava->SetPathName("/home/ann/p/src/F" + std::to_string(f) + ".java");
        for (int c = 0; c < 3; ++c) {
            auto pClass = std::make_unique<CJavaClass>();
            pClass->SetName("K" + std::to_string(c));
            for (int m = 0; m < 4; ++m)
                pClass->AddMember("m" + std::to_string(m) + "(int a, String " + std::string(300, 'b') + ")");
            auto pNested = std::make_unique<CJavaClass>();
            pNested->SetName("Inner");
            pNested->AddMember("run()");
            auto pDeeper = std::make_unique<CJavaClass>();
            pDeeper->SetName("Deeper");
            pNested->GetNestedClasses().Add(std::move(pDeeper));
            pClass->GetNestedClasses().Add(std::move(pNested));
            pJava->GetClasses().Add(std::move(pClass));
        }
        record.m_javaFiles.Add(std::move(pJava));
    }
    auto pHtml = std::make_unique<CTarnwickFile>();
    pHtml->SetPathName("Page.html");
    record.m_htmlFiles.Add(std::move(pHtml));
    record.m_strMainJavaFile = "F0.java";
    record.m_strMainFolder = "/home/ann/p/src";
    record.m_strMainPackage = "com.example";
    record.m_strMainHtmlFile = "Page.html";
    record.m_strJavaSwitches = "-Xmx64m";
    record.m_strJavacSwitches = std::string(70000, 'g');
}

TEST(JprFormatRoundTrip, ReadThenWriteGivesTheSameBytes)
{
    CProjectRecord original;
    FillRich(original);
    const std::string strFirst = CJprFormat::WriteBytes(original);

    CProjectRecord loaded;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(strFirst, loaded, strError));
    EXPECT_EQ(CJprFormat::WriteBytes(loaded), strFirst);
    const CJavaClass* pInner = loaded.m_javaFiles.GetAt(4)->GetClasses().FindClass("K2")->FindNestedClass("Inner");
    ASSERT_NE(pInner, nullptr);
    EXPECT_TRUE(pInner->HasNestedClass("Deeper"));
    EXPECT_EQ(loaded.m_strJavacSwitches.size(), 70000u);

    CProjectRecord demo;
    ASSERT_TRUE(CJprFormat::ReadBytes(DemoBytes(), demo, strError));
    EXPECT_EQ(CJprFormat::WriteBytes(demo), DemoBytes());
}

TEST(JprFormatRoundTrip, SerializeFollowsTheArchiveDirection)
{
    CProjectRecord demo;
    FillDemo(demo);
    CProjectArchive store;
    ASSERT_TRUE(demo.Serialize(store));
    EXPECT_EQ(store.GetStoredBytes(), DemoBytes());

    const std::string strBytes = DemoBytes();
    CProjectArchive load(strBytes);
    CProjectRecord loaded;
    ASSERT_TRUE(loaded.Serialize(load));
    EXPECT_EQ(load.GetBytesLeft(), 0u);
    EXPECT_EQ(loaded.m_javaFiles.GetAt(0)->GetClasses().GetAt(0)->GetName(), "Hello");

    CProjectArchive cut(std::string_view(strBytes).substr(0, 100));
    CProjectRecord partial;
    EXPECT_FALSE(partial.Serialize(cut));
    EXPECT_TRUE(cut.IsFailed());
}

static void ExpectRefused(const std::string& strBytes, const char* pszWhat)
{
    CProjectRecord record;
    record.m_strMainJavaFile = "untouched";
    std::string strError;
    EXPECT_FALSE(CJprFormat::ReadBytes(strBytes, record, strError)) << pszWhat;
    EXPECT_EQ(strError, "Unexpected file format.") << pszWhat;
    EXPECT_EQ(record.m_strMainJavaFile, "untouched") << pszWhat;
    EXPECT_EQ(record.m_javaFiles.GetCount(), 0) << pszWhat;
}

TEST(JprFormatRefusal, EveryTruncationIsRefused)
{
    const std::string strDemo = DemoBytes();
    for (std::size_t n = 0; n < strDemo.size(); ++n)
        ExpectRefused(strDemo.substr(0, n), ("cut at " + std::to_string(n)).c_str());
}

TEST(JprFormatRefusal, ImpossibleListCounts)
{
    const std::string strTail = Int32(0) + std::string(6, '\0');
    ExpectRefused(Int32(-1) + strTail, "negative Java count");
    ExpectRefused(Int32(256) + strTail, "Java count 256");
    ExpectRefused(Int32(0) + Int32(-5) + std::string(6, '\0'), "negative HTML count");
    ExpectRefused(Int32(0) + Int32(0x7FFFFFFF) + std::string(6, '\0'), "huge HTML count");

    const std::string strFile = Short("A.java") + Short("/A.java") + Short("");
    ExpectRefused(Int32(1) + strFile + Int32(-1) + Short("") + strTail, "negative class count");
    ExpectRefused(Int32(1) + strFile + Int32(256) + Short("") + strTail, "class count 256");
    const std::string strNested = Bytes({0, 0}) + Int32(300) + Short("K");
    ExpectRefused(Int32(1) + strFile + Int32(1) + strNested + Short("") + strTail, "nested count 300");

    // 255 is the largest count a list can hold.
    std::string strFull = Int32(0) + Int32(255);
    for (int i = 0; i < 255; ++i)
        strFull += Short("") + Short("") + Short("");
    strFull += std::string(6, '\0');
    CProjectRecord record;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(strFull, record, strError));
    EXPECT_EQ(record.m_htmlFiles.GetCount(), 255);
}

TEST(JprFormatRefusal, StringsAndArraysLongerThanTheFile)
{
    const std::string strTail = Int32(0) + std::string(6, '\0');
    ExpectRefused(Int32(0) + Int32(0) + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc",
                  "4 GB main file name");
    ExpectRefused(Int32(0) + Int32(0) + std::string(5, '\0') + Bytes({10}) + "short", "last string short");
    ExpectRefused(Int32(1) + Short("A.java") + Bytes({0xFF, 0x00, 0x10}) + "x" + strTail, "path too long");
    const std::string strFile = Short("A.java") + Short("/A.java") + Short("");
    ExpectRefused(Int32(1) + strFile + Int32(1) + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F}) + strTail,
                  "member count beyond the bytes left");
    ExpectRefused(Int32(1) + strFile + Int32(1) + Bytes({0xFF, 0xFE, 0xFF, 0x40}) + "ab" + strTail,
                  "UTF-16 member count");
}

// A Java file with a chain of classes, each nested in the one before.
static std::string NestedChain(int nDepth)
{
    std::string strBytes = Int32(1) + Short("A.java") + Short("/A.java") + Short("") + Int32(1);
    for (int i = 0; i < nDepth; ++i)
        strBytes += Bytes({0, 0}) + Int32(i + 1 < nDepth ? 1 : 0);
    for (int i = 0; i < nDepth; ++i)
        strBytes += Short("N");
    return strBytes + Short("") + Int32(0) + std::string(6, '\0');
}

TEST(JprFormatRefusal, NestingDeeperThanTheLimit)
{
    CProjectRecord record;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(NestedChain(255), record, strError));
    const CJavaClass* pClass = record.m_javaFiles.GetAt(0)->GetClasses().GetAt(0);
    int nLevels = 0;
    while (pClass != nullptr) {
        ++nLevels;
        pClass = pClass->GetNestedClasses().GetAt(0);
    }
    EXPECT_EQ(nLevels, 255);
    EXPECT_EQ(CJprFormat::WriteBytes(record), NestedChain(255));

    ExpectRefused(NestedChain(256), "256 levels");
    ExpectRefused(NestedChain(100000), "100000 levels");
}

TEST(JprFormatRefusal, BytesAfterTheProjectAreRefused)
{
    // Saving such a file back would drop what follows the project.
    ExpectRefused(DemoBytes() + "junk", "demo and 4 bytes");
    ExpectRefused(DemoBytes() + std::string(25 * 1024, 'x'), "demo and 25 KB");
    ExpectRefused(DemoBytes() + std::string(1, '\0'), "demo and one zero byte");
    ExpectRefused(std::string(15, '\0'), "15 zero bytes");
    ExpectRefused(std::string(14, '\0') + "PK\x03\x04 some other kind of file", "zero bytes then another file");

    // Exactly the empty project's 14 zero bytes is an empty project.
    CProjectRecord record;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(std::string(14, '\0'), record, strError));
    EXPECT_EQ(CJprFormat::WriteBytes(record), std::string(14, '\0'));
}

class JprFormatFile : public ::testing::Test {
protected:
    static std::string Slurp(const std::string& strPath)
    {
        std::ifstream in(strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    CTempFolder m_folder{"tarnwick-jprtest"};
    const std::string m_strDir = m_folder.Path();
};

TEST_F(JprFormatFile, WritesAndReadsBackTheSameBytes)
{
    CProjectRecord record;
    FillDemo(record);
    const std::string strPath = m_strDir + "/Demo.jpr";
    std::string strError;
    ASSERT_TRUE(CJprFormat::WriteFile(strPath, record, strError));
    EXPECT_EQ(Slurp(strPath), DemoBytes());

    // Saving over keeps the file's permissions and leaves no temporary file.
    ASSERT_EQ(::chmod(strPath.c_str(), 0600), 0);
    record.m_strJavaSwitches = "-verbose";
    ASSERT_TRUE(CJprFormat::WriteFile(strPath, record, strError));
    struct stat info {};
    ASSERT_EQ(::stat(strPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    CProjectRecord loaded;
    ASSERT_TRUE(CJprFormat::ReadFile(strPath, loaded, strError));
    EXPECT_EQ(loaded.m_strJavaSwitches, "-verbose");
    EXPECT_EQ(CJprFormat::WriteBytes(loaded), Slurp(strPath));
    std::remove(strPath.c_str());
    EXPECT_EQ(::rmdir(m_strDir.c_str()), 0) << "a temporary file was left behind";
    ::mkdir(m_strDir.c_str(), 0700);
}

TEST_F(JprFormatFile, ReportsMissingAndMalformedFiles)
{
    CProjectRecord record;
    std::string strError;
    EXPECT_FALSE(CJprFormat::ReadFile(m_strDir + "/Missing.jpr", record, strError));
    EXPECT_EQ(strError, "Failed to open document.");

    ::mkdir((m_strDir + "/Sub.jpr").c_str(), 0700);
    strError.clear();
    EXPECT_FALSE(CJprFormat::ReadFile(m_strDir + "/Sub.jpr", record, strError));
    EXPECT_EQ(strError, "Failed to open document.");

    // Nobody writes to the FIFO: a blocking open would never return.
    ASSERT_EQ(::mkfifo((m_strDir + "/Pipe.jpr").c_str(), 0600), 0);
    strError.clear();
    EXPECT_FALSE(CJprFormat::ReadFile(m_strDir + "/Pipe.jpr", record, strError));
    EXPECT_EQ(strError, "Failed to open document.");

    {
        std::ofstream out(m_strDir + "/Bad.jpr", std::ios::binary);
        out << Int32(3);
    }
    EXPECT_FALSE(CJprFormat::ReadFile(m_strDir + "/Bad.jpr", record, strError));
    EXPECT_EQ(strError, "Unexpected file format.");

    {
        std::ofstream out(m_strDir + "/Bad.jpr", std::ios::binary);
        out << DemoBytes() << std::string(25 * 1024, 'x');
    }
    strError.clear();
    EXPECT_FALSE(CJprFormat::ReadFile(m_strDir + "/Bad.jpr", record, strError));
    EXPECT_EQ(strError, "Unexpected file format.");

    strError.clear();
    EXPECT_FALSE(CJprFormat::WriteFile(m_strDir + "/NoSuchFolder/P.jpr", record, strError));
    EXPECT_EQ(strError, "Failed to save document.\n\n" + m_strDir + "/NoSuchFolder/P.jpr: No such file or directory");
}
