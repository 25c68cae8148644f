#include "core/editor/CompilerMarkPlan.h"
#include "core/tools/JavacDiagnostics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using CPlan = CCompilerMarkPlan;

namespace {
// The squiggled text of each squiggle, with its kind's first letter.
std::vector<std::string> Squiggled(std::string_view strText, const CPlan& plan)
{
    std::vector<std::string> vecTexts;
    for (const CPlan::CSquiggle& squiggle : plan.m_vecSquiggles)
        vecTexts.push_back(std::string(1, CJavacDiagnostics::KindName(squiggle.m_eKind)[0]) + ":" +
                           std::string(strText.substr(squiggle.m_nStart, squiggle.m_nLength)));
    return vecTexts;
}

CJavacDiagnostic Message(int nLine, int nColumn, EDiagnosticKind eKind, const std::string& strMessage)
{
    return CJavacDiagnostic{"/p/A.java", nLine, nColumn, eKind, strMessage};
}
} // namespace

// javac 17 on a file with tabs, an é and an emoji before the error: the
// caret line repeats the tabs and counts UTF-16 units, the emoji as two.
TEST(CompilerMarkPlanReal, TabsAndCharactersBeyondAsciiPutTheSquiggleUnderTheNamedSymbol)
{
    const std::string strText = "class U {\r\n"
                                "\tvoid f() { String s = \"\xc3\xa9\xf0\x9f\x98\x80\"; int x = y; }\r\n"
                                "\t\tint g() { return \"\xc3\xa9\" + z; }\r\n"
                                "}\r\n";
    const std::string strOutput = "U.java:2: error: cannot find symbol\r\n"
                                  "\tvoid f() { String s = \"\xc3\xa9\xf0\x9f\x98\x80\"; int x = y; }\r\n"
                                  "\t                                     ^\r\n"
                                  "  symbol:   variable y\r\n"
                                  "  location: class U\r\n"
                                  "U.java:3: error: cannot find symbol\r\n"
                                  "\t\tint g() { return \"\xc3\xa9\" + z; }\r\n"
                                  "\t\t                       ^\r\n"
                                  "  symbol:   variable z\r\n"
                                  "  location: class U\r\n"
                                  "2 errors\r\n";
    const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(strOutput, "/p");
    ASSERT_EQ(vecDiagnostics.size(), 2u);
    EXPECT_EQ(vecDiagnostics[0].m_nColumn, 39);

    const CPlan plan = CPlan::Make(strText, vecDiagnostics, true);
    EXPECT_EQ(Squiggled(strText, plan), (std::vector<std::string>{"e:y", "e:z"}));
    EXPECT_EQ(plan.m_vecSquiggles[0].m_nStart, strText.find(" y;") + 1);
    ASSERT_EQ(plan.m_vecLines.size(), 2u);
    EXPECT_EQ(plan.m_vecLines[0].m_nLine, 1u);
    EXPECT_EQ(plan.m_vecLines[0].m_strAnnotation, "cannot find symbol\n  symbol:   variable y\n  location: class U");
    EXPECT_EQ(plan.m_vecLines[1].m_nLine, 2u);
    EXPECT_TRUE(plan.m_vecLines[1].m_bMarker);
    EXPECT_EQ(plan.m_vecLines[1].m_eMarker, EDiagnosticKind::Error);

    // Read byte for byte (a file that is not UTF-8) the same column lands
    // three bytes further left: é and the emoji are six bytes, three units.
    const CPlan bytes = CPlan::Make(strText, vecDiagnostics, false);
    EXPECT_EQ(bytes.m_vecSquiggles[0].m_nStart, plan.m_vecSquiggles[0].m_nStart - 3);
}

TEST(CompilerMarkPlanLines, MessagesOfOneLineShareItsAnnotationInJavacsOrderAndTheWorstMarker)
{
    const std::string strText = "a b;\r\nint x = 1;\r\n\r\nlast";
    const std::vector<CJavacDiagnostic> vecDiagnostics = {
        Message(2, 5, EDiagnosticKind::Warning, "first"),
        Message(1, 3, EDiagnosticKind::Warning, "on one"),
        Message(2, 9, EDiagnosticKind::Error, "second\n  detail"),
        Message(2, 0, EDiagnosticKind::Note, "third"),
        Message(4, 4, EDiagnosticKind::Note, "note only"),
        Message(9, 1, EDiagnosticKind::Error, "past the end"),
        Message(0, 0, EDiagnosticKind::Warning, "no line"),
    };
    const CPlan plan = CPlan::Make(strText, vecDiagnostics, true);
    ASSERT_EQ(plan.m_vecLines.size(), 3u);

    EXPECT_EQ(plan.m_vecLines[0].m_nLine, 0u);
    EXPECT_EQ(plan.m_vecLines[0].m_strAnnotation, "on one");
    EXPECT_TRUE(plan.m_vecLines[0].m_bMarker);
    EXPECT_EQ(plan.m_vecLines[0].m_eMarker, EDiagnosticKind::Warning);

    const CPlan::CLine& two = plan.m_vecLines[1];
    EXPECT_EQ(two.m_nLine, 1u);
    EXPECT_EQ(two.m_strAnnotation, "first\nsecond\n  detail\nthird");
    EXPECT_EQ(two.m_eMarker, EDiagnosticKind::Error);
    EXPECT_EQ(two.m_vecRuns,
              (std::vector<CPlan::CRun>{
                  {6, EDiagnosticKind::Warning}, {16, EDiagnosticKind::Error}, {5, EDiagnosticKind::Note}}));

    EXPECT_EQ(plan.m_vecLines[2].m_nLine, 3u);
    EXPECT_EQ(plan.m_vecLines[2].m_strAnnotation, "note only");
    EXPECT_FALSE(plan.m_vecLines[2].m_bMarker);

    // Notes and messages without a column get no squiggle.
    EXPECT_EQ(Squiggled(strText, plan), (std::vector<std::string>{"w:b", "w:x", "e:1"}));

    // A warning after an error leaves the line's marker an error.
    const CPlan errorFirst =
        CPlan::Make(strText,
                    {Message(1, 1, EDiagnosticKind::Error, "bad"), Message(1, 3, EDiagnosticKind::Warning, "odd"),
                     Message(1, 0, EDiagnosticKind::Note, "see")},
                    true);
    ASSERT_EQ(errorFirst.m_vecLines.size(), 1u);
    EXPECT_TRUE(errorFirst.m_vecLines[0].m_bMarker);
    EXPECT_EQ(errorFirst.m_vecLines[0].m_eMarker, EDiagnosticKind::Error);
    EXPECT_EQ(errorFirst.m_vecLines[0].m_strAnnotation, "bad\nodd\nsee");
}

TEST(CompilerMarkPlanLines, ALineShowsItsFirstHundredMessagesAndCountsTheRest)
{
    const std::string strText = "int a;\r\nint b;\r\n";
    std::vector<CJavacDiagnostic> vecDiagnostics;
    // 40,000 on the first line (past what an annotation's styles can hold),
    // the last of them an error, and exactly 100 on the second.
    for (int nIndex = 0; nIndex < 40000; ++nIndex)
        vecDiagnostics.push_back(Message(1, 1, nIndex == 39999 ? EDiagnosticKind::Error : EDiagnosticKind::Warning,
                                         "w" + std::to_string(nIndex)));
    for (int nIndex = 0; nIndex < 100; ++nIndex)
        vecDiagnostics.push_back(Message(2, 0, EDiagnosticKind::Note, "n" + std::to_string(nIndex)));
    const CPlan plan = CPlan::Make(strText, vecDiagnostics, true);
    ASSERT_EQ(plan.m_vecLines.size(), 2u);

    const CPlan::CLine& one = plan.m_vecLines[0];
    std::string strExpected;
    std::vector<CPlan::CRun> vecRuns;
    for (int nIndex = 0; nIndex < 100; ++nIndex) {
        const std::string strMessage = "w" + std::to_string(nIndex);
        strExpected += strMessage + "\n";
        vecRuns.push_back({strMessage.size() + 1, EDiagnosticKind::Warning});
    }
    strExpected += "\xe2\x80\xa6 and 39900 more messages on this line";
    vecRuns.push_back({std::string("\xe2\x80\xa6 and 39900 more messages on this line").size(), EDiagnosticKind::Note});
    EXPECT_EQ(one.m_strAnnotation, strExpected);
    EXPECT_EQ(one.m_vecRuns, vecRuns);
    // Messages not shown still count for the marker and keep their squiggles.
    EXPECT_EQ(one.m_eMarker, EDiagnosticKind::Error);
    EXPECT_EQ(plan.m_vecSquiggles.size(), 40000u);

    const CPlan::CLine& two = plan.m_vecLines[1];
    EXPECT_EQ(two.m_vecRuns.size(), 100u);
    EXPECT_TRUE(two.m_strAnnotation.ends_with("\nn99"));
    EXPECT_EQ(two.m_strAnnotation.find("more messages"), std::string::npos);
}

TEST(CompilerMarkPlanTokens, ANameANumberOrOneCharacterAndTheLastCharacterPastTheEnd)
{
    struct CCase {
        std::string_view m_strLine;
        int m_nColumn;
        std::size_t m_nOffset;
        std::size_t m_nLength;
    };
    const CCase cases[] = {
        {"  foo_1$x.bar()", 3, 2, 7}, // a name stops at the dot
        {"  foo.bar()", 6, 5, 4},     // a dot takes the member name after it
        {"x = a.;", 6, 5, 1},         // a dot alone, a semicolon alone
        {"x = a.;", 7, 6, 1},
        {"x = 12345;", 5, 4, 5},               // a number
        {"int x = ", 9, 7, 1},                 // past the end: the last character
        {"int x =", 30, 6, 1},                 // far past the end too
        {"s = \"\xc3\xa9\";", 6, 5, 2},        // é: one character, two bytes
        {"\xce\xb1\xce\xb2 = 1;", 1, 0, 4},    // a Greek name
        {"\"\xf0\x9f\x98\x80\" + k", 8, 9, 1}, // after an emoji (two units)
        {"a\xe2\x86\x92", 9, 1, 3},            // the last character past the end, whole
        {"", 1, 0, 0},                         // an empty line: nothing
    };
    for (const CCase& c : cases) {
        std::size_t nOffset = CPlan::ColumnOffset(c.m_strLine, c.m_nColumn, true);
        const std::size_t nLength = CPlan::TokenLength(c.m_strLine, nOffset, true);
        EXPECT_EQ(nOffset, c.m_nOffset) << c.m_strLine << " column " << c.m_nColumn;
        EXPECT_EQ(nLength, c.m_nLength) << c.m_strLine << " column " << c.m_nColumn;
    }
}
