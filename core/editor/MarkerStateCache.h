#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Whether a position lies after an opening marker that no closing marker has
// followed: inside a block comment ("/*" ... "*/"), an HTML comment
// ("<!--" ... "-->") or a tag ("<" ... ">"). The answer for offset nPos is
// decided by the marker that starts last among those lying wholly in the
// first nPos characters.
//
// Answering from scratch reads back to that marker, which in a long text
// without markers means the whole text on every keystroke. The cache keeps
// the answer at fixed checkpoints, so a query reads at most one stretch
// between checkpoints; an edit drops the checkpoints after it.
class CMarkerStateCache {
public:
    CMarkerStateCache(std::string_view strOpen, std::string_view strClose);

    // The text changed from offset nPos on (an insertion or a deletion there):
    // answers for later offsets are worked out again when asked for.
    void OnTextChanged(std::size_t nPos);
    // Forgets every answer, for a text replaced as a whole.
    void Reset() { OnTextChanged(0); }

    // Whether nPos lies inside a marked stretch of strText, which must be the
    // text as it is after every change reported so far.
    bool IsOpenAt(std::string_view strText, std::size_t nPos);
    // Works out the answers up to the end of strText (after colouring it whole).
    void Fill(std::string_view strText);

    // The same answer without a cache: reads back from nPos to the last marker.
    bool IsOpenAtUncached(std::string_view strText, std::size_t nPos) const;

    // Offsets between checkpoints.
    static constexpr std::size_t kStep = 16384;

private:
    enum class EMarker { None, Open, Close };
    // The kind of the marker that starts last among those starting at nFrom
    // or later and ending at nTo or before.
    EMarker LastMarker(std::string_view strText, std::size_t nFrom, std::size_t nTo) const;
    // First offset from which a marker may reach past nOffset.
    std::size_t WindowStart(std::size_t nOffset) const
    {
        return nOffset > m_nLongest ? nOffset - m_nLongest : 0;
    }

    std::string m_strOpen;
    std::string m_strClose;
    std::size_t m_nLongest;
    // m_open[c]: the answer at offset c * kStep; the first m_nValid are right.
    std::vector<bool> m_open;
    std::size_t m_nValid = 1;
};
