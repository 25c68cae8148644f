#include "core/tools/StackTraceJump.h"
#include "core/tools/StackTraceLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
std::string ReadCapture(const std::string& strName)
{
    std::ifstream in(std::string(TARNWICK_GOLDEN_DIR) + "/stacktrace/" + strName, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> SplitLines(const std::string& strText, const std::string& strEnd = "\n")
{
    std::vector<std::string> lines;
    std::size_t nStart = 0;
    for (std::size_t nEnd; (nEnd = strText.find('\n', nStart)) != std::string::npos; nStart = nEnd + 1)
        lines.push_back(strText.substr(nStart, nEnd - nStart) + (strEnd == "\r\n" ? "\r" : ""));
    if (nStart < strText.size())
        lines.push_back(strText.substr(nStart));
    return lines;
}

std::optional<CStackTraceLine> Open(const std::vector<std::string>& lines, int nIndex)
{
    return CStackTraceJump::FrameToOpen(
        static_cast<int>(lines.size()), [&lines](int n) { return lines.at(static_cast<std::size_t>(n)); }, nIndex);
}

// "class.method file:line", or "-" when the line leads nowhere.
std::string Describe(const std::optional<CStackTraceLine>& frame)
{
    if (!frame)
        return "-";
    return frame->m_strClass + "." + frame->m_strMethod + " " + frame->m_strFileName + ":" +
           std::to_string(frame->m_nLine);
}

// One "index: where it leads" line per output line.
std::string DescribeAll(const std::vector<std::string>& lines)
{
    std::string strText;
    for (int nIndex = 0; nIndex < static_cast<int>(lines.size()); ++nIndex)
        strText += std::to_string(nIndex) + ": " + Describe(Open(lines, nIndex)) + "\n";
    return strText;
}
} // namespace

// What a real program printed (tests/data/stacktrace/capture.sh runs the
// sample in sources/ with JDK 17 and JDK 25): a caught trace whose cause has
// a suppressed exception and a cause of its own, each with "... N more"; an
// uncaught exception in another thread; one through reflection. The
// expected files give, line by line, the frame a double-click opens.
TEST(StackTraceJumpCaptures, EveryLineLeadsWhereTheExpectedFileSays)
{
    for (const std::string strName : {"jdk17", "jdk25"}) {
        SCOPED_TRACE(strName);
        const std::string strOutput = ReadCapture(strName + ".out");
        ASSERT_FALSE(strOutput.empty());
        const std::string strExpected = ReadCapture(strName + ".expected");
        EXPECT_EQ(DescribeAll(SplitLines(strOutput)), strExpected);
        // The lines as kept with the CR of CR LF line ends lead to the same places.
        EXPECT_EQ(DescribeAll(SplitLines(strOutput, "\r\n")), strExpected);
    }
}

TEST(StackTraceLineParse, FramesWithTheirClassMethodAndPlace)
{
    struct CCase {
        const char* m_pszLine;
        const char* m_pszExpected; // depth class method file line
    };
    const CCase cases[] = {
        {"\tat pkg.sub.Cls.method(Cls.java:12)", "1 pkg.sub.Cls method Cls.java 12"},
        {"\tat java.base/java.lang.Thread.run(Thread.java:840)", "1 java.lang.Thread run Thread.java 840"},
        {"\tat app@1.0/pkg.Cls.m(Cls.java:9)", "1 pkg.Cls m Cls.java 9"},
        {"\tat com.foo.loader/foo@9.0/com.foo.Main.run(Main.java:101)", "1 com.foo.Main run Main.java 101"},
        {"\tat app//pkg.Cls.m(Cls.java:2)", "1 pkg.Cls m Cls.java 2"},
        {"\tat pkg.Outer$Inner.m(Outer.java:5)", "1 pkg.Outer$Inner m Outer.java 5"},
        {"\tat pkg.Cls.lambda$main$0(Cls.java:7)", "1 pkg.Cls lambda$main$0 Cls.java 7"},
        {"\tat pkg.Cls.<init>(Cls.java:3)", "1 pkg.Cls <init> Cls.java 3"},
        {"\tat pkg.Cls.<clinit>(Cls.java:1)", "1 pkg.Cls <clinit> Cls.java 1"},
        {"\tat Cls.main(Cls.java:4)", "1 Cls main Cls.java 4"},
        {"\t\t\tat Cls.main(Cls.java:4)\r", "3 Cls main Cls.java 4"},
        {"at Cls.main(Cls.java:4)", "0 Cls main Cls.java 4"},
        // A logger's note after the place is no part of it.
        {"\tat pkg.Cls.m(Cls.java:8) ~[app.jar:?]", "1 pkg.Cls m Cls.java 8"},
        // No place to open.
        {"\tat java.base/jdk.internal.reflect.NativeMethodAccessorImpl.invoke0(Native Method)",
         "1 jdk.internal.reflect.NativeMethodAccessorImpl invoke0  0"},
        {"\tat pkg.Cls.m(Unknown Source)", "1 pkg.Cls m  0"},
        {"\tat pkg.Cls.m(Cls.java)", "1 pkg.Cls m  0"},
        {"\tat pkg.Cls.m(Cls.java:0)", "1 pkg.Cls m  0"},
        {"\tat pkg.Cls.m(Cls.java:-3)", "1 pkg.Cls m  0"},
        {"\tat pkg.Cls.m(Cls.java:99999999999)", "1 pkg.Cls m  0"},
        {"\tat java.base/java.lang.invoke.LambdaForm$DMH/0x0000000800c0c000.invokeStatic(LambdaForm$DMH)",
         "1 java.lang.invoke.LambdaForm$DMH invokeStatic  0"},
        {"\tat pkg.Main$$Lambda/0x000071d0a8003000.run(Unknown Source)", "1 pkg.Main$$Lambda run  0"},
    };
    for (const CCase& test : cases) {
        SCOPED_TRACE(test.m_pszLine);
        const std::optional<CStackTraceLine> line = CStackTraceLine::Parse(test.m_pszLine);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->m_eKind, EStackLineKind::Frame);
        EXPECT_EQ(std::to_string(line->m_nDepth) + " " + line->m_strClass + " " + line->m_strMethod + " " +
                      line->m_strFileName + " " + std::to_string(line->m_nLine),
                  test.m_pszExpected);
        EXPECT_EQ(line->HasPlace(), line->m_nLine > 0);
    }
}

TEST(StackTraceLineParse, HeadsAndLeftOutCounts)
{
    auto line = CStackTraceLine::Parse("Caused by: pkg.SomeException: message");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->m_eKind, EStackLineKind::CausedBy);
    EXPECT_EQ(line->m_nDepth, 0);
    EXPECT_FALSE(line->HasPlace());

    line = CStackTraceLine::Parse("\t\tCaused by: java.io.IOException");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->m_eKind, EStackLineKind::CausedBy);
    EXPECT_EQ(line->m_nDepth, 2);

    line = CStackTraceLine::Parse("\tSuppressed: pkg.Closing: failed");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->m_eKind, EStackLineKind::Suppressed);
    EXPECT_EQ(line->m_nDepth, 1);

    line = CStackTraceLine::Parse("\t... 3 more");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->m_eKind, EStackLineKind::More);
    EXPECT_EQ(line->m_nDepth, 1);
    EXPECT_EQ(line->m_nMore, 3);

    line = CStackTraceLine::Parse("\t\t... 1024 more\r");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->m_nDepth, 2);
    EXPECT_EQ(line->m_nMore, 1024);
}

TEST(StackTraceLineParse, OtherLinesAreNoneOfATrace)
{
    for (const char* pszLine : {"",
                                "\t",
                                "Exception in thread \"main\" java.lang.IllegalStateException: x",
                                "java.lang.Error",
                                "at noon we eat",
                                "\tat (Cls.java:3)",
                                "\tat Cls(Cls.java:3)",
                                "\tat pkg.Cls.(Cls.java:3)",
                                "\tat pkg.Cls.m",
                                "\tat pkg.Cls.m)Cls.java:3(",
                                "\tat /.m(Cls.java:3)",
                                "\t... 0 more",
                                "\t... more",
                                "\t...  more",
                                "\t... x more",
                                "\t... 3 more!",
                                "caused by: x",
                                "Caused by:x",
                                "  at pkg.Cls.m(Cls.java:3)",
                                "Exit code: 1"}) {
        SCOPED_TRACE(pszLine);
        EXPECT_FALSE(CStackTraceLine::Parse(pszLine));
    }
}

// Traces written out here for what a capture does not show.
TEST(StackTraceJumpWalks, CausesFindTheirFramesPastMessagesAndLeftOutFrames)
{
    const std::vector<std::string> lines = {
        "Exception in thread \"main\" pkg.Top: outer",   // 0
        "\tat pkg.A.top(A.java:10)",                     // 1
        "\tat pkg.A.mid(A.java:20)",                     // 2
        "\tat pkg.A.main(A.java:30)",                    // 3
        "Caused by: pkg.Middle: first line",             // 4
        "second line of the message",                    // 5
        "\tat java.base/pkg.Native.call(Native Method)", // 6
        "\t... 2 more",                                  // 7
        "Caused by: pkg.Inner",                          // 8
        "\t... 2 more",                                  // 9
        "\tSuppressed: pkg.Closing",                     // 10
        "\t\tat pkg.C.close(C.java:5)",                  // 11
        "\t\tat pkg.C.use(C.java:6)",                    // 12
        "\t\t... 1 more",                                // 13
        "\tCaused by: pkg.Deep",                         // 14
        "\t\tat pkg.D.deep(D.java:7)",                   // 15
        "\t\t... 2 more",                                // 16
        "Exit code: 1",                                  // 17
    };
    // Its only frame has no place: the first of the two left out, line 2.
    EXPECT_EQ(Describe(Open(lines, 4)), "pkg.A.mid A.java:20");
    EXPECT_EQ(Describe(Open(lines, 7)), "pkg.A.mid A.java:20");
    EXPECT_EQ(Describe(Open(lines, 5)), "-");
    EXPECT_EQ(Describe(Open(lines, 6)), "-");
    // Every frame left out: the last two of Middle's three, whose last two
    // are in turn the top trace's last two.
    EXPECT_EQ(Describe(Open(lines, 8)), "pkg.A.mid A.java:20");
    EXPECT_EQ(Describe(Open(lines, 9)), "pkg.A.mid A.java:20");
    // Inner's suppressed exception: its left-out frame is Inner's last,
    // which Inner left out too: the top trace's last.
    EXPECT_EQ(Describe(Open(lines, 10)), "pkg.C.close C.java:5");
    EXPECT_EQ(Describe(Open(lines, 13)), "pkg.A.main A.java:30");
    // The suppressed exception's cause: its two left out are the last two of
    // the suppressed exception's three.
    EXPECT_EQ(Describe(Open(lines, 14)), "pkg.D.deep D.java:7");
    EXPECT_EQ(Describe(Open(lines, 16)), "pkg.C.use C.java:6");
    EXPECT_EQ(Describe(Open(lines, 17)), "-");
    EXPECT_EQ(Describe(Open(lines, -1)), "-");
    EXPECT_EQ(Describe(Open(lines, 18)), "-");
}

TEST(StackTraceJumpWalks, BrokenTracesLeadNowhere)
{
    // Output cut off above the enclosing trace, counts larger than what is
    // shown, a head with no frames at all.
    const std::vector<std::string> lines = {
        "\t... 4 more",                 // 0
        "Caused by: pkg.Lost",          // 1
        "\tat pkg.A.f(Unknown Source)", // 2
        "\t... 9 more",                 // 3
        "Caused by: pkg.Empty",         // 4
        "Caused by: pkg.Last",          // 5
        "\t... 1 more",                 // 6
    };
    for (int nIndex = 0; nIndex < static_cast<int>(lines.size()); ++nIndex) {
        SCOPED_TRACE(nIndex);
        EXPECT_EQ(Describe(Open(lines, nIndex)), "-");
    }
    // A line count shorter than the lines the reader could give is kept to.
    const std::vector<std::string> cut = {"Caused by: pkg.X", "\tat pkg.A.f(A.java:1)"};
    EXPECT_EQ(Describe(CStackTraceJump::FrameToOpen(
                  1, [&cut](int n) { return cut.at(static_cast<std::size_t>(n)); }, 0)),
              "-");
    EXPECT_EQ(Describe(Open(cut, 0)), "pkg.A.f A.java:1");

    // A head one tab off is not the head of the frames under it, so their
    // count leads nowhere rather than into the trace above.
    const std::vector<std::string> offHead = {
        "Exception in thread \"main\" pkg.Top", // 0
        "\tat pkg.A.top(A.java:10)",            // 1
        "\tat pkg.A.main(A.java:30)",           // 2
        "\tCaused by: pkg.Odd",                 // 3
        "\tat pkg.B.f(Native Method)",          // 4
        "\t... 1 more",                         // 5
    };
    EXPECT_EQ(Describe(Open(offHead, 5)), "-");

    // A count one tab off is not the trace's: the head has only its own frame.
    const std::vector<std::string> offCount = {
        "Exception in thread \"main\" pkg.Top", // 0
        "\tat pkg.A.top(A.java:10)",            // 1
        "\tat pkg.A.main(A.java:30)",           // 2
        "Caused by: pkg.Inner",                 // 3
        "\tat pkg.B.f(Native Method)",          // 4
        "\t\t... 1 more",                       // 5
    };
    EXPECT_EQ(Describe(Open(offCount, 3)), "-");
    EXPECT_EQ(Describe(Open(offCount, 5)), "-");
}
