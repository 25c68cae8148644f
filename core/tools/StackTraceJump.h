#pragma once

#include "core/tools/StackTraceLine.h"

#include <functional>
#include <optional>
#include <string>

// Which stack frame a double-clicked output line leads to. A frame leads to
// itself; a "Caused by:" or "Suppressed:" head to the first frame with a
// place in its own trace; "... N more" to the first frame with a place among
// the N left out, which are the last N of the enclosing trace (the one whose
// cause or suppressed exception this is), read on up the chain while that
// trace has left them out too. Pure: the lines are all it sees.
class CStackTraceJump {
public:
    // The text of an output line, 0 <= nIndex < the line count.
    using LineReader = std::function<std::string(int nIndex)>;

    // Frames without a place, lines of no trace and indexes out of range lead
    // nowhere. Each walk is linear and stops after kMostLinesWalked lines,
    // one over an exception's message after kMostMessageLines, and the chain
    // after kMostTracesFollowed traces.
    static std::optional<CStackTraceLine> FrameToOpen(int nLineCount, const LineReader& readLine, int nIndex);

    static constexpr int kMostLinesWalked = 100000;
    static constexpr int kMostMessageLines = 1000;
    static constexpr int kMostTracesFollowed = 64;
};
