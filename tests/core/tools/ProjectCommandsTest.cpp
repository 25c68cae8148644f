#include "core/tools/ProjectCommands.h"

#include "core/project/JavaProjectCore.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/settings/Settings.h"
#include "core/tools/JarCommandBuilder.h"

#include <gtest/gtest.h>

using CWords = std::vector<std::string>;

namespace {
CSettings JdkSettings()
{
    CSettings settings;
    settings.m_strJavaBin = "/opt/jdk";
    settings.m_strJavac = "-deprecation";
    return settings;
}

// A saved project with Hello.java as its main file and Util.java beside it.
CJavaProjectCore HelloProject()
{
    CJavaProjectCore project("-Xmx64m", "-g");
    project.SetPathName("/work/demo/Demo.jpr");
    project.AddJavaFile("/work/demo/src/Hello.java");
    project.AddJavaFile("/work/lib/Util.java");
    project.SetMainFile("Hello.java");
    return project;
}
} // namespace

TEST(ProjectCommandsMainFile, PathIsEmptyWithoutAMainFileAndRebasedWhenTheProjectMoved)
{
    CJavaProjectCore project;
    EXPECT_EQ(CProjectCommands::MainFilePath(project), "");

    project = HelloProject();
    EXPECT_EQ(CProjectCommands::MainFilePath(project), "/work/demo/src/Hello.java");
    project.SetPathName("/moved/Demo.jpr");
    EXPECT_EQ(CProjectCommands::MainFilePath(project), "/moved/src/Hello.java");

    project.RemoveFile("/moved/src/Hello.java");
    EXPECT_EQ(project.GetMainFile(), "Hello.java");
    EXPECT_EQ(CProjectCommands::MainFilePath(project), "NOFILE");
}

TEST(ProjectCommandsBuild, CompilesTheMainFileInItsFolderWithTheProjectSwitches)
{
    CJavaProjectCore project = HelloProject();
    const CProjectCommands::CResult build = CProjectCommands::Build(project, JdkSettings());
    ASSERT_TRUE(build.m_bReady);
    EXPECT_EQ(build.m_strError, "");
    EXPECT_EQ(build.m_command.m_strProgram, "/opt/jdk/bin/javac");
    EXPECT_EQ(build.m_command.m_strFolder, "/work/demo/src");
    EXPECT_EQ(build.m_command.m_strCommandLine, "javac Hello.java -g");
    EXPECT_EQ(build.m_command.GetWords(), (CWords{"javac", "Hello.java", "-g"}));
    EXPECT_TRUE(build.m_command.m_bSetsTitle);
    EXPECT_EQ(build.m_command.m_strTitle, "Building \"/work/demo/src/Hello.java\"");

    // A moved project builds where its files are now.
    project.SetPathName("/moved/Demo.jpr");
    EXPECT_EQ(CProjectCommands::Build(project, JdkSettings()).m_command.m_strFolder, "/moved/src");
}

TEST(ProjectCommandsBuild, BuildAndRunNameTheMissingOrUnlistedMainFile)
{
    CJavaProjectCore empty;
    for (const CProjectCommands::CResult& result :
         {CProjectCommands::Build(empty, JdkSettings()), CProjectCommands::Run(empty, JdkSettings())}) {
        EXPECT_FALSE(result.m_bReady);
        EXPECT_EQ(result.m_strError, "Please specify a main Java file first");
        EXPECT_FALSE(result.m_command.m_bSetsTitle);
    }
    CJavaProjectCore project = HelloProject();
    project.RemoveFile("/work/demo/src/Hello.java");
    for (const CProjectCommands::CResult& result :
         {CProjectCommands::Build(project, JdkSettings()), CProjectCommands::Run(project, JdkSettings())}) {
        EXPECT_FALSE(result.m_bReady);
        EXPECT_EQ(result.m_strError, "Unholy Error");
    }
}

TEST(ProjectCommandsCompile, UsesTheDefaultSwitchesAndKeepsTheTitleOfAPathWithoutFolder)
{
    const CProjectCommands::CResult compile = CProjectCommands::Compile(JdkSettings(), "/work/lib/Util.java");
    ASSERT_TRUE(compile.m_bReady);
    EXPECT_EQ(compile.m_command.m_strProgram, "/opt/jdk/bin/javac");
    EXPECT_EQ(compile.m_command.m_strFolder, "/work/lib");
    EXPECT_EQ(compile.m_command.m_strCommandLine, "javac Util.java -deprecation");
    EXPECT_EQ(compile.m_command.GetWords(), (CWords{"javac", "Util.java", "-deprecation"}));
    EXPECT_EQ(compile.m_command.m_strTitle, "Compiling \"/work/lib/Util.java\"");

    const CProjectCommands::CResult untitled = CProjectCommands::Compile(JdkSettings(), "");
    EXPECT_FALSE(untitled.m_bReady);
    EXPECT_EQ(untitled.m_strError, "Unholy Error");
    EXPECT_TRUE(untitled.m_command.m_bSetsTitle);
    EXPECT_EQ(untitled.m_command.m_strTitle, "Compiling \"\"");
}

TEST(ProjectCommandsRun, RunsTheMainClassOfItsPackageWithTheProjectSwitches)
{
    CJavaProjectCore project = HelloProject();
    CProjectCommands::CResult run = CProjectCommands::Run(project, JdkSettings());
    ASSERT_TRUE(run.m_bReady);
    EXPECT_EQ(run.m_command.m_strProgram, "/opt/jdk/bin/java");
    EXPECT_EQ(run.m_command.m_strFolder, "/work/demo/src");
    EXPECT_EQ(run.m_command.m_strCommandLine, "java -Xmx64m Hello");
    EXPECT_EQ(run.m_command.m_strTitle, "java -Xmx64m Hello");
    EXPECT_EQ(run.m_command.GetWords(), (CWords{"java", "-Xmx64m", "Hello"}));

    project.SetJavaSwitches("");
    run = CProjectCommands::Run(project, JdkSettings());
    EXPECT_EQ(run.m_command.m_strCommandLine, "java  Hello");
    EXPECT_EQ(run.m_command.GetWords(), (CWords{"java", "Hello"}));

    // The main package comes from the project file, and its folders must be
    // the main file's.
    CProjectRecord record;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(HelloProject().WriteBytes(), record, strError)) << strError;
    record.m_strMainPackage = "com.example";
    CJavaProjectCore packaged;
    ASSERT_TRUE(packaged.LoadBytes(CJprFormat::WriteBytes(record), strError)) << strError;
    packaged.SetPathName("/work/demo/Demo.jpr");
    run = CProjectCommands::Run(packaged, JdkSettings());
    EXPECT_FALSE(run.m_bReady);
    EXPECT_EQ(run.m_strError, "Hello.java declares package com.example but is not in a folder com/example.");
}

TEST(ProjectCommandsRun, AppletRunsInThePageFolder)
{
    const CProjectCommands::CResult applet = CProjectCommands::RunApplet(JdkSettings(), "/work/demo/Page One.html");
    ASSERT_TRUE(applet.m_bReady);
    EXPECT_EQ(applet.m_command.m_strProgram, "/opt/jdk/bin/appletviewer");
    EXPECT_EQ(applet.m_command.m_strFolder, "/work/demo");
    EXPECT_EQ(applet.m_command.m_strCommandLine, "appletviewer \"/Page One.html\"");
    EXPECT_EQ(applet.m_command.GetWords(), (CWords{"appletviewer", "Page One.html"}));
    EXPECT_EQ(applet.m_command.m_strTitle, "AppletViewer: \"/work/demo/Page One.html\"");

    const CProjectCommands::CResult unsaved = CProjectCommands::RunApplet(JdkSettings(), "Page.html");
    EXPECT_FALSE(unsaved.m_bReady);
    EXPECT_EQ(unsaved.m_strError, "Please save the file (path unreadable).");
}

TEST(ProjectCommandsJar, DefaultArchiveSitsInTheMainFileFolder)
{
    CJavaProjectCore empty;
    EXPECT_EQ(CProjectCommands::DefaultJarPath(empty), "");

    CJavaProjectCore project = HelloProject();
    EXPECT_EQ(CProjectCommands::DefaultJarPath(project), "/work/demo/src/Hello.jar");
    project.SetPathName("/moved/Demo.jpr");
    EXPECT_EQ(CProjectCommands::DefaultJarPath(project), "/moved/src/Hello.jar");

    CJavaProjectCore root;
    root.AddJavaFile("/App.JAVA");
    root.SetMainFile("App.JAVA");
    EXPECT_EQ(CProjectCommands::DefaultJarPath(root), "/App.JAVA.jar");

    // A main file no longer listed has no folder: the bare name is offered.
    project.RemoveFile("/moved/src/Hello.java");
    EXPECT_EQ(CProjectCommands::DefaultJarPath(project), "Hello.jar");
}

TEST(ProjectCommandsJar, CreateJarPacksTheMainFolderClassesAndListArchiveShowsOne)
{
    CJavaProjectCore project = HelloProject();
    const CProjectCommands::CResult jar = CProjectCommands::CreateJar(project, JdkSettings(), "/out dir/Hello.jar");
    ASSERT_TRUE(jar.m_bReady);
    EXPECT_EQ(jar.m_command.m_strProgram, "/opt/jdk/bin/jar");
    EXPECT_EQ(jar.m_command.m_strFolder, "/work/demo/src");
    const std::string strManifest = CJarCommandBuilder::ManifestPath("/out dir/Hello.jar");
    EXPECT_EQ(jar.m_command.m_strCommandLine, "jar cmfv \"" + strManifest + "\" \"/out dir/Hello.jar\" *.class");
    EXPECT_EQ(jar.m_command.GetWords(), (CWords{"jar", "cmfv", strManifest, "/out dir/Hello.jar", "*.class"}));
    EXPECT_EQ(jar.m_command.m_strTitle, "Creating jar /out dir/Hello.jar");

    const CProjectCommands::CResult bare = CProjectCommands::CreateJar(project, JdkSettings(), "Hello.jar");
    EXPECT_FALSE(bare.m_bReady);
    EXPECT_EQ(bare.m_strError, "");
    CJavaProjectCore empty;
    EXPECT_EQ(CProjectCommands::CreateJar(empty, JdkSettings(), "/out/x.jar").m_strError,
              "Please specify a main Java file first");

    const CProjectCommands::CResult list = CProjectCommands::ListArchive(JdkSettings(), "/libs/My Lib.jar");
    ASSERT_TRUE(list.m_bReady);
    EXPECT_EQ(list.m_command.m_strFolder, "/libs");
    EXPECT_EQ(list.m_command.m_strCommandLine, "jar tvf My Lib.jar");
    EXPECT_EQ(list.m_command.GetWords(), (CWords{"jar", "tvf", "My Lib.jar"}));
    EXPECT_FALSE(list.m_command.m_bSetsTitle);
    const CProjectCommands::CResult nameOnly = CProjectCommands::ListArchive(JdkSettings(), "My Lib.jar");
    EXPECT_FALSE(nameOnly.m_bReady);
    EXPECT_EQ(nameOnly.m_strError, "");
}
