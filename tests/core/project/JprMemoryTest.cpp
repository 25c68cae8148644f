#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JprFormat.h"
#include "core/project/ProjectRecord.h"
#include "core/project/TarnwickFile.h"

#include <gtest/gtest.h>

#include <malloc.h>
#include <memory>
#include <string>

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string str;
    for (int n : values)
        str.push_back(static_cast<char>(n));
    return str;
}

std::string Int32(std::uint32_t n)
{
    return Bytes({static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF), static_cast<int>((n >> 16) & 0xFF),
                  static_cast<int>((n >> 24) & 0xFF)});
}

std::string Short(const std::string& strText)
{
    return Bytes({static_cast<int>(strText.size())}) + strText;
}

std::string FileHeader(int nFile)
{
    const std::string strName = "F" + std::to_string(nFile) + ".java";
    return Short(strName) + Short("/w/" + strName) + Short("/w/P.jpr");
}

// Heap in use, large blocks (which malloc maps on their own) included.
std::size_t HeapInUse()
{
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

// What a file may cost in memory: eight times its size and 16 MB.
std::size_t Allowance(std::size_t nFileBytes)
{
    return 8 * nFileBytes + (16u << 20);
}

} // namespace

TEST(JprMemory, MillionsOfEmptyMembersCostBoundedMemory)
{
    // One class with 8 million empty members: one byte each on disk.
    constexpr std::uint32_t nMembers = 8'000'000;
    const std::string strBytes = Int32(1) + FileHeader(0) + Int32(1) + Bytes({0xFF, 0xFF}) + Int32(nMembers) +
                                 std::string(nMembers, '\0') + Int32(0) + Short("A") + Short("") + Int32(0) +
                                 std::string(6, '\0');
    const std::size_t nBefore = HeapInUse();
    auto pRecord = std::make_unique<CProjectRecord>();
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(strBytes, *pRecord, strError)) << strError;
    const std::size_t nCost = HeapInUse() - nBefore;
    EXPECT_LE(nCost, Allowance(strBytes.size()))
        << "the project costs " << nCost << " bytes for a file of " << strBytes.size();
    const CJavaClass* pClass = pRecord->m_javaFiles.GetAt(0)->GetClasses().GetAt(0);
    EXPECT_EQ(pClass->GetMembers().size(), nMembers);
    EXPECT_EQ(pClass->GetMembers()[nMembers - 1], "");
    EXPECT_TRUE(CJprFormat::WriteBytes(*pRecord) == strBytes);
}

TEST(JprMemory, EmptyClassesBeyondTheBudgetAreRefused)
{
    // 255 files of 255 classes, each with 20 empty nested classes: seven
    // bytes a class on disk, far more in memory.
    const std::string strEmptyClass = Bytes({0, 0}) + Int32(0) + Short("");
    std::string strNested;
    for (int n = 0; n < 20; ++n)
        strNested += strEmptyClass;
    const std::string strClass = Bytes({0, 0}) + Int32(20) + strNested + Short("");
    auto projectOf = [&strClass](int nFiles) {
        std::string strBytes = Int32(static_cast<std::uint32_t>(nFiles));
        for (int f = 0; f < nFiles; ++f) {
            strBytes += FileHeader(f) + Int32(255);
            for (int c = 0; c < 255; ++c)
                strBytes += strClass;
            strBytes += Short("");
        }
        return strBytes + Int32(0) + std::string(6, '\0');
    };
    const std::string strBytes = projectOf(255);

    CProjectRecord record;
    record.m_strMainJavaFile = "untouched";
    std::string strError;
    EXPECT_FALSE(CJprFormat::ReadBytes(strBytes, record, strError));
    EXPECT_EQ(strError, "Unexpected file format.");
    EXPECT_EQ(record.m_strMainJavaFile, "untouched");
    EXPECT_EQ(record.m_javaFiles.GetCount(), 0);

    // The same classes in fewer files fit the budget and load.
    ASSERT_TRUE(CJprFormat::ReadBytes(projectOf(10), record, strError)) << strError;
    EXPECT_EQ(record.m_javaFiles.GetCount(), 10);
    EXPECT_EQ(record.m_javaFiles.GetAt(9)->GetClasses().GetAt(254)->GetNestedClasses().GetCount(), 20);
}

TEST(JprMemory, LargeRealisticProjectsStillLoad)
{
    // 255 files of 50 classes of 50 members, as in the benchmark, and one of
    // 255 classes each with 3 nested classes and no members.
    CProjectRecord source;
    for (int f = 0; f < 255; ++f) {
        auto pFile = std::make_unique<CJavaFile>("/w/P.jpr");
        pFile->SetPathName("/w/src/File" + std::to_string(f) + ".java");
        const int nClasses = f == 0 ? 255 : 50;
        for (int c = 0; c < nClasses; ++c) {
            auto pClass = std::make_unique<CJavaClass>();
            pClass->SetName("Class" + std::to_string(c));
            if (f == 0) {
                for (int n = 0; n < 3; ++n) {
                    auto pNested = std::make_unique<CJavaClass>();
                    pNested->SetName("N" + std::to_string(n));
                    pClass->GetNestedClasses().Add(std::move(pNested));
                }
            } else {
                for (int m = 0; m < 50; ++m)
                    pClass->AddMember("method" + std::to_string(m) + "(String strName, int nCount)");
            }
            pFile->GetClasses().Add(std::move(pClass));
        }
        source.m_javaFiles.Add(std::move(pFile));
    }
    const std::string strBytes = CJprFormat::WriteBytes(source);

    CProjectRecord loaded;
    std::string strError;
    ASSERT_TRUE(CJprFormat::ReadBytes(strBytes, loaded, strError)) << strError;
    EXPECT_TRUE(CJprFormat::WriteBytes(loaded) == strBytes);
    const CJavaClass* pClass = loaded.m_javaFiles.GetAt(254)->GetClasses().GetAt(49);
    ASSERT_EQ(pClass->GetMembers().size(), 50u);
    EXPECT_EQ(pClass->GetMembers()[49], "method49(String strName, int nCount)");
    EXPECT_TRUE(pClass->HasMember("method7(String strName, int nCount)"));
    EXPECT_FALSE(pClass->HasMember("method7(String strName, int nCount"));
}
