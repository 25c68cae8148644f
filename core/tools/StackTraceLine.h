#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class EStackLineKind { Frame, CausedBy, Suppressed, More };

// One line of a Java stack trace as printStackTrace writes it. A trace whose
// head line is indented by d tabs has its frames, its "... N more" and the
// heads of its suppressed exceptions at d + 1 tabs, and the head of its cause
// at d tabs. The first head line ("Exception in thread ...", or the bare
// exception) is no line of its own kind: anything can precede a trace.
struct CStackTraceLine {
    EStackLineKind m_eKind = EStackLineKind::Frame;
    int m_nDepth = 0; // leading tabs

    // Frames only. The declaring class with its package ("pkg.Outer$Inner"),
    // without the class loader and module that may lead it
    // ("java.base/", "app@1.0/", "app//").
    std::string m_strClass;
    std::string m_strMethod;   // "main", "<init>", "lambda$main$0"
    std::string m_strFileName; // "Cls.java"; empty without a place
    int m_nLine = 0;           // 1-based; 0 without a place ("(Native Method)", "(Cls.java)")

    int m_nMore = 0; // More: the frames left out

    // Whether the frame names a file and a line to open.
    bool HasPlace() const { return m_eKind == EStackLineKind::Frame && !m_strFileName.empty() && m_nLine > 0; }

    // One output line, without its line break (a CR left on it is ignored);
    // none when it is no line of a trace.
    static std::optional<CStackTraceLine> Parse(std::string_view strLine);
};
