#include "core/editor/LineEnds.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Calls onText(offset, length) for the bytes between breaks and onBreak() for
// each break (CR LF, lone CR or lone LF), in text order.
template <typename TText, typename TBreak>
void WalkLineBreaks(std::string_view strBytes, TText onText, TBreak onBreak)
{
    const std::size_t nLength = strBytes.size();
    std::size_t nRunStart = 0;
    for (std::size_t i = 0; i < nLength; ++i) {
        const char ch = strBytes[i];
        if (ch != '\r' && ch != '\n')
            continue;
        onText(nRunStart, i - nRunStart);
        if (ch == '\r' && i + 1 < nLength && strBytes[i + 1] == '\n') {
            onBreak(ELineEnd::CrLf);
            ++i;
        } else {
            onBreak(ch == '\r' ? ELineEnd::Cr : ELineEnd::Lf);
        }
        nRunStart = i + 1;
    }
    onText(nRunStart, nLength - nRunStart);
}

// Calls onFound(offset) for every ch in strBytes; memchr finds them far faster
// than a look at every byte.
template <typename TFound>
void FindEach(std::string_view strBytes, char ch, TFound onFound)
{
    std::size_t nFrom = 0;
    while (nFrom < strBytes.size()) {
        const void* pFound = std::memchr(strBytes.data() + nFrom, ch, strBytes.size() - nFrom);
        if (!pFound)
            return;
        const auto nAt = static_cast<std::size_t>(static_cast<const char*>(pFound) - strBytes.data());
        onFound(nAt);
        nFrom = nAt + 1;
    }
}

std::string Convert(std::string_view strBytes, std::string_view strBreak)
{
    std::string strOut;
    strOut.reserve(strBytes.size() + strBytes.size() / 16);
    WalkLineBreaks(
        strBytes, [&](std::size_t nFrom, std::size_t nCount) { strOut.append(strBytes.substr(nFrom, nCount)); },
        [&](ELineEnd) { strOut.append(strBreak); });
    return strOut;
}

} // namespace

ELineEnd CLineEnds::PlatformDefault()
{
#ifdef _WIN32
    return ELineEnd::CrLf;
#else
    return ELineEnd::Lf;
#endif
}

ELineEnd CLineEnds::Detect(std::string_view strBytes, ELineEnd eDefault)
{
    std::size_t counts[3] = {0, 0, 0};
    int firstSeen[3] = {-1, -1, -1};
    int nOrder = 0;
    WalkLineBreaks(
        strBytes, [](std::size_t, std::size_t) {},
        [&](ELineEnd eEnd) {
            const int nIndex = static_cast<int>(eEnd);
            if (counts[nIndex]++ == 0)
                firstSeen[nIndex] = nOrder++;
        });
    int nBest = -1;
    for (int i = 0; i < 3; ++i) {
        if (counts[i] == 0)
            continue;
        if (nBest < 0 || counts[i] > counts[nBest] || (counts[i] == counts[nBest] && firstSeen[i] < firstSeen[nBest]))
            nBest = i;
    }
    return nBest < 0 ? eDefault : static_cast<ELineEnd>(nBest);
}

std::string CLineEnds::ToCrLf(std::string_view strBytes)
{
    return Convert(strBytes, "\r\n");
}

void CLineEnds::ToCrLfInPieces(std::string_view strBytes, std::size_t nPieceBytes,
                               const std::function<void(std::string_view)>& onPiece)
{
    nPieceBytes = std::max<std::size_t>(nPieceBytes, 2);
    std::string strPiece;
    strPiece.reserve(nPieceBytes);
    const auto Flush = [&] {
        if (!strPiece.empty())
            onPiece(strPiece);
        strPiece.clear();
    };
    WalkLineBreaks(
        strBytes,
        [&](std::size_t nFrom, std::size_t nCount) {
            while (nCount > 0) {
                if (strPiece.size() == nPieceBytes)
                    Flush();
                const std::size_t nTake = std::min(nCount, nPieceBytes - strPiece.size());
                strPiece.append(strBytes.substr(nFrom, nTake));
                nFrom += nTake;
                nCount -= nTake;
            }
        },
        [&](ELineEnd) {
            if (strPiece.size() + 2 > nPieceBytes)
                Flush();
            strPiece.append("\r\n");
        });
    Flush();
}

std::size_t CLineEnds::CrLfLength(std::string_view strBytes)
{
    // Every lone LF and every lone CR gains a byte.
    std::size_t nLength = strBytes.size();
    FindEach(strBytes, '\n', [&](std::size_t i) {
        if (i == 0 || strBytes[i - 1] != '\r')
            ++nLength;
    });
    FindEach(strBytes, '\r', [&](std::size_t i) {
        if (i + 1 == strBytes.size() || strBytes[i + 1] != '\n')
            ++nLength;
    });
    return nLength;
}

std::string CLineEnds::FromCrLf(std::string_view strText, ELineEnd eLineEnd)
{
    return Convert(strText, Sequence(eLineEnd));
}

std::string_view CLineEnds::Sequence(ELineEnd eLineEnd)
{
    switch (eLineEnd) {
    case ELineEnd::CrLf: return "\r\n";
    case ELineEnd::Lf: return "\n";
    case ELineEnd::Cr: return "\r";
    }
    return "\r\n";
}
