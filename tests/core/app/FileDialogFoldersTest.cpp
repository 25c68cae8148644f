#include "core/app/FileDialogFolders.h"

#include <gtest/gtest.h>

// The file dialogs start in the project's folder, else the document's, else
// where the user last chose a file; with none of these, nowhere in particular.
TEST(FileDialogFoldersTest, ProjectThenDocumentThenLastChoice)
{
    CFileDialogFolders folders;
    EXPECT_EQ(folders.StartFolder("", ""), "");
    EXPECT_EQ(folders.StartFolder("/work/proj/App.jpr", "/src/Other.java"), "/work/proj");
    EXPECT_EQ(folders.StartFolder("", "/src/Other.java"), "/src");
    EXPECT_EQ(folders.StartFolder("/App.jpr", ""), "/");

    folders.Remember("/home/u/java/Hello.java");
    EXPECT_EQ(folders.LastFolder(), "/home/u/java");
    EXPECT_EQ(folders.StartFolder("", ""), "/home/u/java");
    EXPECT_EQ(folders.StartFolder("", "/src/Other.java"), "/src");
    // A bare name leaves the folder remembered before.
    folders.Remember("Hello.java");
    folders.Remember("");
    EXPECT_EQ(folders.StartFolder("", ""), "/home/u/java");

    EXPECT_EQ(CFileDialogFolders::FolderOf("C:\\jdk\\Old.jpr"), "C:\\jdk");
    EXPECT_EQ(CFileDialogFolders::FolderOf("/a b/c/d.java"), "/a b/c");
    EXPECT_EQ(CFileDialogFolders::FolderOf("name"), "");
}
