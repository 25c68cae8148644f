#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

// The accumulated output of a captured run. One thread appends while another
// copies; each append is seen whole or not at all.
class COutputBuffer {
public:
    // Appends raw tool output: every line feed becomes CR LF unless a CR
    // already precedes it (also a CR that ended the previous chunk), lone
    // CRs stay, and zero bytes are dropped. Linear in the chunk only.
    void AppendChunk(const char* pData, std::size_t nLength);
    // Appends text exactly as given.
    void AppendText(const std::string& strText);
    void Clear();

    std::string Copy() const;
    // The text after its first nFrom bytes, at most nMaxBytes of it; empty
    // when it is not longer.
    std::string CopyFrom(std::size_t nFrom, std::size_t nMaxBytes = std::string::npos) const;
    std::size_t Length() const;

    // The line-end rule of AppendChunk, on a plain string.
    static void AppendNormalised(std::string& strText, const char* pData, std::size_t nLength);

private:
    // The text is kept in blocks of about this size, so a run writing
    // hundreds of megabytes never has its whole text copied to grow it.
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 20;

    // The rule, for text that continues after a CR (bAfterCr) or not.
    static void AppendNormalisedAfter(std::string& strText, bool bAfterCr, const char* pData, std::size_t nLength);
    bool EndsWithCr() const;
    // The block to append to, begun anew once the last one is full.
    std::string& LastBlock();
    std::string CopyFromLocked(std::size_t nFrom, std::size_t nMaxBytes) const;

    mutable std::mutex m_mtxText;
    std::vector<std::string> m_blocks;
    std::size_t m_nLength = 0;
};
