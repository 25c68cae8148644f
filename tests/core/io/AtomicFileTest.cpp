#include "core/io/AtomicFile.h"
#include "core/io/AtomicFileFaults.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }

    static std::string Slurp(const std::string& strPath)
    {
        std::ifstream in(strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Put(const std::string& strPath, const std::string& strBytes)
    {
        std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
        out << strBytes;
    }
    // The names in a folder, sorted.
    static std::vector<std::string> Names(const std::string& strDir)
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(strDir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static struct stat StatOf(const std::string& strPath)
    {
        struct stat info {};
        EXPECT_EQ(::stat(strPath.c_str(), &info), 0) << strPath;
        return info;
    }

    CTempFolder m_folder{"tarnwick-atomicfile"};
    const std::string m_strDir = m_folder.Path();
};

using NameList = std::vector<std::string>;

TEST_F(AtomicFileTest, CreatesAndReplacesWholeFiles)
{
    std::string strReason;
    ASSERT_TRUE(CAtomicFile::Replace(Path("P.jpr"), "first", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("P.jpr")), "first");
    ASSERT_TRUE(CAtomicFile::Replace(Path("P.jpr"), std::string("se\0cond", 7), strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("P.jpr")), std::string("se\0cond", 7));
    ASSERT_TRUE(CAtomicFile::Replace(Path("P.jpr"), "", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("P.jpr")), "");
    EXPECT_EQ(Names(m_strDir), NameList{"P.jpr"});

    EXPECT_FALSE(CAtomicFile::Replace(Path("Gone/P.jpr"), "x", strReason));
    EXPECT_EQ(strReason, std::strerror(ENOENT));
}

TEST_F(AtomicFileTest, NamesAsLongAsTheSystemAllowsAreSaved)
{
    // 255 bytes, the longest name a Linux file system takes.
    const std::string strName = std::string(250, 'n') + ".java";
    ASSERT_EQ(strName.size(), 255u);
    std::string strReason;
    ASSERT_TRUE(CAtomicFile::Replace(Path(strName), "class N {}\n", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path(strName)), "class N {}\n");
    ASSERT_TRUE(CAtomicFile::Replace(Path(strName), "class M {}\n", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path(strName)), "class M {}\n");
    EXPECT_EQ(Names(m_strDir), NameList{strName});
}

TEST_F(AtomicFileTest, SavingThroughSymbolicLinksReplacesTheirTarget)
{
    ASSERT_EQ(::mkdir(Path("real").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(Path("sub").c_str(), 0755), 0);
    Put(Path("real/P.jpr"), "old");
    ASSERT_EQ(::symlink("real/P.jpr", Path("link.jpr").c_str()), 0);     // relative
    ASSERT_EQ(::symlink("link.jpr", Path("chain.jpr").c_str()), 0);      // link to a link
    ASSERT_EQ(::symlink("../chain.jpr", Path("sub/up.jpr").c_str()), 0); // relative to its own folder
    ASSERT_EQ(::symlink(Path("real/P.jpr").c_str(), Path("abs.jpr").c_str()), 0);

    std::string strReason;
    ASSERT_TRUE(CAtomicFile::Replace(Path("link.jpr"), "one", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("real/P.jpr")), "one");
    ASSERT_TRUE(CAtomicFile::Replace(Path("sub/up.jpr"), "two", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("real/P.jpr")), "two");
    ASSERT_TRUE(CAtomicFile::Replace(Path("abs.jpr"), "three", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("real/P.jpr")), "three");

    for (const char* szLink : {"link.jpr", "chain.jpr", "sub/up.jpr", "abs.jpr"}) {
        struct stat info {};
        ASSERT_EQ(::lstat(Path(szLink).c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << szLink << " is no longer a link";
    }
    EXPECT_EQ(std::filesystem::read_symlink(Path("chain.jpr")).string(), "link.jpr");
    EXPECT_EQ(Names(Path("real")), NameList{"P.jpr"});
    EXPECT_EQ(Names(Path("sub")), NameList{"up.jpr"});
    EXPECT_EQ(Names(m_strDir), (NameList{"abs.jpr", "chain.jpr", "link.jpr", "real", "sub"}));

    // A link whose file does not exist yet: the file is made where it points.
    ASSERT_EQ(::symlink("real/New.jpr", Path("new.jpr").c_str()), 0);
    ASSERT_TRUE(CAtomicFile::Replace(Path("new.jpr"), "made", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("real/New.jpr")), "made");

    // A loop of links is refused with the system's reason.
    ASSERT_EQ(::symlink("loop2", Path("loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", Path("loop2").c_str()), 0);
    EXPECT_FALSE(CAtomicFile::Replace(Path("loop1"), "x", strReason));
    EXPECT_EQ(strReason, std::strerror(ELOOP));
}

TEST_F(AtomicFileTest, ModeOwnerAndGroupCarryOver)
{
    Put(Path("P.jpr"), "old");
    ASSERT_EQ(::chmod(Path("P.jpr").c_str(), 0640), 0);
    const bool bRoot = ::geteuid() == 0;
    if (bRoot) {
        ASSERT_EQ(::chown(Path("P.jpr").c_str(), 4321, 4322), 0);
    }
    const struct stat before = StatOf(Path("P.jpr"));

    std::string strReason;
    ASSERT_TRUE(CAtomicFile::Replace(Path("P.jpr"), "new", strReason)) << strReason;
    const struct stat after = StatOf(Path("P.jpr"));
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    if (bRoot) {
        EXPECT_EQ(after.st_uid, 4321u);
    }
    EXPECT_EQ(Slurp(Path("P.jpr")), "new");
}

TEST_F(AtomicFileTest, HardLinkedFileIsRewrittenForEveryName)
{
    Put(Path("P.jpr"), "the old project bytes");
    ASSERT_EQ(::link(Path("P.jpr").c_str(), Path("Twin.jpr").c_str()), 0);
    const ino_t nInode = StatOf(Path("P.jpr")).st_ino;

    std::string strReason;
    ASSERT_TRUE(CAtomicFile::Replace(Path("P.jpr"), "new", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("P.jpr")), "new");
    EXPECT_EQ(Slurp(Path("Twin.jpr")), "new");
    EXPECT_EQ(StatOf(Path("Twin.jpr")).st_ino, nInode);
    EXPECT_EQ(StatOf(Path("P.jpr")).st_nlink, 2u);

    ASSERT_TRUE(CAtomicFile::Replace(Path("Twin.jpr"), "a longer text than before", strReason)) << strReason;
    EXPECT_EQ(Slurp(Path("P.jpr")), "a longer text than before");
    EXPECT_EQ(Names(m_strDir), (NameList{"P.jpr", "Twin.jpr"}));
}

TEST_F(AtomicFileTest, EveryFailingStepLeavesTheOldFileAndNoTemporary)
{
    const std::string strOld(100000, 'o');
    const std::string strNew(150000, 'n');
    for (EAtomicFileStep eStep : {EAtomicFileStep::OpenTemp, EAtomicFileStep::KeepMode, EAtomicFileStep::Write,
                                  EAtomicFileStep::Sync, EAtomicFileStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(eStep));
        Put(Path("P.jpr"), strOld);
        ASSERT_EQ(::chmod(Path("P.jpr").c_str(), 0640), 0);
        std::string strReason;
        EXPECT_FALSE(CAtomicFile::Replace(Path("P.jpr"), strNew, strReason, CAtomicFileFaults{eStep, ENOSPC}));
        EXPECT_EQ(strReason, std::strerror(ENOSPC));
        EXPECT_TRUE(Slurp(Path("P.jpr")) == strOld);
        EXPECT_EQ(Names(m_strDir), NameList{"P.jpr"});
    }
}

TEST_F(AtomicFileTest, EveryFailingStepOfAHardLinkedSaveLeavesBothNamesOld)
{
    const std::string strOld(100000, 'o');
    const std::string strNew(150000, 'n');
    Put(Path("P.jpr"), strOld);
    ASSERT_EQ(::link(Path("P.jpr").c_str(), Path("Twin.jpr").c_str()), 0);
    for (EAtomicFileStep eStep :
         {EAtomicFileStep::OpenTemp, EAtomicFileStep::Write, EAtomicFileStep::Sync, EAtomicFileStep::OpenInPlace,
          EAtomicFileStep::WriteInPlace, EAtomicFileStep::SyncInPlace}) {
        SCOPED_TRACE(static_cast<int>(eStep));
        std::string strReason;
        EXPECT_FALSE(CAtomicFile::Replace(Path("P.jpr"), strNew, strReason, CAtomicFileFaults{eStep, EIO}));
        EXPECT_EQ(strReason, std::strerror(EIO));
        EXPECT_TRUE(Slurp(Path("P.jpr")) == strOld);
        EXPECT_TRUE(Slurp(Path("Twin.jpr")) == strOld);
        EXPECT_EQ(Names(m_strDir), (NameList{"P.jpr", "Twin.jpr"}));
    }
}

// A save killed at any moment leaves one whole version on disk. A killed
// save may leave its temporary file behind (nothing runs to remove it); the
// test counts and removes those. Under AddressSanitizer every fork is slow, so
// fewer kills cover the same spread of moments.
// Reads one report byte from the pipe; false at its end (the writer died).
static bool ReadReport(int fd, char& cReport)
{
    for (;;) {
        const ssize_t nRead = ::read(fd, &cReport, 1);
        if (nRead == 1)
            return true;
        if (nRead < 0 && errno == EINTR)
            continue;
        return false;
    }
}

TEST_F(AtomicFileTest, KilledSavesLeaveOneWholeVersion)
{
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kRounds = 50;
#else
    constexpr int kRounds = 200;
#endif
    constexpr int kStepMicroseconds = 30000 / kRounds;
    std::string strA(5 << 20, '\0');
    std::string strB((5 << 20) - 4096, '\0');
    for (std::size_t i = 0; i < strA.size(); ++i)
        strA[i] = static_cast<char>('a' + i % 23);
    for (std::size_t i = 0; i < strB.size(); ++i)
        strB[i] = static_cast<char>('A' + i % 19);
    const std::string strPath = Path("Big.jpr");
    std::string strReason;
    ASSERT_TRUE(CAtomicFile::Replace(strPath, strA, strReason)) << strReason;

    // The child saves B, A, B, ... and reports each finished save with its
    // letter. Every other round the parent waits for a report before its
    // delay, so kills land both inside the first save and after finished
    // ones however slow the machine is. What is on disk must be the last
    // reported version or the one after it (killed between its rename and
    // its report).
    int nSawA = 0;
    int nSawB = 0;
    int nLeftovers = 0;
    int nFinishedBeforeKill = 0;
    char cOnDisk = 'a';
    for (int nRound = 0; nRound < kRounds; ++nRound) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(fds[0]);
            std::string strChildReason;
            for (unsigned n = 0;; ++n) {
                const bool bB = n % 2 == 0;
                if (CAtomicFile::Replace(strPath, bB ? strB : strA, strChildReason)) {
                    const char cReport = bB ? 'B' : 'a';
                    [[maybe_unused]] const ssize_t nIgnored = ::write(fds[1], &cReport, 1);
                }
            }
        }
        ::close(fds[1]);
        char cLast = 0;
        if (nRound % 2 == 1) {
            ASSERT_TRUE(ReadReport(fds[0], cLast)) << "the saving child died";
        }
        ::usleep(static_cast<useconds_t>(nRound * kStepMicroseconds));
        ::kill(pid, SIGKILL);
        int nStatus = 0;
        ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
        int nReports = cLast != 0 ? 1 : 0;
        for (char cReport = 0; ReadReport(fds[0], cReport); ++nReports)
            cLast = cReport;
        ::close(fds[0]);
        if (nReports > 0)
            ++nFinishedBeforeKill;

        // Reported last, or the save after it (the first one, B, when none was reported).
        const char cBefore = nReports > 0 ? cLast : cOnDisk;
        const char cAfter = nReports > 0 ? (cLast == 'B' ? 'a' : 'B') : 'B';
        const std::string strOnDisk = Slurp(strPath);
        if (strOnDisk == strA)
            cOnDisk = 'a';
        else if (strOnDisk == strB)
            cOnDisk = 'B';
        else {
            ADD_FAILURE() << "round " << nRound << ": " << strOnDisk.size() << " bytes, neither version";
            continue;
        }
        ++(cOnDisk == 'a' ? nSawA : nSawB);
        EXPECT_TRUE(cOnDisk == cBefore || cOnDisk == cAfter)
            << "round " << nRound << ": " << nReports << " saves reported, last " << cLast << ", disk holds "
            << cOnDisk;
        for (const std::string& strName : Names(m_strDir)) {
            if (strName == "Big.jpr")
                continue;
            ::unlink(Path(strName).c_str());
            ++nLeftovers;
        }
    }
    std::cout << "killed saves: " << nSawA << " left A, " << nSawB << " left B, " << nLeftovers
              << " temporary files left behind, " << nFinishedBeforeKill << " rounds with finished saves\n";
    EXPECT_EQ(nSawA + nSawB, kRounds);
}

} // namespace
