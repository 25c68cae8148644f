#include "core/tools/DiagnosticsByFile.h"
#include "core/tools/ProjectCommands.h"

#include "core/project/JavaProjectCore.h"
#include "core/settings/Settings.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
CJavacDiagnostic At(const std::string& strFile, int nLine, const std::string& strMessage)
{
    return CJavacDiagnostic{strFile, nLine, 1, EDiagnosticKind::Error, strMessage};
}

std::vector<std::string> Messages(const std::vector<CJavacDiagnostic>* pDiagnostics)
{
    std::vector<std::string> vecMessages;
    if (pDiagnostics)
        for (const CJavacDiagnostic& diagnostic : *pDiagnostics)
            vecMessages.push_back(diagnostic.m_strMessage);
    return vecMessages;
}
} // namespace

TEST(DiagnosticsByFile, FilesAreFoundUnderEverySpellingAndKeepJavacsOrder)
{
    CTempFolder folder("tarnwick-diag");
    const fs::path real = fs::path(folder.Path()) / "src";
    fs::create_directory(real);
    std::ofstream(real / "A.java") << "class A {}";
    std::ofstream(real / "B.java") << "class B {}";
    fs::create_directory_symlink(real, folder.PathOf("link"));
    const std::string strReal = real.string();
    const std::string strLink = folder.PathOf("link");

    const CDiagnosticsByFile byFile({
        At(strLink + "/A.java", 3, "one"),
        At(strReal + "/B.java", 1, "two"),
        At("", 0, "a note"),
        At(strReal + "/./A.java", 1, "three"),
        At(strReal + "/Gone.java", 2, "four"),
    });
    EXPECT_EQ(byFile.FileCount(), 3u);
    const std::vector<std::string> vecA{"one", "three"};
    EXPECT_EQ(Messages(byFile.Find(strReal + "/A.java")), vecA);
    EXPECT_EQ(Messages(byFile.Find(strLink + "/A.java")), vecA);
    EXPECT_EQ(Messages(byFile.Find(strLink + "/../src/A.java")), vecA);
    EXPECT_EQ(Messages(byFile.Find(strReal + "/B.java")), std::vector<std::string>{"two"});
    // A file that no longer exists is still found by its folder.
    EXPECT_EQ(Messages(byFile.Find(strLink + "/Gone.java")), std::vector<std::string>{"four"});
    EXPECT_FALSE(byFile.Names(strReal + "/C.java"));
    EXPECT_FALSE(byFile.Names(""));
    EXPECT_FALSE(CDiagnosticsByFile().Names(strReal + "/A.java"));
}

TEST(DiagnosticsByFile, OnlyBuildAndCompileAreJavacRunsAndCompileNamesItsFile)
{
    CSettings settings;
    settings.m_strJavaBin = "/opt/jdk";
    CJavaProjectCore project("", "-g");
    project.SetPathName("/work/demo/Demo.jpr");
    project.AddJavaFile("/work/demo/Hello.java");
    project.SetMainFile("Hello.java");

    const CProjectCommands::CResult build = CProjectCommands::Build(project, settings);
    EXPECT_TRUE(build.m_command.m_bJavacMessages);
    EXPECT_EQ(build.m_command.m_strCompiledFile, "");
    const CProjectCommands::CResult compile = CProjectCommands::Compile(settings, "/work/demo/Util.java");
    EXPECT_TRUE(compile.m_command.m_bJavacMessages);
    EXPECT_EQ(compile.m_command.m_strCompiledFile, "/work/demo/Util.java");
    EXPECT_FALSE(CProjectCommands::Run(project, settings).m_command.m_bJavacMessages);
    EXPECT_FALSE(CProjectCommands::RunApplet(settings, "/work/demo/a.html").m_command.m_bJavacMessages);
    EXPECT_FALSE(CProjectCommands::ListArchive(settings, "/work/demo/a.jar").m_command.m_bJavacMessages);
    EXPECT_FALSE(CProjectCommands::CreateJar(project, settings, "/work/demo/a.jar").m_command.m_bJavacMessages);
}
