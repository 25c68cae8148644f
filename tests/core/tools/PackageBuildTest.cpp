// Projects whose classes live in packages, built, run and packed with the
// JDK this machine has: the commands, javac's and java's own verdicts, and
// the way back from their messages to the project's files.
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaProjectCore.h"
#include "core/settings/Settings.h"
#include "core/tools/DiagnosticsByFile.h"
#include "core/tools/JarCommandBuilder.h"
#include "core/tools/JavacDiagnostics.h"
#include "core/tools/ProjectCommands.h"
#include "core/tools/ToolPath.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

using CWords = std::vector<std::string>;

namespace {
const char* const kApp = "package com.example;\n"
                         "\n"
                         "import com.example.model.Item;\n"
                         "\n"
                         "public class App {\n"
                         "    public static void main(String[] args) {\n"
                         "        System.out.println(new Item(\"apple\").describe());\n"
                         "    }\n"
                         "}\n";
const char* const kItem = "package com.example.model;\n"
                          "\n"
                          "public class Item {\n"
                          "    private final String name;\n"
                          "    public Item(String name) { this.name = name; }\n"
                          "    public String describe() { return \"item \" + name; }\n"
                          "}\n";

class CPackageBuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_folder.Path().empty());
        m_settings.m_strJavaBin = CJdkLocator::FromEnvironment(CJdkLocator::ReadProcessEnvironment);
        m_project.SetPathName(m_folder.File("Shop.jpr"));
    }
    bool HasJdk() const { return ::access((m_settings.m_strJavaBin + "/bin/javac").c_str(), X_OK) == 0; }
    // Writes a source file (its folders too) and lists it in the project.
    void Add(const std::string& strName, const std::string& strText)
    {
        std::filesystem::create_directories(std::filesystem::path(m_folder.File(strName)).parent_path());
        m_folder.Write(strName, strText);
        m_project.AddJavaFile(m_folder.File(strName));
    }
    std::string Run(const CProjectCommands::CResult& result)
    {
        if (!result.m_bReady)
            return "<not ready: " + result.m_strError + ">";
        return RunCaptured(result.m_command);
    }

    CScratchFolder m_folder;
    CSettings m_settings;
    CJavaProjectCore m_project{"", ""};
};
} // namespace

TEST_F(CPackageBuild, SourceRootLayoutBuildsRunsAndPacksARunnableJar)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_settings.m_strJavaBin;
    // Another Item of another package comes first in the list: names alone
    // cannot tell the two apart.
    Add("src/com/example/other/Item.java", "package com.example.other;\npublic class Item {}\n");
    Add("src/com/example/App.java", kApp);
    Add("src/com/example/model/Item.java", kItem);
    m_project.SetMainFile("App.java");
    EXPECT_EQ(m_project.GetMainPackage(), "com.example");

    const CProjectCommands::CResult build = CProjectCommands::Build(m_project, m_settings);
    ASSERT_TRUE(build.m_bReady) << build.m_strError;
    EXPECT_EQ(build.m_command.m_strFolder, m_folder.File("src"));
    EXPECT_EQ(build.m_command.m_strCommandLine, "javac com/example/App.java");
    EXPECT_EQ(Run(build), "Exit code: 0\r\nNo Errors");
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("src/com/example/model/Item.class")));

    const CProjectCommands::CResult run = CProjectCommands::Run(m_project, m_settings);
    EXPECT_EQ(run.m_command.m_strFolder, m_folder.File("src"));
    EXPECT_EQ(run.m_command.m_strCommandLine, "java  com.example.App");
    EXPECT_EQ(Run(run), "item apple\r\nExit code: 0\r\nNo Errors");

    // The archive holds the classes under their folders and names the
    // main class with its package: java -jar runs it from anywhere.
    EXPECT_EQ(CProjectCommands::DefaultJarPath(m_project), m_folder.File("src/App.jar"));
    EXPECT_EQ(CProjectCommands::JarMainClass(m_project), "com.example.App");
    const std::string strJar = m_folder.File("App.jar");
    const CProjectCommands::CResult jar = CProjectCommands::CreateJar(m_project, m_settings, strJar);
    ASSERT_TRUE(jar.m_bReady) << jar.m_strError;
    EXPECT_TRUE(jar.m_command.m_strCommandLine.ends_with("\" **/*.class")) << jar.m_command.m_strCommandLine;
    ASSERT_TRUE(CJarCommandBuilder::WriteManifest(CJarCommandBuilder::ManifestPath(strJar),
                                                  CProjectCommands::JarMainClass(m_project)));
    const std::string strPacked = Run(jar);
    EXPECT_NE(strPacked.find("com/example/model/Item.class"), std::string::npos) << strPacked;
    CToolCommand javaJar;
    javaJar.m_strProgram = CToolPath::JdkTool(m_settings.m_strJavaBin, "java");
    javaJar.m_strFolder = "/";
    javaJar.AddWord("java");
    javaJar.AddWord("-jar");
    javaJar.AddWord(strJar);
    EXPECT_EQ(RunCaptured(javaJar), "item apple\r\nExit code: 0\r\nNo Errors");

    // An error in a file of another package: javac names it from the root,
    // the marks find its file, the double-click its entry and line.
    std::string strBroken = kItem;
    strBroken.replace(strBroken.find("private"), 7, "int broken = \"text\"; private");
    m_folder.Write("src/com/example/model/Item.java", strBroken);
    const CProjectCommands::CResult rebuilt = CProjectCommands::Build(m_project, m_settings);
    const std::string strOutput = Run(rebuilt);
    // javac names the file it found on its own from "./".
    ASSERT_EQ(strOutput.rfind("./com/example/model/Item.java:4: error: incompatible types", 0), 0u) << strOutput;
    const CDiagnosticsByFile byFile(CJavacDiagnostics::Parse(strOutput, rebuilt.m_command.m_strFolder));
    const std::vector<CJavacDiagnostic>* pMarks = byFile.Find(m_folder.File("src/com/example/model/Item.java"));
    ASSERT_NE(pMarks, nullptr);
    EXPECT_EQ(pMarks->at(0).m_nLine, 4);
    EXPECT_FALSE(byFile.Names(m_folder.File("src/com/example/other/Item.java")));
    const auto location = m_project.FindErrorLine(strOutput, 0, rebuilt.m_command.m_strFolder);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, m_folder.File("src/com/example/model/Item.java"));
    EXPECT_EQ(location->m_nLineNumber, 4);

    // A stack frame names the class with its package.
    const auto frame = m_project.FindStackFrame("com.example.model.Item", "Item.java", 6);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->m_strPath, m_folder.File("src/com/example/model/Item.java"));
}

TEST_F(CPackageBuild, PackageBesideTheProjectFileAndAFileOutsideTheSourceRoot)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_settings.m_strJavaBin;
    Add("shop/Shop.java", "package shop;\n\npublic class Shop {\n    public static void main(String[] args) {\n"
                          "        System.out.println(\"open \" + args.length);\n    }\n}\n");
    m_project.SetMainFile("Shop.java");
    const CProjectCommands::CResult build = CProjectCommands::Build(m_project, m_settings);
    EXPECT_EQ(build.m_command.m_strFolder, m_folder.Path());
    EXPECT_EQ(build.m_command.GetWords(), (CWords{"javac", "shop/Shop.java"}));
    EXPECT_EQ(Run(build), "Exit code: 0\r\nNo Errors");
    EXPECT_EQ(Run(CProjectCommands::Run(m_project, m_settings)), "open 0\r\nExit code: 0\r\nNo Errors");

    // A file of the project in a tree of its own compiles from its own root.
    Add("lib/util/Text.java", "package util;\n\npublic class Text {\n    int x = ;\n}\n");
    const CProjectCommands::CResult compile = CProjectCommands::Compile(m_settings, m_folder.File("lib/util/Text.java"));
    EXPECT_EQ(compile.m_command.m_strFolder, m_folder.File("lib"));
    EXPECT_EQ(compile.m_command.m_strCommandLine, "javac util/Text.java");
    const std::string strOutput = Run(compile);
    ASSERT_EQ(strOutput.rfind("util/Text.java:4: error:", 0), 0u) << strOutput;
    const auto location = m_project.FindErrorLine(strOutput, 0, compile.m_command.m_strFolder);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, m_folder.File("lib/util/Text.java"));
    EXPECT_EQ(location->m_nLineNumber, 4);
}

TEST_F(CPackageBuild, APackageTheFoldersDoNotMatchIsReportedBeforeJavacRuns)
{
    Add("src/App.java", kApp);
    m_project.SetMainFile("App.java");
    const std::string strMessage = "App.java declares package com.example but is not in a folder com/example.";
    EXPECT_EQ(Run(CProjectCommands::Build(m_project, m_settings)), "<not ready: " + strMessage + ">");
    EXPECT_EQ(Run(CProjectCommands::Run(m_project, m_settings)), "<not ready: " + strMessage + ">");
    EXPECT_EQ(Run(CProjectCommands::Compile(m_settings, m_folder.File("src/App.java"))),
              "<not ready: " + strMessage + ">");
    EXPECT_EQ(Run(CProjectCommands::CreateJar(m_project, m_settings, m_folder.File("App.jar"))),
              "<not ready: " + strMessage + ">");

    // Set as Main again after the file moved to its package's folder.
    m_project.RemoveFile(m_folder.File("src/App.java"));
    Add("src/com/example/App.java", kApp);
    m_project.SetMainFile("App.java");
    EXPECT_TRUE(CProjectCommands::Build(m_project, m_settings).m_bReady);
    // A file of the default package as main clears the package.
    Add("Hello.java", "public class Hello {}\n");
    m_project.SetMainFile("Hello.java");
    EXPECT_EQ(m_project.GetMainPackage(), "");
    EXPECT_EQ(CProjectCommands::Build(m_project, m_settings).m_command.m_strCommandLine, "javac Hello.java");
}
