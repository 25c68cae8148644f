#include "core/project/ErrorLineMatcher.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"

#include <climits>
#include <gtest/gtest.h>

static CJavaFileList MakeFiles(const std::vector<std::string>& paths)
{
    CJavaFileList files;
    for (const std::string& strPath : paths) {
        auto pFile = std::make_unique<CJavaFile>();
        pFile->SetPathName(strPath);
        files.Add(std::move(pFile));
    }
    return files;
}

// Output as javac 17 writes it, after the process window's CR LF line ends.
static const std::string kJavacOutput = "/tmp/x/Hello.java:5: error: ';' expected\r\n"
                                        "    int x = 1\r\n"
                                        "             ^\r\n"
                                        "Hello.java:12: error: cannot find symbol\r\n"
                                        "C:\\work\\Util.java:7: warning: [deprecation] show() in Window\r\n"
                                        "2 errors";

TEST(ErrorLineMatcherLines, LinesEndAtCarriageReturns)
{
    EXPECT_EQ(*CErrorLineMatcher::LineAt(kJavacOutput, 0), "/tmp/x/Hello.java:5: error: ';' expected");
    EXPECT_EQ(*CErrorLineMatcher::LineAt(kJavacOutput, 2), "             ^");
    EXPECT_EQ(*CErrorLineMatcher::LineAt(kJavacOutput, 4),
              "C:\\work\\Util.java:7: warning: [deprecation] show() in Window");
    // The last line has no carriage return after it.
    EXPECT_FALSE(CErrorLineMatcher::LineAt(kJavacOutput, 5));
    EXPECT_FALSE(CErrorLineMatcher::LineAt(kJavacOutput, 6));
    EXPECT_FALSE(CErrorLineMatcher::LineAt(kJavacOutput, -1));
    EXPECT_EQ(*CErrorLineMatcher::LineAt("\r\n\r\nx\r", 2), "x");
    EXPECT_EQ(*CErrorLineMatcher::LineAt("\r\n\r\n", 1), "");
    EXPECT_FALSE(CErrorLineMatcher::LineAt("a\r", 1));
}

TEST(ErrorLineMatcherMatch, FindsFileAndNumberAfterSeparatorOrAtStart)
{
    const CJavaFileList files = MakeFiles({"/tmp/x/Util.java", "/tmp/x/Hello.java"});
    auto location = CErrorLineMatcher::Match(kJavacOutput, 0, files);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strFileName, "Hello.java");
    EXPECT_EQ(location->m_nLineNumber, 5);
    EXPECT_EQ(location->m_strPath, "");

    location = CErrorLineMatcher::Match(kJavacOutput, 3, files);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strFileName, "Hello.java");
    EXPECT_EQ(location->m_nLineNumber, 12);

    location = CErrorLineMatcher::Match(kJavacOutput, 4, files);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strFileName, "Util.java");
    EXPECT_EQ(location->m_nLineNumber, 7);

    EXPECT_FALSE(CErrorLineMatcher::Match(kJavacOutput, 1, files));
    EXPECT_FALSE(CErrorLineMatcher::Match(kJavacOutput, 5, files));
}

TEST(ErrorLineMatcherMatch, OccurrenceMustNotFollowALetterOrBlank)
{
    const CJavaFileList files = MakeFiles({"/p/Foo.java"});
    EXPECT_FALSE(CErrorLineMatcher::Match("MyFoo.java:3: error\r\n", 0, files));
    EXPECT_FALSE(CErrorLineMatcher::Match("note: Foo.java:3: uses\r\n", 0, files));
    // Only the first occurrence is looked at.
    EXPECT_FALSE(CErrorLineMatcher::Match("MyFoo.java and /p/Foo.java:3:\r\n", 0, files));
    const auto location = CErrorLineMatcher::Match("Foo.java:7: error: x\r\n", 0, files);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_nLineNumber, 7);
}

#ifndef _WIN32
TEST(ErrorLineMatcherMatch, ABackslashSeparatesOnlyInAWindowsPath)
{
    // Here "x\Hello.java" is a name of its own, not Hello.java in x.
    const CJavaFileList files = MakeFiles({"/w/Hello.java"});
    EXPECT_FALSE(CErrorLineMatcher::Match("/w/x\\Hello.java:3: error: e\r\n", 0, files));
    const CJavaFileList named = MakeFiles({"/w/x\\Hello.java"});
    const auto location = CErrorLineMatcher::Match("/w/x\\Hello.java:3: error: e\r\n", 0, named);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strFileName, "x\\Hello.java");
    EXPECT_EQ(location->m_nLineNumber, 3);
}
#endif

TEST(ErrorLineMatcherMatch, FirstListedFileWinsAndEmptyLinesNeverMatch)
{
    const CJavaFileList files = MakeFiles({"/a/B.java", "/a/AB.java", "/a/"});
    auto location = CErrorLineMatcher::Match("AB.java:2: error\r\n", 0, files);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strFileName, "AB.java");
    location = CErrorLineMatcher::Match("/a/AB.java:2: x B.java:9\r\n", 0, files);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strFileName, "AB.java");
    // The nameless entry ("/a/") does not match every line.
    EXPECT_FALSE(CErrorLineMatcher::Match("\r\n", 0, files));
    EXPECT_FALSE(CErrorLineMatcher::Match("warning: nothing\r\n", 0, files));
}

TEST(ErrorLineMatcherMatch, NumberReadLikeAtoiOneCharacterAfterTheName)
{
    const CJavaFileList files = MakeFiles({"Foo.java"});
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java\r\n", 0, files)->m_nLineNumber, 0);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:\r\n", 0, files)->m_nLineNumber, 0);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java(14): x\r\n", 0, files)->m_nLineNumber, 14);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:: 3\r\n", 0, files)->m_nLineNumber, 0);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java: 42x\r\n", 0, files)->m_nLineNumber, 42);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:99999999999999:\r\n", 0, files)->m_nLineNumber, INT_MAX);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:99999999999: x\r\n", 0, files)->m_nLineNumber, INT_MAX);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:2147483647: x\r\n", 0, files)->m_nLineNumber, INT_MAX);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:1: x\r\n", 0, files)->m_nLineNumber, 1);
    // A line number is digits: no sign, so nothing the editor's line (the
    // number less one) could overflow on.
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:-2147483649: x\r\n", 0, files)->m_nLineNumber, 0);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:-2147483648: x\r\n", 0, files)->m_nLineNumber, 0);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:-5: x\r\n", 0, files)->m_nLineNumber, 0);
    EXPECT_EQ(CErrorLineMatcher::Match("Foo.java:+5: x\r\n", 0, files)->m_nLineNumber, 0);
}

TEST(ErrorLineMatcherMatch, LineNumberReading)
{
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber(""), 0);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("  \t12ab"), 12);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("0"), 0);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("-7"), 0);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("+8"), 0);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("-2147483649"), 0);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("2147483646"), 2147483646);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("2147483647"), INT_MAX);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("2147483648"), INT_MAX);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("99999999999"), INT_MAX);
    EXPECT_EQ(CErrorLineMatcher::ReadLineNumber("000000000000000000042:"), 42);
}
