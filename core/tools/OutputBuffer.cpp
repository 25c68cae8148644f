#include "core/tools/OutputBuffer.h"

#include <algorithm>
#include <cstring>

// Appends [pFrom, pTo) without its zero bytes.
static void AppendWithoutZeros(std::string& strText, const char* pFrom, const char* pTo)
{
    while (pFrom != pTo) {
        const void* pZero = std::memchr(pFrom, '\0', static_cast<std::size_t>(pTo - pFrom));
        const char* pStop = pZero != nullptr ? static_cast<const char*>(pZero) : pTo;
        strText.append(pFrom, pStop);
        pFrom = pStop == pTo ? pTo : pStop + 1; // a zero byte is dropped, the rest is kept
    }
}

void COutputBuffer::AppendNormalised(std::string& strText, const char* pData, std::size_t nLength)
{
    AppendNormalisedAfter(strText, false, pData, nLength);
}

void COutputBuffer::AppendNormalisedAfter(std::string& strText, bool bAfterCr, const char* pData, std::size_t nLength)
{
    // Equivalent to turning every CR LF of the whole text into LF and then
    // every LF into CR LF, but touching only the new bytes: the text already
    // has CR before each LF, so only a CR at its very end can pair with a
    // line feed that arrives now.
    const char* p = pData;
    const char* const pEnd = pData + nLength;
    while (p != pEnd) {
        const void* pFeed = std::memchr(p, '\n', static_cast<std::size_t>(pEnd - p));
        if (pFeed == nullptr) {
            AppendWithoutZeros(strText, p, pEnd);
            break;
        }
        const char* pLineEnd = static_cast<const char*>(pFeed);
        AppendWithoutZeros(strText, p, pLineEnd);
        const bool bCrBefore = strText.empty() ? bAfterCr : strText.back() == '\r';
        if (!bCrBefore)
            strText.push_back('\r');
        strText.push_back('\n');
        p = pLineEnd + 1;
    }
}

bool COutputBuffer::EndsWithCr() const
{
    // Only the last block can be empty, so this looks at two blocks at most.
    for (auto it = m_blocks.rbegin(); it != m_blocks.rend(); ++it)
        if (!it->empty())
            return it->back() == '\r';
    return false;
}

std::string& COutputBuffer::LastBlock()
{
    if (m_blocks.empty() || m_blocks.back().size() >= kBlockBytes) {
        m_blocks.emplace_back();
        // Room for the chunk that fills it, even with every byte a line feed.
        m_blocks.back().reserve(kBlockBytes + kBlockBytes / 4);
    }
    return m_blocks.back();
}

void COutputBuffer::AppendChunk(const char* pData, std::size_t nLength)
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    const bool bAfterCr = EndsWithCr();
    std::string& strBlock = LastBlock();
    const std::size_t nBefore = strBlock.size();
    AppendNormalisedAfter(strBlock, bAfterCr, pData, nLength);
    m_nLength += strBlock.size() - nBefore;
}

void COutputBuffer::AppendText(const std::string& strText)
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    LastBlock() += strText;
    m_nLength += strText.size();
}

void COutputBuffer::Clear()
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    std::vector<std::string>().swap(m_blocks); // a long run's text is not kept alive
    m_nLength = 0;
}

std::string COutputBuffer::Copy() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return CopyFromLocked(0, std::string::npos);
}

std::string COutputBuffer::CopyFrom(std::size_t nFrom, std::size_t nMaxBytes) const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return CopyFromLocked(nFrom, nMaxBytes);
}

std::string COutputBuffer::CopyFromLocked(std::size_t nFrom, std::size_t nMaxBytes) const
{
    std::string strCopy;
    if (nFrom >= m_nLength)
        return strCopy;
    const std::size_t nWanted = std::min(m_nLength - nFrom, nMaxBytes);
    strCopy.reserve(nWanted);
    std::size_t nBlockStart = 0;
    for (const std::string& strBlock : m_blocks) {
        if (strCopy.size() == nWanted)
            break;
        const std::size_t nBlockEnd = nBlockStart + strBlock.size();
        if (nBlockEnd > nFrom) {
            const std::size_t nOffset = nFrom > nBlockStart ? nFrom - nBlockStart : 0;
            strCopy.append(strBlock, nOffset, nWanted - strCopy.size());
        }
        nBlockStart = nBlockEnd;
    }
    return strCopy;
}

std::size_t COutputBuffer::Length() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return m_nLength;
}
