#include "core/tools/ConsoleLauncher.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

using CWords = std::vector<std::string>;

// Sets or unsets an environment variable for one test and restores it.
class CScopedEnv {
public:
    CScopedEnv(const char* szName, const char* szValue) : m_strName(szName)
    {
        if (const char* szOld = std::getenv(szName))
            m_strOld = szOld;
        if (szValue != nullptr)
            setenv(szName, szValue, 1);
        else
            unsetenv(szName);
    }
    ~CScopedEnv()
    {
        if (m_strOld)
            setenv(m_strName.c_str(), m_strOld->c_str(), 1);
        else
            unsetenv(m_strName.c_str());
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    std::string m_strName;
    std::optional<std::string> m_strOld;
};

static bool WaitForFile(const std::string& strPath)
{
    const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::exists(strPath)) {
        if (std::chrono::steady_clock::now() >= tpGiveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST(ToolsConsoleLauncher, TerminalArgsRunAFixedScriptWithTheWordsAsParameters)
{
    const std::string strScript = CConsoleLauncher::kWaitScript;
    const CWords vecWords{"java", "-cp", "a b", "Hello"};
    EXPECT_EQ(CConsoleLauncher::BuildTerminalArgs("/usr/bin/xterm", "/jdk/bin/java", vecWords, "/w d"),
              (CWords{"/usr/bin/xterm", "-e", "/bin/sh", "-c", strScript, "tarnwick", "/w d", "/jdk/bin/java", "-cp",
                      "a b", "Hello"}));
    EXPECT_EQ(CConsoleLauncher::BuildTerminalArgs("/usr/bin/gnome-terminal", "/jdk/bin/java", {"java"}, "/w"),
              (CWords{"/usr/bin/gnome-terminal", "--", "/bin/sh", "-c", strScript, "tarnwick", "/w", "/jdk/bin/java"}));
    EXPECT_EQ(CConsoleLauncher::BuildTerminalArgs("/usr/bin/xfce4-terminal", "/j/java", {}, "")[1], "-x");
    EXPECT_EQ(CConsoleLauncher::BuildTerminalArgs("/usr/bin/xfce4-terminal", "/j/java", {}, "")[6], ".");
    EXPECT_EQ(CConsoleLauncher::BuildTerminalArgs("konsole", "/j/java", {}, "/w")[1], "-e");
}

TEST(ToolsConsoleLauncher, FindsTheUsersTerminalFirstThenTheKnownOnes)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("konsole", "#!/bin/sh\n", true);
    folder.Write("xterm", "#!/bin/sh\n", true);
    folder.Write("gnome-terminal", "not executable\n");
    folder.Write("my-term", "#!/bin/sh\n", true);

    CScopedEnv path("PATH", folder.Path().c_str());
    {
        CScopedEnv terminal("TERMINAL", nullptr);
        EXPECT_EQ(CConsoleLauncher::FindTerminal(), folder.File("konsole"));
    }
    {
        CScopedEnv terminal("TERMINAL", "my-term");
        EXPECT_EQ(CConsoleLauncher::FindTerminal(), folder.File("my-term"));
    }
    {
        CScopedEnv terminal("TERMINAL", folder.File("my-term").c_str());
        EXPECT_EQ(CConsoleLauncher::FindTerminal(), folder.File("my-term"));
    }
    {
        CScopedEnv terminal("TERMINAL", "no-such-term");
        EXPECT_EQ(CConsoleLauncher::FindTerminal(), folder.File("konsole"));
    }
    CScratchFolder empty;
    CScopedEnv emptyPath("PATH", empty.Path().c_str());
    CScopedEnv terminal("TERMINAL", nullptr);
    EXPECT_EQ(CConsoleLauncher::FindTerminal(), "");
}

TEST(ToolsConsoleLauncher, LaunchRunsTheToolInItsFolderThroughTheTerminal)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("fake-term",
                 "#!/bin/sh\nprintf '%s\\n' \"$1\" \"$2\" \"$5\" > \"" + folder.File("term-args.txt") +
                     "\"\nshift\nexec \"$@\" > /dev/null 2>&1\n",
                 true);
    CScopedEnv terminal("TERMINAL", folder.File("fake-term").c_str());

    CToolCommand cmd;
    cmd.m_strProgram = "/bin/sh";
    cmd.m_strFolder = folder.Path();
    cmd.AddWord("sh");
    cmd.AddWord("-c");
    cmd.AddWord("pwd > out.tmp; printf '[%s]' \"$@\" >> out.tmp; mv out.tmp out.txt");
    cmd.AddWord("sh");
    cmd.AddSplitWords("\"a b\" c;d");
    ASSERT_EQ(CConsoleLauncher::Launch(cmd), CConsoleLauncher::ELaunch::Launched);
    ASSERT_TRUE(WaitForFile(folder.File("out.txt")));
    const std::string strFolder = std::filesystem::canonical(folder.Path()).string();
    EXPECT_EQ(folder.Read("out.txt"), strFolder + "\n[a b][c;d]");
    EXPECT_EQ(folder.Read("term-args.txt"), "-e\n/bin/sh\ntarnwick\n");
}

TEST(ToolsConsoleLauncher, LaunchFailsWithoutToolOrTerminalAndSaysWhich)
{
    using ELaunch = CConsoleLauncher::ELaunch;
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("fake-term", "#!/bin/sh\nexit 0\n", true);
    CToolCommand cmd;
    cmd.m_strProgram = "/no/such/jdk/bin/java";
    cmd.AddWord("java");
    {
        CScopedEnv terminal("TERMINAL", folder.File("fake-term").c_str());
        EXPECT_EQ(CConsoleLauncher::Launch(cmd), ELaunch::NoProgram);
        cmd.m_strProgram = "/bin/true";
        cmd.m_strFolder = folder.File("no such folder");
        EXPECT_EQ(CConsoleLauncher::Launch(cmd), ELaunch::NotStarted);
    }
    EXPECT_EQ(CConsoleLauncher::FailureText(ELaunch::NoProgram), "Couldn't locate Java.");
    EXPECT_EQ(CConsoleLauncher::FailureText(ELaunch::NotStarted), "Couldn't locate Java.");

    cmd.m_strFolder = folder.Path();
    CScopedEnv path("PATH", folder.File("empty").c_str());
    const std::string strHowTo = " Install one of them, or set the environment variable TERMINAL to your terminal "
                                 "program (for example TERMINAL=xterm) before starting Tarnwick.";
    {
        CScopedEnv terminal("TERMINAL", nullptr);
        EXPECT_EQ(CConsoleLauncher::Launch(cmd), ELaunch::NoTerminal);
        EXPECT_EQ(CConsoleLauncher::FailureText(ELaunch::NoTerminal),
                  "No terminal program was found: Tarnwick looked on PATH for x-terminal-emulator, gnome-terminal, "
                  "konsole, xfce4-terminal and xterm." +
                      strHowTo);
    }
    CScopedEnv terminal("TERMINAL", "/opt/my term");
    EXPECT_EQ(CConsoleLauncher::Launch(cmd), ELaunch::NoTerminal);
    EXPECT_EQ(CConsoleLauncher::FailureText(ELaunch::NoTerminal),
              "No terminal program was found: Tarnwick tried TERMINAL (/opt/my term), then looked on PATH for "
              "x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal and xterm." +
                  strHowTo);
}
