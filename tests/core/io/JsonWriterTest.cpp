#include "core/io/JsonWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <unordered_set>

namespace {
// Every well-formed UTF-8 sequence and every proper prefix of one, built by
// encoding each scalar value: a reference that needs no decoding rules.
class CUtf8Reference {
public:
    CUtf8Reference()
    {
        for (char32_t nCode = 0; nCode <= 0x10FFFF; ++nCode) {
            if (nCode >= 0xD800 && nCode <= 0xDFFF)
                continue;
            const std::string strBytes = Encode(nCode);
            m_setWhole.insert(strBytes);
            for (std::size_t nLength = 1; nLength < strBytes.size(); ++nLength)
                m_setPrefixes.insert(strBytes.substr(0, nLength));
        }
    }

    // Well-formed sequences copied; each maximal piece that is the start of
    // no sequence, or a start cut short, replaced by one U+FFFD.
    std::string Repair(const std::string& strText) const
    {
        std::string strOut;
        std::size_t nIndex = 0;
        while (nIndex < strText.size()) {
            std::size_t nWhole = 0;
            std::size_t nPrefix = 0;
            for (std::size_t nLength = 1; nLength <= 4 && nIndex + nLength <= strText.size(); ++nLength) {
                const std::string strPiece = strText.substr(nIndex, nLength);
                if (m_setWhole.count(strPiece))
                    nWhole = nLength;
                if (m_setPrefixes.count(strPiece))
                    nPrefix = nLength;
            }
            if (nWhole > 0) {
                strOut += strText.substr(nIndex, nWhole);
                nIndex += nWhole;
            } else {
                strOut += "\xEF\xBF\xBD";
                nIndex += std::max<std::size_t>(nPrefix, 1);
            }
        }
        return strOut;
    }

private:
    static std::string Encode(char32_t nCode)
    {
        std::string str;
        if (nCode < 0x80)
            str.push_back(static_cast<char>(nCode));
        else if (nCode < 0x800) {
            str.push_back(static_cast<char>(0xC0 | (nCode >> 6)));
            str.push_back(static_cast<char>(0x80 | (nCode & 0x3F)));
        } else if (nCode < 0x10000) {
            str.push_back(static_cast<char>(0xE0 | (nCode >> 12)));
            str.push_back(static_cast<char>(0x80 | ((nCode >> 6) & 0x3F)));
            str.push_back(static_cast<char>(0x80 | (nCode & 0x3F)));
        } else {
            str.push_back(static_cast<char>(0xF0 | (nCode >> 18)));
            str.push_back(static_cast<char>(0x80 | ((nCode >> 12) & 0x3F)));
            str.push_back(static_cast<char>(0x80 | ((nCode >> 6) & 0x3F)));
            str.push_back(static_cast<char>(0x80 | (nCode & 0x3F)));
        }
        return str;
    }

    std::unordered_set<std::string> m_setWhole;
    std::unordered_set<std::string> m_setPrefixes;
};
} // namespace

TEST(IoJsonWriter, AnyBytesQuoteToJsonThatReadsBackAsTheRepairedText)
{
    const CUtf8Reference reference;
    std::mt19937 random(2026);
    // Bytes weighted towards the ones UTF-8 rules are about.
    constexpr char kBoundaries[] = "\x00\x01\x1F\x20\"\\\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2\xDF\xE0\xE1\xEC\xED"
                                   "\xEE\xEF\xF0\xF1\xF3\xF4\xF5\xFF";
    // The array's own size: the bytes begin with a zero, which a C string would stop at.
    const std::string strAlphabet = std::string(kBoundaries, sizeof kBoundaries - 1) + "az";
    ASSERT_EQ(strAlphabet.size(), 31u);
    for (int nRound = 0; nRound < 20000; ++nRound) {
        std::string strText;
        const std::size_t nLength = random() % 12;
        for (std::size_t n = 0; n < nLength; ++n)
            strText.push_back(random() % 4 == 0 ? static_cast<char>(random() % 256)
                                                : strAlphabet[random() % strAlphabet.size()]);
        const std::string strQuoted = CJsonWriter::Quote(strText);
        const nlohmann::json parsed = nlohmann::json::parse(strQuoted, nullptr, false);
        ASSERT_FALSE(parsed.is_discarded()) << strQuoted;
        ASSERT_EQ(parsed.get<std::string>(), reference.Repair(strText)) << strQuoted;
    }
}

TEST(IoJsonWriter, EscapesAreTheShortFormsAndControlsAsUnicode)
{
    EXPECT_EQ(CJsonWriter::Quote(std::string("a\"b\\c\b\f\n\r\t\x01\x1F\x7F/\0", 15)),
              "\"a\\\"b\\\\c\\b\\f\\n\\r\\t\\u0001\\u001f\x7F/\\u0000\"");
    // Valid sequences pass untouched; an overlong slash, a surrogate and a cut-short
    // sequence each become one replacement character per ill-formed piece.
    EXPECT_EQ(CJsonWriter::Quote("\xC3\xA9\xF0\x9F\x98\x80"), "\"\xC3\xA9\xF0\x9F\x98\x80\"");
    EXPECT_EQ(CJsonWriter::Quote("\xC0\xAF|\xED\xA0\x80|\xF0\x9F\x98"),
              "\"\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\"");
}

TEST(IoJsonWriter, IndentedAndCompactLayouts)
{
    for (const bool bIndented : {true, false}) {
        CJsonWriter json(bIndented);
        json.BeginObject();
        json.Key("list");
        json.BeginArray();
        json.String("x");
        json.Number(-12);
        json.BeginObject();
        json.EndObject();
        json.EndArray();
        json.Key("empty");
        json.BeginArray();
        json.EndArray();
        json.EndObject();
        if (bIndented) {
            EXPECT_EQ(json.Text(), "{\n"
                                   "  \"list\": [\n"
                                   "    \"x\",\n"
                                   "    -12,\n"
                                   "    {}\n"
                                   "  ],\n"
                                   "  \"empty\": []\n"
                                   "}\n");
        } else {
            EXPECT_EQ(json.Text(), "{\"list\":[\"x\",-12,{}],\"empty\":[]}");
        }
    }
}
