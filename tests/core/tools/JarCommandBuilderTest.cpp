#include "core/tools/JarCommandBuilder.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

using CWords = std::vector<std::string>;

TEST(ToolsJarCommandBuilder, ClassNameDropsEveryLowerCaseJavaSuffix)
{
    EXPECT_EQ(CJarCommandBuilder::JarClassName("Hello.java"), "Hello");
    EXPECT_EQ(CJarCommandBuilder::DefaultJarName("Hello.java"), "Hello.jar");
    EXPECT_EQ(CJarCommandBuilder::JarClassName("Hello.JAVA"), "Hello.JAVA");
    EXPECT_EQ(CJarCommandBuilder::DefaultJarName("Hello.JAVA"), "Hello.JAVA.jar");
    EXPECT_EQ(CJarCommandBuilder::JarClassName("a.javab.java"), "ab");
    EXPECT_EQ(CJarCommandBuilder::JarClassName("Hello"), "Hello");
    EXPECT_EQ(CJarCommandBuilder::ManifestText("Hello"), "Main-Class: Hello\r\n");
}

TEST(ToolsJarCommandBuilder, CreateJarPacksTheClassesOfTheMainFolder)
{
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJarCommandBuilder::CreateJar("/opt/jdk", "Hello.java", "/work/Hello.java", "", "/out dir/Hello.jar", cmd,
                                              strError));
    EXPECT_EQ(cmd.m_strProgram, "/opt/jdk/bin/jar");
    EXPECT_EQ(cmd.m_strFolder, "/work");
    const std::string strManifest = CJarCommandBuilder::ManifestPath("/out dir/Hello.jar");
    EXPECT_EQ(cmd.m_strCommandLine, "jar cmfv \"" + strManifest + "\" \"/out dir/Hello.jar\" *.class");
    EXPECT_TRUE(cmd.m_bSetsTitle);
    EXPECT_EQ(cmd.m_strTitle, "Creating jar /out dir/Hello.jar");
    EXPECT_EQ(cmd.GetWords(), (CWords{"jar", "cmfv", strManifest, "/out dir/Hello.jar", "*.class"}));

    EXPECT_FALSE(CJarCommandBuilder::CreateJar("/opt/jdk", "", "", "", "/out/x.jar", cmd, strError));
    EXPECT_EQ(strError, "Please specify a main Java file first");
}

TEST(ToolsJarCommandBuilder, ListArchiveKeepsTheNameOneWordAndSetsNoTitle)
{
    CToolCommand cmd;
    ASSERT_TRUE(CJarCommandBuilder::ListArchive("/opt/jdk", "/home/u/my libs/My Lib.jar", cmd));
    EXPECT_EQ(cmd.m_strFolder, "/home/u/my libs");
    EXPECT_EQ(cmd.m_strCommandLine, "jar tvf My Lib.jar");
    EXPECT_FALSE(cmd.m_bSetsTitle);
    EXPECT_EQ(cmd.GetWords(), (CWords{"jar", "tvf", "My Lib.jar"}));
}

TEST(ToolsJarCommandBuilder, NamesThatLookLikeOptionsGetTheirFolder)
{
    CToolCommand cmd;
    ASSERT_TRUE(CJarCommandBuilder::ListArchive("/opt/jdk", "/libs/-C.jar", cmd));
    EXPECT_EQ(cmd.m_strCommandLine, "jar tvf ./-C.jar");
    EXPECT_EQ(cmd.GetWords(), (CWords{"jar", "tvf", "./-C.jar"}));
    ASSERT_TRUE(CJarCommandBuilder::ListArchive("/opt/jdk", "/libs/@list", cmd));
    EXPECT_EQ(cmd.m_strCommandLine, "jar tvf ./@list");
    EXPECT_EQ(cmd.GetWords(), (CWords{"jar", "tvf", "./@list"}));

    // Paths the archive is named by start with their folder; one that does
    // not is relative to where jar runs.
    std::string strError;
    ASSERT_TRUE(
        CJarCommandBuilder::CreateJar("/opt/jdk", "Hello.java", "/work/Hello.java", "", "-out/@a.jar", cmd, strError));
    const std::string strManifest = CJarCommandBuilder::ManifestPath("-out/@a.jar");
    EXPECT_EQ(cmd.m_strCommandLine, "jar cmfv \"" + strManifest + "\" \"./-out/@a.jar\" *.class");
    EXPECT_EQ(cmd.GetWords(), (CWords{"jar", "cmfv", strManifest, "./-out/@a.jar", "*.class"}));
}
