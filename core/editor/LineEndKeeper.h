#pragma once

#include "core/editor/LineEnds.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Keeps a file's own line breaks across editing. The editor holds CR LF
// text; when it is saved, every line that still matches a line of the file as
// loaded gets that line's break back, and edited or new lines get the file's
// majority convention. So a file with mixed breaks changes on disk only where
// the user changed it.
class CLineEndKeeper {
public:
    // Above this many inserted plus deleted lines between the unchanged start
    // and end of the file, the lines in between all get the majority break.
    static constexpr std::size_t kMaxEdits = 1000;

    explicit CLineEndKeeper(ELineEnd eDefault = CLineEnds::PlatformDefault());

    // Keeps the bytes as on disk, for their lines and breaks; the majority is
    // CLineEnds::Detect's, eDefault when there is no break. Pass the bytes
    // with std::move when they are not needed elsewhere: a file's bytes are
    // large.
    void Load(std::string strBytes, ELineEnd eDefault);
    // Forgets the file's breaks: every line is saved with eLineEnd.
    void UseEverywhere(ELineEnd eLineEnd);

    ELineEnd Majority() const { return m_eMajority; }

    // The bytes to write for editor text (lines ended by CR LF, or a stray
    // lone CR or LF). Linear apart from the bounded diff of changed lines.
    std::string BytesFor(std::string_view strText) const;

private:
    struct CLine {
        std::size_t m_nStart;
        std::size_t m_nLength;
        int m_nBreak; // an ELineEnd, or kNoBreak for the last line
    };
    static constexpr int kNoBreak = -1;
    static std::vector<CLine> SplitLines(std::string_view strText);

    std::string m_strLoaded;
    ELineEnd m_eMajority;
};
