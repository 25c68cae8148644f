// End-to-end: a FIFO or a device where tarnwick-cli reads a small file (its
// settings, a JDK's release file) is refused instead of waited on.
#include "tests/e2e/CliProcess.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

class CHostileFilesCliE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", (m_strDir + "/config").c_str(), 1);
        if (const char* pszOld = std::getenv("JAVA_HOME"))
            m_strOldJavaHome = pszOld;
    }
    void TearDown() override
    {
        if (m_strOldJavaHome)
            ::setenv("JAVA_HOME", m_strOldJavaHome->c_str(), 1);
        else
            ::unsetenv("JAVA_HOME");
    }

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    void Write(const std::string& strName, const std::string& strText) const
    {
        std::filesystem::create_directories(std::filesystem::path(Path(strName)).parent_path());
        std::ofstream(Path(strName), std::ios::binary) << strText;
    }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }
    // Runs to the end, or is killed (and fails) when it waits on something
    // for longer than any run of these should ever take.
    CResult CliUnlessStuck(const std::vector<std::string>& args) const
    {
        CCliProcess process;
        EXPECT_TRUE(process.Start(args, m_strDir));
        std::mutex mutex;
        std::condition_variable ended;
        bool bEnded = false;
        std::thread watchdog([&] {
            std::unique_lock<std::mutex> lock(mutex);
            if (!ended.wait_for(lock, std::chrono::seconds(60), [&] { return bEnded; }))
                ::kill(-process.Pid(), SIGKILL);
        });
        CResult result = process.Wait();
        {
            const std::lock_guard<std::mutex> lock(mutex);
            bEnded = true;
        }
        ended.notify_one();
        watchdog.join();
        return result;
    }
    void MakeProject() const
    {
        Write("src/App.java", "public class App { }\n");
        ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
        ASSERT_EQ(Cli({"project", "add", "P.jpr", "src/App.java"}).m_nExit, 0);
        ASSERT_EQ(Cli({"project", "main", "P.jpr", "App.java"}).m_nExit, 0);
    }
    static void SetJavaHome(const std::string& strFolder) { ::setenv("JAVA_HOME", strFolder.c_str(), 1); }

    CTempFolder m_folder{"tarnwick-hostile"};
    const std::string m_strDir = m_folder.Path();
    std::optional<std::string> m_strOldJavaHome;
};
} // namespace

TEST_F(CHostileFilesCliE2e, ASettingsFileThatIsAFifoIsNotWaitedOn)
{
    MakeProject();
    std::filesystem::create_directories(Path("config/Vellorand"));
    // Nobody writes to the FIFO: opening it to read would wait for ever.
    ASSERT_EQ(::mkfifo(Path("config/Vellorand/Tarnwick.conf").c_str(), 0600), 0);
    const CResult build = CliUnlessStuck({"build", "--print", "P.jpr"});
    EXPECT_EQ(build.m_nExit, 0) << build.m_strErr;
    EXPECT_NE(build.m_strOut.find("\njavac App.java\n"), std::string::npos) << build.m_strOut;
    struct stat info {};
    ASSERT_EQ(::lstat(Path("config/Vellorand/Tarnwick.conf").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(CHostileFilesCliE2e, AJdkReleaseFileThatIsAFifoOrADeviceIsNotWaitedOn)
{
    MakeProject();
    for (const std::string strKind : {"fifo", "zero"}) {
        const std::string strJdk = Path("jdk-" + strKind);
        Write("jdk-" + strKind + "/bin/javac", "#!/bin/sh\n");
        std::filesystem::permissions(strJdk + "/bin/javac", std::filesystem::perms::owner_all);
        if (strKind == "fifo")
            ASSERT_EQ(::mkfifo((strJdk + "/release").c_str(), 0600), 0);
        else
            std::filesystem::create_symlink("/dev/zero", strJdk + "/release");
        SetJavaHome(strJdk);
        const CResult build = CliUnlessStuck({"build", "--print", "P.jpr"});
        EXPECT_EQ(build.m_nExit, 0) << strKind << ": " << build.m_strErr;
        EXPECT_EQ(build.m_strOut.rfind(strJdk + "/bin/javac\n", 0), 0u) << strKind << ": " << build.m_strOut;
    }
}
