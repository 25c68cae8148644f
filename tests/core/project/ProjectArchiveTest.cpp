#include "core/project/ProjectArchive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

static std::string Bytes(std::initializer_list<int> values)
{
    std::string str;
    for (int n : values)
        str.push_back(static_cast<char>(n));
    return str;
}

static std::string StoredString(const std::string& strText)
{
    CProjectArchive ar;
    ar.WriteString(strText);
    return ar.TakeStoredBytes();
}

static std::string StoredCount(std::uint32_t nCount)
{
    CProjectArchive ar;
    ar.WriteCount(nCount);
    return ar.TakeStoredBytes();
}

TEST(ProjectArchiveWrite, IntegersAreLittleEndian)
{
    CProjectArchive ar;
    EXPECT_TRUE(ar.IsStoring());
    ar.WriteInt32(1);
    ar.WriteInt32(-2);
    ar.WriteInt32(0x12345678);
    EXPECT_EQ(ar.GetStoredBytes(), Bytes({1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));
}

TEST(ProjectArchiveWrite, StringPrefixGrowsAtEachBoundary)
{
    EXPECT_EQ(StoredString(""), Bytes({0}));
    EXPECT_EQ(StoredString("ab"), Bytes({2}) + "ab");

    const std::string s254(254, 'x');
    EXPECT_EQ(StoredString(s254), Bytes({0xFE}) + s254);
    const std::string s255(255, 'x');
    EXPECT_EQ(StoredString(s255), Bytes({0xFF, 0xFF, 0x00}) + s255);
    const std::string s65533(65533, 'x');
    EXPECT_EQ(StoredString(s65533), Bytes({0xFF, 0xFD, 0xFF}) + s65533);
    const std::string s65534(65534, 'x');
    EXPECT_EQ(StoredString(s65534), Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}) + s65534);
    const std::string s70000(70000, 'x');
    EXPECT_EQ(StoredString(s70000), Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}) + s70000);
}

TEST(ProjectArchiveWrite, CountSwitchesToFourBytesAt65535)
{
    EXPECT_EQ(StoredCount(0), Bytes({0, 0}));
    EXPECT_EQ(StoredCount(65534), Bytes({0xFE, 0xFF}));
    EXPECT_EQ(StoredCount(65535), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(StoredCount(70000), Bytes({0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));

    std::vector<std::string> members(65535);
    CProjectArchive ar;
    ar.WriteStringArray(members);
    EXPECT_EQ(ar.GetStoredBytes(), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}) + std::string(65535, '\0'));
}

TEST(ProjectArchiveRead, ReadsBackEveryStringForm)
{
    for (std::size_t nLength : {0u, 1u, 254u, 255u, 256u, 65533u, 65534u, 65535u, 70000u}) {
        std::string strText(nLength, 'a');
        if (nLength > 0)
            strText.back() = 'z';
        const std::string strBytes = StoredString(strText) + "tail";
        CProjectArchive ar(strBytes);
        std::string strRead = "old";
        ASSERT_TRUE(ar.ReadString(strRead)) << nLength;
        EXPECT_EQ(strRead, strText);
        EXPECT_EQ(ar.GetBytesLeft(), 4u);
    }
}

TEST(ProjectArchiveRead, AcceptsLongerPrefixesThanNeeded)
{
    const std::string strBytes = Bytes({0xFF, 0x02, 0x00}) + "ab" + Bytes({0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0}) + "c";
    CProjectArchive ar(strBytes);
    std::string strFirst, strSecond;
    ASSERT_TRUE(ar.ReadString(strFirst));
    ASSERT_TRUE(ar.ReadString(strSecond));
    EXPECT_EQ(strFirst, "ab");
    EXPECT_EQ(strSecond, "c");
    EXPECT_EQ(ar.GetBytesLeft(), 0u);
}

TEST(ProjectArchiveRead, Utf16StringsBecomeUtf8)
{
    // "Hé" + U+1F600 (a surrogate pair) + a lone low surrogate.
    const std::string strBytes = Bytes({0xFF, 0xFE, 0xFF, 5, 'H', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xDC}) +
                                 Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00, 'o', 0, 'k', 0}) +
                                 Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0, 0xAC, 0x20});
    CProjectArchive ar(strBytes);
    std::string str1, str2, str3;
    ASSERT_TRUE(ar.ReadString(str1));
    ASSERT_TRUE(ar.ReadString(str2));
    ASSERT_TRUE(ar.ReadString(str3));
    EXPECT_EQ(str1, "H\xC3\xA9\xF0\x9F\x98\x80?");
    EXPECT_EQ(str2, "ok");
    EXPECT_EQ(str3, "\xE2\x82\xAC");
    EXPECT_EQ(ar.GetBytesLeft(), 0u);
}

TEST(ProjectArchiveRead, RefusesLengthsBeyondTheBytesLeft)
{
    const std::vector<std::string> cases = {
        "",                                                // no prefix at all
        Bytes({3}) + "ab",                                 // one short
        Bytes({0xFF}),                                     // cut inside the prefix
        Bytes({0xFF, 0x00}),                               //
        Bytes({0xFF, 0x00, 0x01}) + std::string(255, 'x'), // 256 wanted
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), // 4 GB wanted
        Bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00}),             // cut inside the long length
        Bytes({0xFF, 0xFE, 0xFF, 2, 'a', 0, 'b'}),         // UTF-16 one byte short
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0, 0}), // marker where a length belongs
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        CProjectArchive ar(cases[i]);
        std::string str = "kept";
        EXPECT_FALSE(ar.ReadString(str)) << "case " << i;
        EXPECT_TRUE(ar.IsFailed()) << "case " << i;
        EXPECT_EQ(str, "kept") << "case " << i;
    }
}

TEST(ProjectArchiveRead, SecondUtf16MarkerIsRefusedEvenWithBytesEnoughForItAsALength)
{
    // Read as a length, the second marker would ask for 65534 units; the
    // bytes are there, so only the marker test refuses it.
    std::string strUnits;
    for (int i = 0; i < 0xFFFE; ++i)
        strUnits += std::string("a\0", 2);
    const std::string strBytes = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}) + strUnits + Bytes({1, 'z'});
    CProjectArchive ar(strBytes);
    std::string str = "kept";
    EXPECT_FALSE(ar.ReadString(str));
    EXPECT_TRUE(ar.IsFailed());
    EXPECT_EQ(str, "kept");

    // The same units after a real length are read.
    const std::string strGood = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}) + strUnits.substr(2) + Bytes({1, 'z'});
    CProjectArchive good(strGood);
    ASSERT_TRUE(good.ReadString(str));
    EXPECT_EQ(str, std::string(0xFFFD, 'a'));
    ASSERT_TRUE(good.ReadString(str));
    EXPECT_EQ(str, "z");
}

TEST(ProjectArchiveRead, FailureSticks)
{
    const std::string strBytes = Bytes({1, 0, 0});
    CProjectArchive ar(strBytes);
    std::int32_t n = 7;
    EXPECT_FALSE(ar.ReadInt32(n));
    EXPECT_EQ(n, 7);
    std::uint32_t nCount = 0;
    EXPECT_FALSE(ar.ReadCount(nCount)); // two bytes are there, but the archive has failed
}

TEST(ProjectArchiveRead, StringArrayCountMustFitTheBytesLeft)
{
    std::vector<std::string> arr;
    const std::string strHuge = Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0});
    CProjectArchive huge(strHuge);
    EXPECT_FALSE(huge.ReadStringArray(arr));

    const std::string strGood = Bytes({2, 0, 1, 'a', 0});
    CProjectArchive good(strGood);
    ASSERT_TRUE(good.ReadStringArray(arr));
    EXPECT_EQ(arr, (std::vector<std::string>{"a", ""}));

    const std::string strShort = Bytes({3, 0, 1, 'a', 0});
    CProjectArchive cut(strShort);
    EXPECT_FALSE(cut.ReadStringArray(arr));
}

TEST(ProjectArchiveWrite, SizeOnlyCountsExactlyWhatStoringWrites)
{
    // Every prefix form: short, 0xFF + 16-bit, 0xFF FFFF + 32-bit lengths and counts.
    const std::vector<std::string> texts = {
        "", "a", std::string(254, 'x'), std::string(255, 'y'), std::string(65533, 'z'), std::string(65534, 'w')};
    CProjectArchive stored;
    CProjectArchive sized(CProjectArchive::EStoring::SizeOnly);
    for (CProjectArchive* pAr : {&stored, &sized}) {
        pAr->WriteInt32(-7);
        pAr->WriteCount(3);
        pAr->WriteCount(0xFFFF);
        pAr->WriteStringArray(texts);
    }
    EXPECT_EQ(stored.GetStoredSize(), stored.GetStoredBytes().size());
    EXPECT_EQ(sized.GetStoredSize(), stored.GetStoredBytes().size());
    EXPECT_EQ(stored.GetStoredBytes().size(),
              4u + 2u + 6u + 2u + (1 + 0) + (1 + 1) + (1 + 254) + (3 + 255) + (3 + 65533) + (7 + 65534));
    EXPECT_TRUE(sized.GetStoredBytes().empty());
}
