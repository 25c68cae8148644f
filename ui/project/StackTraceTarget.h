#pragma once

#include "core/project/ErrorLocation.h"

#include <optional>

class CJavaProjectCore;
class CProcessWindow;

// The project file and line a stack trace line of the process window leads
// to (see CStackTraceJump), read from the window's display lines.
class CStackTraceTarget {
public:
    static std::optional<CErrorLocation> Find(const CProcessWindow& window, CJavaProjectCore& project, int nLineIndex);
};
