// End-to-end: `jar create` into a folder that is not there says so itself
// instead of leaving the user jar's Java stack trace.
#include "core/jdk/JdkLocator.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

class CJarFolderCliE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The user's settings must not choose another JDK.
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
        m_strJdk = CJdkLocator::FromEnvironment(CJdkLocator::ReadProcessEnvironment);
    }

    bool HasJdk() const { return ::access((m_strJdk + "/bin/jar").c_str(), X_OK) == 0; }
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }

    CTempFolder m_folder{"tarnwick-jarfolder"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strJdk;
};
} // namespace

TEST_F(CJarFolderCliE2e, AMissingOrFileFolderIsNamedAndNothingRuns)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    std::ofstream(Path("A.java"), std::ios::binary) << "public class A {}\n";
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "A.jpr"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "add", "A.jpr", "A.java"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "main", "A.jpr", "A.java"}).m_nExit, 0);
    ASSERT_EQ(Cli({"build", "A.jpr"}).m_nExit, 0);

    const CResult missing = Cli({"jar", "create", "A.jpr", "out/A.jar"});
    EXPECT_EQ(missing.m_nExit, 2);
    EXPECT_EQ(missing.m_strOut, "");
    EXPECT_EQ(missing.m_strErr,
              "tarnwick-cli: " + Path("out/A.jar") + ": the folder " + Path("out") + " does not exist.\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out")));

    const CResult file = Cli({"jar", "create", "A.jpr", "A.java/A.jar"});
    EXPECT_EQ(file.m_nExit, 2);
    EXPECT_EQ(file.m_strOut, "");
    EXPECT_EQ(file.m_strErr, "tarnwick-cli: " + Path("A.java/A.jar") + ": " + Path("A.java") + " is not a folder.\n");

    // --print still shows the command, and runs nothing.
    const CResult printed = Cli({"jar", "create", "--print", "A.jpr", "out/A.jar"});
    EXPECT_EQ(printed.m_nExit, 0) << printed.m_strErr;
    EXPECT_EQ(printed.m_strOut.rfind(m_strJdk + "/bin/jar\n" + m_strDir + "\n", 0), 0u) << printed.m_strOut;
}
