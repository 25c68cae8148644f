#include "core/editor/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {
std::string Utf16Le(const std::string& strAscii)
{
    std::string strOut;
    for (char ch : strAscii) {
        strOut += ch;
        strOut += '\0';
    }
    return strOut;
}

std::string Utf16Be(const std::string& strAscii)
{
    std::string strOut;
    for (char ch : strAscii) {
        strOut += '\0';
        strOut += ch;
    }
    return strOut;
}
} // namespace

TEST(TextEncodingClassify, EightBitAndUtf8TextIsEditable)
{
    EXPECT_EQ(CTextEncoding::Classify(""), ETextKind::Editable);
    EXPECT_EQ(CTextEncoding::Classify("class A {}\n"), ETextKind::Editable);
    EXPECT_EQ(CTextEncoding::Classify("// caf\xe9 \xff\n"), ETextKind::Editable);
    EXPECT_EQ(CTextEncoding::Classify("// \xc3\xa9t\xc3\xa9\r\n"), ETextKind::Editable);
    // A couple of stray zero bytes do not make a source file binary.
    EXPECT_EQ(CTextEncoding::Classify("class A {}\n\0\0// after\nint tail;\n"s), ETextKind::Editable);
    EXPECT_EQ(CTextEncoding::Classify("\0"s), ETextKind::Editable);
}

TEST(TextEncodingClassify, Utf16WithAndWithoutMark)
{
    EXPECT_EQ(CTextEncoding::Classify("\xFF\xFE"s + Utf16Le("class A {}\n")), ETextKind::Utf16);
    EXPECT_EQ(CTextEncoding::Classify("\xFE\xFF"s + Utf16Be("class A {}\n")), ETextKind::Utf16);
    EXPECT_EQ(CTextEncoding::Classify(Utf16Le("class A {}\n")), ETextKind::Utf16);
    EXPECT_EQ(CTextEncoding::Classify(Utf16Be("class A {}\n")), ETextKind::Utf16);
    // The mark alone still says UTF-16.
    EXPECT_EQ(CTextEncoding::Classify("\xFF\xFE"), ETextKind::Utf16);
    // Some non-ASCII characters (no zero byte) among ASCII ones.
    std::string strMixed = Utf16Le("int x; // ") + "\xE9\x4E\xE9\x4E" + Utf16Le(" done\n");
    EXPECT_EQ(CTextEncoding::Classify(strMixed), ETextKind::Utf16);
}

TEST(TextEncodingClassify, Utf32MarkAndBinary)
{
    EXPECT_EQ(CTextEncoding::Classify("\xFF\xFE\0\0a\0\0\0"s), ETextKind::Utf32);
    EXPECT_EQ(CTextEncoding::Classify("\0\0\xFE\xFF\0\0\0a"s), ETextKind::Utf32);
    // Zero runs anywhere: a class file's header and constant pool.
    std::string strClass = "\xCA\xFE\xBA\xBE\0\0\0\x34\0\x1D\x0A\0\x06\0\x0F\x09\0\x10\0\x11"s;
    EXPECT_EQ(CTextEncoding::Classify(strClass), ETextKind::Binary);
    EXPECT_EQ(CTextEncoding::Classify(std::string(100, '\0')), ETextKind::Binary);
    // Seven zeros in 56 bytes is one in eight but below the minimum count.
    std::string strSeven = std::string(49, 'a') + std::string(7, '\0');
    EXPECT_EQ(CTextEncoding::Classify(strSeven), ETextKind::Editable);
    std::string strEight = std::string(56, 'a') + std::string(8, '\0');
    EXPECT_EQ(CTextEncoding::Classify(strEight), ETextKind::Binary);
}

TEST(TextEncodingClassify, KindNamesForMessages)
{
    EXPECT_EQ(CTextEncoding::KindName(ETextKind::Utf16), "UTF-16");
    EXPECT_EQ(CTextEncoding::KindName(ETextKind::Utf32), "UTF-32");
    EXPECT_EQ(CTextEncoding::KindName(ETextKind::Binary), "binary data");
}
