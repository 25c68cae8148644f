#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The colourers' last pass: comments between an opening and a closing marker
// ("/*" and "*/" in Java, "<!--" and "-->" in HTML). A comment ignores
// whatever the earlier passes found inside it and overwrites it. The closing
// marker is searched from the opening one itself, so "/*/" and "<!-->" are
// whole comments.
class CBlockCommentPass {
public:
    // nRare: the position in strOpen of the character openers are looked for
    // by, the one least common in the text ('!' of "<!--" in a page, where
    // every tag has a '<').
    CBlockCommentPass(std::string_view strOpen, std::string_view strClose, std::size_t nRare = 0);

    // The whole text: each comment runs to its closing marker, or through the
    // end of the text; the character right after a comment never opens the
    // next one.
    void MarkAll(std::string_view strText, std::vector<unsigned char>& codes, unsigned char nCode) const;

    // One line (codes holds one code per character of strLine); bOpenBefore:
    // the text before the line leaves a comment open, which then runs to the
    // line's first closing marker, or over the whole line. A comment opened on
    // the line runs to its closing marker, or to the end of the line; the next
    // opening marker is searched from that closing marker, so "*/*" opens a
    // new comment. A line that both closes the comment from before and ends
    // inside a new one colours only the new one: the pass looks no further
    // back once a comment runs to the line's end.
    void MarkLine(std::string_view strLine, bool bOpenBefore, std::vector<unsigned char>& codes,
                  unsigned char nCode) const;

private:
    // The first opening marker starting at nFrom or later.
    std::size_t FindOpen(std::string_view strText, std::size_t nFrom) const;

    std::string m_strOpen;
    std::string m_strClose;
    std::size_t m_nRare;
};
