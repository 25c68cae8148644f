#include "core/io/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::string_literals;

namespace {
class FileBytesTest : public ::testing::Test {
protected:
    std::string Write(const std::string& strName, const std::string& strBytes)
    {
        std::string strPath = m_strDir + "/" + strName;
        std::ofstream(strPath, std::ios::binary) << strBytes;
        return strPath;
    }
    CTempFolder m_folder{"tarnwick-filebytes"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST_F(FileBytesTest, ReadsEveryByteUnderANameThatIsNotUtf8)
{
    const std::string strBytes = "class A {}\n\0\0// after\nint tail;\n"s;
    const std::string strPath = Write("caf\xe9.java", strBytes);
    std::string strRead;
    CFileBytes::EReadFailure eFailure;
    std::string strReason;
    ASSERT_TRUE(CFileBytes::ReadRegular(strPath, strRead, eFailure, strReason));
    EXPECT_EQ(strRead, strBytes);
    EXPECT_EQ(strRead.size(), 32u);
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::None);
    EXPECT_TRUE(CFileBytes::IsRegularFile(strPath));
}

TEST_F(FileBytesTest, RefusesFifosFoldersAndMissingFiles)
{
    const std::string strFifo = m_strDir + "/pipe.java";
    ASSERT_EQ(::mkfifo(strFifo.c_str(), 0600), 0);
    std::string strRead = "old";
    CFileBytes::EReadFailure eFailure;
    std::string strReason;
    // Nobody writes to the FIFO: a blocking open would never return.
    EXPECT_FALSE(CFileBytes::ReadRegular(strFifo, strRead, eFailure, strReason));
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::NotRegular);
    EXPECT_EQ(strReason, "not a regular file");
    EXPECT_EQ(strRead, "");
    EXPECT_FALSE(CFileBytes::IsRegularFile(strFifo));

    EXPECT_FALSE(CFileBytes::ReadRegular(m_strDir, strRead, eFailure, strReason));
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::NotRegular);
    EXPECT_FALSE(CFileBytes::ReadRegular(m_strDir + "/none.java", strRead, eFailure, strReason));
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::Missing);
    EXPECT_EQ(strReason, "No such file or directory");
    EXPECT_FALSE(CFileBytes::IsRegularFile(m_strDir + "/none.java"));
    // A path that goes on through a regular file names nothing either.
    const std::string strFile = Write("file.txt", "text");
    EXPECT_FALSE(CFileBytes::ReadRegular(strFile + "/y", strRead, eFailure, strReason));
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::Missing);
    EXPECT_EQ(strReason, "Not a directory");
}

TEST_F(FileBytesTest, BoundedReadsTakeSmallFilesAndRefuseLargerOnes)
{
    std::string strRead = "old";
    CFileBytes::EReadFailure eFailure;
    std::string strReason;
    const std::string strPath = Write("release", "JAVA_VERSION=\"17\"\n");
    ASSERT_TRUE(CFileBytes::ReadRegular(strPath, strRead, eFailure, strReason, 18));
    EXPECT_EQ(strRead, "JAVA_VERSION=\"17\"\n");
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::None);

    strRead = "old";
    EXPECT_FALSE(CFileBytes::ReadRegular(strPath, strRead, eFailure, strReason, 17));
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::TooLarge);
    EXPECT_EQ(strReason, "larger than 17 bytes");
    EXPECT_EQ(strRead, "");

    ASSERT_TRUE(CFileBytes::ReadRegular(Write("empty", ""), strRead, eFailure, strReason, 0));
    EXPECT_EQ(strRead, "");
}

TEST_F(FileBytesTest, BoundedReadsRefuseFifosAndDevices)
{
    const std::string strFifo = m_strDir + "/release";
    ASSERT_EQ(::mkfifo(strFifo.c_str(), 0600), 0);
    std::string strRead;
    CFileBytes::EReadFailure eFailure;
    std::string strReason;
    EXPECT_FALSE(CFileBytes::ReadRegular(strFifo, strRead, eFailure, strReason, 4096));
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::NotRegular);
    // Endless bytes: refused before a single one is read.
    EXPECT_FALSE(CFileBytes::ReadRegular("/dev/zero", strRead, eFailure, strReason, 4096));
    EXPECT_EQ(eFailure, CFileBytes::EReadFailure::NotRegular);
    EXPECT_EQ(strRead, "");
}
