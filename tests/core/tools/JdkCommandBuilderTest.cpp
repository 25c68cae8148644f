#include "core/tools/JdkCommandBuilder.h"

#include <gtest/gtest.h>

using CWords = std::vector<std::string>;

TEST(ToolsJdkCommandBuilder, BuildCompilesTheMainFileWithTheProjectSwitches)
{
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::BuildProject("/opt/jdk", "Hello.java", "/work/Hello.java", "", "-g", cmd, strError));
    EXPECT_EQ(cmd.m_strProgram, "/opt/jdk/bin/javac");
    EXPECT_EQ(cmd.m_strFolder, "/work");
    EXPECT_EQ(cmd.m_strCommandLine, "javac Hello.java -g");
    EXPECT_TRUE(cmd.m_bSetsTitle);
    EXPECT_EQ(cmd.m_strTitle, "Building \"/work/Hello.java\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "Hello.java", "-g"}));

    // No switches: no trailing blank, and file names keep their blanks.
    ASSERT_TRUE(
        CJdkCommandBuilder::BuildProject("C:\\jdk", "My App.java", "C:\\my work\\My App.java", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "javac My App.java");
    EXPECT_EQ(cmd.m_strFolder, "C:\\my work");
    EXPECT_EQ(cmd.m_strTitle, "Building \"C:\\my work\\My App.java\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "My App.java"}));

    ASSERT_TRUE(
        CJdkCommandBuilder::BuildProject("/jdk", "A.java", "/p/A.java", "", "-d \"out dir\"  -Xlint", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "javac A.java -d \"out dir\"  -Xlint");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "A.java", "-d", "out dir", "-Xlint"}));
}

TEST(ToolsJdkCommandBuilder, BuildAndRunRefuseAMissingOrUnresolvedMainFile)
{
    CToolCommand cmd;
    std::string strError;
    EXPECT_FALSE(CJdkCommandBuilder::BuildProject("/jdk", "", "", "", "", cmd, strError));
    EXPECT_EQ(strError, "Please specify a main Java file first");
    EXPECT_FALSE(cmd.m_bSetsTitle);
    EXPECT_FALSE(CJdkCommandBuilder::BuildProject("/jdk", "Gone.java", "NOFILE", "", "", cmd, strError));
    EXPECT_EQ(strError, "Unholy Error");
    EXPECT_FALSE(cmd.m_bSetsTitle);

    strError.clear();
    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "", "", "", "", cmd, strError));
    EXPECT_EQ(strError, "Please specify a main Java file first");
    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "Gone.java", "NOFILE", "", "", cmd, strError));
    EXPECT_EQ(strError, "Unholy Error");
    EXPECT_FALSE(cmd.m_bSetsTitle);
}

TEST(ToolsJdkCommandBuilder, CompileUsesTheDefaultSwitchesAndSetsTheTitleFirst)
{
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::CompileFile("/opt/jdk", "/src/app/Util.java", "", "-deprecation", cmd, strError));
    EXPECT_EQ(cmd.m_strProgram, "/opt/jdk/bin/javac");
    EXPECT_EQ(cmd.m_strFolder, "/src/app");
    EXPECT_EQ(cmd.m_strCommandLine, "javac Util.java -deprecation");
    EXPECT_EQ(cmd.m_strTitle, "Compiling \"/src/app/Util.java\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "Util.java", "-deprecation"}));

    ASSERT_TRUE(CJdkCommandBuilder::CompileFile("/opt/jdk", "/src/Util.java", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "javac Util.java");

    EXPECT_FALSE(CJdkCommandBuilder::CompileFile("/opt/jdk", "Untitled", "", "", cmd, strError));
    EXPECT_EQ(strError, "Unholy Error");
    EXPECT_TRUE(cmd.m_bSetsTitle);
    EXPECT_EQ(cmd.m_strTitle, "Compiling \"Untitled\"");
}

TEST(ToolsJdkCommandBuilder, RunJavaCommandLineAndTitle)
{
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::RunJava("/opt/jdk", "Hello.java", "/work/Hello.java", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strProgram, "/opt/jdk/bin/java");
    EXPECT_EQ(cmd.m_strFolder, "/work");
    EXPECT_EQ(cmd.m_strCommandLine, "java  Hello");
    EXPECT_EQ(cmd.m_strTitle, "java  Hello");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "Hello"}));

    CJdkCommandBuilder::AppendRunArguments(cmd, "x y");
    EXPECT_EQ(cmd.m_strCommandLine, "java  Hello x y");
    EXPECT_EQ(cmd.m_strTitle, "java  Hello");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "Hello", "x", "y"}));

    ASSERT_TRUE(
        CJdkCommandBuilder::RunJava("/jdk", "Main.java", "/w/com/acme/Main.java", "-Xmx64m -ea", "com.acme", cmd, strError));
    EXPECT_EQ(cmd.m_strFolder, "/w");
    EXPECT_EQ(cmd.m_strCommandLine, "java -Xmx64m -ea com.acme.Main");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "-Xmx64m", "-ea", "com.acme.Main"}));
    CJdkCommandBuilder::AppendRunArguments(cmd, "");
    EXPECT_EQ(cmd.m_strCommandLine, "java -Xmx64m -ea com.acme.Main ");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "-Xmx64m", "-ea", "com.acme.Main"}));
    CJdkCommandBuilder::AppendRunArguments(cmd, "\"two words\" \\\"q\\\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "-Xmx64m", "-ea", "com.acme.Main", "two words", "\"q\""}));

    // A main file without an extension leaves no class name.
    ASSERT_TRUE(CJdkCommandBuilder::RunJava("/jdk", "Hello", "/w/Hello", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "java  ");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java"}));
    ASSERT_TRUE(CJdkCommandBuilder::RunJava("/jdk", "Hello", "/w/pkg/Hello", "", "pkg", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "java  pkg.");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "pkg."}));
}

TEST(ToolsJdkCommandBuilder, MainClassNameStopsAtTheLastDot)
{
    EXPECT_EQ(CJdkCommandBuilder::MainClassName("Hello.java"), "Hello");
    EXPECT_EQ(CJdkCommandBuilder::MainClassName("Hello.old.java"), "Hello.old");
    EXPECT_EQ(CJdkCommandBuilder::MainClassName("Hello.JAVA"), "Hello");
    EXPECT_EQ(CJdkCommandBuilder::MainClassName("Hello"), "");
    EXPECT_EQ(CJdkCommandBuilder::MainClassName(".java"), "");
}

TEST(ToolsJdkCommandBuilder, AppletViewerGetsThePageName)
{
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::RunApplet("C:\\jdk", "C:\\web\\Example1.html", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "appletviewer \"\\Example1.html\"");
    EXPECT_EQ(cmd.m_strFolder, "C:\\web");
    EXPECT_EQ(cmd.m_strTitle, "AppletViewer: \"C:\\web\\Example1.html\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"appletviewer", "Example1.html"}));

    ASSERT_TRUE(CJdkCommandBuilder::RunApplet("/opt/jdk", "/home/u/web site/Page One.html", cmd, strError));
    EXPECT_EQ(cmd.m_strProgram, "/opt/jdk/bin/appletviewer");
    EXPECT_EQ(cmd.m_strCommandLine, "appletviewer \"/Page One.html\"");
    EXPECT_EQ(cmd.m_strFolder, "/home/u/web site");
    EXPECT_EQ(cmd.GetWords(), (CWords{"appletviewer", "Page One.html"}));

    EXPECT_FALSE(CJdkCommandBuilder::RunApplet("/opt/jdk", "", cmd, strError));
    EXPECT_EQ(strError, "Please save the file (path unreadable).");
    EXPECT_FALSE(cmd.m_bSetsTitle);
}

TEST(ToolsJdkCommandBuilder, FileNamesThatLookLikeOptionsGetTheirFolder)
{
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::CompileFile("/jdk", "/w/-version", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strFolder, "/w");
    EXPECT_EQ(cmd.m_strCommandLine, "javac ./-version");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "./-version"}));

    ASSERT_TRUE(CJdkCommandBuilder::CompileFile("/jdk", "/w/@opts.txt", "", "-g", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "javac ./@opts.txt -g");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "./@opts.txt", "-g"}));

    ASSERT_TRUE(CJdkCommandBuilder::BuildProject("/jdk", "-J-version.java", "/w/-J-version.java", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "javac ./-J-version.java");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "./-J-version.java"}));

    // Only the first character counts.
    ASSERT_TRUE(CJdkCommandBuilder::CompileFile("/jdk", "/w/a-b@c.java", "", "", cmd, strError));
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "a-b@c.java"}));

    ASSERT_TRUE(CJdkCommandBuilder::RunApplet("/jdk", "/w/-Jx.html", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "appletviewer \"./-Jx.html\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"appletviewer", "./-Jx.html"}));
    ASSERT_TRUE(CJdkCommandBuilder::RunApplet("/jdk", "/w/@page.html", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "appletviewer \"./@page.html\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"appletviewer", "./@page.html"}));
}

TEST(ToolsJdkCommandBuilder, RunRefusesAMainClassThatIsNotAJavaName)
{
    CToolCommand cmd;
    std::string strError;
    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "-J-version.java", "/w/-J-version.java", "", "", cmd, strError));
    EXPECT_EQ(strError, "Cannot run \"-J-version\": a main class name is Java identifiers separated by dots.");
    EXPECT_FALSE(cmd.m_bSetsTitle);
    EXPECT_TRUE(cmd.GetWords().empty());

    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "@args.java", "/w/@args.java", "", "", cmd, strError));
    EXPECT_EQ(strError, "Cannot run \"@args\": a main class name is Java identifiers separated by dots.");
    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "My App.java", "/w/My App.java", "", "", cmd, strError));
    EXPECT_EQ(strError, "Cannot run \"My App\": a main class name is Java identifiers separated by dots.");
    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "1st.java", "/w/1st.java", "", "", cmd, strError));
    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "a..b.java", "/w/a..b.java", "", "", cmd, strError));
    EXPECT_FALSE(CJdkCommandBuilder::RunJava("/jdk", "Main.java", "/w/Main.java", "", "-cp", cmd, strError));
    EXPECT_EQ(strError, "Cannot run \"-cp.Main\": a main class name is Java identifiers separated by dots.");

    // Letters, digits, '$', '_' and letters beyond ASCII make a name.
    ASSERT_TRUE(CJdkCommandBuilder::RunJava("/jdk", "$_a1.B2.java", "/w/p_1/q/$_a1.B2.java", "", "p_1.q", cmd, strError));
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "p_1.q.$_a1.B2"}));
    ASSERT_TRUE(CJdkCommandBuilder::RunJava("/jdk", "Grüße.java", "/w/Grüße.java", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "java  Grüße");
    EXPECT_EQ(cmd.GetWords(), (CWords{"java", "Grüße"}));
}

#ifndef _WIN32
TEST(ToolsJdkCommandBuilder, ABackslashIsPartOfTheFileName)
{
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::CompileFile("/jdk", "/home/u/x\\Hello.java", "", "", cmd, strError));
    EXPECT_EQ(cmd.m_strFolder, "/home/u");
    EXPECT_EQ(cmd.m_strCommandLine, "javac x\\Hello.java");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "x\\Hello.java"}));
    ASSERT_TRUE(CJdkCommandBuilder::RunApplet("/jdk", "/home/u/w\\Page.html", cmd, strError));
    EXPECT_EQ(cmd.m_strFolder, "/home/u");
    EXPECT_EQ(cmd.m_strCommandLine, "appletviewer \"/w\\Page.html\"");
    EXPECT_EQ(cmd.GetWords(), (CWords{"appletviewer", "w\\Page.html"}));
}
#endif
