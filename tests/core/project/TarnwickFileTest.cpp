#include "core/project/JavaFile.h"
#include "core/project/ProjectPath.h"
#include "core/project/TarnwickFile.h"

#include <gtest/gtest.h>

static const std::string kSep(1, CProjectPath::kNativeSeparator);

TEST(TarnwickFileName, FollowsTheLastSeparatorOfEitherKind)
{
    CTarnwickFile file;
    file.SetPathName("C:\\Work\\Demo\\Hello.java");
    EXPECT_EQ(file.GetPathName(), "C:\\Work\\Demo\\Hello.java");
    EXPECT_EQ(file.GetFileName(), "Hello.java");

    file.SetPathName("/home/ann/demo/Page.html");
    EXPECT_EQ(file.GetFileName(), "Page.html");

    file.SetPathName("C:\\mixed/dir\\Last.java");
    EXPECT_EQ(file.GetFileName(), "Last.java");

    file.SetPathName("Bare.java");
    EXPECT_EQ(file.GetFileName(), "Bare.java");

    file.SetPathName("C:\\Trailing\\");
    EXPECT_EQ(file.GetFileName(), "");
}

TEST(TarnwickFileName, ConstructorsRecordOnlyTheProjectPath)
{
    const CTarnwickFile plain;
    EXPECT_EQ(plain.GetPathName(), "");
    EXPECT_EQ(plain.GetFileName(), "");
    EXPECT_EQ(plain.GetProjectPath(), "");

    const CJavaFile java("C:\\Work\\Demo\\Demo.jpr");
    EXPECT_EQ(java.GetProjectPath(), "C:\\Work\\Demo\\Demo.jpr");
    EXPECT_EQ(java.GetPathName(), "");
    EXPECT_EQ(java.GetReserved(), "");
    EXPECT_EQ(java.GetClasses().GetCount(), 0);
}

TEST(TarnwickFileRelocation, LeavesPathsAloneWhenNothingMoved)
{
    CTarnwickFile unsaved;
    unsaved.SetPathName("C:\\A\\X.java");
    EXPECT_EQ(unsaved.GetRelocatedPathName("D:\\B\\P.jpr"), "C:\\A\\X.java");
    EXPECT_EQ(unsaved.GetProjectPath(), "");

    CTarnwickFile same(std::string("C:\\A\\P.jpr"));
    same.SetPathName("C:\\A\\X.java");
    EXPECT_EQ(same.GetRelocatedPathName("C:\\A\\P.jpr"), "C:\\A\\X.java");
    EXPECT_EQ(same.GetProjectPath(), "C:\\A\\P.jpr");
}

TEST(TarnwickFileRelocation, MovesFilesInAndBelowTheOldProjectFolder)
{
    CTarnwickFile top(std::string("C:\\A\\P.jpr"));
    top.SetPathName("C:\\A\\X.java");
    EXPECT_EQ(top.GetRelocatedPathName("D:\\B\\P.jpr"), "D:\\B" + kSep + "X.java");
    EXPECT_EQ(top.GetPathName(), "D:\\B" + kSep + "X.java");
    EXPECT_EQ(top.GetFileName(), "X.java");
    EXPECT_EQ(top.GetProjectPath(), "D:\\B\\P.jpr");
    // Recorded: a second call finds nothing to do.
    EXPECT_EQ(top.GetRelocatedPathName("D:\\B\\P.jpr"), "D:\\B" + kSep + "X.java");

    CTarnwickFile below(std::string("C:\\A\\P.jpr"));
    below.SetPathName("C:\\A\\src\\util\\Y.java");
    EXPECT_EQ(below.GetRelocatedPathName("D:\\B\\P.jpr"), "D:\\B" + kSep + "src" + kSep + "util" + kSep + "Y.java");
    EXPECT_EQ(below.GetProjectPath(), "D:\\B\\P.jpr");
}

TEST(TarnwickFileRelocation, ProjectWrittenOnWindowsOpensOnPosix)
{
    CTarnwickFile file(std::string("C:\\Work\\Demo\\Demo.jpr"));
    file.SetPathName("C:\\Work\\Demo\\src\\Hello.java");
    EXPECT_EQ(file.GetRelocatedPathName("/home/ann/Demo/Demo.jpr"),
              "/home/ann/Demo" + kSep + "src" + kSep + "Hello.java");

    CTarnwickFile posix(std::string("/home/ann/A/P.jpr"));
    posix.SetPathName("/home/ann/A/lib/Z.java");
    EXPECT_EQ(posix.GetRelocatedPathName("/srv/B/P.jpr"), "/srv/B" + kSep + "lib" + kSep + "Z.java");
}

TEST(TarnwickFileRelocation, CaseDifferenceCountsAsAMove)
{
    CTarnwickFile file(std::string("C:\\Work\\P.jpr"));
    file.SetPathName("C:\\Work\\X.java");
    EXPECT_EQ(file.GetRelocatedPathName("C:\\WORK\\P.jpr"), "C:\\WORK" + kSep + "X.java");
    EXPECT_EQ(file.GetProjectPath(), "C:\\WORK\\P.jpr");
}

TEST(TarnwickFileRelocation, KeepsFilesOutsideTheOldProjectFolder)
{
    // Folder shorter than the project folder: unchanged, and not recorded.
    CTarnwickFile shorter(std::string("C:\\Work\\Demo\\P.jpr"));
    shorter.SetPathName("C:\\Lib\\X.java");
    EXPECT_EQ(shorter.GetRelocatedPathName("D:\\New\\P.jpr"), "C:\\Lib\\X.java");
    EXPECT_EQ(shorter.GetProjectPath(), "C:\\Work\\Demo\\P.jpr");

    // A sibling folder sharing the first characters is not inside.
    CTarnwickFile sibling(std::string("C:\\Work\\Demo\\P.jpr"));
    sibling.SetPathName("C:\\Work\\Demo2\\X.java");
    EXPECT_EQ(sibling.GetRelocatedPathName("D:\\New\\P.jpr"), "C:\\Work\\Demo2\\X.java");
    EXPECT_EQ(sibling.GetProjectPath(), "C:\\Work\\Demo\\P.jpr");

    // Same length, different folder.
    CTarnwickFile other(std::string("C:\\Work\\Demo\\P.jpr"));
    other.SetPathName("C:\\Lib2\\Deep\\X.java");
    EXPECT_EQ(other.GetRelocatedPathName("D:\\New\\P.jpr"), "C:\\Lib2\\Deep\\X.java");
    EXPECT_EQ(other.GetPathName(), "C:\\Lib2\\Deep\\X.java");
}
