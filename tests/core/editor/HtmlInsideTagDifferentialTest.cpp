// The line pass asks whether a position lies inside a tag or a comment. The
// plain way to answer reverses the whole text and searches it for the
// reversed markers from the position on; these tests hold the backward scans
// and the checkpoint caches to that answer on random texts.
#include "core/editor/HtmlColourer.h"
#include "core/editor/JavaColourer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

constexpr std::size_t kNone = std::string::npos;

// Inside a tag: the reversed text, searched from index (length - pos), meets
// a '<' before any '>'.
bool ReversedInsideTag(const std::string& strText, std::size_t nPos)
{
    const std::string strReversed(strText.rbegin(), strText.rend());
    const std::size_t nFrom = strText.size() - nPos;
    const std::size_t nOpen = strReversed.find('<', nFrom);
    const std::size_t nClose = strReversed.find('>', nFrom);
    return nOpen != kNone && (nClose == kNone || nOpen < nClose);
}

// Inside a marker pair: the reversed markers found from (length - pos) on,
// their starts turned back into offsets of the text and compared.
bool ReversedInsidePair(const std::string& strText, std::size_t nPos, const std::string& strOpen,
                        const std::string& strClose)
{
    const std::string strReversed(strText.rbegin(), strText.rend());
    const std::size_t nFrom = strText.size() - nPos;
    const std::size_t nOpen = strReversed.find(std::string(strOpen.rbegin(), strOpen.rend()), nFrom);
    if (nOpen == kNone)
        return false;
    const std::size_t nClose = strReversed.find(std::string(strClose.rbegin(), strClose.rend()), nFrom);
    if (nClose == kNone)
        return true;
    const std::size_t nOpenStart = strText.size() - nOpen - strOpen.size();
    const std::size_t nCloseStart = strText.size() - nClose - strClose.size();
    return nOpenStart > nCloseStart;
}

std::string RandomText(std::mt19937& random, std::size_t nLength, const std::string& strAlphabet)
{
    std::uniform_int_distribution<std::size_t> pick(0, strAlphabet.size() - 1);
    std::string strText;
    for (std::size_t i = 0; i < nLength; ++i)
        strText += strAlphabet[pick(random)];
    return strText;
}

} // namespace

TEST(HtmlInsideTagDifferential, BackwardScanAgreesWithTheReversedText)
{
    std::mt19937 random(1234);
    for (int nRound = 0; nRound < 400; ++nRound) {
        const std::string strText = RandomText(random, random() % 60, "<>-!ab \r\n");
        for (std::size_t nPos = 0; nPos <= strText.size(); ++nPos) {
            ASSERT_EQ(CHtmlColourer::IsInsideTag(strText, nPos), ReversedInsideTag(strText, nPos))
                << "text \"" << strText << "\" at " << nPos;
            ASSERT_EQ(CHtmlColourer::IsInsideComment(strText, nPos),
                      ReversedInsidePair(strText, nPos, "<!--", "-->"))
                << "text \"" << strText << "\" at " << nPos;
        }
    }
}

TEST(HtmlInsideTagDifferential, CachesAgreeAcrossEditsOnLongTexts)
{
    // Texts longer than a few checkpoints, with sparse markers so that the
    // answers often come from far back.
    std::mt19937 random(99);
    for (int nRound = 0; nRound < 6; ++nRound) {
        std::string strText = RandomText(random, 3 * CMarkerStateCache::kStep + random() % 5000,
                                         std::string(nRound % 2 == 0 ? 40 : 4000, 'x') + "<>-!\r\n/*");
        CMarkerStateCache tags = CHtmlColourer::MakeTagCache();
        CMarkerStateCache comments = CHtmlColourer::MakeCommentCache();
        CMarkerStateCache javaComments = CJavaColourer::MakeCommentCache();
        for (int nEdit = 0; nEdit < 200; ++nEdit) {
            const std::size_t nAt = random() % (strText.size() + 1);
            static const char* const kMarkers[] = {"<", ">", "<!--", "-->", "/*", "*/"};
            if (random() % 3 == 0) {
                strText.insert(nAt, RandomText(random, 1 + random() % 6, "<>-!x/*"));
            } else if (random() % 2 == 0) {
                strText.insert(nAt, kMarkers[random() % 6]);
            } else {
                strText.erase(nAt, std::min<std::size_t>(random() % 8, strText.size() - nAt));
            }
            tags.OnTextChanged(nAt);
            comments.OnTextChanged(nAt);
            javaComments.OnTextChanged(nAt);
            for (int nProbe = 0; nProbe < 8; ++nProbe) {
                // Half the probes land just after the edit, where a stale answer shows.
                const std::size_t nPos = nProbe % 2 == 0 ? random() % (strText.size() + 1)
                                                         : std::min(strText.size(), nAt + random() % 40000);
                ASSERT_EQ(tags.IsOpenAt(strText, nPos), ReversedInsideTag(strText, nPos)) << nPos;
                ASSERT_EQ(comments.IsOpenAt(strText, nPos), ReversedInsidePair(strText, nPos, "<!--", "-->"))
                    << nPos;
                ASSERT_EQ(javaComments.IsOpenAt(strText, nPos), ReversedInsidePair(strText, nPos, "/*", "*/"))
                    << nPos;
                ASSERT_EQ(javaComments.IsOpenAt(strText, nPos), CJavaColourer::IsInsideBlockComment(strText, nPos))
                    << nPos;
            }
        }
    }
}

TEST(HtmlInsideTagDifferential, LinePassWithCachesEqualsLinePassReadingBack)
{
    std::mt19937 random(7);
    const CHtmlColourer html;
    const CJavaColourer java;
    for (int nRound = 0; nRound < 4; ++nRound) {
        std::string strText =
            RandomText(random, 2 * CMarkerStateCache::kStep, std::string(30, 'e') + "<>-! \"\r\n/*tablbd");
        CMarkerStateCache tags = CHtmlColourer::MakeTagCache();
        CMarkerStateCache comments = CHtmlColourer::MakeCommentCache();
        CMarkerStateCache javaComments = CJavaColourer::MakeCommentCache();
        for (int nEdit = 0; nEdit < 40; ++nEdit) {
            const std::size_t nAt = random() % (strText.size() + 1);
            strText.insert(nAt, RandomText(random, 1 + random() % 4, "<>-!/*\r\n"));
            tags.OnTextChanged(nAt);
            comments.OnTextChanged(nAt);
            javaComments.OnTextChanged(nAt);
            const std::size_t nCaret = random() % (strText.size() + 1);
            const CHtmlColourer::CLineColours cached = html.ColourLine(strText, nCaret, &tags, &comments);
            const CHtmlColourer::CLineColours plain = html.ColourLine(strText, nCaret);
            ASSERT_EQ(cached.m_nStart, plain.m_nStart);
            ASSERT_EQ(cached.m_codes, plain.m_codes);
            const CJavaColourer::CLineColours javaCached = java.ColourLine(strText, nCaret, &javaComments);
            const CJavaColourer::CLineColours javaPlain = java.ColourLine(strText, nCaret);
            ASSERT_EQ(javaCached.m_codes, javaPlain.m_codes);
        }
    }
}
