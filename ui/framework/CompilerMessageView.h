#pragma once

#include "core/tools/JavacDiagnostic.h"

#include <vector>

// A window on a Java source file that can show javac's messages about it.
// The project finds such windows through their frames without knowing the
// editor.
class ICompilerMessageView {
public:
    virtual ~ICompilerMessageView() = default;
    // Replaces the marks of the window's text, in every window on it, with
    // one run's messages for its file (none: the marks go).
    virtual void ShowCompilerMessages(const std::vector<CJavacDiagnostic>& vecDiagnostics) = 0;
};
