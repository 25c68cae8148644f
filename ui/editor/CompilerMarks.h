#pragma once

#include "core/tools/JavacDiagnostic.h"

#include <vector>

class CCompilerMarkPlan;
class CJavaEditor;
class CSourceDoc;

// javac's messages on a Java window's text (every source window has the
// margin): a margin mark per line (a red circle for an error, an amber
// triangle for a warning), a squiggle under the token javac pointed at, and
// the messages as an annotation under the line. The marks belong to the
// text, so every window on it shows them and they move with edits; how they
// look, and whether the messages show, is each window's own.
class CCompilerMarks {
public:
    static constexpr int kErrorMarker = 20;
    static constexpr int kWarningMarker = 21;
    static constexpr int kErrorIndicator = 8; // the first indicator left to the application
    static constexpr int kWarningIndicator = 9;
    // Annotation styles, above the colouring's and Scintilla's own.
    static constexpr int kErrorStyle = 60;
    static constexpr int kWarningStyle = 61;
    static constexpr int kNoteStyle = 62;
    static constexpr int kMarkerMargin = 1;

    // Defines the marks' looks in a window whose font is set, shows the
    // messages or not, and shows the margin when its text has marks.
    static void SetUpView(CJavaEditor& view, bool bShowMessages);
    static void ShowMessages(CJavaEditor& view, bool bShown);
    static bool MessagesShown(const CJavaEditor& view);

    // Replaces the text's marks with the plan's (an empty plan clears them),
    // through view, one of the windows on the text.
    static void Apply(CJavaEditor& view, const CCompilerMarkPlan& plan);
    // The same for every window of document: its marks become those of
    // vecDiagnostics, the messages of one run for its file (none: cleared).
    static void ApplyToDocument(CSourceDoc& document, const std::vector<CJavacDiagnostic>& vecDiagnostics);
    static bool HasMarks(const CJavaEditor& view);

private:
    static void UpdateMargin(CJavaEditor& view);
};
