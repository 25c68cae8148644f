// End-to-end: tarnwick-cli's build, compile, run and jar drive the real JDK
// the way the IDE does, with the output, verdicts and exit statuses scripts
// rely on.
#include "core/jdk/JdkLocator.h"
#include "tests/e2e/CliProcess.h"
#include "tests/support/GoldenFile.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
using CResult = CCliProcess::CResult;

const char* const kArgsSource = "public class Hello {\n"
                                "    public static void main(String[] args) {\n"
                                "        for (String arg : args)\n"
                                "            System.out.println(\"[\" + arg + \"]\");\n"
                                "    }\n"
                                "}\n";

class CJdkCliE2e : public ::testing::Test {
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
        std::filesystem::create_directories(std::filesystem::path(Path(strName)).parent_path());
        std::ofstream(Path(strName), std::ios::binary) << strText;
    }
    std::string Read(const std::string& strName) const { return GoldenFile::ReadBytes(Path(strName)); }
    CResult Cli(const std::vector<std::string>& args) const { return CCliProcess::Run(args, m_strDir); }
    // A project holding one source, set as the main file.
    void MakeProject(const std::string& strFile, const std::string& strSource,
                     const std::string& strProject = "P.jpr") const
    {
        Write(strFile, strSource);
        ASSERT_EQ(Cli({"project", "new", "--type", "empty", strProject}).m_nExit, 0);
        ASSERT_EQ(Cli({"project", "add", strProject, strFile}).m_nExit, 0);
        const std::string strName = std::filesystem::path(strFile).filename().string();
        ASSERT_EQ(Cli({"project", "main", strProject, strName}).m_nExit, 0);
    }

    CTempFolder m_folder{"tarnwick-jdk"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strJdk;
};
} // namespace

TEST_F(CJdkCliE2e, NewApplicationBuildsThenRunsWithItsArgumentsThenPacksAndListsAJar)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    ASSERT_EQ(Cli({"project", "new", "--type", "application", "--class", "Hello", "Hello.jpr"}).m_nExit, 0);
    const CResult built = Cli({"build", "Hello.jpr"});
    EXPECT_EQ(built.m_nExit, 0) << built.m_strOut << built.m_strErr;
    // javac's notes on the template, if any, then the closing lines.
    EXPECT_TRUE(built.m_strOut.ends_with("Exit code: 0\nNo Errors\n")) << built.m_strOut;
    EXPECT_EQ(built.m_strOut.find('\r'), std::string::npos);
    EXPECT_EQ(built.m_strErr, "");
    EXPECT_TRUE(std::filesystem::exists(Path("Hello.class")));

    // The template opens a window; a program that shows its arguments instead.
    Write("Hello.java", kArgsSource);
    ASSERT_EQ(Cli({"build", "Hello.jpr"}).m_nExit, 0);
    const CResult ran = Cli({"run", "Hello.jpr", "--", "one", "two words", "--print"});
    EXPECT_EQ(ran.m_nExit, 0) << ran.m_strErr;
    EXPECT_EQ(ran.m_strOut, "[one]\n[two words]\n[--print]\nExit code: 0\nNo Errors\n");

    // Compile: one file, found through the project by its name.
    std::filesystem::remove(Path("Hello.class"));
    const CResult compiled = Cli({"compile", "--project", "Hello.jpr", "Hello.java"});
    EXPECT_EQ(compiled.m_nExit, 0) << compiled.m_strOut;
    EXPECT_TRUE(std::filesystem::exists(Path("Hello.class")));

    // The archive goes elsewhere; the classes come from the main file's folder.
    std::filesystem::create_directories(Path("out"));
    const CResult packed = Cli({"jar", "create", "Hello.jpr", "out/Hello.jar"});
    EXPECT_EQ(packed.m_nExit, 0) << packed.m_strOut;
    EXPECT_NE(packed.m_strOut.find("adding: Hello.class"), std::string::npos) << packed.m_strOut;
    // The manifest went into a private folder of the run's own, not beside the archive.
    EXPECT_FALSE(std::filesystem::exists(Path("out/manifest.txt")));

    const CResult listed = Cli({"jar", "list", "out/Hello.jar"});
    EXPECT_EQ(listed.m_nExit, 0);
    EXPECT_NE(listed.m_strOut.find(" META-INF/MANIFEST.MF\n"), std::string::npos) << listed.m_strOut;
    EXPECT_NE(listed.m_strOut.find(" Hello.class\n"), std::string::npos) << listed.m_strOut;
    EXPECT_TRUE(listed.m_strOut.ends_with("\nExit code: 0\nNo Errors\n")) << listed.m_strOut;

    // The manifest inside names the main class.
    std::filesystem::create_directories(Path("x"));
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(Path("x").c_str()) == 0)
            ::execl((m_strJdk + "/bin/jar").c_str(), "jar", "xf", "../out/Hello.jar", "META-INF/MANIFEST.MF",
                    static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int nStatus = 0;
    ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
    EXPECT_NE(Read("x/META-INF/MANIFEST.MF").find("Main-Class: Hello\r\n"), std::string::npos)
        << Read("x/META-INF/MANIFEST.MF");
}

TEST_F(CJdkCliE2e, ABrokenSourceExitsOneWithThereWereErrorsAndTheFileAndLine)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    MakeProject("src/Broken.java", "public class Broken {\n"
                                   "    public static void main(String[] args) {\n"
                                   "        int x = \"text\";\n"
                                   "    }\n"
                                   "}\n");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"build", "P.jpr"}, std::vector<std::string>{"compile", "src/Broken.java"}}) {
        const CResult result = Cli(args);
        SCOPED_TRACE(args[0]);
        EXPECT_EQ(result.m_nExit, 1);
        EXPECT_EQ(result.m_strOut.rfind("Broken.java:3: error: incompatible types", 0), 0u) << result.m_strOut;
        EXPECT_TRUE(result.m_strOut.ends_with("\nExit code: 1\nThere were errors\n")) << result.m_strOut;
        EXPECT_FALSE(std::filesystem::exists(Path("src/Broken.class")));
    }
}

TEST_F(CJdkCliE2e, PrintShowsTheCommandsAndRunsNothing)
{
    MakeProject("src/App.java", "public class App { }\n");
    const std::string strJdk = m_strJdk;
    const std::string strSrc = Path("src");

    const CResult build = Cli({"build", "--print", "P.jpr"});
    EXPECT_EQ(build.m_nExit, 0) << build.m_strErr;
    EXPECT_EQ(build.m_strOut, strJdk + "/bin/javac\n" + strSrc + "\njavac App.java\njavac\nApp.java\n");

    const CResult compile = Cli({"compile", "src/App.java", "--print"});
    EXPECT_EQ(compile.m_strOut, strJdk + "/bin/javac\n" + strSrc + "\njavac App.java\njavac\nApp.java\n");

    const CResult run = Cli({"run", "--print", "P.jpr", "--", "a b", "c"});
    EXPECT_EQ(run.m_strOut, strJdk + "/bin/java\n" + strSrc + "\njava  App \"a b\" c\njava\nApp\na b\nc\n");

    Write("src/Old.class", "");
    const CResult jar = Cli({"jar", "create", "--print", "P.jpr", "App.jar"});
    // The manifest's place is a private folder of the run's own, gone when it ends.
    const std::string strPrefix = strJdk + "/bin/jar\n" + strSrc + "\njar cmfv \"";
    ASSERT_EQ(jar.m_strOut.substr(0, strPrefix.size()), strPrefix) << jar.m_strOut;
    const std::string strManifest =
        jar.m_strOut.substr(strPrefix.size(), jar.m_strOut.find('"', strPrefix.size()) - strPrefix.size());
    const std::string strTempFolder = std::filesystem::temp_directory_path().string() + "/tarnwick-jar-";
    EXPECT_EQ(strManifest.substr(0, strTempFolder.size()), strTempFolder);
    EXPECT_EQ(strManifest.size(), strTempFolder.size() + 6 + 13) << strManifest;
    EXPECT_EQ(jar.m_strOut, strPrefix + strManifest + "\" \"" + Path("App.jar") + "\" *.class\njar\ncmfv\n" +
                                strManifest + "\n" + Path("App.jar") + "\nOld.class\n");
    EXPECT_FALSE(std::filesystem::exists(strManifest));
    EXPECT_FALSE(std::filesystem::exists(strManifest.substr(0, strManifest.size() - 13)));

    const CResult list = Cli({"jar", "list", "--print", "Some Archive.jar"});
    EXPECT_EQ(list.m_strOut,
              strJdk + "/bin/jar\n" + m_strDir + "\njar tvf Some Archive.jar\njar\ntvf\nSome Archive.jar\n");

    // Nothing was compiled, written or packed.
    EXPECT_FALSE(std::filesystem::exists(Path("src/App.class")));
    EXPECT_FALSE(std::filesystem::exists(Path("manifest.txt")));
    EXPECT_FALSE(std::filesystem::exists(Path("App.jar")));
}

TEST_F(CJdkCliE2e, APackagedProjectBuildsRunsAndPacksFromItsSourceRoot)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    Write("src/com/example/model/Item.java", "package com.example.model;\n"
                                             "public class Item { public String toString() { return \"item\"; } }\n");
    MakeProject("src/com/example/App.java", "package com.example;\n"
                                            "import com.example.model.Item;\n"
                                            "public class App {\n"
                                            "    public static void main(String[] args) {\n"
                                            "        System.out.println(new Item() + \" \" + args.length);\n"
                                            "    }\n"
                                            "}\n");
    EXPECT_NE(Cli({"project", "show", "P.jpr"}).m_strOut.find("Main package: \"com.example\"\n"), std::string::npos);

    const CResult print = Cli({"build", "--print", "P.jpr"});
    EXPECT_EQ(print.m_strOut,
              m_strJdk + "/bin/javac\n" + Path("src") + "\njavac com/example/App.java\njavac\ncom/example/App.java\n");
    const CResult built = Cli({"build", "P.jpr"});
    EXPECT_EQ(built.m_strOut, "Exit code: 0\nNo Errors\n");
    const CResult ran = Cli({"run", "P.jpr", "--", "x"});
    EXPECT_EQ(ran.m_strOut, "item 1\nExit code: 0\nNo Errors\n");

    const CResult packed = Cli({"jar", "create", "P.jpr", "App.jar"});
    EXPECT_NE(packed.m_strOut.find("adding: com/example/model/Item.class"), std::string::npos) << packed.m_strOut;
    EXPECT_EQ(packed.m_nExit, 0) << packed.m_strOut;
    // The manifest names the class with its package: java -jar runs it.
    const std::string strOut = Path("jar-run.txt");
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(strOut.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd >= 0 && ::dup2(fd, 1) == 1 && ::chdir("/") == 0)
            ::execl((m_strJdk + "/bin/java").c_str(), "java", "-jar", Path("App.jar").c_str(), "a", "b",
                    static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int nStatus = 0;
    ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
    EXPECT_EQ(WEXITSTATUS(nStatus), 0);
    EXPECT_EQ(Read("jar-run.txt"), "item 2\n");

    // A file whose package the folders do not match goes no further.
    Write("src/Stray.java", "package com.example;\nclass Stray {}\n");
    const CResult stray = Cli({"compile", "src/Stray.java"});
    EXPECT_EQ(stray.m_nExit, 2);
    EXPECT_EQ(stray.m_strErr, "Stray.java declares package com.example but is not in a folder com/example.\n");
    EXPECT_FALSE(std::filesystem::exists(Path("src/Stray.class")));
}

TEST_F(CJdkCliE2e, NothingToRunGivesTheIdesMessageAndExitTwo)
{
    ASSERT_EQ(Cli({"project", "new", "--type", "empty", "P.jpr"}).m_nExit, 0);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"build", "P.jpr"}, std::vector<std::string>{"run", "P.jpr"},
          std::vector<std::string>{"jar", "create", "P.jpr", "P.jar"}}) {
        const CResult result = Cli(args);
        SCOPED_TRACE(args[0]);
        EXPECT_EQ(result.m_nExit, 2);
        EXPECT_EQ(result.m_strOut, "");
        EXPECT_EQ(result.m_strErr, "Please specify a main Java file first\n");
    }
    // A main file the project no longer lists resolves to no folder.
    Write("Gone.java", "class Gone {}\n");
    ASSERT_EQ(Cli({"project", "add", "P.jpr", "Gone.java"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "main", "P.jpr", "Gone.java"}).m_nExit, 0);
    ASSERT_EQ(Cli({"project", "remove", "P.jpr", "Gone.java"}).m_nExit, 0);
    EXPECT_EQ(Cli({"build", "P.jpr"}).m_strErr, "Unholy Error\n");

    // A JDK folder without the tools: the run cannot start.
    MakeProject("A.java", "class A {}\n", "A.jpr");
    Write("config/Vellorand/Tarnwick.conf", "[PATHS]\nJAVABIN=" + Path("nojdk") + "\n");
    const CResult noJdk = Cli({"build", "A.jpr"});
    EXPECT_EQ(noJdk.m_nExit, 2);
    EXPECT_EQ(noJdk.m_strOut, "");
    EXPECT_EQ(noJdk.m_strErr, "Failed to start process\n");
    EXPECT_EQ(Cli({"build", "--print", "A.jpr"}).m_strOut.rfind(Path("nojdk") + "/bin/javac\n", 0), 0u);

    // A project file that is not one is refused before anything runs.
    Write("Bad.jpr", "garbage");
    const CResult bad = Cli({"run", "Bad.jpr"});
    EXPECT_EQ(bad.m_nExit, 1);
    EXPECT_EQ(bad.m_strErr, "Unexpected file format.\n");
    EXPECT_EQ(Cli({"run", "A.jpr", "extra"}).m_nExit, 2);
    EXPECT_EQ(Cli({"jar", "unpack", "x.jar"}).m_nExit, 2);
    EXPECT_EQ(Cli({"build", "--project", "A.jpr"}).m_nExit, 2);
}

TEST_F(CJdkCliE2e, CtrlCStopsTheProgramsWholeGroupAndSaysSo)
{
    if (!HasJdk())
        GTEST_SKIP() << "no JDK at " << m_strJdk;
    // The program starts a child of its own that would outlive a plain kill of java.
    MakeProject("Loop.java",
                "public class Loop {\n"
                "    public static void main(String[] args) throws Exception {\n"
                "        Process child = new ProcessBuilder(\"sleep\", \"600\").start();\n"
                "        System.out.println(\"pids \" + ProcessHandle.current().pid() + \" \" + child.pid());\n"
                "        for (;;) { System.out.println(\"tick\"); Thread.sleep(50); }\n"
                "    }\n"
                "}\n");
    ASSERT_EQ(Cli({"build", "P.jpr"}).m_nExit, 0);
    CCliProcess run;
    ASSERT_TRUE(run.Start({"run", "P.jpr"}, m_strDir));
    const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (run.OutputSoFar().find("tick\n") == std::string::npos && std::chrono::steady_clock::now() < tpGiveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    // Ctrl+C reaches the foreground job's group: the command line, not the program.
    ASSERT_EQ(::kill(-run.Pid(), SIGINT), 0);
    const CResult result = run.Wait();
    EXPECT_EQ(result.m_nExit, 130);
    EXPECT_TRUE(result.m_strOut.ends_with("tick\nExit code: 11\nProcess terminated by user.\n")) << result.m_strOut;

    long nJava = 0;
    long nChild = 0;
    ASSERT_EQ(std::sscanf(result.m_strOut.c_str(), "pids %ld %ld", &nJava, &nChild), 2) << result.m_strOut;
    // Both are gone (the runner reaps java; the orphaned child is reaped by init).
    const auto tpDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while ((::kill(static_cast<pid_t>(nChild), 0) == 0 || ::kill(static_cast<pid_t>(nJava), 0) == 0) &&
           std::chrono::steady_clock::now() < tpDeadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NE(::kill(static_cast<pid_t>(nJava), 0), 0);
    EXPECT_NE(::kill(static_cast<pid_t>(nChild), 0), 0);
}

TEST_F(CJdkCliE2e, CtrlCStopsTheToolEvenWhileNobodyReadsOurOutput)
{
    // A stand-in JDK whose java pours out lines for ever.
    Write("jdk/bin/java", "#!/bin/sh\necho $$ > " + Path("tool.pid") + "\nexec yes\n");
    std::filesystem::permissions(Path("jdk/bin/java"), std::filesystem::perms::owner_all);
    Write("config/Vellorand/Tarnwick.conf", "[PATHS]\nJAVABIN=" + Path("jdk") + "\n");
    MakeProject("A.java", "class A {}\n");

    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setpgid(0, 0) == 0 && ::chdir(m_strDir.c_str()) == 0 && ::dup2(fds[1], 1) >= 0) {
            ::close(fds[0]);
            ::execl(TARNWICK_CLI_PATH, TARNWICK_CLI_PATH, "run", "P.jpr", static_cast<char*>(nullptr));
        }
        ::_exit(127);
    }
    ::close(fds[1]);
    // The pipe fills and our side blocks in its write.
    const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (Read("tool.pid").empty() && std::chrono::steady_clock::now() < tpGiveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const pid_t pidTool = static_cast<pid_t>(std::atol(Read("tool.pid").c_str()));
    ASSERT_GT(pidTool, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(::kill(pidTool, 0), 0);

    ASSERT_EQ(::kill(-pid, SIGINT), 0);
    const auto tpDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (::kill(pidTool, 0) == 0 && std::chrono::steady_clock::now() < tpDeadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NE(::kill(pidTool, 0), 0) << "the tool outlived Ctrl+C";

    // Once the reader goes away the command line ends too.
    ::close(fds[0]);
    int nStatus = 0;
    ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
    EXPECT_TRUE(WIFEXITED(nStatus));
}

TEST_F(CJdkCliE2e, HelpDescribesEveryCommandAndTheContracts)
{
    const CResult help = Cli({"--help"});
    EXPECT_EQ(help.m_nExit, 0);
    for (const char* pszText :
         {"build [--print] [--diagnostics] PROJECT.jpr",
          "compile [--print] [--diagnostics] [--project PROJECT.jpr] FILE.java",
          "run [--print] [--stdin] PROJECT.jpr [-- ARGS...]", "jar create [--print] PROJECT.jpr OUT.jar",
          "jar list [--print] FILE.jar", "U+FFFD", "\"No Errors\"", "130", "--print shows"})
        EXPECT_NE(help.m_strOut.find(pszText), std::string::npos) << pszText;
    for (const char* pszVerb : {"build", "compile", "run", "jar"}) {
        const CResult verbHelp = Cli({pszVerb, "--help"});
        SCOPED_TRACE(pszVerb);
        EXPECT_EQ(verbHelp.m_nExit, 0);
        EXPECT_EQ(verbHelp.m_strOut.rfind(std::string("Usage: tarnwick-cli ") + pszVerb, 0), 0u) << verbHelp.m_strOut;
        EXPECT_NE(verbHelp.m_strOut.find("Exit status: 0 exactly when the verdict is \"No Errors\""),
                  std::string::npos);
    }
    const CResult dumpHelp = Cli({"project", "dump", "--help"});
    EXPECT_EQ(dumpHelp.m_nExit, 0);
    EXPECT_NE(dumpHelp.m_strOut.find("\"javacSwitches\"}"), std::string::npos);
}
