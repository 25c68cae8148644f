#include "core/settings/IniSettingsStore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class IniSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strPath = m_strDir + "/Tarnwick.conf";
    }

    void Put(const std::string& strBytes) const { std::ofstream(m_strPath, std::ios::binary) << strBytes; }
    std::string Slurp() const
    {
        std::ifstream file(m_strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    struct stat StatOf() const
    {
        struct stat info {};
        EXPECT_EQ(::stat(m_strPath.c_str(), &info), 0);
        return info;
    }

    CTempFolder m_folder{"tarnwick-inistore"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strPath;
};

// As QSettings wrote it, with a few things it would not write itself.
const std::string kWritten = "[OPTIONS]\n"
                             "FONTNAME=Courier New\n"
                             "FONTSIZE=100\n"
                             "LASTOPEN=/home/u/caf\xe9/P.jpr\n"
                             "RECENT0=\"/home/u/a,b/P.jpr\"\n"
                             "RECENT1=/home/u/x\\\\y \\\"z\\\"\n"
                             "RECENT2=\"  padded  \"\n"
                             "RECENTSIZE=3\n"
                             "\n"
                             "[PATHS]\n"
                             "HELPPATH=\"https://x/?a=1;b=2\"\n"
                             "JAVAOPTIONS=@String(-Da=\\0\\x31)\n"
                             "JAVABIN=/usr/lib/jvm/default-java\n"
                             "; a comment someone wrote\n"
                             "\n"
                             "[Tip]\n"
                             "FilePos=42\n"
                             "TimeStamp=Mon Jan  1 00:00:00 2001\n";

} // namespace

TEST_F(IniSettingsStoreTest, ReadsWhatQSettingsWroteWithEveryByteKept)
{
    Put(kWritten);
    CIniSettingsStore store(m_strPath);
    EXPECT_EQ(store.GetProfileString("OPTIONS", "FONTNAME", ""), "Courier New");
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "FONTSIZE", 0), 100);
    EXPECT_EQ(store.GetProfileString("OPTIONS", "FONTSIZE", ""), "100");
    // Not UTF-8: the bytes as they are, not U+FFFD.
    EXPECT_EQ(store.GetProfileString("OPTIONS", "LASTOPEN", ""), "/home/u/caf\xe9/P.jpr");
    EXPECT_EQ(store.GetProfileString("OPTIONS", "RECENT0", ""), "/home/u/a,b/P.jpr");
    EXPECT_EQ(store.GetProfileString("OPTIONS", "RECENT1", ""), "/home/u/x\\y \"z\"");
    EXPECT_EQ(store.GetProfileString("OPTIONS", "RECENT2", ""), "  padded  ");
    EXPECT_EQ(store.GetProfileString("PATHS", "HELPPATH", ""), "https://x/?a=1;b=2");
    EXPECT_EQ(store.GetProfileString("PATHS", "JAVAOPTIONS", ""), std::string("-Da=\0"
                                                                              "1",
                                                                              6));
    EXPECT_EQ(store.GetProfileInt("Tip", "FilePos", -1), 42);
    EXPECT_EQ(store.GetProfileString("Tip", "TimeStamp", ""), "Mon Jan  1 00:00:00 2001");
    EXPECT_EQ(store.GetProfileString("OPTIONS", "NONE", "dflt"), "dflt");
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "FONTNAME", 7), 7);
    EXPECT_EQ(store.GetProfileString("PATHS", "FONTNAME", "other section"), "other section");
}

TEST_F(IniSettingsStoreTest, NothingChangedWritesNothing)
{
    Put(kWritten);
    const struct stat before = StatOf();
    {
        CIniSettingsStore store(m_strPath);
        // The same values again are no change.
        store.WriteProfileInt("OPTIONS", "FONTSIZE", 100);
        store.WriteProfileString("OPTIONS", "LASTOPEN", "/home/u/caf\xe9/P.jpr");
        store.WriteProfileString("OPTIONS", "RECENT0", "/home/u/a,b/P.jpr");
        EXPECT_TRUE(store.Flush());
    }
    const struct stat after = StatOf();
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(Slurp(), kWritten);
}

TEST_F(IniSettingsStoreTest, OnlyTheChangedLinesChangeAndNewValuesJoinTheirSection)
{
    Put(kWritten);
    {
        CIniSettingsStore store(m_strPath);
        store.WriteProfileInt("OPTIONS", "FONTSIZE", 120);
        store.WriteProfileString("OPTIONS", "RECENT3", "/p/with,comma");
        store.WriteProfileString("PATHS", "JAVABIN", "/opt/j\xf6k");
        store.WriteProfileInt("Tip", "StartUp", 1);
        store.WriteProfileString("SETTINGS", "WINDOWSTATE", "");
        store.WriteProfileInt("SETTINGS", "NEG", -5);
        // Read back before the file is written, and after.
        EXPECT_EQ(store.GetProfileString("OPTIONS", "RECENT3", ""), "/p/with,comma");
        EXPECT_EQ(store.GetProfileInt("SETTINGS", "NEG", 0), -5);
    }
    EXPECT_EQ(Slurp(), "[OPTIONS]\n"
                       "FONTNAME=Courier New\n"
                       "FONTSIZE=120\n"
                       "LASTOPEN=/home/u/caf\xe9/P.jpr\n"
                       "RECENT0=\"/home/u/a,b/P.jpr\"\n"
                       "RECENT1=/home/u/x\\\\y \\\"z\\\"\n"
                       "RECENT2=\"  padded  \"\n"
                       "RECENTSIZE=3\n"
                       "RECENT3=\"/p/with,comma\"\n"
                       "\n"
                       "[PATHS]\n"
                       "HELPPATH=\"https://x/?a=1;b=2\"\n"
                       "JAVAOPTIONS=@String(-Da=\\0\\x31)\n"
                       "JAVABIN=/opt/j\xf6k\n"
                       "; a comment someone wrote\n"
                       "\n"
                       "[Tip]\n"
                       "FilePos=42\n"
                       "TimeStamp=Mon Jan  1 00:00:00 2001\n"
                       "StartUp=1\n"
                       "\n"
                       "[SETTINGS]\n"
                       "NEG=-5\n"
                       "WINDOWSTATE=\n");
    CIniSettingsStore reread(m_strPath);
    EXPECT_EQ(reread.GetProfileString("OPTIONS", "RECENT3", ""), "/p/with,comma");
    EXPECT_EQ(reread.GetProfileString("PATHS", "JAVABIN", ""), "/opt/j\xf6k");
    EXPECT_EQ(reread.GetProfileString("SETTINGS", "WINDOWSTATE", "x"), "");
    EXPECT_EQ(reread.GetProfileInt("SETTINGS", "NEG", 0), -5);
}

TEST_F(IniSettingsStoreTest, EveryByteStringComesBackAsWritten)
{
    const std::vector<std::string> values = {"",
                                             "plain",
                                             "a,b",
                                             ", leading comma",
                                             "semi;colon",
                                             "equals=sign",
                                             "  both ends  ",
                                             " lead",
                                             "trail ",
                                             "\ttab\t",
                                             "quote \" inside",
                                             "\"quoted\"",
                                             "back\\slash\\",
                                             "line\nbreak\r\n",
                                             std::string("nul\0"
                                                         "1f",
                                                         6),
                                             "\x01\x1f"
                                             "0x",
                                             "@at start",
                                             "@@two",
                                             "@Invalid()",
                                             "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
                                             "latin1 caf\xe9",
                                             "\xff\xfe\x80",
                                             "[not a section]",
                                             "x = y ; z"};
    {
        CIniSettingsStore store(m_strPath);
        for (std::size_t i = 0; i < values.size(); ++i)
            store.WriteProfileString("OPTIONS", "V" + std::to_string(i), values[i]);
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_EQ(store.GetProfileString("OPTIONS", "V" + std::to_string(i), "absent"), values[i]) << i;
    }
    CIniSettingsStore reread(m_strPath);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(reread.GetProfileString("OPTIONS", "V" + std::to_string(i), "absent"), values[i]) << i;
}

TEST_F(IniSettingsStoreTest, IntegersAreWrittenAsPlainDecimals)
{
    {
        CIniSettingsStore store(m_strPath);
        store.WriteProfileInt("OPTIONS", "A", 0);
        store.WriteProfileInt("OPTIONS", "B", 2147483647);
        store.WriteProfileInt("OPTIONS", "C", -2147483647 - 1);
    }
    EXPECT_EQ(Slurp(), "[OPTIONS]\nA=0\nB=2147483647\nC=-2147483648\n");
    Put("[OPTIONS]\nA= 12 \nB=2147483648\nC=12x\nD=+7\nE=\nF=\"-3\"\n");
    CIniSettingsStore store(m_strPath);
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "A", -1), 12);
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "B", -1), -1);
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "C", -1), -1);
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "D", -1), 7);
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "E", -1), -1);
    EXPECT_EQ(store.GetProfileInt("OPTIONS", "F", -1), -3);
}

TEST_F(IniSettingsStoreTest, ValuesAnotherProgramStoredMeanwhileStay)
{
    Put("[OPTIONS]\nFONTSIZE=100\n");
    CIniSettingsStore store(m_strPath);
    store.WriteProfileInt("OPTIONS", "TABWIDTH", 4);
    // Another Tarnwick stores its own value before this one writes.
    Put("[OPTIONS]\nFONTSIZE=100\nLASTOPEN=/other/P.jpr\n");
    ASSERT_TRUE(store.Flush());
    EXPECT_EQ(Slurp(), "[OPTIONS]\nFONTSIZE=100\nLASTOPEN=/other/P.jpr\nTABWIDTH=4\n");
    EXPECT_EQ(store.GetProfileString("OPTIONS", "LASTOPEN", ""), "/other/P.jpr");
}

TEST_F(IniSettingsStoreTest, AMissingFileAndFolderAreMadeOnlyWhenAValueChanges)
{
    m_strPath = m_strDir + "/config/Vellorand/Tarnwick.conf";
    {
        CIniSettingsStore store(m_strPath);
        EXPECT_EQ(store.GetProfileInt("OPTIONS", "FONTSIZE", 100), 100);
    }
    EXPECT_FALSE(fs::exists(m_strDir + "/config"));
    {
        CIniSettingsStore store(m_strPath);
        store.WriteProfileInt("OPTIONS", "FONTSIZE", 100);
    }
    EXPECT_EQ(Slurp(), "[OPTIONS]\nFONTSIZE=100\n");
}

TEST_F(IniSettingsStoreTest, LinesKeepTheirOwnSpellingAndLineEnds)
{
    Put("[OPTIONS]\r\nFONTSIZE = 100\r\n; note\r\n[PATHS]\r\nJAVABIN=/x");
    {
        CIniSettingsStore store(m_strPath);
        EXPECT_EQ(store.GetProfileInt("OPTIONS", "FONTSIZE", 0), 100);
        EXPECT_EQ(store.GetProfileString("PATHS", "JAVABIN", ""), "/x");
        store.WriteProfileInt("OPTIONS", "FONTSIZE", 90);
        store.WriteProfileString("PATHS", "HELPPATH", "/h");
    }
    EXPECT_EQ(Slurp(), "[OPTIONS]\r\nFONTSIZE = 90\r\n; note\r\n[PATHS]\r\nJAVABIN=/x\nHELPPATH=/h\n");
}

TEST_F(IniSettingsStoreTest, AFifoOrADeviceIsNeitherWaitedOnNorWritten)
{
    // Nobody writes to the FIFO: opening it to read would wait for ever.
    ASSERT_EQ(::mkfifo(m_strPath.c_str(), 0600), 0);
    {
        CIniSettingsStore store(m_strPath);
        EXPECT_EQ(store.GetProfileInt("OPTIONS", "FONTSIZE", 100), 100);
        store.WriteProfileInt("OPTIONS", "FONTSIZE", 120);
        EXPECT_EQ(store.GetProfileInt("OPTIONS", "FONTSIZE", 100), 120);
        std::string strReason;
        EXPECT_FALSE(store.Flush(strReason));
        EXPECT_EQ(strReason, "not a regular file");
    }
    struct stat info {};
    ASSERT_EQ(::lstat(m_strPath.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    CIniSettingsStore zero("/dev/zero");
    EXPECT_EQ(zero.GetProfileString("OPTIONS", "FONTNAME", "Courier New"), "Courier New");
}

TEST_F(IniSettingsStoreTest, AFileTooLargeForSettingsIsNotReadNorReplaced)
{
    const std::string strHuge = "[OPTIONS]\nFONTSIZE=90\n" + std::string(CIniSettingsStore::kMaxFileBytes, ';') + "\n";
    Put(strHuge);
    {
        CIniSettingsStore store(m_strPath);
        EXPECT_EQ(store.GetProfileInt("OPTIONS", "FONTSIZE", 100), 100);
        store.WriteProfileInt("OPTIONS", "TABWIDTH", 4);
        std::string strReason;
        EXPECT_FALSE(store.Flush(strReason));
        EXPECT_EQ(strReason, "larger than " + std::to_string(CIniSettingsStore::kMaxFileBytes) + " bytes");
    }
    EXPECT_EQ(Slurp(), strHuge);
}

TEST_F(IniSettingsStoreTest, TheDefaultPathIsQSettingsOwn)
{
    const auto Environment = [](std::map<std::string, std::string> values) {
        return [values](const std::string& strName) -> std::optional<std::string> {
            const auto it = values.find(strName);
            return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
    };
    EXPECT_EQ(CIniSettingsStore::DefaultPath(Environment({{"HOME", "/home/u"}})),
              "/home/u/.config/Vellorand/Tarnwick.conf");
    EXPECT_EQ(CIniSettingsStore::DefaultPath(Environment({{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "/cfg/"}})),
              "/cfg/Vellorand/Tarnwick.conf");
    // Only an absolute XDG_CONFIG_HOME counts.
    EXPECT_EQ(CIniSettingsStore::DefaultPath(Environment({{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "cfg"}})),
              "/home/u/.config/Vellorand/Tarnwick.conf");
}
