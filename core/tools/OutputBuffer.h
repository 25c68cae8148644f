#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>

// The accumulated output of a captured run, at most a given number of bytes
// of it: past that the oldest bytes are dropped. Offsets count every byte
// appended since the last Clear, dropped ones too, so a reader that keeps an
// offset sees where its text went missing. One thread appends while another
// copies; each append is seen whole or not at all.
class COutputBuffer {
public:
    static constexpr std::size_t kDefaultLimit = std::size_t(64) << 20;

    explicit COutputBuffer(std::size_t nLimitBytes = kDefaultLimit) : m_nLimit(nLimitBytes) {}

    // Takes effect with the next append.
    void SetLimit(std::size_t nLimitBytes);
    std::size_t Limit() const;

    // Appends raw tool output: every line feed becomes CR LF unless a CR
    // already precedes it (also a CR that ended the previous chunk), lone
    // CRs stay, and zero bytes are dropped. Linear in the chunk only.
    void AppendChunk(const char* pData, std::size_t nLength);
    // Appends text exactly as given.
    void AppendText(std::string_view strText);
    // Empties the text and counts offsets from zero again.
    void Clear();

    // The kept text.
    std::string Copy() const;
    // The text from offset nFrom on (from the first kept byte when nFrom was
    // dropped), at most nMaxBytes of it; empty when it is not longer.
    // nStart receives the offset the copy begins at.
    std::string CopyFrom(std::size_t nFrom, std::size_t nMaxBytes, std::size_t& nStart) const;
    std::string CopyFrom(std::size_t nFrom, std::size_t nMaxBytes = std::string::npos) const;
    // The offset just past the last byte.
    std::size_t Length() const;
    // How many bytes from the start were dropped.
    std::size_t DroppedLength() const;

    // The line-end rule of AppendChunk, on a plain string.
    static void AppendNormalised(std::string& strText, const char* pData, std::size_t nLength);

private:
    // The text is kept in blocks of about this size, so a run writing
    // hundreds of megabytes never has its whole text copied to grow it.
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 20;

    // The rule, for text that continues after a CR (bAfterCr) or not.
    static void AppendNormalisedAfter(std::string& strText, bool bAfterCr, const char* pData, std::size_t nLength);
    // The block to append to, begun anew once the last one is full.
    std::string& LastBlock();
    void AddedToLastBlock(std::size_t nBytes);
    // Drops the oldest bytes until at most m_nLimit are kept.
    void DropOldest();
    std::string CopyFromLocked(std::size_t nFrom, std::size_t nMaxBytes, std::size_t& nStart) const;

    mutable std::mutex m_mtxText;
    std::deque<std::string> m_blocks;
    std::size_t m_nFrontSkip = 0; // dropped bytes still at the start of the first block
    std::size_t m_nKept = 0;
    std::size_t m_nDropped = 0;
    std::size_t m_nLimit;
    bool m_bEndsWithCr = false; // a dropped text still pairs its last CR with the next LF
};
