#include "core/io/FileLock.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class FileLockTest : public ::testing::Test {
protected:
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }

    CTempFolder m_folder{"tarnwick-filelock"};
    const std::string m_strDir = m_folder.Path();
};

TEST_F(FileLockTest, SecondLockerWaitsOutItsTimeoutAndFails)
{
    CFileLock first;
    std::string strReason;
    ASSERT_TRUE(first.Acquire(Path("P.jpr"), CFileLock::kDefaultTimeoutMs, strReason)) << strReason;
    EXPECT_TRUE(first.IsHeld());

    CFileLock second;
    EXPECT_FALSE(second.Acquire(Path("P.jpr"), 100, strReason));
    EXPECT_EQ(strReason, "locked by another program");
    EXPECT_FALSE(second.IsHeld());

    first.Release();
    EXPECT_FALSE(first.IsHeld());
    ASSERT_TRUE(second.Acquire(Path("P.jpr"), 0, strReason)) << strReason;
    // Released locks leave their file for the next locker.
    EXPECT_TRUE(std::filesystem::is_regular_file(Path("P.jpr.lock")));
}

TEST_F(FileLockTest, DestructorReleases)
{
    std::string strReason;
    {
        CFileLock first;
        ASSERT_TRUE(first.Acquire(Path("P.jpr"), 0, strReason)) << strReason;
    }
    CFileLock second;
    EXPECT_TRUE(second.Acquire(Path("P.jpr"), 0, strReason)) << strReason;
}

TEST_F(FileLockTest, WaiterGetsTheLockOnceAnotherProcessLetsGo)
{
    std::string strReason;
    int aHeld[2];  // child to parent: whether it holds the lock
    int aGoOn[2];  // parent to child: let go now
    ASSERT_EQ(::pipe(aHeld), 0);
    ASSERT_EQ(::pipe(aGoOn), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        CFileLock child;
        std::string strChildReason;
        const bool bHeld = child.Acquire(Path("P.jpr"), 0, strChildReason);
        char c = bHeld ? 'y' : 'n';
        (void)!::write(aHeld[1], &c, 1);
        (void)!::read(aGoOn[0], &c, 1);
        ::_exit(bHeld ? 0 : 1);
    }
    ::close(aHeld[1]);
    ::close(aGoOn[0]);
    char c = 0;
    ASSERT_EQ(::read(aHeld[0], &c, 1), 1);
    ::close(aHeld[0]);
    ASSERT_EQ(c, 'y');
    CFileLock parent;
    EXPECT_FALSE(parent.Acquire(Path("P.jpr"), 0, strReason));
    // The child lets go while the parent waits.
    ASSERT_EQ(::write(aGoOn[1], "x", 1), 1);
    ::close(aGoOn[1]);
    EXPECT_TRUE(parent.Acquire(Path("P.jpr"), 60000, strReason)) << strReason;
    int nStatus = 0;
    ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
    EXPECT_EQ(nStatus, 0);
}

TEST_F(FileLockTest, NamesOfOneFileShareOneLock)
{
    std::filesystem::create_directory(Path("sub"));
    {
        std::FILE* p = std::fopen(Path("sub/P.jpr").c_str(), "w");
        ASSERT_NE(p, nullptr);
        std::fclose(p);
    }
    std::filesystem::create_symlink("sub/P.jpr", Path("Link.jpr"));
    CFileLock first;
    std::string strReason;
    ASSERT_TRUE(first.Acquire(Path("sub/P.jpr"), 0, strReason)) << strReason;
    CFileLock second;
    EXPECT_FALSE(second.Acquire(Path("Link.jpr"), 0, strReason));
    EXPECT_FALSE(second.Acquire(Path("sub/../sub/P.jpr"), 0, strReason));
    EXPECT_EQ(CFileLock::LockPathFor(Path("Link.jpr")), CFileLock::LockPathFor(Path("sub/P.jpr")));
}

TEST_F(FileLockTest, PlantedLinkAsLockFileIsNotFollowed)
{
    std::filesystem::create_symlink(Path("victim"), Path("P.jpr.lock"));
    CFileLock lock;
    std::string strReason;
    EXPECT_FALSE(lock.Acquire(Path("P.jpr"), 0, strReason));
    EXPECT_FALSE(strReason.empty());
    EXPECT_FALSE(std::filesystem::exists(Path("victim")));
}

TEST_F(FileLockTest, LockFileThatIsNotRegularIsRefused)
{
    std::filesystem::create_directory(Path("P.jpr.lock"));
    CFileLock lock;
    std::string strReason;
    EXPECT_FALSE(lock.Acquire(Path("P.jpr"), 0, strReason));
    EXPECT_FALSE(lock.IsHeld());
}

TEST_F(FileLockTest, MissingFolderGivesTheSystemsReason)
{
    CFileLock lock;
    std::string strReason;
    EXPECT_FALSE(lock.Acquire(Path("no/such/P.jpr"), 0, strReason));
    EXPECT_EQ(strReason, "No such file or directory");
}

} // namespace
