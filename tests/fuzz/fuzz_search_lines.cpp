// Feeds arbitrary text and an arbitrary pattern to the Find in Files line
// search. The first byte picks regex, case and whole word; the pattern runs to
// the first 0x01 byte; the text follows. Fed whole or in pieces of sizes taken
// from the text itself, the search must report the same hits; every hit must
// lie inside its line, show valid UTF-8, and lines must not go backwards.
#include "core/search/FileSearch.h"
#include "core/search/HitText.h"
#include "core/search/LineSearch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

class CRecordingSink : public ISearchSink {
public:
    void OnHit(const CSearchHit& hit) override { m_hits.push_back(hit); }
    void OnFileError(std::size_t, const std::string&) override { std::abort(); }
    std::vector<CSearchHit> m_hits;
};

bool SameHits(const std::vector<CSearchHit>& a, const std::vector<CSearchHit>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t n = 0; n < a.size(); ++n) {
        if (a[n].m_nLine != b[n].m_nLine || a[n].m_nColumn != b[n].m_nColumn || a[n].m_nLength != b[n].m_nLength ||
            a[n].m_strText != b[n].m_strText)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize < 1)
        return 0;
    const std::string strInput(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    const std::size_t nSplit = strInput.find('\x01');
    if (nSplit == std::string::npos)
        return 0;
    CSearchOptions options;
    options.m_bRegex = (pData[0] & 1) != 0;
    options.m_bMatchCase = (pData[0] & 2) != 0;
    options.m_bWholeWord = (pData[0] & 4) != 0;
    options.m_strPattern = strInput.substr(0, nSplit);
    const std::string strText = strInput.substr(nSplit + 1);
    std::string strError;
    const auto pPattern = CSearchPattern::Compile(options, strError);
    if (!pPattern) {
        Check(!strError.empty());
        return 0;
    }

    CRecordingSink whole;
    CLineSearch wholeSearch(*pPattern, 0, whole);
    wholeSearch.Feed(strText.data(), strText.size(), true);

    CRecordingSink pieces;
    CLineSearch pieceSearch(*pPattern, 0, pieces);
    std::size_t nAt = 0;
    while (nAt < strText.size()) {
        const std::size_t nPiece = 1 + static_cast<unsigned char>(strText[nAt]) % 7;
        const std::size_t nTake = nPiece < strText.size() - nAt ? nPiece : strText.size() - nAt;
        pieceSearch.Feed(strText.data() + nAt, nTake, false);
        nAt += nTake;
    }
    pieceSearch.Feed(nullptr, 0, true);
    Check(SameHits(whole.m_hits, pieces.m_hits));
    Check(wholeSearch.Hits() == whole.m_hits.size());

    std::size_t nLastLine = 1;
    for (const CSearchHit& hit : whole.m_hits) {
        Check(hit.m_nLine >= nLastLine && hit.m_nColumn >= 1);
        Check(hit.m_nColumn - 1 + hit.m_nLength <= strText.size());
        Check(CHitText::FirstInvalid(hit.m_strText, 0, hit.m_strText.size()) == hit.m_strText.size());
        Check(hit.m_strText.find_first_of("\r\n") == std::string::npos);
        nLastLine = hit.m_nLine;
    }
    return 0;
}
