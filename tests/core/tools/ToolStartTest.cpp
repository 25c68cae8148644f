#include "core/tools/ExternalProcess.h"
#include "core/tools/ToolMessages.h"

#include "core/project/JavaProjectCore.h"
#include "core/settings/Settings.h"
#include "core/tools/ProjectCommands.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

using EStart = CExternalProcess::EStart;

namespace {
// A JDK folder holding the given tools as scripts that print their name.
void MakeJdk(const CScratchFolder& folder, std::initializer_list<const char*> tools)
{
    std::filesystem::create_directories(folder.File("bin"));
    for (const char* szTool : tools)
        folder.Write(std::string("bin/") + szTool, std::string("#!/bin/sh\nprintf ") + szTool + "\n", true);
}
} // namespace

TEST(ToolsToolStart, EachCommandAskedForDuringARunSaysWhatWaits)
{
    CSettings settings;
    settings.m_strJavaBin = "/opt/jdk";
    CJavaProjectCore project("", "");
    project.SetPathName("/work/demo/Demo.jpr");
    project.AddJavaFile("/work/demo/Hello.java");
    project.SetMainFile("Hello.java");

    const std::pair<CProjectCommands::CResult, std::string> cases[] = {
        {CProjectCommands::Build(project, settings), "building."},
        {CProjectCommands::Compile(settings, "/work/demo/Hello.java"), "compiling."},
        {CProjectCommands::Run(project, settings), "running the application."},
        {CProjectCommands::RunApplet(settings, "/work/demo/Hello.html"), "running the applet."},
        {CProjectCommands::CreateJar(project, settings, "/work/demo/Hello.jar"), "creating a jar."},
        {CProjectCommands::ListArchive(settings, "/work/demo/Hello.jar"), "listing an archive."},
    };
    for (const auto& [result, strEnd] : cases) {
        ASSERT_TRUE(result.m_bReady) << strEnd;
        EXPECT_EQ(CToolMessages::StartFailureText(EStart::StillRunning, result.m_command),
                  "A program is still running. Stop it before " + strEnd);
        EXPECT_EQ(CToolMessages::StartFailureText(EStart::Failed, result.m_command), "Failed to start process");
    }
}

TEST(ToolsToolStart, BusyRunnerRefusesWithoutTouchingTheRun)
{
    CScratchFolder jdk;
    ASSERT_FALSE(jdk.Path().empty());
    MakeJdk(jdk, {"javac", "appletviewer"});
    CSettings settings;
    settings.m_strJavaBin = jdk.Path();
    const CProjectCommands::CResult applet = CProjectCommands::RunApplet(settings, jdk.File("A.html"));
    ASSERT_TRUE(applet.m_bReady);

    CExternalProcess runner;
    ASSERT_TRUE(runner.Start("/bin/sh", {"sh", "-c", "printf first; exec tail -f /dev/null"}, ""));
    ASSERT_TRUE(WaitForOutputContaining(runner, "first"));
    EXPECT_EQ(runner.StartTool(applet.m_command), EStart::StillRunning);
    EXPECT_TRUE(runner.IsRunning());
    EXPECT_EQ(runner.GetOutput(), "first");
    runner.Terminate(CExternalProcess::kUserStopCode);
    ASSERT_TRUE(WaitForCapturedRun(runner));

    EXPECT_EQ(runner.StartTool(applet.m_command), EStart::Started);
    ASSERT_TRUE(WaitForCapturedRun(runner));
    EXPECT_EQ(runner.GetOutput(), "appletviewerExit code: 0\r\nNo Errors");
}

TEST(ToolsToolStart, AJdkWithoutAppletViewerIsToldFromAWrongJdkFolder)
{
    CScratchFolder jdk;
    ASSERT_FALSE(jdk.Path().empty());
    MakeJdk(jdk, {"javac", "java", "jar"});
    CSettings settings;
    settings.m_strJavaBin = jdk.Path();
    const CProjectCommands::CResult applet = CProjectCommands::RunApplet(settings, jdk.File("A.html"));
    ASSERT_TRUE(applet.m_bReady);

    CExternalProcess runner;
    EXPECT_EQ(runner.StartTool(applet.m_command), EStart::NoAppletViewer);
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_EQ(CToolMessages::StartFailureText(EStart::NoAppletViewer, applet.m_command),
              "This JDK has no appletviewer: it was removed in JDK 11. Open In Web Browser shows the page.");

    // No compiler either: not a JDK, so the folder is wrong.
    settings.m_strJavaBin = jdk.File("nojdk");
    const CProjectCommands::CResult wrong = CProjectCommands::RunApplet(settings, jdk.File("A.html"));
    ASSERT_TRUE(wrong.m_bReady);
    EXPECT_EQ(runner.StartTool(wrong.m_command), EStart::Failed);
}
