#include "core/io/FileStamp.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class FileStampTest : public ::testing::Test {
protected:
    std::string Write(const std::string& strName, const std::string& strBytes)
    {
        std::string strPath = m_strDir + "/" + strName;
        std::ofstream(strPath, std::ios::binary | std::ios::trunc) << strBytes;
        return strPath;
    }
    // Sets the modification time exactly, so a test does not depend on the
    // clock moving between two writes.
    static void SetModified(const std::string& strPath, time_t nSeconds, long nNanoseconds)
    {
        struct timespec times[2] = {{nSeconds, nNanoseconds}, {nSeconds, nNanoseconds}};
        ASSERT_EQ(::utimensat(AT_FDCWD, strPath.c_str(), times, 0), 0);
    }
    CTempFolder m_folder{"tarnwick-filestamp"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST_F(FileStampTest, AnUntouchedFileHasNotChanged)
{
    const std::string strPath = Write("A.java", "class A {}\n");
    const CFileStamp before = CFileStamp::Of(strPath);
    EXPECT_TRUE(before.Exists());
    EXPECT_EQ(before.Size(), 11u);
    EXPECT_FALSE(CFileStamp::Of(strPath).ChangedSince(before));
}

TEST_F(FileStampTest, ATimeThatMovesOnlyByNanosecondsIsAChange)
{
    const std::string strPath = Write("A.java", "class A {}\n");
    SetModified(strPath, 1700000000, 100);
    const CFileStamp before = CFileStamp::Of(strPath);
    SetModified(strPath, 1700000000, 101);
    EXPECT_TRUE(CFileStamp::Of(strPath).ChangedSince(before));
}

TEST_F(FileStampTest, ANewSizeIsAChangeEvenWithTheOldTime)
{
    const std::string strPath = Write("A.java", "class A {}\n");
    SetModified(strPath, 1700000000, 5);
    const CFileStamp before = CFileStamp::Of(strPath);
    Write("A.java", "class A { int x; }\n");
    SetModified(strPath, 1700000000, 5);
    const CFileStamp after = CFileStamp::Of(strPath);
    EXPECT_EQ(after.Size(), 19u);
    EXPECT_TRUE(after.ChangedSince(before));
}

TEST_F(FileStampTest, AFileReplacedByARenameIsAChangeWithTheSameSizeAndTime)
{
    const std::string strPath = Write("A.java", "class A {}\n");
    SetModified(strPath, 1700000000, 5);
    const CFileStamp before = CFileStamp::Of(strPath);
    // As editors save: a new file beside it, renamed over it.
    const std::string strNew = Write("A.java.new", "class B {}\n");
    SetModified(strNew, 1700000000, 5);
    ASSERT_EQ(std::rename(strNew.c_str(), strPath.c_str()), 0);
    EXPECT_TRUE(CFileStamp::Of(strPath).ChangedSince(before));
}

TEST_F(FileStampTest, ADeletedFileIsAChangeAndNoLongerExists)
{
    const std::string strPath = Write("A.java", "class A {}\n");
    const CFileStamp before = CFileStamp::Of(strPath);
    ASSERT_EQ(::unlink(strPath.c_str()), 0);
    const CFileStamp after = CFileStamp::Of(strPath);
    EXPECT_FALSE(after.Exists());
    EXPECT_TRUE(after.ChangedSince(before));
    // Gone stays gone: no change between two looks at a missing file.
    EXPECT_FALSE(CFileStamp::Of(strPath).ChangedSince(after));
    EXPECT_TRUE(CFileStamp::Of(Write("A.java", "")).ChangedSince(after));
}

TEST_F(FileStampTest, ALinkIsFollowedToTheFileItNames)
{
    const std::string strPath = Write("A.java", "class A {}\n");
    const std::string strLink = m_strDir + "/Link.java";
    ASSERT_EQ(::symlink(strPath.c_str(), strLink.c_str()), 0);
    SetModified(strPath, 1700000000, 7);
    const CFileStamp before = CFileStamp::Of(strLink);
    EXPECT_EQ(before, CFileStamp::Of(strPath));
    SetModified(strPath, 1700000001, 7);
    EXPECT_TRUE(CFileStamp::Of(strLink).ChangedSince(before));
}

TEST_F(FileStampTest, ANameThatIsNotUtf8IsStamped)
{
    const std::string strPath = Write("caf\xe9.java", "x");
    EXPECT_TRUE(CFileStamp::Of(strPath).Exists());
    EXPECT_EQ(CFileStamp::Of(strPath).Size(), 1u);
}
