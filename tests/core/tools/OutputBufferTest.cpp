#include "core/tools/OutputBuffer.h"

#include <gtest/gtest.h>

#include <atomic>

#include <string>
#include <thread>
#include <vector>

static std::string NormaliseChunks(const std::vector<std::string>& vecChunks)
{
    COutputBuffer buffer;
    for (const std::string& strChunk : vecChunks)
        buffer.AppendChunk(strChunk.data(), strChunk.size());
    return buffer.Copy();
}

TEST(ToolsOutputBuffer, LineEndsBecomeCrLf)
{
    EXPECT_EQ(NormaliseChunks({"a\nb"}), "a\r\nb");
    EXPECT_EQ(NormaliseChunks({"a\r\nb\r\n"}), "a\r\nb\r\n");
    EXPECT_EQ(NormaliseChunks({"\n\n"}), "\r\n\r\n");
    // Lone CRs stay; a CR right before LF pairs with it.
    EXPECT_EQ(NormaliseChunks({"a\rb\r\r\nc\n\r"}), "a\rb\r\r\nc\r\n\r");
    EXPECT_EQ(NormaliseChunks({""}), "");
}

TEST(ToolsOutputBuffer, CrAndLfSplitAcrossChunksMakeOneLineBreak)
{
    EXPECT_EQ(NormaliseChunks({"a\r", "\nb"}), "a\r\nb");
    EXPECT_EQ(NormaliseChunks({"a\r", "", "\nb"}), "a\r\nb");
    EXPECT_EQ(NormaliseChunks({"a", "\n", "\n"}), "a\r\n\r\n");
    EXPECT_EQ(NormaliseChunks({"a\r\r", "\n"}), "a\r\r\n");
    EXPECT_EQ(NormaliseChunks({"\r", "\r", "\n", "\n"}), "\r\r\n\r\n");
}

TEST(ToolsOutputBuffer, SameResultAsRenormalisingTheWholeText)
{
    // The reference: after each chunk turn every CR LF of the whole text into
    // LF and then every LF into CR LF.
    auto Reference = [](const std::vector<std::string>& vecChunks) {
        std::string strText;
        for (const std::string& strChunk : vecChunks) {
            strText += strChunk;
            std::string strLf;
            for (std::size_t i = 0; i < strText.size(); ++i) {
                if (strText[i] == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n')
                    continue;
                strLf += strText[i];
            }
            strText.clear();
            for (char ch : strLf) {
                if (ch == '\n')
                    strText += '\r';
                strText += ch;
            }
        }
        return strText;
    };
    const std::string strAlphabet = "a\r\n";
    unsigned nSeed = 12345;
    for (int nCase = 0; nCase < 300; ++nCase) {
        std::vector<std::string> vecChunks;
        const int nChunks = 1 + nCase % 5;
        for (int c = 0; c < nChunks; ++c) {
            std::string strChunk;
            nSeed = nSeed * 1103515245u + 12345u;
            const int nLength = static_cast<int>((nSeed >> 16) % 6);
            for (int i = 0; i < nLength; ++i) {
                nSeed = nSeed * 1103515245u + 12345u;
                strChunk += strAlphabet[(nSeed >> 16) % 3];
            }
            vecChunks.push_back(strChunk);
        }
        ASSERT_EQ(NormaliseChunks(vecChunks), Reference(vecChunks)) << "case " << nCase;
    }
}

TEST(ToolsOutputBuffer, ZeroBytesAreDroppedAndTheRestKept)
{
    const char szChunk[] = {'a', '\0', 'b', '\n', '\0', 'c', '\0'};
    COutputBuffer buffer;
    buffer.AppendChunk(szChunk, sizeof(szChunk));
    EXPECT_EQ(buffer.Copy(), "ab\r\nc");
}

TEST(ToolsOutputBuffer, TailsLengthAndClear)
{
    COutputBuffer buffer;
    buffer.AppendChunk("one\n", 4);
    EXPECT_EQ(buffer.Length(), 5u);
    buffer.AppendText("Exit code: 0\r\nNo Errors");
    EXPECT_EQ(buffer.CopyFrom(5), "Exit code: 0\r\nNo Errors");
    EXPECT_EQ(buffer.CopyFrom(0), buffer.Copy());
    EXPECT_EQ(buffer.CopyFrom(buffer.Length()), "");
    EXPECT_EQ(buffer.CopyFrom(1000), "");
    buffer.Clear();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.Copy(), "");
}

TEST(ToolsOutputBuffer, CopiesNeverSeeAHalfAppend)
{
    // Every chunk is "xxxx\n": any copy must be a whole number of lines.
    COutputBuffer buffer;
    std::atomic<bool> bDone{false};
    std::thread writer([&buffer, &bDone] {
        for (int i = 0; i < 20000; ++i)
            buffer.AppendChunk("xxxx\n", 5);
        bDone = true;
    });
    bool bWhole = true;
    do {
        const std::string strCopy = buffer.Copy();
        bWhole = bWhole && strCopy.size() % 6 == 0 &&
                 (strCopy.empty() || strCopy.compare(strCopy.size() - 2, 2, "\r\n") == 0);
    } while (!bDone);
    writer.join();
    EXPECT_TRUE(bWhole);
    EXPECT_EQ(buffer.Length(), 120000u);
}

TEST(ToolsOutputBuffer, TextOverManyMegabytesReadsBackWhole)
{
    // Chunks of 64 KB - 1 bytes ending in CR, each followed by one that starts
    // with LF: CR LF pairs are split at every chunk and, somewhere, at the
    // edge of the buffer's internal storage. A chunk of zeros alone adds
    // nothing but must not lose the pending CR either.
    COutputBuffer buffer;
    std::string strExpected;
    const std::string strBody(65534, 'a');
    for (int i = 0; i < 40; ++i) {
        const std::string strFirst = strBody + "\r";
        buffer.AppendChunk(strFirst.data(), strFirst.size());
        buffer.AppendChunk("\0\0", 2);
        buffer.AppendChunk("\nb\n", 3);
        strExpected += strBody + "\r\nb\r\n";
    }
    buffer.AppendText("Exit code: 0");
    strExpected += "Exit code: 0";
    ASSERT_GT(strExpected.size(), std::size_t(2) << 20);
    EXPECT_EQ(buffer.Length(), strExpected.size());
    EXPECT_TRUE(buffer.Copy() == strExpected);
    // Tails from every kind of place: the start, inside, near the end, past it.
    for (std::size_t nFrom : {std::size_t(0), std::size_t(1), std::size_t(1) << 20, (std::size_t(1) << 20) + 1,
                              strExpected.size() - 1, strExpected.size(), strExpected.size() + 5})
        EXPECT_TRUE(buffer.CopyFrom(nFrom) == (nFrom < strExpected.size() ? strExpected.substr(nFrom) : ""))
            << "from " << nFrom;
    // Slices of at most a given size, across the storage's seams too.
    for (std::size_t nFrom : {std::size_t(0), (std::size_t(1) << 20) - 3, strExpected.size() - 2})
        for (std::size_t nMax : {std::size_t(0), std::size_t(1), std::size_t(7), std::size_t(300000)})
            EXPECT_TRUE(buffer.CopyFrom(nFrom, nMax) == strExpected.substr(nFrom, nMax))
                << "from " << nFrom << " at most " << nMax;
    buffer.Clear();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.Copy(), "");
    buffer.AppendChunk("\n", 1);
    EXPECT_EQ(buffer.Copy(), "\r\n");
}

TEST(ToolsOutputBuffer, OldestBytesGoPastTheLimit)
{
    COutputBuffer buffer(10);
    EXPECT_EQ(buffer.Limit(), 10u);
    buffer.AppendChunk("abcdef\n", 7);
    EXPECT_EQ(buffer.Copy(), "abcdef\r\n");
    EXPECT_EQ(buffer.DroppedLength(), 0u);
    buffer.AppendChunk("ghij", 4);
    EXPECT_EQ(buffer.Copy(), "cdef\r\nghij");
    EXPECT_EQ(buffer.Length(), 12u);
    EXPECT_EQ(buffer.DroppedLength(), 2u);
    buffer.AppendText("Exit code: 0");
    EXPECT_EQ(buffer.Copy(), "it code: 0");
    EXPECT_EQ(buffer.Length(), 24u);
    EXPECT_EQ(buffer.DroppedLength(), 14u);
    // A reader whose offset was dropped is moved on to the first kept byte.
    std::size_t nStart = 0;
    EXPECT_EQ(buffer.CopyFrom(3, 4, nStart), "it c");
    EXPECT_EQ(nStart, 14u);
    EXPECT_EQ(buffer.CopyFrom(20, 100, nStart), "e: 0");
    EXPECT_EQ(nStart, 20u);
    EXPECT_EQ(buffer.CopyFrom(30, 100, nStart), "");
    EXPECT_EQ(nStart, 24u);
    buffer.Clear();
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(buffer.DroppedLength(), 0u);
    EXPECT_EQ(buffer.Limit(), 10u);

    // The CR of a dropped text still pairs with the LF that follows it.
    COutputBuffer tiny(1);
    tiny.AppendChunk("a\r", 2);
    EXPECT_EQ(tiny.Copy(), "\r");
    tiny.AppendChunk("\nb", 2);
    EXPECT_EQ(tiny.Copy(), "b");
    EXPECT_EQ(tiny.Length(), 4u); // "a\r\nb", no second CR
}

TEST(ToolsOutputBuffer, ManyMegabytesThroughASmallLimitKeepTheNewest)
{
    // Chunks that split CR LF pairs, across the internal blocks, into 1 MB
    // and a bit: the kept text is always the newest end of the whole.
    const std::size_t nLimit = (std::size_t(1) << 20) + 12345;
    COutputBuffer buffer(nLimit);
    std::string strWhole;
    std::string strChunk;
    for (int i = 0; i < 300; ++i) {
        strChunk = std::string(10000 + i, static_cast<char>('a' + i % 26)) + "\r";
        COutputBuffer::AppendNormalised(strWhole, strChunk.data(), strChunk.size());
        buffer.AppendChunk(strChunk.data(), strChunk.size());
        buffer.AppendChunk("\n", 1);
        strWhole += "\n";
        if (i % 50 == 49) {
            ASSERT_EQ(buffer.Length(), strWhole.size());
            ASSERT_TRUE(buffer.Copy() == strWhole.substr(strWhole.size() - std::min(nLimit, strWhole.size())))
                << "after chunk " << i;
        }
    }
    ASSERT_GT(strWhole.size(), 2 * nLimit);
    EXPECT_EQ(buffer.DroppedLength(), strWhole.size() - nLimit);
    for (std::size_t nFrom : {std::size_t(0), strWhole.size() - nLimit, strWhole.size() - nLimit + 1,
                              strWhole.size() - 5, strWhole.size()}) {
        std::size_t nStart = 0;
        const std::string strTail = buffer.CopyFrom(nFrom, 70000, nStart);
        EXPECT_EQ(nStart, std::max(nFrom, strWhole.size() - nLimit));
        EXPECT_TRUE(strTail == strWhole.substr(nStart, 70000)) << "from " << nFrom;
    }
    // A larger limit applies from the next append on; nothing comes back.
    buffer.SetLimit(nLimit * 4);
    buffer.AppendText("end");
    EXPECT_EQ(buffer.Copy().size(), nLimit + 3);
}
