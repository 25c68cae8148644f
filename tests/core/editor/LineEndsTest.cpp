#include "core/editor/LineEnds.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(LineEndsDetect, PureMixedAndEmpty)
{
    EXPECT_EQ(CLineEnds::Detect("a\r\nb\r\n", ELineEnd::Lf), ELineEnd::CrLf);
    EXPECT_EQ(CLineEnds::Detect("a\nb\n", ELineEnd::CrLf), ELineEnd::Lf);
    EXPECT_EQ(CLineEnds::Detect("a\rb\r", ELineEnd::CrLf), ELineEnd::Cr);
    EXPECT_EQ(CLineEnds::Detect("no break", ELineEnd::Cr), ELineEnd::Cr);
    EXPECT_EQ(CLineEnds::Detect("", ELineEnd::Lf), ELineEnd::Lf);
    // Most breaks win; a tie goes to the convention met first.
    EXPECT_EQ(CLineEnds::Detect("a\r\nb\nc\nd\r\ne\n", ELineEnd::CrLf), ELineEnd::Lf);
    EXPECT_EQ(CLineEnds::Detect("a\nb\r\n", ELineEnd::CrLf), ELineEnd::Lf);
    EXPECT_EQ(CLineEnds::Detect("a\r\r\n", ELineEnd::Lf), ELineEnd::Cr); // lone CR, then CR LF
}

TEST(LineEndsConvert, EveryBreakBecomesCrLfAndBack)
{
    EXPECT_EQ(CLineEnds::ToCrLf("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(CLineEnds::ToCrLf("\r\r\n\n"), "\r\n\r\n\r\n");
    EXPECT_EQ(CLineEnds::ToCrLf("\n\r"), "\r\n\r\n");
    EXPECT_EQ(CLineEnds::ToCrLf("x\r"), "x\r\n");
    EXPECT_EQ(CLineEnds::ToCrLf(""), "");
    EXPECT_EQ(CLineEnds::FromCrLf("a\r\nb\r\n", ELineEnd::Lf), "a\nb\n");
    EXPECT_EQ(CLineEnds::FromCrLf("a\r\nb\r\n", ELineEnd::Cr), "a\rb\r");
    EXPECT_EQ(CLineEnds::FromCrLf("a\r\nb\r\n", ELineEnd::CrLf), "a\r\nb\r\n");
    // Stray breaks in the editor text are saved in the file's convention too.
    EXPECT_EQ(CLineEnds::FromCrLf("a\nb\rc", ELineEnd::CrLf), "a\r\nb\r\nc");
    EXPECT_EQ(CLineEnds::Sequence(ELineEnd::Cr), "\r");
}

TEST(LineEndsConvert, PureFilesRoundTripByteForByte)
{
    // UTF-8, Latin-1, NUL and 0xFF bytes pass through untouched.
    const std::string strBody[] = {"class A {", "  String s = \"\xC3\xA9t\xE9\";", "\0\xFF\x01"s, "", "}"};
    for (ELineEnd eEnd : {ELineEnd::CrLf, ELineEnd::Lf, ELineEnd::Cr}) {
        for (bool bFinalBreak : {false, true}) {
            std::string strFile;
            for (std::size_t i = 0; i < std::size(strBody); ++i) {
                strFile += strBody[i];
                if (i + 1 < std::size(strBody) || bFinalBreak)
                    strFile += CLineEnds::Sequence(eEnd);
            }
            const ELineEnd eFound = CLineEnds::Detect(strFile, CLineEnds::PlatformDefault());
            ASSERT_EQ(eFound, eEnd);
            const std::string strEditor = CLineEnds::ToCrLf(strFile);
            EXPECT_EQ(strEditor.find("\r\n\r\n}"), strEditor.size() - (bFinalBreak ? 7 : 5));
            EXPECT_EQ(CLineEnds::FromCrLf(strEditor, eFound), strFile);
        }
    }
}

// The editor takes a file's text in pieces: together they must be exactly the
// converted text, whatever the piece size, with no CR LF split between two
// pieces and no piece over the size; CrLfLength sizes the editor's buffer.
TEST(LineEndsConvert, PiecesMakeTheConvertedTextAndItsLength)
{
    const std::string texts[] = {""s,
                                 "no break"s,
                                 "a\r\nb\nc\rd"s,
                                 "\r\n\r\n\n\n\r\r"s,
                                 "ends in CR\r"s,
                                 "\nstarts with LF"s,
                                 "x\r\r\ny\n\rz"s,
                                 std::string("zero\0byte\n", 10),
                                 std::string(100, 'a') + "\n" + std::string(7, 'b') + "\r\n"};
    for (const std::string& strText : texts) {
        const std::string strExpected = CLineEnds::ToCrLf(strText);
        EXPECT_EQ(CLineEnds::CrLfLength(strText), strExpected.size()) << strText;
        for (std::size_t nPieceBytes : {2, 3, 5, 64 * 1024}) {
            std::string strJoined;
            CLineEnds::ToCrLfInPieces(strText, nPieceBytes, [&](std::string_view strPiece) {
                EXPECT_FALSE(strPiece.empty());
                EXPECT_LE(strPiece.size(), nPieceBytes);
                EXPECT_FALSE(strPiece.back() == '\r' && strExpected[strJoined.size() + strPiece.size()] == '\n')
                    << "a CR LF was split";
                strJoined.append(strPiece);
            });
            EXPECT_EQ(strJoined, strExpected) << nPieceBytes;
        }
    }
}
