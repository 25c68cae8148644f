// End-to-end: files whose names look like options of the JDK's tools reach
// the real javac, java and jar as files, never as options.
#include "core/jdk/JdkLocator.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

class COptionNamesCliE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The user's settings must not choose another JDK or add switches.
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
        m_strJdk = CJdkLocator::FromEnvironment(CJdkLocator::ReadProcessEnvironment);
    }

    bool HasJdk() const { return ::access((m_strJdk + "/bin/javac").c_str(), X_OK) == 0; }
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strText) const
    {
        std::ofstream(Path(strName), std::ios::binary) << strText;
    }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    CTempFolder m_folder{"tarnwick-names"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strJdk;
};
} // namespace

TEST_F(COptionNamesCliE2e, CompilingAFileNamedLikeAnOptionDoesNotRunTheOption)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    Write("-version", "class V { }\n");
    const CResult printed = Cli({"compile", "--print", "./-version"});
    EXPECT_EQ(printed.m_nExit, 0) << printed.m_strErr;
    EXPECT_EQ(printed.m_strOut, m_strJdk + "/bin/javac\n" + m_strDir + "\njavac ./-version\njavac\n./-version\n");

    // javac takes it for a file it cannot compile, not for -version.
    const CResult compiled = Cli({"compile", "./-version"});
    EXPECT_NE(compiled.m_nExit, 0) << compiled.m_strOut;
    EXPECT_FALSE(compiled.m_strOut.ends_with("No Errors\n")) << compiled.m_strOut;
    EXPECT_EQ(compiled.m_strOut.find("javac 1"), std::string::npos) << compiled.m_strOut;
    EXPECT_EQ(compiled.m_strOut.find("javac 2"), std::string::npos) << compiled.m_strOut;

    // An argument file's name is a file name too: its -version is never read.
    Write("@opts.txt", "-version\n");
    const CResult argFile = Cli({"compile", "./@opts.txt"});
    EXPECT_NE(argFile.m_nExit, 0) << argFile.m_strOut;
    EXPECT_FALSE(argFile.m_strOut.ends_with("No Errors\n")) << argFile.m_strOut;
    EXPECT_EQ(argFile.m_strOut.find("javac 1"), std::string::npos) << argFile.m_strOut;
    EXPECT_EQ(argFile.m_strOut.find("javac 2"), std::string::npos) << argFile.m_strOut;
}

TEST_F(COptionNamesCliE2e, AMainFileNamedLikeAnOptionBuildsButIsNotRun)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    Write("-J-version.java", "class Hi { }\n");
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "P.jpr", "./-J-version.java"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "main", "P.jpr", "-J-version.java"}).m_nExit, 0);

    // javac compiles the file; the JVM running javac never sees -version.
    const CResult built = Cli({"build", "P.jpr"});
    EXPECT_EQ(built.m_nExit, 0) << built.m_strOut << built.m_strErr;
    EXPECT_TRUE(built.m_strOut.ends_with("Exit code: 0\nNo Errors\n")) << built.m_strOut;
    EXPECT_EQ(built.m_strOut.find("version \""), std::string::npos) << built.m_strOut;
    EXPECT_TRUE(std::filesystem::exists(Path("Hi.class")));

    const CResult ran = Cli({"run", "P.jpr"});
    EXPECT_NE(ran.m_nExit, 0);
    EXPECT_EQ(ran.m_strOut, "");
    EXPECT_EQ(ran.m_strErr, "Cannot run \"-J-version\": a main class name is Java identifiers separated by dots.\n");
}
