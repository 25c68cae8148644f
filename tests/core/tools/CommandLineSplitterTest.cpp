#include "core/tools/CommandLineSplitter.h"

#include <gtest/gtest.h>

#include <random>

using CWords = std::vector<std::string>;

static CWords Split(const std::string& strText)
{
    return CCommandLineSplitter::SplitWindowsArguments(strText);
}

TEST(ToolsCommandLineSplitter, BlanksAndTabsSeparateWords)
{
    EXPECT_EQ(Split(""), CWords{});
    EXPECT_EQ(Split("   \t "), CWords{});
    EXPECT_EQ(Split("-g"), CWords{"-g"});
    EXPECT_EQ(Split("  -g   -deprecation\t-O  "), (CWords{"-g", "-deprecation", "-O"}));
    EXPECT_EQ(Split("x y"), (CWords{"x", "y"}));
}

TEST(ToolsCommandLineSplitter, QuotesGroupBlanks)
{
    EXPECT_EQ(Split("\"abc\" d e"), (CWords{"abc", "d", "e"}));
    EXPECT_EQ(Split("-classpath \"C:\\My Files\\lib\" Main"), (CWords{"-classpath", "C:\\My Files\\lib", "Main"}));
    EXPECT_EQ(Split("a\"b c\"d"), (CWords{"ab cd"}));
    // An unterminated quote runs to the end.
    EXPECT_EQ(Split("\"one two"), (CWords{"one two"}));
    // Empty quotes make an empty word.
    EXPECT_EQ(Split("a \"\" b"), (CWords{"a", "", "b"}));
    EXPECT_EQ(Split("\"\""), (CWords{""}));
}

TEST(ToolsCommandLineSplitter, DoubledQuoteInsideQuotesIsALiteralQuote)
{
    EXPECT_EQ(Split("a\"b\"\" c d"), (CWords{"ab\" c d"}));
    EXPECT_EQ(Split("\"say \"\"hi\"\"\" x"), (CWords{"say \"hi\"", "x"}));
}

TEST(ToolsCommandLineSplitter, BackslashesCountOnlyBeforeQuotes)
{
    EXPECT_EQ(Split("a\\\\b d\"e f\"g h"), (CWords{"a\\\\b", "de fg", "h"}));
    EXPECT_EQ(Split("a\\\\\\\"b c d"), (CWords{"a\\\"b", "c", "d"}));
    EXPECT_EQ(Split("a\\\\\\\\\"b c\" d e"), (CWords{"a\\\\b c", "d", "e"}));
    EXPECT_EQ(Split("\\\"x\\\""), (CWords{"\"x\""}));
    EXPECT_EQ(Split("C:\\dir\\ end\\"), (CWords{"C:\\dir\\", "end\\"}));
    EXPECT_EQ(Split("\"C:\\dir\\\\\" next"), (CWords{"C:\\dir\\", "next"}));
}

TEST(ToolsCommandLineSplitter, JoinedWordsSplitBackExactly)
{
    // The characters that matter to the splitting rules, plus a plain one.
    const std::string strAlphabet = std::string("ab \t\"\\") + '\xE9';
    std::mt19937 random(12345);
    for (int nRound = 0; nRound < 20000; ++nRound) {
        CWords words(random() % 4 + 1);
        for (std::string& strWord : words) {
            const std::size_t nLength = random() % 7;
            for (std::size_t n = 0; n < nLength; ++n)
                strWord.push_back(strAlphabet[random() % strAlphabet.size()]);
        }
        const std::string strJoined = CCommandLineSplitter::JoinWindowsArguments(words);
        ASSERT_EQ(Split(strJoined), words) << "joined: [" << strJoined << "]";
    }
    // Plain words stay as they are; the rest are quoted the minimal way.
    EXPECT_EQ(CCommandLineSplitter::JoinWindowsArguments({"a", "C:\\dir\\", "b c", "", "q\"", "t\\\\"}),
              "a C:\\dir\\ \"b c\" \"\" \"q\\\"\" t\\\\");
    EXPECT_EQ(CCommandLineSplitter::JoinWindowsArguments({"end \\"}), "\"end \\\\\"");
}
