#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/StackFrameMatcher.h"

#include <gtest/gtest.h>

namespace {
void AddFiles(CJavaFileList& files, const std::vector<std::string>& paths, const std::string& strProjectPath = "")
{
    for (const std::string& strPath : paths) {
        auto pFile = std::make_unique<CJavaFile>(strProjectPath);
        pFile->SetPathName(strPath);
        files.Add(std::move(pFile));
    }
}
} // namespace

TEST(StackFrameMatcher, PackageFolderFirstThenFileName)
{
    CJavaFileList files;
    AddFiles(files, {"/w/p/ba/Util.java", "/w/p/b/Util.java", "/w/p/a/Util.java", "/w/p/Main.java",
                     "C:\\w\\p\\c\\d\\Deep.java", "/w/p/x/y/Cart.java"});
    // "ba/Util.java" ends with the letters of "a/Util.java" but not at a folder.
    EXPECT_EQ(CStackFrameMatcher::Match(files, "a.Util", "Util.java"), 2);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "b.Util", "Util.java"), 1);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "ba.Util$Helper", "Util.java"), 0);
    // No file in the package's folder: the first of that name.
    EXPECT_EQ(CStackFrameMatcher::Match(files, "z.Util", "Util.java"), 0);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Util", "Util.java"), 0);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Main", "Main.java"), 3);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "c.d.Deep$Inner", "Deep.java"), 4);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "x.y.Cart", "Cart.java"), 5);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "y.Cart", "Cart.java"), 5);
    // Not in the project.
    EXPECT_EQ(CStackFrameMatcher::Match(files, "java.lang.Thread", "Thread.java"), -1);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "a.Util", ""), -1);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "a.Util", "util.java"), -1);
    EXPECT_EQ(CStackFrameMatcher::Match(CJavaFileList(), "a.Util", "Util.java"), -1);
}

TEST(StackFrameMatcher, DefaultPackageClassesAreLookedForInTheRootFolder)
{
    CJavaFileList files;
    AddFiles(files, {"/w/p/shop/Cart.java", "/w/p/Cart.java", "C:\\w\\q\\Main.java", "/w/q/Main.java"});
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Cart", "Cart.java", "/w/p"), 1);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Cart$Line", "Cart.java", "/w/p"), 1);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Cart", "Cart.java"), 0);
    // None there: the first of the name.
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Cart", "Cart.java", "/w/elsewhere"), 0);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Cart", "Cart.java", "/w"), 0);
    // Either separator, in the list or in the folder.
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Main", "Main.java", "C:/w/q"), 2);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Main", "Main.java", "\\w\\q"), 3);
    // A package has folders of its own to go by.
    EXPECT_EQ(CStackFrameMatcher::Match(files, "shop.Cart", "Cart.java", "/w/p"), 0);
}

#ifndef _WIN32
TEST(StackFrameMatcher, ABackslashIsNoFolderOutsideAWindowsPath)
{
    CJavaFileList files;
    AddFiles(files, {"/w/p/a\\Util.java", "/w/p/b/Util.java", "C:\\w\\p\\a\\Util.java"});
    // "a\Util.java" is a file of that name, not Util.java in folder a.
    EXPECT_EQ(CStackFrameMatcher::Match(files, "a.Util", "Util.java"), 2);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Util", "Util.java"), 1);
    EXPECT_EQ(CStackFrameMatcher::Match(files, "Util", "a\\Util.java"), 0);
}
#endif

TEST(StackFrameMatcher, PathEndsOnlyAtFolders)
{
    EXPECT_TRUE(CStackFrameMatcher::EndsWithPath("a/Util.java", "a/Util.java"));
    EXPECT_TRUE(CStackFrameMatcher::EndsWithPath("/p/a/Util.java", "a/Util.java"));
    EXPECT_TRUE(CStackFrameMatcher::EndsWithPath("C:\\p\\a\\Util.java", "a/Util.java"));
    EXPECT_FALSE(CStackFrameMatcher::EndsWithPath("/p/ba/Util.java", "a/Util.java"));
    EXPECT_FALSE(CStackFrameMatcher::EndsWithPath("/p/a/Util.javax", "a/Util.java"));
    EXPECT_FALSE(CStackFrameMatcher::EndsWithPath("Util.java", "a/Util.java"));
    EXPECT_FALSE(CStackFrameMatcher::EndsWithPath("/p/a/Util.java", ""));
}

TEST(StackFrameMatcher, ProjectGivesTheFilesPathAndTheFramesLine)
{
    // The project file moved from /old to /new: the files below it moved along.
    CJavaProjectCore project;
    project.SetPathName("/new/Demo.jpr");
    AddFiles(project.GetJavaFiles(), {"/old/b/Util.java", "/old/a/Util.java", "/lib/Other.java"}, "/old/Demo.jpr");

    auto location = project.FindStackFrame("a.Util", "Util.java", 17);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, "/new/a/Util.java");
    EXPECT_EQ(location->m_strFileName, "Util.java");
    EXPECT_EQ(location->m_nLineNumber, 17);

    location = project.FindStackFrame("q.Util", "Util.java", 3);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, "/new/b/Util.java");
    EXPECT_EQ(location->m_nLineNumber, 3);

    location = project.FindStackFrame("Other", "Other.java", 1);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, "/lib/Other.java");

    EXPECT_FALSE(project.FindStackFrame("java.lang.Thread", "Thread.java", 840));
}

TEST(StackFrameMatcher, ProjectLooksForDefaultPackageClassesBesideTheMainFile)
{
    CJavaProjectCore project;
    project.SetPathName("/w/p/Shop.jpr");
    AddFiles(project.GetJavaFiles(), {"/w/p/shop/Cart.java", "/w/p/Cart.java", "/w/p/Main.java"}, "/w/p/Shop.jpr");
    auto location = project.FindStackFrame("Cart", "Cart.java", 3);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, "/w/p/shop/Cart.java"); // no main file yet: the first of the name
    project.SetMainFile("Main.java");
    location = project.FindStackFrame("Cart", "Cart.java", 3);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, "/w/p/Cart.java");
    location = project.FindStackFrame("shop.Cart", "Cart.java", 4);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strPath, "/w/p/shop/Cart.java");
}
