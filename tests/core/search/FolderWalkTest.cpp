#include "core/search/FileSearch.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {
std::vector<std::string> Shown(const std::vector<CSearchFile>& files)
{
    std::vector<std::string> shown;
    for (const CSearchFile& file : files)
        shown.push_back(file.m_strShownPath);
    return shown;
}

class FolderWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        for (const char* pszFolder : {"src/b", "src/a", "src/.git", "src/B", "other"})
            fs::create_directories(m_folder.PathOf(pszFolder));
        for (const char* pszFile : {"src/Z.java", "src/a/x.java", "src/a/y.html", "src/b/t.txt", "src/.git/h.java",
                                    "src/.hidden.java", "src/B/u.java", "other/o.java"})
            std::ofstream(m_folder.PathOf(pszFile)) << "x\n";
        // A link back up (a loop), a link to a folder elsewhere, a dangling link.
        ::symlink("..", m_folder.PathOf("src/b/up").c_str());
        ::symlink("../other", m_folder.PathOf("src/link").c_str());
        ::symlink("nowhere.java", m_folder.PathOf("src/gone.java").c_str());
        ::chdir(m_folder.Path().c_str());
    }
    void TearDown() override { ::chdir("/"); }
    CTempFolder m_folder{"tarnwick-walk"};
};
} // namespace

TEST_F(FolderWalkTest, ListsFilesInByteOrderSkippingHiddenFoldersAndLoops)
{
    const std::vector<std::string> expected = {"src/.hidden.java", "src/B/u.java", "src/Z.java", "src/a/x.java",
                                               "src/a/y.html", "src/b/t.txt", "src/gone.java", "src/link/o.java"};
    EXPECT_EQ(Shown(FilesUnderFolder("src", {})), expected);
    // The path to read is the shown one (relative to the current folder).
    EXPECT_EQ(FilesUnderFolder("src", {})[1].m_strPath, "src/B/u.java");
}

TEST_F(FolderWalkTest, ShowsThePathsAsGrepDoes)
{
    const std::vector<std::string> includes = {"x.java"};
    EXPECT_EQ(Shown(FilesUnderFolder("src/", includes)), std::vector<std::string>{"src/a/x.java"});
    EXPECT_EQ(Shown(FilesUnderFolder("src//", includes)), std::vector<std::string>{"src/a/x.java"});
    EXPECT_EQ(Shown(FilesUnderFolder("./src", includes)), std::vector<std::string>{"./src/a/x.java"});
    EXPECT_EQ(Shown(FilesUnderFolder(".", includes)), std::vector<std::string>{"./src/a/x.java"});
    const std::string strAbsolute = m_folder.Path() + "/src";
    EXPECT_EQ(Shown(FilesUnderFolder(strAbsolute, includes)), std::vector<std::string>{strAbsolute + "/a/x.java"});
}

TEST_F(FolderWalkTest, IncludesAreGlobsOnTheFileName)
{
    const std::vector<std::string> expected = {"src/.hidden.java", "src/B/u.java", "src/Z.java",  "src/a/x.java",
                                               "src/a/y.html",     "src/b/t.txt",  "src/gone.java", "src/link/o.java"};
    EXPECT_EQ(Shown(FilesUnderFolder("src", {"*.java;*.html", "*.txt"})), expected);
    EXPECT_EQ(Shown(FilesUnderFolder("src", {"*.html"})), std::vector<std::string>{"src/a/y.html"});
    EXPECT_EQ(Shown(FilesUnderFolder("src", {"[A-Z]*"})), std::vector<std::string>{"src/Z.java"});
    EXPECT_TRUE(FilesUnderFolder("missing", {}).empty());
}
