#include "core/project/ClassListing.h"
#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectDump.h"
#include "core/project/ProjectRecord.h"
#include "core/project/ProjectRecordDump.h"
#include "tests/support/GoldenFile.h"

#include <gtest/gtest.h>

namespace {
// A record with two levels of nesting, built through the project's own
// operations and read back from its bytes, as the dump command sees it.
CProjectRecord NestedRecord()
{
    CJavaProjectCore project("-ea", "-g");
    project.SetPathName("/w/P.jpr");
    project.AddJavaFile("/w/A.java");
    project.AddClass("/w/A.java", "A");
    project.AddMember("/w/A.java", "A", "f(int x)");
    project.AddNestedClass("/w/A.java", "A", "B");
    project.AddNestedMember("/w/A.java", "A", "B", "g()");
    project.AddMember("/w/A.java", "A", "h()");
    project.AddClass("/w/A.java", "C");
    project.AddHtmlFile("/w/x.html");
    project.SetMainFile("A.java");
    CProjectRecord record;
    std::string strError;
    EXPECT_TRUE(CJprFormat::ReadBytes(project.WriteBytes(), record, strError)) << strError;
    // Deeper than the project fills, which the format allows.
    CJavaClass* pB = record.m_javaFiles.GetAt(0)->GetClasses().GetAt(0)->FindNestedClass("B");
    auto pDeep = std::make_unique<CJavaClass>();
    pDeep->SetName("D");
    pB->GetNestedClasses().Add(std::move(pDeep));
    return record;
}
} // namespace

TEST(ProjectRecordDump, EmptyRecordListsCountsAndSixTexts)
{
    EXPECT_EQ(CProjectRecordDump::Write(CProjectRecord()), "m_javaFiles 0\n"
                                                           "m_htmlFiles 0\n"
                                                           "m_strMainJavaFile \"\"\n"
                                                           "m_strMainFolder \"\"\n"
                                                           "m_strMainPackage \"\"\n"
                                                           "m_strMainHtmlFile \"\"\n"
                                                           "m_strJavaSwitches \"\"\n"
                                                           "m_strJavacSwitches \"\"\n");
}

TEST(ProjectRecordDump, FieldsInFileOrderWithNestedClassesIndented)
{
    EXPECT_TRUE(GoldenFile::Matches("dump/nested-record.txt", CProjectRecordDump::Write(NestedRecord())));
}

TEST(ProjectRecordDump, QuoteEscapesEveryAmbiguousByte)
{
    EXPECT_EQ(CProjectRecordDump::Quote(""), "\"\"");
    EXPECT_EQ(CProjectRecordDump::Quote("a b~"), "\"a b~\"");
    EXPECT_EQ(CProjectRecordDump::Quote("\"q\" \\"), "\"\\\"q\\\" \\\\\"");
    EXPECT_EQ(CProjectRecordDump::Quote("\a\b\t\n\v\f\r"), "\"\\a\\b\\t\\n\\v\\f\\r\"");
    EXPECT_EQ(CProjectRecordDump::Quote(std::string("\0"
                                                    "1",
                                                    2)),
              "\"\\0001\"");
    EXPECT_EQ(CProjectRecordDump::Quote("\x1b\x7f\xc3\xa9"), "\"\\033\\177\\303\\251\"");
}

TEST(ClassListing, ListsClassesAsProjectShowDoes)
{
    const CProjectRecord record = NestedRecord();
    EXPECT_EQ(CClassListing::Write(record.m_javaFiles.GetAt(0)->GetClasses(), "    "), "    class A\n"
                                                                                       "      f(int x)\n"
                                                                                       "      h()\n"
                                                                                       "      class B\n"
                                                                                       "        g()\n"
                                                                                       "        class D\n"
                                                                                       "    class C\n");
    EXPECT_EQ(CClassListing::Write(CJavaClassList(), ""), "");
}

TEST(ClassListing, MatchesTheClassBlockOfProjectShow)
{
    CJavaProjectCore project;
    project.SetPathName("/w/P.jpr");
    project.AddJavaFile("/w/A.java");
    project.AddClass("/w/A.java", "A");
    project.AddMember("/w/A.java", "A", "f()");
    project.AddNestedClass("/w/A.java", "A", "B");
    project.AddNestedMember("/w/A.java", "A", "B", "g()");
    const std::string strBlock = CClassListing::Write(project.GetJavaFiles().GetAt(0)->GetClasses(), "    ");
    EXPECT_EQ(strBlock, "    class A\n      f()\n      class B\n        g()\n");
    EXPECT_NE(CProjectDump::Write(project).find("  A.java  /w/A.java\n" + strBlock + "HTML files (0):\n"),
              std::string::npos);
}
