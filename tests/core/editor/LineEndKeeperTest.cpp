#include "core/editor/LineEndKeeper.h"
#include "core/editor/LineMatch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {
// Loads strFile, then saves the editor text that strEdited (in the file's own
// breaks, any mix) stands for.
std::string SaveAfterEdit(const std::string& strFile, const std::string& strEdited)
{
    CLineEndKeeper keeper;
    keeper.Load(strFile, ELineEnd::Lf);
    return keeper.BytesFor(CLineEnds::ToCrLf(strEdited));
}
} // namespace

TEST(LineEndKeeper, UnchangedTextComesBackByteForByte)
{
    const std::string strFiles[] = {"a\r\nb\nc\rd\n", "a\nb\r\n\r\n\n\rlast", "", "\n", "\r\r\n\n", "x\r"};
    for (const std::string& strFile : strFiles)
        EXPECT_EQ(SaveAfterEdit(strFile, strFile), strFile) << strFile;
}

TEST(LineEndKeeper, EditedAndNewLinesTakeTheMajority)
{
    // Three LF breaks against two CR LF: LF is the majority.
    const std::string strFile = "a\nb\r\nc\nd\r\ne\n";
    // One line edited in the middle.
    EXPECT_EQ(SaveAfterEdit(strFile, "a\nb\nc\nD\ne\n"), "a\nb\r\nc\nD\ne\n");
    // Lines inserted.
    EXPECT_EQ(SaveAfterEdit(strFile, "a\nb\nx\ny\nc\nd\ne\n"), "a\nb\r\nx\ny\nc\nd\r\ne\n");
    // Lines deleted.
    EXPECT_EQ(SaveAfterEdit(strFile, "a\nd\ne\n"), "a\nd\r\ne\n");
    EXPECT_EQ(SaveAfterEdit(strFile, "b\nc\nd\n"), "b\r\nc\nd\r\n");
    // Everything deleted, then one line typed.
    EXPECT_EQ(SaveAfterEdit(strFile, "z"), "z");
    EXPECT_EQ(SaveAfterEdit(strFile, "z\n"), "z\n");
}

TEST(LineEndKeeper, LastLineWithoutBreakAndEditsAtTheEnd)
{
    const std::string strFile = "a\r\nb\r\nc\nlast";
    EXPECT_EQ(SaveAfterEdit(strFile, "a\nb\nc\nlastX"), "a\r\nb\r\nc\nlastX");
    // The last line gets a break when a line is typed after it.
    EXPECT_EQ(SaveAfterEdit(strFile, "a\nb\nc\nlast\nnew"), "a\r\nb\r\nc\nlast\r\nnew");
    const std::string strEnded = "x\r\ny\r\nz\n";
    EXPECT_EQ(SaveAfterEdit(strEnded, "x\ny\nz\nw"), "x\r\ny\r\nz\nw");
    EXPECT_EQ(SaveAfterEdit(strEnded, "x\ny\nz\nw\n"), "x\r\ny\r\nz\nw\r\n");
    EXPECT_EQ(SaveAfterEdit(strEnded, "x\ny\n"), "x\r\ny\r\n");
}

TEST(LineEndKeeper, CrOnlyFileStaysCrOnly)
{
    const std::string strFile = "class A {\r  int b;\r}\r";
    EXPECT_EQ(SaveAfterEdit(strFile, "class A {\r  int bb;\r  int c;\r}\r"), "class A {\r  int bb;\r  int c;\r}\r");
}

TEST(LineEndKeeper, LoneCrNeverJoinsTheNextLinesLf)
{
    // Deleting "b" puts the CR of "a" right before the empty line's LF; as
    // "\r\n" they would read back as one break and the empty line be lost.
    EXPECT_EQ(SaveAfterEdit("a\rb\r\n\nc", "a\n\nc"), "a\r\rc");
    EXPECT_EQ(SaveAfterEdit("a\rb\r\n\r\nc", "a\n\nc"), "a\r\r\nc");
}

TEST(LineEndKeeper, EverywhereAndNewDocuments)
{
    CLineEndKeeper keeper;
    keeper.Load("a\nb\r\nc\rd", ELineEnd::Lf);
    EXPECT_EQ(keeper.Majority(), ELineEnd::Lf);
    keeper.UseEverywhere(ELineEnd::CrLf);
    EXPECT_EQ(keeper.Majority(), ELineEnd::CrLf);
    EXPECT_EQ(keeper.BytesFor("a\r\nb\r\nc\r\nd"), "a\r\nb\r\nc\r\nd");
    CLineEndKeeper fresh(ELineEnd::Cr);
    EXPECT_EQ(fresh.BytesFor("int a;\r\nint b;\nx"), "int a;\rint b;\rx");
    // A file without breaks gets the default given at load.
    keeper.Load("one line", ELineEnd::CrLf);
    EXPECT_EQ(keeper.BytesFor("one line\r\ntwo"), "one line\r\ntwo");
}

TEST(LineEndKeeper, TooManyChangesFallBackToTheMajorityInBetween)
{
    std::string strFile = "head\r\n";
    std::string strEdited = "head\n";
    for (int i = 0; i < 2500; ++i) {
        strFile += "old" + std::to_string(i) + "\n";
        strEdited += "new" + std::to_string(i) + "\n";
    }
    strFile += "keep\r";
    strEdited += "keep\n";
    for (int i = 0; i < 2500; ++i) {
        strFile += "gone" + std::to_string(i) + "\n";
        strEdited += "made" + std::to_string(i) + "\n";
    }
    strFile += "tail\r\n";
    strEdited += "tail\n";
    std::string strSaved = SaveAfterEdit(strFile, strEdited);
    // The unchanged first and last lines keep CR LF; "keep", in the middle of
    // 10000 changed lines, is past the diff's bound and gets LF.
    EXPECT_EQ(strSaved.substr(0, 6), "head\r\n");
    EXPECT_EQ(strSaved.substr(strSaved.size() - 6), "tail\r\n");
    EXPECT_NE(strSaved.find("\nkeep\nmade0\n"), std::string::npos);
    EXPECT_EQ(strSaved.find('\r', 6), strSaved.size() - 2);
}

namespace {
// The obvious longest common subsequence: the full table, O(N * M).
std::vector<std::pair<std::size_t, std::size_t>> ReferenceLcs(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<std::vector<int>> length(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            length[i][j] = a[i] == b[j] ? length[i + 1][j + 1] + 1 : std::max(length[i + 1][j], length[i][j + 1]);
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i] == b[j]) {
            pairs.emplace_back(i++, j++);
        } else if (length[i + 1][j] >= length[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    return pairs;
}

// Saving by the reference: matched lines keep their break, the rest get the
// majority.
std::string ReferenceSave(const std::vector<std::string>& oldLines, const std::vector<std::string>& oldBreaks,
                          const std::vector<std::string>& newLines, const std::string& strMajority)
{
    std::vector<int> a, b;
    std::vector<std::string> names;
    auto idOf = [&names](const std::string& strLine) {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == strLine)
                return static_cast<int>(i);
        names.push_back(strLine);
        return static_cast<int>(names.size() - 1);
    };
    for (const std::string& strLine : oldLines)
        a.push_back(idOf(strLine));
    for (const std::string& strLine : newLines)
        b.push_back(idOf(strLine));
    std::vector<std::string> breaks(newLines.size(), strMajority);
    for (auto [i, j] : ReferenceLcs(a, b))
        if (!oldBreaks[i].empty())
            breaks[j] = oldBreaks[i];
    std::string strOut;
    for (std::size_t j = 0; j < newLines.size(); ++j)
        strOut += newLines[j] + (j + 1 < newLines.size() ? breaks[j] : "");
    return strOut;
}
} // namespace

TEST(LineMatchDifferential, LongestCommonSubsequenceLikeTheFullTable)
{
    std::mt19937 random(20261208);
    for (int nRound = 0; nRound < 3000; ++nRound) {
        std::vector<int> a(random() % 14), b(random() % 14);
        const int nAlphabet = 1 + static_cast<int>(random() % 4);
        for (int& n : a)
            n = static_cast<int>(random() % nAlphabet);
        for (int& n : b)
            n = static_cast<int>(random() % nAlphabet);
        auto pairs = CLineMatch::Match(a, b, 1000);
        ASSERT_EQ(pairs.size(), ReferenceLcs(a, b).size()) << "round " << nRound;
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            ASSERT_EQ(a[pairs[k].first], b[pairs[k].second]);
            if (k > 0) {
                ASSERT_LT(pairs[k - 1].first, pairs[k].first);
                ASSERT_LT(pairs[k - 1].second, pairs[k].second);
            }
        }
    }
}

TEST(LineEndKeeperDifferential, SmallRandomFilesAndEditsSaveLikeTheReference)
{
    // Unique lines edited in place: their longest common subsequence is
    // unique, so the saved bytes must equal the reference's exactly.
    std::mt19937 random(7);
    const char* breakNames[] = {"\r\n", "\n", "\r"};
    int nFresh = 0;
    for (int nRound = 0; nRound < 2000; ++nRound) {
        std::vector<std::string> oldLines, oldBreaks;
        const std::size_t nLines = 1 + random() % 12;
        std::string strFile;
        for (std::size_t i = 0; i < nLines; ++i) {
            oldLines.push_back("line" + std::to_string(nFresh++));
            const bool bLast = i + 1 == nLines;
            oldBreaks.push_back(bLast ? "" : breakNames[random() % 3]);
            strFile += oldLines.back() + oldBreaks.back();
        }
        std::vector<std::string> newLines;
        for (const std::string& strLine : oldLines) {
            switch (random() % 5) {
            case 0: break; // deleted
            case 1: newLines.push_back("edit" + std::to_string(nFresh++)); break;
            case 2:
                newLines.push_back("new" + std::to_string(nFresh++));
                newLines.push_back(strLine);
                break;
            default: newLines.push_back(strLine); break;
            }
        }
        if (newLines.empty())
            newLines.push_back("");
        std::string strEditor;
        for (std::size_t j = 0; j < newLines.size(); ++j)
            strEditor += newLines[j] + (j + 1 < newLines.size() ? "\r\n" : "");
        CLineEndKeeper keeper;
        keeper.Load(strFile, ELineEnd::Lf);
        const std::string strMajority(CLineEnds::Sequence(keeper.Majority()));
        ASSERT_EQ(keeper.BytesFor(strEditor), ReferenceSave(oldLines, oldBreaks, newLines, strMajority))
            << "round " << nRound << " file " << strFile;
    }
}

TEST(LineEndKeeperDifferential, AnyBytesAnyEditsKeepTheTextAndTheUneditedBytes)
{
    // Random bytes from a small alphabet rich in breaks, edited byte-wise:
    // the saved bytes hold exactly the editor's lines, and an unedited text
    // comes back as loaded. A tiny diff bound drives the fallback as well.
    std::mt19937 random(99);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\0'};
    for (int nRound = 0; nRound < 3000; ++nRound) {
        std::string strFile;
        for (std::size_t i = random() % 24; i > 0; --i)
            strFile += alphabet[random() % 5];
        std::string strText = CLineEnds::ToCrLf(strFile);
        CLineEndKeeper keeper;
        keeper.Load(strFile, ELineEnd::Cr);
        ASSERT_EQ(keeper.BytesFor(strText), strFile) << "round " << nRound;
        for (int nEdit = static_cast<int>(random() % 4); nEdit > 0; --nEdit) {
            const std::size_t nAt = strText.empty() ? 0 : random() % (strText.size() + 1);
            if (random() % 2 == 0 && nAt < strText.size())
                strText.erase(nAt, 1 + random() % 3);
            else
                strText.insert(nAt, 1, alphabet[random() % 5]);
        }
        const std::string strSaved = keeper.BytesFor(strText);
        ASSERT_EQ(CLineEnds::ToCrLf(strSaved), CLineEnds::ToCrLf(strText)) << "round " << nRound;
    }
}

TEST(LineMatchDifferential, AnyBoundGivesACommonSubsequence)
{
    std::mt19937 random(5);
    for (int nRound = 0; nRound < 3000; ++nRound) {
        std::vector<int> a(random() % 16), b(random() % 16);
        for (int& n : a)
            n = static_cast<int>(random() % 3);
        for (int& n : b)
            n = static_cast<int>(random() % 3);
        const std::size_t nBound = random() % 6;
        auto pairs = CLineMatch::Match(a, b, nBound);
        for (std::size_t k = 0; k < pairs.size(); ++k) {
            ASSERT_LT(pairs[k].first, a.size());
            ASSERT_LT(pairs[k].second, b.size());
            ASSERT_EQ(a[pairs[k].first], b[pairs[k].second]);
            if (k > 0) {
                ASSERT_LT(pairs[k - 1].first, pairs[k].first);
                ASSERT_LT(pairs[k - 1].second, pairs[k].second);
            }
        }
        // Within the bound the match is a longest one.
        const std::size_t nLcs = ReferenceLcs(a, b).size();
        if (a.size() + b.size() - 2 * nLcs <= nBound) {
            ASSERT_EQ(pairs.size(), nLcs) << "round " << nRound;
        }
    }
}
