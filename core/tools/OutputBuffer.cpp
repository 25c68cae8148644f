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

void COutputBuffer::SetLimit(std::size_t nLimitBytes)
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    m_nLimit = nLimitBytes;
}

std::size_t COutputBuffer::Limit() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return m_nLimit;
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

void COutputBuffer::AddedToLastBlock(std::size_t nBytes)
{
    m_nKept += nBytes;
    if (nBytes > 0)
        m_bEndsWithCr = m_blocks.back().back() == '\r';
    DropOldest();
}

void COutputBuffer::DropOldest()
{
    // Whole blocks go at once; the first kept one may start part way in.
    while (m_nKept > m_nLimit) {
        const std::size_t nExcess = m_nKept - m_nLimit;
        const std::size_t nInFront = m_blocks.front().size() - m_nFrontSkip;
        const std::size_t nDrop = nInFront <= nExcess ? nInFront : nExcess;
        if (nDrop == nInFront) {
            m_blocks.pop_front();
            m_nFrontSkip = 0;
        } else {
            m_nFrontSkip += nDrop;
        }
        m_nKept -= nDrop;
        m_nDropped += nDrop;
    }
}

void COutputBuffer::AppendChunk(const char* pData, std::size_t nLength)
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    std::string& strBlock = LastBlock();
    const std::size_t nBefore = strBlock.size();
    AppendNormalisedAfter(strBlock, m_bEndsWithCr, pData, nLength);
    AddedToLastBlock(strBlock.size() - nBefore);
}

void COutputBuffer::AppendText(std::string_view strText)
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    LastBlock() += strText;
    AddedToLastBlock(strText.size());
}

void COutputBuffer::Clear()
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    std::deque<std::string>().swap(m_blocks); // a long run's text is not kept alive
    m_nFrontSkip = 0;
    m_nKept = 0;
    m_nDropped = 0;
    m_bEndsWithCr = false;
}

std::string COutputBuffer::Copy() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    std::size_t nStart = 0;
    return CopyFromLocked(0, std::string::npos, nStart);
}

std::string COutputBuffer::CopyFrom(std::size_t nFrom, std::size_t nMaxBytes, std::size_t& nStart) const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return CopyFromLocked(nFrom, nMaxBytes, nStart);
}

std::string COutputBuffer::CopyFrom(std::size_t nFrom, std::size_t nMaxBytes) const
{
    std::size_t nStart = 0;
    return CopyFrom(nFrom, nMaxBytes, nStart);
}

std::string COutputBuffer::CopyFromLocked(std::size_t nFrom, std::size_t nMaxBytes, std::size_t& nStart) const
{
    const std::size_t nEnd = m_nDropped + m_nKept;
    nStart = std::min(std::max(nFrom, m_nDropped), nEnd);
    std::string strCopy;
    if (nStart == nEnd)
        return strCopy;
    const std::size_t nWanted = std::min(nEnd - nStart, nMaxBytes);
    strCopy.reserve(nWanted);
    // Offsets within the kept text, whose first byte is m_nFrontSkip into the first block.
    std::size_t nSkip = nStart - m_nDropped + m_nFrontSkip;
    for (const std::string& strBlock : m_blocks) {
        if (strCopy.size() == nWanted)
            break;
        if (nSkip >= strBlock.size()) {
            nSkip -= strBlock.size();
            continue;
        }
        strCopy.append(strBlock, nSkip, nWanted - strCopy.size());
        nSkip = 0;
    }
    return strCopy;
}

std::size_t COutputBuffer::Length() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return m_nDropped + m_nKept;
}

std::size_t COutputBuffer::DroppedLength() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return m_nDropped;
}
