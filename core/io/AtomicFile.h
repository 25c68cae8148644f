#pragma once

#include "core/io/AtomicFileFaults.h"

#include <string>
#include <string_view>

// Replaces a file's contents so that a crash, a full disk or a failed write
// never leaves it half written (POSIX).
class CAtomicFile {
public:
    // Writes bytes to a temporary file in the target's folder, flushes it to
    // disk and renames it over the target. A symbolic link is followed (also
    // through chains and relative targets) and the file it names is replaced,
    // so the link stays a link. The old file's mode, and where the system
    // allows it its owner and group, carry over. A file with other hard links
    // is rewritten in place, after a flushed copy of the new bytes was made
    // beside it, so every name keeps seeing the same file.
    // On failure: false, the old file as it was, no temporary file left, and
    // strReason holds the system's reason text. (Only when a hard-linked
    // file cannot even get its old bytes back does the flushed copy of the
    // new ones stay, and the reason names it.) Tests pass faults to make a
    // step fail on purpose.
    static bool Replace(const std::string& strPath, std::string_view bytes, std::string& strReason,
                        const CAtomicFileFaults& faults = {});
};
