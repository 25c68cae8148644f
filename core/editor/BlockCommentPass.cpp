#include "core/editor/BlockCommentPass.h"

#include "core/editor/MarkRange.h"

#include <cstring>

namespace {
constexpr std::size_t kNone = std::string_view::npos;
} // namespace

CBlockCommentPass::CBlockCommentPass(std::string_view strOpen, std::string_view strClose, std::size_t nRare)
    : m_strOpen(strOpen), m_strClose(strClose), m_nRare(nRare)
{}

std::size_t CBlockCommentPass::FindOpen(std::string_view strText, std::size_t nFrom) const
{
    const char chRare = m_strOpen[m_nRare];
    std::size_t q = nFrom + m_nRare;
    while (q < strText.size()) {
        const void* pHit = std::memchr(strText.data() + q, chRare, strText.size() - q);
        if (!pHit)
            return kNone;
        q = static_cast<std::size_t>(static_cast<const char*>(pHit) - strText.data());
        if (strText.substr(q - m_nRare, m_strOpen.size()) == m_strOpen)
            return q - m_nRare;
        ++q;
    }
    return kNone;
}

void CBlockCommentPass::MarkAll(std::string_view strText, std::vector<unsigned char>& codes, unsigned char nCode) const
{
    std::size_t p = 0;
    while (true) {
        const std::size_t nOpen = FindOpen(strText, p);
        if (nOpen == kNone)
            break;
        const std::size_t e = strText.find(m_strClose, nOpen);
        const std::size_t nEnd = e == kNone ? strText.size() : e + m_strClose.size();
        MarkRange(codes, nOpen, nEnd, nCode);
        p = nEnd + 1;
    }
}

void CBlockCommentPass::MarkLine(std::string_view strLine, bool bOpenBefore, std::vector<unsigned char>& codes,
                                 unsigned char nCode) const
{
    const std::size_t n = strLine.size();
    const std::size_t nFirstClose = strLine.find(m_strClose);
    if (nFirstClose == kNone && bOpenBefore)
        MarkRange(codes, 0, n, nCode);
    std::size_t p = 0;
    while (true) {
        const std::size_t nOpen = FindOpen(strLine, p);
        if (nOpen == kNone)
            break;
        const std::size_t e = strLine.find(m_strClose, nOpen);
        if (e == kNone) {
            MarkRange(codes, nOpen, n, nCode);
            return;
        }
        MarkRange(codes, nOpen, e + m_strClose.size(), nCode);
        p = e;
    }
    if (nFirstClose != kNone && bOpenBefore)
        MarkRange(codes, 0, nFirstClose + m_strClose.size(), nCode);
}
