#include "core/editor/MarkerStateCache.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kNone = std::string_view::npos;

// The last start s in [nFrom, nTo - |marker|] where strMarker occurs. Scans
// back with memrchr for the marker's first character.
std::size_t FindLast(std::string_view strText, std::string_view strMarker, std::size_t nFrom, std::size_t nTo)
{
    if (nTo > strText.size())
        nTo = strText.size();
    if (strMarker.empty() || nTo < nFrom + strMarker.size())
        return kNone;
    const char* pText = strText.data();
    // One past the last start still allowed.
    std::size_t nEnd = nTo - strMarker.size() + 1;
    while (nEnd > nFrom) {
        const void* pHit = ::memrchr(pText + nFrom, strMarker[0], nEnd - nFrom);
        if (!pHit)
            return kNone;
        const std::size_t s = static_cast<std::size_t>(static_cast<const char*>(pHit) - pText);
        if (std::memcmp(pText + s, strMarker.data(), strMarker.size()) == 0)
            return s;
        nEnd = s;
    }
    return kNone;
}
} // namespace

CMarkerStateCache::CMarkerStateCache(std::string_view strOpen, std::string_view strClose)
    : m_strOpen(strOpen), m_strClose(strClose), m_nLongest(std::max(strOpen.size(), strClose.size())), m_open(1, false)
{}

CMarkerStateCache::EMarker CMarkerStateCache::LastMarker(std::string_view strText, std::size_t nFrom,
                                                         std::size_t nTo) const
{
    const std::size_t nOpen = FindLast(strText, m_strOpen, nFrom, nTo);
    // A closing marker counts only when it starts after the last opening one.
    const std::size_t nClose = FindLast(strText, m_strClose, nOpen == kNone ? nFrom : nOpen + 1, nTo);
    if (nClose != kNone)
        return EMarker::Close;
    return nOpen != kNone ? EMarker::Open : EMarker::None;
}

void CMarkerStateCache::OnTextChanged(std::size_t nPos)
{
    // The checkpoint at c * kStep depends on the text before it only.
    m_nValid = std::min(m_nValid, nPos / kStep + 1);
}

bool CMarkerStateCache::IsOpenAt(std::string_view strText, std::size_t nPos)
{
    nPos = std::min(nPos, strText.size());
    const std::size_t nCheckpoint = nPos / kStep;
    if (m_open.size() <= nCheckpoint)
        m_open.resize(nCheckpoint + 1, false);
    for (; m_nValid <= nCheckpoint; ++m_nValid) {
        const std::size_t nTo = m_nValid * kStep;
        const EMarker eLast = LastMarker(strText, WindowStart(nTo - kStep), nTo);
        m_open[m_nValid] = eLast == EMarker::None ? m_open[m_nValid - 1] : eLast == EMarker::Open;
    }
    const EMarker eLast = LastMarker(strText, WindowStart(nCheckpoint * kStep), nPos);
    return eLast == EMarker::None ? m_open[nCheckpoint] : eLast == EMarker::Open;
}

void CMarkerStateCache::Fill(std::string_view strText)
{
    IsOpenAt(strText, strText.size());
}

bool CMarkerStateCache::IsOpenAtUncached(std::string_view strText, std::size_t nPos) const
{
    return LastMarker(strText, 0, std::min(nPos, strText.size())) == EMarker::Open;
}
