#pragma once

#include "core/editor/BlockCommentPass.h"
#include "core/editor/Colourer.h"
#include "core/editor/HtmlTagNames.h"
#include "core/editor/MarkerStateCache.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// HTML tag colouring: independent passes over the text (tags, tag names,
// quoted strings, comments), each overwriting the earlier ones where they
// meet, so comment wins over string over tag name over tag over plain. Tag
// names match without regard to case and only inside a tag. Works on editor
// text (CR LF line breaks) and yields one class code per character; the codes
// of string, plain, comment and keyword are the Java colourer's.
class CHtmlColourer final : public IColourer {
public:
    static constexpr unsigned char kColourTag = 251;
    static constexpr unsigned char kColourString = 252;
    static constexpr unsigned char kColourPlain = 253;
    static constexpr unsigned char kColourComment = 254;
    static constexpr unsigned char kColourKeyword = 255;

    // The 109 tag names, lower case, each followed by ';'.
    static std::string_view TagNameList();
    // Characters that make a tag-name match part of a longer word.
    static std::string_view WordChars();

    CHtmlColourer();

    const std::vector<std::string>& TagNames() const { return m_names.Names(); }

    // Class codes for the whole text. A '<' without a '>' after it runs to the
    // end of the text as tag, an unterminated "<!--" as comment; a string
    // without its closing quote is left alone.
    std::vector<unsigned char> ColourAll(std::string_view strText) const override;

    // Caches of the state of the text before a line, for the line pass: they
    // answer from checkpoints where the text would be read back otherwise.
    static CMarkerStateCache MakeTagCache() { return CMarkerStateCache("<", ">"); }
    static CMarkerStateCache MakeCommentCache() { return CMarkerStateCache("<!--", "-->"); }

    // The same for a line given as its text and the text before it; only
    // that text is read, never what follows the line.
    CLineColours ColourLineOf(std::string_view strBefore, std::string_view strLine, CMarkerStateCache* pTags = nullptr,
                              CMarkerStateCache* pComments = nullptr) const;

    // Colours the line that holds nCaret, as after every typed character. An
    // unclosed '<' and an unterminated string run to the end of the line.
    // pTags and pComments, when given, must have been told of every edit.
    CLineColours ColourLine(std::string_view strText, std::size_t nCaret, CMarkerStateCache* pTags = nullptr,
                            CMarkerStateCache* pComments = nullptr) const;
    // The tag cache, then the comment cache.
    std::vector<CMarkerStateCache> MakeCaches() const override;
    CLineColours ColourCachedLine(std::string_view strBefore, std::string_view strLine,
                                  std::span<CMarkerStateCache> caches) const override;

    // True when the text before nPos holds a '<' and its last '<' comes after
    // its last '>'. Reads back from nPos to the nearest bracket only.
    static bool IsInsideTag(std::string_view strText, std::size_t nPos);
    // True when the text before nPos holds a "<!--" that starts after the
    // start of its last "-->".
    static bool IsInsideComment(std::string_view strText, std::size_t nPos);

    // What each code shows, for CColourRun::RunsToApply; crPlain for codes of no class.
    static std::array<std::uint32_t, 256> ColourTable(std::uint32_t crPlain, std::uint32_t crKeyword,
                                                      std::uint32_t crComment, std::uint32_t crString,
                                                      std::uint32_t crTag);

private:
    CHtmlTagNames m_names;
    // Openers are looked for by their '!': every tag has a '<'.
    CBlockCommentPass m_comments{"<!--", "-->", 1};
};
