#pragma once

#include <cstddef>
#include <mutex>
#include <string>

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
    // The text after its first nFrom bytes; empty when it is not longer.
    std::string CopyFrom(std::size_t nFrom) const;
    std::size_t Length() const;

    // The line-end rule of AppendChunk, on a plain string.
    static void AppendNormalised(std::string& strText, const char* pData, std::size_t nLength);

private:
    mutable std::mutex m_mtxText;
    std::string m_strText;
};
