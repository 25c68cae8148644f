#include "core/tools/ToolCommand.h"
#include "core/tools/ToolPath.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

using CWords = std::vector<std::string>;

TEST(ToolsToolPath, CutsAtTheLastSlashOrBackslash)
{
    EXPECT_EQ(CToolPath::LastSeparator("/home/u/Hello.java"), 7u);
    EXPECT_EQ(CToolPath::LastSeparator("C:\\work\\Hello.java"), 7u);
#ifdef _WIN32
    EXPECT_EQ(CToolPath::LastSeparator("a/b\\c"), 3u);
#else
    // Here a backslash is part of a name, unless the path is a Windows one.
    EXPECT_EQ(CToolPath::LastSeparator("a/b\\c"), 1u);
    EXPECT_EQ(CToolPath::LastSeparator("\\\\server\\share\\Hello.java"), 14u);
    EXPECT_EQ(CToolPath::FileNameOf("/home/u/x\\Hello.java"), "x\\Hello.java");
    EXPECT_EQ(CToolPath::FolderOf("/home/u/x\\Hello.java"), "/home/u");
    EXPECT_EQ(CToolPath::Join("/home/u/x\\", "manifest.txt"), "/home/u/x\\/manifest.txt");
    EXPECT_EQ(CToolPath::Join("C:\\out\\", "manifest.txt"), "C:\\out\\manifest.txt");
#endif
    EXPECT_EQ(CToolPath::LastSeparator("NOFILE"), std::string::npos);
    EXPECT_EQ(CToolPath::FolderOf("/home/u/Hello.java"), "/home/u");
    EXPECT_EQ(CToolPath::FolderOf("C:\\work\\Hello.java"), "C:\\work");
    EXPECT_EQ(CToolPath::FolderOf("/Hello.java"), "/");
    EXPECT_EQ(CToolPath::FolderOf("NOFILE"), "");
    EXPECT_EQ(CToolPath::FileNameOf("/home/u/My File.java"), "My File.java");
    EXPECT_EQ(CToolPath::FileNameOf("NOFILE"), "NOFILE");
    EXPECT_EQ(CToolPath::Join("/out", "manifest.txt"), "/out/manifest.txt");
    EXPECT_EQ(CToolPath::Join("/", "manifest.txt"), "/manifest.txt");
    EXPECT_EQ(CToolPath::Join("", "manifest.txt"), "manifest.txt");
    EXPECT_EQ(CToolPath::JdkTool("/opt/jdk", "javac"), "/opt/jdk/bin/javac");
}

TEST(ToolsToolCommand, WordsKeepBlanksAndSwitchesAreSplit)
{
    CToolCommand cmd;
    cmd.AddWord("javac");
    cmd.AddWord("My File.java");
    cmd.AddSplitWords("-d \"out dir\" -g");
    cmd.AddSplitWords("");
    EXPECT_EQ(cmd.GetWords(), (CWords{"javac", "My File.java", "-d", "out dir", "-g"}));
    EXPECT_EQ(cmd.ExpandWords(), cmd.GetWords());
}

TEST(ToolsToolCommand, PatternsExpandSortedInTheWorkingFolder)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("Hello.class", "x");
    folder.Write("Hello$Inner.class", "x");
    folder.Write("Alpha.class", "x");
    folder.Write("Hello.java", "x");
    std::filesystem::create_directory(folder.File("dir.class"));

    CToolCommand cmd;
    cmd.m_strFolder = folder.Path();
    cmd.AddWord("jar");
    cmd.AddPattern("*.class");
    cmd.AddWord("*.class"); // a plain word is never expanded
    EXPECT_EQ(cmd.GetWords(), (CWords{"jar", "*.class", "*.class"}));
    EXPECT_EQ(cmd.ExpandWords(), (CWords{"jar", "Alpha.class", "Hello$Inner.class", "Hello.class", "*.class"}));

    CToolCommand cmdNone;
    cmdNone.m_strFolder = folder.File("dir.class");
    cmdNone.AddPattern("*.class");
    EXPECT_EQ(cmdNone.ExpandWords(), CWords{"*.class"});

    CToolCommand cmdMissing;
    cmdMissing.m_strFolder = folder.File("no such folder");
    cmdMissing.AddPattern("*.class");
    EXPECT_EQ(cmdMissing.ExpandWords(), CWords{"*.class"});
}

TEST(ToolsToolCommand, PatternMatchesThatLookLikeOptionsGetTheFolder)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("-C.class", "x");
    folder.Write("@args.class", "x");
    folder.Write("A.class", "x");

    CToolCommand cmd;
    cmd.m_strFolder = folder.Path();
    cmd.AddWord("jar");
    cmd.AddPattern("*.class");
    EXPECT_EQ(cmd.ExpandWords(), (CWords{"jar", "./-C.class", "./@args.class", "A.class"}));
}

TEST(ToolsToolCommand, PatternBelowFoldersGivesPathsAndSkipsLinkedFolders)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    std::filesystem::create_directories(folder.File("com/example/model"));
    std::filesystem::create_directories(folder.File("-opt"));
    folder.Write("Top.class", "x");
    folder.Write("com/example/App.class", "x");
    folder.Write("com/example/App$1.class", "x");
    folder.Write("com/example/App.java", "x");
    folder.Write("com/example/model/Item.class", "x");
    folder.Write("-opt/X.class", "x");
    // A link back up would make the walk endless; a linked folder is not ours.
    std::filesystem::create_directory_symlink(folder.Path(), folder.File("com/loop"));

    CToolCommand cmd;
    cmd.m_strFolder = folder.Path();
    cmd.AddWord("jar");
    cmd.AddPattern("**/*.class");
    EXPECT_EQ(cmd.ExpandWords(), (CWords{"jar", "./-opt/X.class", "Top.class", "com/example/App$1.class",
                                         "com/example/App.class", "com/example/model/Item.class"}));
}
