#pragma once

#include "core/editor/BlockCommentPass.h"
#include "core/editor/Colourer.h"
#include "core/editor/KeywordMatcher.h"
#include "core/editor/MarkerStateCache.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Java syntax colouring: a lexical approximation made of independent passes
// (keywords, strings, line comments, block comments), each overwriting the
// earlier ones where they meet. It works on editor text (CR LF line breaks)
// and yields one class code per character; CColourRun turns the codes into
// the ranges the editor must restyle.
class CJavaColourer final : public IColourer {
public:
    static constexpr unsigned char kColourString = 252;
    static constexpr unsigned char kColourPlain = 253;
    static constexpr unsigned char kColourComment = 254;
    static constexpr unsigned char kColourKeyword = 255;

    // The 59 Java keywords, each followed by ';'.
    static std::string_view KeywordList();
    // Characters that make a keyword match part of a longer word.
    static std::string_view WordChars();

    CJavaColourer();

    const std::vector<std::string>& Keywords() const { return m_matcher.Keywords(); }

    // Class codes for the whole text. An unterminated string is left plain; an
    // unterminated block comment, or a line comment without a final line
    // break, runs to the end of the text.
    std::vector<unsigned char> ColourAll(std::string_view strText) const override;

    // Colours the line that holds nCaret, as after every typed character. Only
    // the text before the line is consulted to know whether the line starts
    // inside a block comment; an unterminated string runs to the line's end.
    // With pComments (made by MakeCommentCache and told of every edit) that
    // answer comes from its checkpoints instead of reading back.
    CLineColours ColourLine(std::string_view strText, std::size_t nCaret,
                            CMarkerStateCache* pComments = nullptr) const;
    // The same for a line given as its text and the text before it; only
    // that text is read, never what follows the line.
    CLineColours ColourLineOf(std::string_view strBefore, std::string_view strLine,
                              CMarkerStateCache* pComments = nullptr) const;
    static CMarkerStateCache MakeCommentCache() { return CMarkerStateCache("/*", "*/"); }
    // The comment cache alone.
    std::vector<CMarkerStateCache> MakeCaches() const override;
    CLineColours ColourCachedLine(std::string_view strBefore, std::string_view strLine,
                                  std::span<CMarkerStateCache> caches) const override;

    // True when the first nPos characters leave a block comment open: they hold
    // a "/*" that starts after the start of their last "*/".
    static bool IsInsideBlockComment(std::string_view strText, std::size_t nPos);

    // What each code shows, for CColourRun::RunsToApply: the four colours for
    // their classes, crPlain for every other code.
    static std::array<std::uint32_t, 256> ColourTable(std::uint32_t crPlain, std::uint32_t crKeyword,
                                                      std::uint32_t crComment, std::uint32_t crString);

private:
    CKeywordMatcher m_matcher;
    CBlockCommentPass m_comments{"/*", "*/"};
};
