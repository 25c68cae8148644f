#include "core/settings/MemorySettingsStore.h"
#include "core/settings/TipsWalk.h"
#include "tests/support/TempFolder.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
class CTipsWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strPath = m_strDir + "/tips.dat";
    }

    void Write(const std::string& strPath, const std::string& strBytes)
    {
        std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
        file << strBytes;
    }
    // The tips of one walk: the first and then nCount - 1 more.
    std::vector<std::string> Walk(int nCount)
    {
        CTipsWalk walk(m_store, m_strPath);
        std::vector<std::string> tips{walk.Tip()};
        for (int i = 1; i < nCount; ++i) {
            walk.NextTip();
            tips.push_back(walk.Tip());
        }
        return tips;
    }
    int Stored(const char* pszEntry) { return m_store.GetProfileInt("Tip", pszEntry, -1); }
    // The file's change time as ctime() writes it, without the line break.
    std::string Stamp(const std::string& strPath)
    {
        struct stat info {};
        EXPECT_EQ(::stat(strPath.c_str(), &info), 0);
        std::string strStamp = std::ctime(&info.st_ctime);
        strStamp.pop_back();
        return strStamp;
    }

    CTempFolder m_folder{"tarnwick-tips"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strPath;
    CMemorySettingsStore m_store;
};

const char* const kTips = "; comment line\n"
                          "\n"
                          "   indented, not a tip\n"
                          "\tTabbed, not a tip\n"
                          "First tip.\n"
                          "; another comment\n"
                          "Second tip.\n"
                          "\r\n"
                          "Third tip.\n";
} // namespace

TEST_F(CTipsWalkTest, FirstStartShowsTheFirstTipLineAndStoresTheTimeStamp)
{
    Write(m_strPath, kTips);
    {
        CTipsWalk walk(m_store, m_strPath);
        ASSERT_TRUE(walk.IsOpen());
        EXPECT_EQ(walk.Tip(), "First tip.\n");
        EXPECT_TRUE(walk.TakeMessages().empty());
        auto stamp = m_store.Find("Tip", "TimeStamp");
        ASSERT_TRUE(stamp.has_value());
        EXPECT_EQ(std::get<std::string>(*stamp), Stamp(m_strPath));
        EXPECT_EQ(std::get<std::string>(*stamp).size(), 24u);
        // The position is written when the walk ends, not before.
        EXPECT_FALSE(m_store.Find("Tip", "FilePos").has_value());
    }
    // Just after the first tip's line break.
    EXPECT_EQ(Stored("FilePos"), static_cast<int>(std::string(kTips).find("; another")));
}

TEST_F(CTipsWalkTest, SkipsCommentsBlankAndIndentedLinesAndWrapsAround)
{
    Write(m_strPath, kTips);
    EXPECT_EQ(Walk(5), (std::vector<std::string>{"First tip.\n", "Second tip.\n", "Third tip.\n", "First tip.\n",
                                                 "Second tip.\n"}));
    EXPECT_EQ(Stored("FilePos"), static_cast<int>(std::string(kTips).find("\r\n")));
    // The next walk goes on where the last one stopped.
    EXPECT_EQ(Walk(2), (std::vector<std::string>{"Third tip.\n", "First tip.\n"}));
}

TEST_F(CTipsWalkTest, IsTipLineRules)
{
    EXPECT_TRUE(CTipsWalk::IsTipLine("A tip\n"));
    EXPECT_TRUE(CTipsWalk::IsTipLine("x"));
    EXPECT_TRUE(CTipsWalk::IsTipLine("#not a comment\n"));
    for (const char* pszLine : {"", " a\n", "\ta\n", "\n", "\r\n", ";a\n"})
        EXPECT_FALSE(CTipsWalk::IsTipLine(pszLine)) << pszLine;
}

TEST_F(CTipsWalkTest, ALongLineIsReadIn999ByteParts)
{
    const std::string strLong(2500, 'a');
    Write(m_strPath, strLong + "\nNext.\n");
    EXPECT_EQ(Walk(5), (std::vector<std::string>{std::string(999, 'a'), std::string(999, 'a'),
                                                 std::string(502, 'a') + "\n", "Next.\n", std::string(999, 'a')}));
}

TEST_F(CTipsWalkTest, AContinuationStartingWithABlankIsSkipped)
{
    // The part after the first 999 bytes starts with a blank: no tip.
    Write(m_strPath, std::string(999, 'b') + "  rest of the line\nTwo.\n");
    EXPECT_EQ(Walk(3), (std::vector<std::string>{std::string(999, 'b'), "Two.\n", std::string(999, 'b')}));
}

TEST_F(CTipsWalkTest, AReplacedFileRestartsFromItsFirstTip)
{
    Write(m_strPath, kTips);
    Walk(3);
    ASSERT_GT(Stored("FilePos"), 0);
    // Another file of another time: the stored position is not used.
    m_store.WriteProfileString("Tip", "TimeStamp", "Mon Jan  1 00:00:00 2001");
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"First tip.\n"}));
    EXPECT_EQ(std::get<std::string>(*m_store.Find("Tip", "TimeStamp")), Stamp(m_strPath));

    // A file put in the old one's place gets a time of its own.
    const std::string strNew = m_strDir + "/tips.new";
    Write(strNew, "New one.\nNew two.\n");
    std::filesystem::rename(strNew, m_strPath);
    m_store.WriteProfileInt("Tip", "FilePos", 9);
    m_store.WriteProfileString("Tip", "TimeStamp", "Mon Jan  1 00:00:00 2001");
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"New one.\n"}));
    EXPECT_EQ(Stored("FilePos"), 9);
}

TEST_F(CTipsWalkTest, AnUnchangedFileKeepsTheStoredPosition)
{
    Write(m_strPath, kTips);
    Walk(1);
    const int nAfterFirst = Stored("FilePos");
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"Second tip.\n"}));
    EXPECT_GT(Stored("FilePos"), nAfterFirst);
    // A position past the end wraps to the top.
    m_store.WriteProfileInt("Tip", "FilePos", 100000);
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"First tip.\n"}));
}

TEST_F(CTipsWalkTest, AFileWithoutTipsEndsAfterOnePass)
{
    Write(m_strPath, "; only comments\n\n   and indented lines\n");
    {
        CTipsWalk walk(m_store, m_strPath);
        EXPECT_TRUE(walk.IsOpen());
        EXPECT_EQ(walk.Tip(), CTipsWalk::NoTipsText);
        EXPECT_FALSE(walk.NextTip());
        EXPECT_EQ(walk.Tip(), "The tips file holds no tips.");
        EXPECT_TRUE(walk.TakeMessages().empty());
    }
    Write(m_strPath, "");
    CTipsWalk empty(m_store, m_strPath);
    EXPECT_EQ(empty.Tip(), CTipsWalk::NoTipsText);
    EXPECT_FALSE(empty.NextTip());
}

TEST_F(CTipsWalkTest, AMissingFileSaysSoAndWritesNoPosition)
{
    m_store.WriteProfileInt("Tip", "FilePos", 7);
    m_store.ClearLogs();
    {
        CTipsWalk walk(m_store, m_strDir + "/absent.dat");
        EXPECT_FALSE(walk.IsOpen());
        EXPECT_EQ(walk.Tip(), "The tips file is missing from the Tarnwick application folder.");
        EXPECT_FALSE(walk.NextTip());
        EXPECT_EQ(walk.Tip(), CTipsWalk::MissingFileText);
    }
    EXPECT_TRUE(m_store.WriteLog().empty());
    EXPECT_EQ(Stored("FilePos"), 7);
}

TEST_F(CTipsWalkTest, ABadPositionIsTroubleReading)
{
    Write(m_strPath, kTips);
    Walk(1);
    m_store.WriteProfileInt("Tip", "FilePos", -5);
    CTipsWalk walk(m_store, m_strPath);
    EXPECT_EQ(walk.TakeMessages(), std::vector<std::string>{"Trouble reading the tips file"});
    EXPECT_EQ(walk.Tip(), "");
    EXPECT_TRUE(walk.TakeMessages().empty());
    // Next Tip still reads on from where the file stands.
    EXPECT_TRUE(walk.NextTip());
    EXPECT_EQ(walk.Tip(), "First tip.\n");
}

TEST_F(CTipsWalkTest, StartUpSetting)
{
    EXPECT_TRUE(CTipsWalk::ShowsAtStartUp(m_store));
    CTipsWalk::SetShowAtStartUp(m_store, false);
    EXPECT_EQ(Stored("StartUp"), 1);
    EXPECT_FALSE(CTipsWalk::ShowsAtStartUp(m_store));
    CTipsWalk::SetShowAtStartUp(m_store, true);
    EXPECT_EQ(Stored("StartUp"), 0);
    m_store.WriteProfileInt("Tip", "StartUp", 5);
    EXPECT_FALSE(CTipsWalk::ShowsAtStartUp(m_store));
}

TEST_F(CTipsWalkTest, AFifoOrADeviceIsNoTipsFileAndIsNotWaitedOn)
{
    // Nobody writes to the FIFO: opening it to read would wait for ever, and
    // /dev/zero would be read for ever.
    ASSERT_EQ(::mkfifo(m_strPath.c_str(), 0600), 0);
    m_store.WriteProfileInt("Tip", "FilePos", 7);
    m_store.ClearLogs();
    for (const std::string& strPath : {m_strPath, std::string("/dev/zero")}) {
        CTipsWalk walk(m_store, strPath);
        EXPECT_FALSE(walk.IsOpen()) << strPath;
        EXPECT_EQ(walk.Tip(), "Trouble reading the tips file") << strPath;
        EXPECT_FALSE(walk.NextTip());
    }
    EXPECT_TRUE(m_store.WriteLog().empty());
    EXPECT_EQ(Stored("FilePos"), 7);
}

TEST_F(CTipsWalkTest, AFileLargerThanATipsFileIsNotRead)
{
    Write(m_strPath, "A tip.\n" + std::string(CTipsWalk::kMaxFileBytes, 'x'));
    CTipsWalk walk(m_store, m_strPath);
    EXPECT_FALSE(walk.IsOpen());
    EXPECT_EQ(walk.Tip(), CTipsWalk::TroubleReadingText);
}
