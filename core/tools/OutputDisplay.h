#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the process window shows of a run's output, as display lines: the
// output's lines, those longer than kLineChars broken into several, so that
// output without line breaks costs no more to show than any other. It keeps
// the newest output only, up to a limit in characters (UTF-16 units, as the
// window counts them), with a note on the first line once older output is
// gone. The window holds the text; this says what to add and what to drop.
class COutputDisplay {
public:
    static constexpr std::size_t kLineChars = 4096;

    // The note's text for a limit of nLimit characters.
    static std::string DroppedNote(std::size_t nLimit);
    // Output that starts part way into a line starts with the next one, when
    // there is one in sight: drops the part line from strText and answers
    // how many bytes went.
    static std::size_t SkipToNextLine(std::string& strText);

    explicit COutputDisplay(std::size_t nLimit) : m_nLimit(nLimit) {}

    // Most characters shown, from the next output on.
    void SetLimit(std::size_t nLimit) { m_nLimit = nLimit; }
    std::size_t Limit() const { return m_nLimit; }

    // Nothing shown, no note.
    void Clear();
    // The text to add after what is shown for decoded output: CRs dropped,
    // and a line break wherever a line reaches kLineChars, never between
    // the halves of a surrogate pair.
    std::u16string Lines(std::u16string_view strOutput);

    // The note and its line break, to put first, when older output is gone
    // and the note is not shown yet; empty otherwise.
    std::u16string Note();
    // How many characters the note takes at the start; 0 while there is none.
    std::size_t NoteChars() const { return m_nNoteChars; }

    // What goes once more than the limit is shown: the characters from
    // m_nFrom (just after the note) to m_nTo, down to seven eighths of the
    // limit, so that this happens now and then, not with every addition.
    // Whole display lines go, so with bToLineStart the window moves m_nTo on
    // to the start of the line after the one it falls in, unless a line
    // starts there. Then Dropped says how many went, and Note comes next.
    struct CDrop {
        std::size_t m_nFrom = 0;
        std::size_t m_nTo = 0;
        bool m_bToLineStart = false;
    };
    std::optional<CDrop> Drop() const;
    void Dropped(std::size_t nChars);

private:
    std::size_t m_nLimit;
    std::size_t m_nShownChars = 0;     // after the note, line breaks counted
    std::size_t m_nLastLineChars = 0;  // of the last display line: kLineChars once it is full
    std::size_t m_nLastLineLength = 0; // of the last display line, exactly
    std::size_t m_nNoteChars = 0;
};
