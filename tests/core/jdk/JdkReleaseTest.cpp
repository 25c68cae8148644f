#include "core/jdk/JdkCandidates.h"
#include "core/jdk/JdkDocsLocator.h"
#include "core/jdk/JdkRelease.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kLinuxRelease = "IMPLEMENTOR=\"Eclipse Adoptium\"\nJAVA_VERSION=\"17.0.2\"\nOS_NAME=\"Linux\"\n";
const std::string kWindowsRelease =
    "IMPLEMENTOR=\"Eclipse Adoptium\"\r\nJAVA_VERSION=\"17.0.2\"\r\nOS_NAME=\"Windows\"\r\n";

} // namespace

TEST(JdkReleaseValue, QuotedValueOfTheNamedKey)
{
    EXPECT_EQ(CJdkRelease::Value(kLinuxRelease, "JAVA_VERSION"), "17.0.2");
    EXPECT_EQ(CJdkRelease::Value(kLinuxRelease, "IMPLEMENTOR"), "Eclipse Adoptium");
    EXPECT_EQ(CJdkRelease::Value(kLinuxRelease, "OS_NAME"), "Linux");
    EXPECT_EQ(CJdkRelease::Value(kLinuxRelease, "OS_ARCH"), "");
    EXPECT_EQ(CJdkRelease::Value("", "JAVA_VERSION"), "");
}

TEST(JdkReleaseValue, OnlyALineStartingWithKeyAndEqualsSignCounts)
{
    EXPECT_EQ(CJdkRelease::Value("JAVA_VERSION_DATE=\"2025-04-15\"\nJAVA_VERSION=\"21\"\n", "JAVA_VERSION"), "21");
    EXPECT_EQ(CJdkRelease::Value(" JAVA_VERSION=\"9\"\nJAVA_VERSION =\"10\"\n", "JAVA_VERSION"), "");
    // The first line that sets the key wins.
    EXPECT_EQ(CJdkRelease::Value("JAVA_VERSION=\"11\"\nJAVA_VERSION=\"12\"\n", "JAVA_VERSION"), "11");
}

TEST(JdkReleaseValue, CrlfLinesGiveTheSameValuesAsLfLines)
{
    EXPECT_EQ(CJdkRelease::Value(kWindowsRelease, "JAVA_VERSION"), "17.0.2");
    EXPECT_EQ(CJdkRelease::Value(kWindowsRelease, "IMPLEMENTOR"), "Eclipse Adoptium");
    EXPECT_EQ(CJdkRelease::Value(kWindowsRelease, "OS_NAME"), "Windows");
}

TEST(JdkReleaseValue, TheCrOfAnUnquotedOrUnclosedValueIsNotPartOfIt)
{
    // Without quotes nothing else ends the value: only dropping the CR keeps it out.
    EXPECT_EQ(CJdkRelease::Value("JAVA_VERSION=21.0.1\r\nOS_ARCH=amd64\r\n", "JAVA_VERSION"), "21.0.1");
    EXPECT_EQ(CJdkRelease::Value("JAVA_VERSION=21.0.1\r\nOS_ARCH=amd64\r\n", "OS_ARCH"), "amd64");
    EXPECT_EQ(CJdkRelease::Value("JAVA_VERSION=\"1.8.0_292\r\n", "JAVA_VERSION"), "1.8.0_292");
    // The last line need not end in LF.
    EXPECT_EQ(CJdkRelease::Value("OS_ARCH=amd64\r\nJAVA_VERSION=25\r", "JAVA_VERSION"), "25");
    EXPECT_EQ(CJdkRelease::Value("JAVA_VERSION=\r\n", "JAVA_VERSION"), "");
}

TEST(JdkReleaseValue, ACrInsideALineIsNoLineEnd)
{
    EXPECT_EQ(CJdkRelease::Value("IMPLEMENTOR=a\rb\r\n", "IMPLEMENTOR"), "a\rb");
    EXPECT_EQ(CJdkRelease::Value("OS_NAME=Linux\rJAVA_VERSION=17\n", "JAVA_VERSION"), "");
}

TEST(JdkReleaseValue, FullAndMajorVersionReadTheSameValue)
{
    // An unquoted version on a CRLF line: the full version is the value without
    // the CR, and the major version is read from that same value.
    const std::string strText = "JAVA_VERSION=1.8.0_292\r\nOS_ARCH=amd64\r\n";
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease(strText), "1.8.0_292");
    EXPECT_EQ(CJdkDocsLocator::MajorVersionFromRelease(strText), 8);
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease(kWindowsRelease), "17.0.2");
    EXPECT_EQ(CJdkDocsLocator::MajorVersionFromRelease(kWindowsRelease), 17);
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease("JAVA_VERSION=\r\n"), "");
    EXPECT_EQ(CJdkDocsLocator::MajorVersionFromRelease("JAVA_VERSION=\r\n"), 0);
}

class JdkReleaseOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        m_jdk = fs::temp_directory_path() / ("tarnwick-release-" + std::to_string(::getpid()) + "-" + pInfo->name());
        fs::remove_all(m_jdk);
        fs::create_directories(m_jdk);
    }
    void TearDown() override { fs::remove_all(m_jdk); }

    void WriteRelease(const std::string& strBytes) const
    {
        std::ofstream(m_jdk / "release", std::ios::binary) << strBytes;
    }

    fs::path m_jdk;
};

TEST_F(JdkReleaseOnDisk, ReadsTheReleaseFileByteForByte)
{
    WriteRelease(kWindowsRelease);
    EXPECT_EQ(CJdkRelease::ReadOfJdk(m_jdk.string()), kWindowsRelease);
    EXPECT_EQ(CJdkCandidates::FullVersionOfJdk(m_jdk.string()), "17.0.2");
    EXPECT_EQ(CJdkDocsLocator::MajorVersionOfJdk(m_jdk.string()), 17);
}

TEST_F(JdkReleaseOnDisk, NoFileNoFolderOrAnOversizedFileGiveNoText)
{
    EXPECT_EQ(CJdkRelease::ReadOfJdk(m_jdk.string()), "");
    EXPECT_EQ(CJdkRelease::ReadOfJdk(""), "");
    WriteRelease("JAVA_VERSION=\"17\"\n" + std::string(CJdkRelease::kMaxBytes, '#'));
    EXPECT_EQ(CJdkRelease::ReadOfJdk(m_jdk.string()), "");
    EXPECT_EQ(CJdkCandidates::FullVersionOfJdk(m_jdk.string()), "");
    WriteRelease("JAVA_VERSION=\"17\"\n" + std::string(CJdkRelease::kMaxBytes - 18, '#'));
    EXPECT_EQ(CJdkRelease::ReadOfJdk(m_jdk.string()).size(), CJdkRelease::kMaxBytes);
    EXPECT_EQ(CJdkCandidates::FullVersionOfJdk(m_jdk.string()), "17");
}
