#include "core/tools/CompilerMessagePlan.h"

#include "core/tools/DiagnosticsByFile.h"
#include "core/tools/JavacDiagnostics.h"
#include "tests/core/tools/JavacSamples.h"

#include <gtest/gtest.h>


namespace {
// The captures ran in sources/proj, whose files exist, so their paths resolve.
const std::string kProj = JavacSamples::kFolder + "/sources/proj";
using JavacSamples::WithCrLf;

// A javac run over in kProj: a Build when strCompiledFile is empty, else a Compile of it.
CFinishedRun JavacRun(const std::string& strOutput, const std::string& strCompiledFile = "")
{
    CFinishedRun run;
    run.m_command.m_strProgram = "/usr/lib/jvm/default-java/bin/javac";
    run.m_command.m_strFolder = kProj;
    run.m_command.m_bJavacMessages = true;
    run.m_command.m_strCompiledFile = strCompiledFile;
    run.m_strToolOutput = WithCrLf(strOutput);
    run.m_exitCode = 1;
    run.m_strClosingLines = "Exit code: 1\r\nThere were errors";
    run.m_eVerdict = ERunVerdict::Errors;
    return run;
}

// The messages of the output that name strFile, as javac read alone gives them.
std::vector<CJavacDiagnostic> MessagesOf(const std::string& strOutput, const std::string& strFile)
{
    std::vector<CJavacDiagnostic> vecOf;
    for (const CJavacDiagnostic& diagnostic : CJavacDiagnostics::Parse(strOutput, kProj))
        if (diagnostic.m_strFile == strFile)
            vecOf.push_back(diagnostic);
    return vecOf;
}

using CPlan = std::vector<CCompilerMessagePlan::CFileMessages>;
} // namespace

TEST(ToolsCompilerMessagePlan, ABuildSpeaksForEveryOpenFileAndClearsThoseItDoesNotName)
{
    const std::string strOutput = JavacSamples::Read("symbols.out") + JavacSamples::Read("syntax.out");
    const std::vector<std::string> vecOpen = {kProj + "/Main.java", kProj + "/Symbols.java", "",
                                              kProj + "/Broken.java"};
    const CPlan plan = CCompilerMessagePlan::Make(JavacRun(strOutput), vecOpen);

    ASSERT_EQ(plan.size(), 3u); // the untitled document is left alone
    EXPECT_EQ(plan[0].m_nPathIndex, 0u);
    EXPECT_TRUE(plan[0].m_vecMessages.empty()); // Main.java: its marks go
    EXPECT_EQ(plan[1].m_nPathIndex, 1u);
    ASSERT_EQ(plan[1].m_vecMessages.size(), 5u);
    EXPECT_EQ(plan[1].m_vecMessages, MessagesOf(strOutput, kProj + "/Symbols.java"));
    EXPECT_EQ(plan[1].m_vecMessages[1].m_nLine, 6);
    EXPECT_EQ(plan[1].m_vecMessages[1].m_nColumn, 28);
    EXPECT_EQ(plan[1].m_vecMessages[1].m_strMessage,
              "cannot find symbol\n  symbol:   variable missing\n  location: class Symbols");
    EXPECT_EQ(plan[2].m_nPathIndex, 3u);
    ASSERT_EQ(plan[2].m_vecMessages.size(), 1u);
    EXPECT_EQ(plan[2].m_vecMessages[0].m_strFile, kProj + "/Broken.java");
    EXPECT_EQ(plan[2].m_vecMessages[0].m_nLine, 3);
    EXPECT_EQ(plan[2].m_vecMessages[0].m_nColumn, 22);
    EXPECT_EQ(plan[2].m_vecMessages[0].m_strMessage, "';' expected");
}

TEST(ToolsCompilerMessagePlan, ACompileSpeaksForItsOwnFileAndTheFilesItsOutputNames)
{
    // Compiling Main.java also compiled the files it uses; one of them was wrong.
    const std::string strOutput = JavacSamples::Read("syntax.out");
    const std::vector<std::string> vecOpen = {kProj + "/Symbols.java", kProj + "/Main.java", kProj + "/Broken.java"};
    const CPlan plan = CCompilerMessagePlan::Make(JavacRun(strOutput, kProj + "/Main.java"), vecOpen);

    ASSERT_EQ(plan.size(), 2u); // Symbols.java keeps what it had
    EXPECT_EQ(plan[0].m_nPathIndex, 1u);
    EXPECT_TRUE(plan[0].m_vecMessages.empty());
    EXPECT_EQ(plan[1].m_nPathIndex, 2u);
    EXPECT_EQ(plan[1].m_vecMessages, MessagesOf(strOutput, kProj + "/Broken.java"));
}

TEST(ToolsCompilerMessagePlan, FilesAreMatchedUnderAnySpellingOfTheirPath)
{
    // javac named it from the project folder as ../lib/util/Other.java.
    const std::string strOutput = JavacSamples::Read("outside.out");
    const std::string strOther = JavacSamples::kFolder + "/sources/lib/util/Other.java";
    const std::vector<std::string> vecOpen = {JavacSamples::kFolder + "/sources/proj/../lib/./util/Other.java",
                                              kProj + "/Main.java"};
    const CPlan plan = CCompilerMessagePlan::Make(JavacRun(strOutput, kProj + "/./Main.java"), vecOpen);

    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].m_nPathIndex, 0u);
    ASSERT_EQ(plan[0].m_vecMessages.size(), 1u);
    EXPECT_EQ(CDiagnosticsByFile::RealPath(plan[0].m_vecMessages[0].m_strFile), CDiagnosticsByFile::RealPath(strOther));
    EXPECT_EQ(plan[0].m_vecMessages[0].m_nLine, 5);
    EXPECT_EQ(plan[1].m_nPathIndex, 1u); // the compiled file, under another spelling
    EXPECT_TRUE(plan[1].m_vecMessages.empty());
}

TEST(ToolsCompilerMessagePlan, RunsOtherThanJavacChangeNothing)
{
    CFinishedRun run = JavacRun(JavacSamples::Read("symbols.out"));
    run.m_command.m_bJavacMessages = false; // say, java printing javac-like lines
    EXPECT_TRUE(CCompilerMessagePlan::Make(run, {kProj + "/Symbols.java", kProj + "/Main.java"}).empty());
}

TEST(ToolsCompilerMessagePlan, NotesWithoutAPlaceGoOnNoFile)
{
    const std::string strOutput = JavacSamples::Read("notes.out");
    const CPlan plan = CCompilerMessagePlan::Make(JavacRun(strOutput), {kProj + "/Notes.java"});
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_TRUE(plan[0].m_vecMessages.empty());

    std::size_t nLeftOut = 99;
    const std::vector<CJavacDiagnostic> vecAll = CCompilerMessagePlan::ReadMessages(JavacRun(strOutput), nLeftOut);
    EXPECT_EQ(nLeftOut, 0u);
    EXPECT_EQ(vecAll, CJavacDiagnostics::Parse(strOutput, kProj));
    EXPECT_EQ(vecAll.size(), 5u);
}

TEST(ToolsCompilerMessagePlan, AfterDroppedOutputTheCutLineIsNotRead)
{
    // The kept output starts inside a head line: read alone, its rest would
    // pass for a message of a file "s.java".
    const std::string strOutput = "s.java:2: error: cut short\n" + JavacSamples::Read("syntax.out");
    CFinishedRun run = JavacRun(strOutput);
    run.m_command.m_bJavacMessages = true;
    run.m_strToolOutput = strOutput; // the command line keeps LF
    run.m_nDroppedBytes = 1000;
    std::size_t nLeftOut = 0;
    const std::vector<CJavacDiagnostic> vecRead = CCompilerMessagePlan::ReadMessages(run, nLeftOut);
    EXPECT_EQ(nLeftOut, 1000u + std::string("s.java:2: error: cut short\n").size());
    EXPECT_EQ(vecRead, CJavacDiagnostics::Parse(JavacSamples::Read("syntax.out"), kProj));

    const CPlan plan = CCompilerMessagePlan::Make(run, {kProj + "/s.java", kProj + "/Broken.java"});
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_TRUE(plan[0].m_vecMessages.empty());
    EXPECT_EQ(plan[1].m_vecMessages.size(), 1u);

    // Nothing dropped: the same text is read whole.
    run.m_nDroppedBytes = 0;
    EXPECT_EQ(CCompilerMessagePlan::ReadMessages(run, nLeftOut).size(), 2u);
    EXPECT_EQ(nLeftOut, 0u);

    // A kept text without any line break is all cut.
    run.m_strToolOutput = "A.java:1: error: no end";
    run.m_nDroppedBytes = 7;
    EXPECT_TRUE(CCompilerMessagePlan::ReadMessages(run, nLeftOut).empty());
    EXPECT_EQ(nLeftOut, 7u + run.m_strToolOutput.size());
}
