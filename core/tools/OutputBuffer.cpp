#include "core/tools/OutputBuffer.h"

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
        if (strText.empty() || strText.back() != '\r')
            strText.push_back('\r');
        strText.push_back('\n');
        p = pLineEnd + 1;
    }
}

void COutputBuffer::AppendChunk(const char* pData, std::size_t nLength)
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    AppendNormalised(m_strText, pData, nLength);
}

void COutputBuffer::AppendText(const std::string& strText)
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    m_strText += strText;
}

void COutputBuffer::Clear()
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    std::string().swap(m_strText); // a long run's text is not kept alive
}

std::string COutputBuffer::Copy() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return m_strText;
}

std::string COutputBuffer::CopyFrom(std::size_t nFrom) const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    if (nFrom >= m_strText.size())
        return std::string();
    return m_strText.substr(nFrom);
}

std::size_t COutputBuffer::Length() const
{
    std::lock_guard<std::mutex> lock(m_mtxText);
    return m_strText.size();
}
