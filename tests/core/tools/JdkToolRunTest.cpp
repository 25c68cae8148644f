#include "core/tools/ExternalProcess.h"
#include "core/tools/JarCommandBuilder.h"
#include "core/tools/JdkCommandBuilder.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The JDK folder of the javac found on PATH, or empty.
static std::string FindJdkFolder()
{
    const char* szPath = std::getenv("PATH");
    if (szPath == nullptr)
        return std::string();
    std::string strPath = szPath;
    std::size_t nFrom = 0;
    while (nFrom <= strPath.size()) {
        std::size_t nColon = strPath.find(':', nFrom);
        if (nColon == std::string::npos)
            nColon = strPath.size();
        const std::filesystem::path javac = std::filesystem::path(strPath.substr(nFrom, nColon - nFrom)) / "javac";
        std::error_code error;
        const std::filesystem::path real = std::filesystem::canonical(javac, error);
        if (!error && real.parent_path().filename() == "bin")
            return real.parent_path().parent_path().string();
        nFrom = nColon + 1;
    }
    return std::string();
}

static bool EndsWith(const std::string& strText, const std::string& strEnd)
{
    return strText.size() >= strEnd.size() &&
           strText.compare(strText.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
}

TEST(ToolsJdkToolRun, BuildRunAndPackAProject)
{
    const std::string strJdk = FindJdkFolder();
    if (strJdk.empty())
        GTEST_SKIP() << "no javac on PATH";
    CScratchFolder scratch;
    ASSERT_FALSE(scratch.Path().empty());
    std::filesystem::create_directory(scratch.File("my app"));
    std::filesystem::create_directory(scratch.File("out dir"));
    const std::string strMain = scratch.File("my app/Hello.java");
    scratch.Write("my app/Hello.java",
                  "public class Hello {\n"
                  "    public static void main(String[] args) {\n"
                  "        System.out.println(\"Hello \" + args.length + \" \" + String.join(\"|\", args));\n"
                  "    }\n"
                  "}\n");

    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::BuildProject(strJdk, "Hello.java", strMain, "", "-g", cmd, strError));
    EXPECT_EQ(RunCaptured(cmd), "Exit code: 0\r\nNo Errors");
    EXPECT_TRUE(std::filesystem::exists(scratch.File("my app/Hello.class")));

    ASSERT_TRUE(CJdkCommandBuilder::RunJava(strJdk, "Hello.java", strMain, "-Xshare:auto", "", cmd, strError));
    CJdkCommandBuilder::AppendRunArguments(cmd, "x \"y z\"");
    EXPECT_EQ(RunCaptured(cmd), "Hello 2 x|y z\r\nExit code: 0\r\nNo Errors");

    const std::string strJar = scratch.File("out dir/Hello.jar");
    ASSERT_TRUE(CJarCommandBuilder::CreateJar(strJdk, "Hello.java", strMain, "", strJar, cmd, strError));
    ASSERT_TRUE(CJarCommandBuilder::WriteManifest(CJarCommandBuilder::ManifestPath(strJar), "Hello"));
    const std::string strPacked = RunCaptured(cmd);
    EXPECT_NE(strPacked.find("Hello.class"), std::string::npos) << strPacked;
    EXPECT_TRUE(EndsWith(strPacked, "Exit code: 0\r\nNo Errors")) << strPacked;

    ASSERT_TRUE(CJarCommandBuilder::ListArchive(strJdk, strJar, cmd));
    const std::string strListing = RunCaptured(cmd);
    EXPECT_NE(strListing.find("META-INF/MANIFEST.MF\r\n"), std::string::npos) << strListing;
    EXPECT_NE(strListing.find("Hello.class\r\n"), std::string::npos) << strListing;
    EXPECT_TRUE(EndsWith(strListing, "Exit code: 0\r\nNo Errors")) << strListing;
}

TEST(ToolsJdkToolRun, CompilerErrorsNameTheFileAndLine)
{
    const std::string strJdk = FindJdkFolder();
    if (strJdk.empty())
        GTEST_SKIP() << "no javac on PATH";
    CScratchFolder scratch;
    ASSERT_FALSE(scratch.Path().empty());
    scratch.Write("Bad.java", "public class Bad {\n    void f() {\n        int x = ;\n    }\n}\n");

    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJdkCommandBuilder::CompileFile(strJdk, scratch.File("Bad.java"), "", "", cmd, strError));
    const std::string strOutput = RunCaptured(cmd);
    EXPECT_EQ(strOutput.rfind("Bad.java:3: error:", 0), 0u) << strOutput;
    EXPECT_TRUE(EndsWith(strOutput, "1 error\r\nExit code: 1\r\nThere were errors")) << strOutput;
}
