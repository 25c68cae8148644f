#include "core/tools/JavacDiagnostics.h"

#include "tests/core/tools/JavacSamples.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
// The folder javac is taken to have run in; the captures ran in sources/proj.
const std::string kFolder = "/home/dev/proj";

using JavacSamples::WithCrLf;

// One block per diagnostic: "kind file:line:column", then each message line
// after "| ", so leading blanks show.
std::string Describe(const std::vector<CJavacDiagnostic>& vecDiagnostics)
{
    std::string strText;
    for (const CJavacDiagnostic& diagnostic : vecDiagnostics) {
        strText += std::string(CJavacDiagnostics::KindName(diagnostic.m_eKind)) + " " + diagnostic.m_strFile + ":" +
                   std::to_string(diagnostic.m_nLine) + ":" + std::to_string(diagnostic.m_nColumn) + "\n";
        std::istringstream lines(diagnostic.m_strMessage);
        for (std::string strLine; std::getline(lines, strLine);)
            strText += "| " + strLine + "\n";
    }
    return strText;
}


CJavacDiagnostic Make(const std::string& strFile, int nLine, int nColumn, EDiagnosticKind eKind,
                      const std::string& strMessage)
{
    CJavacDiagnostic diagnostic;
    diagnostic.m_strFile = strFile;
    diagnostic.m_nLine = nLine;
    diagnostic.m_nColumn = nColumn;
    diagnostic.m_eKind = eKind;
    diagnostic.m_strMessage = strMessage;
    return diagnostic;
}
} // namespace

// Real javac output captured by tests/data/javac/capture.sh, against the
// parse kept beside it: javac 17 at the top, javac 25 under 25/ (its option
// warnings run over three lines, and its lint names differ).
TEST(JavacDiagnosticsTest, CapturedOutputsParseAsTheirGoldenFiles)
{
    for (const std::string strCase :
         {"syntax", "symbols", "verbose", "lint", "notes", "outside", "tabs", "nofile", "25/syntax", "25/symbols",
          "25/verbose", "25/lint", "25/notes", "25/outside", "25/tabs", "25/nofile"}) {
        SCOPED_TRACE(strCase);
        const std::string strOutput = JavacSamples::Read(strCase + ".out");
        ASSERT_FALSE(strOutput.empty());
        const std::string strExpected = JavacSamples::Read(strCase + ".expected");
        EXPECT_EQ(Describe(CJavacDiagnostics::Parse(strOutput, kFolder)), strExpected);
        // The same text with the window's line ends reads the same.
        EXPECT_EQ(Describe(CJavacDiagnostics::Parse(WithCrLf(strOutput), kFolder)), strExpected);
    }
}

TEST(JavacDiagnosticsTest, SymbolNotFoundKeepsItsSymbolAndLocationLines)
{
    const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(JavacSamples::Read("symbols.out"), kFolder);
    ASSERT_EQ(vecDiagnostics.size(), 6u);
    EXPECT_EQ(vecDiagnostics[1], Make("/home/dev/proj/Symbols.java", 6, 28, EDiagnosticKind::Error,
                                      "cannot find symbol\n  symbol:   variable missing\n  location: class Symbols"));
    EXPECT_EQ(vecDiagnostics[5], Make("", 0, 0, EDiagnosticKind::Note,
                                      "Some messages have been simplified; recompile with -Xdiags:verbose to get "
                                      "full output"));
}

TEST(JavacDiagnosticsTest, TabsBeforeTheCaretCountOneColumnEach)
{
    const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(JavacSamples::Read("tabs.out"), kFolder);
    ASSERT_EQ(vecDiagnostics.size(), 2u);
    // "\t\tint\tvalue = \"text\";": the string starts at index 14.
    EXPECT_EQ(vecDiagnostics[0].m_nColumn, 15);
    // "\t \tSystem.out.println(valu);": valu starts at index 22.
    EXPECT_EQ(vecDiagnostics[1].m_nColumn, 23);
}

TEST(JavacDiagnosticsTest, FilesAreMadeAbsoluteAgainstTheFolderJavacRanIn)
{
    const std::vector<CJavacDiagnostic> vecOutside = CJavacDiagnostics::Parse(JavacSamples::Read("outside.out"), kFolder);
    ASSERT_EQ(vecOutside.size(), 1u);
    EXPECT_EQ(vecOutside[0], Make("/home/dev/lib/util/Other.java", 5, 25, EDiagnosticKind::Error, "';' expected"));

    const std::string strOutput = "/abs/A.java:2: warning: w\nsub/B.java:3: error: e\n";
    const std::vector<CJavacDiagnostic> vecNames = CJavacDiagnostics::Parse(strOutput, "/work/p/");
    ASSERT_EQ(vecNames.size(), 2u);
    EXPECT_EQ(vecNames[0].m_strFile, "/abs/A.java");
    EXPECT_EQ(vecNames[1].m_strFile, "/work/p/sub/B.java");
}

TEST(JavacDiagnosticsTest, CountsAndOtherLinesAreNotDiagnostics)
{
    EXPECT_TRUE(CJavacDiagnostics::Parse("", kFolder).empty());
    EXPECT_TRUE(CJavacDiagnostics::Parse("1 error\n2 warnings\n100 errors\n", kFolder).empty());
    // Lines before the first message belong to none; a count ends a message.
    const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(
        "starting\nA.java:1: error: one\n  more\n1 error\nafter\nonly showing the first 1 errors, of 2 total\n",
        kFolder);
    ASSERT_EQ(vecDiagnostics.size(), 1u);
    EXPECT_EQ(vecDiagnostics[0], Make("/home/dev/proj/A.java", 1, 0, EDiagnosticKind::Error, "one\n  more"));
}

TEST(JavacDiagnosticsTest, ASourceLineThatLooksLikeAHeadLineIsTheSourceLine)
{
    const std::string strOutput = "A.java:4: error: unclosed string literal\n"
                                  "String s = \"B.java:9: error: x\n"
                                  "           ^\n"
                                  "C:\\x\\D.java:7: warning: [cast] redundant cast\n"
                                  "int n = (int) 3;\n"
                                  "        ^\n"
                                  "A.java:5: error: on an empty line\n"
                                  "\n"
                                  "^\n";
    const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(strOutput, "/p");
    ASSERT_EQ(vecDiagnostics.size(), 3u);
    EXPECT_EQ(vecDiagnostics[0], Make("/p/A.java", 4, 12, EDiagnosticKind::Error, "unclosed string literal"));
    // A colon in the file name is part of it.
    EXPECT_EQ(vecDiagnostics[1], Make("/p/C:\\x\\D.java", 7, 9, EDiagnosticKind::Warning, "[cast] redundant cast"));
    EXPECT_EQ(vecDiagnostics[2], Make("/p/A.java", 5, 1, EDiagnosticKind::Error, "on an empty line"));

    // A caret with text after it is a line of the message, not javac's caret.
    const std::vector<CJavacDiagnostic> vecText =
        CJavacDiagnostics::Parse("A.java:3: error: bad\n  int y;\n  ^ here\n1 error\n", "/p");
    ASSERT_EQ(vecText.size(), 1u);
    EXPECT_EQ(vecText[0], Make("/p/A.java", 3, 0, EDiagnosticKind::Error, "bad\n  int y;\n  ^ here"));

    // A message without a file has no column, even under a caret line.
    const std::vector<CJavacDiagnostic> vecNoFile =
        CJavacDiagnostics::Parse("error: no source\n  src\n  ^\n1 error\n", "/p");
    ASSERT_EQ(vecNoFile.size(), 1u);
    EXPECT_EQ(vecNoFile[0], Make("", 0, 0, EDiagnosticKind::Error, "no source"));
}

TEST(JavacDiagnosticsTest, TenThousandDiagnosticsAreAllRead)
{
    std::string strOutput;
    for (int nIndex = 1; nIndex <= 10000; ++nIndex) {
        const std::string strFile = "F" + std::to_string(nIndex % 7) + ".java";
        strOutput += strFile + ":" + std::to_string(nIndex) + ": error: cannot find symbol\r\n";
        strOutput += "        int v = x" + std::to_string(nIndex) + ";\r\n";
        strOutput += std::string(8 + nIndex % 40, ' ') + "^\r\n";
        strOutput += "  symbol:   variable x" + std::to_string(nIndex) + "\r\n  location: class F\r\n";
    }
    strOutput += "10000 errors\r\n";
    const std::vector<CJavacDiagnostic> vecDiagnostics = CJavacDiagnostics::Parse(strOutput, "/big");
    ASSERT_EQ(vecDiagnostics.size(), 10000u);
    for (int nIndex = 1; nIndex <= 10000; ++nIndex) {
        const CJavacDiagnostic& diagnostic = vecDiagnostics[static_cast<std::size_t>(nIndex - 1)];
        ASSERT_EQ(
            diagnostic,
            Make("/big/F" + std::to_string(nIndex % 7) + ".java", nIndex, 9 + nIndex % 40, EDiagnosticKind::Error,
                 "cannot find symbol\n  symbol:   variable x" + std::to_string(nIndex) + "\n  location: class F"));
    }
}
