#pragma once

#include "core/editor/JavaColourer.h"
#include "core/editor/MarkerStateCache.h"

#include <QMetaObject>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class CJavaEditor;

// Paints the Java colouring into an editor: the whole text, or the caret's
// line after a typed character. Only runs whose colour changes are restyled;
// styling never touches the text, the undo history, the modified flag, the
// selection or the scroll position.
class CSyntaxColouring {
public:
    CSyntaxColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment, std::uint32_t crString);
    ~CSyntaxColouring();
    CSyntaxColouring(const CSyntaxColouring&) = delete;
    CSyntaxColouring& operator=(const CSyntaxColouring&) = delete;

    void RecolourAll(CJavaEditor& editor, bool bLockRedraw) const;
    // The first colouring of text the editor has just been given: everything
    // still has the default style, so nothing needs reading back.
    void ColourLoadedText(CJavaEditor& editor) const;
    void RecolourLine(CJavaEditor& editor) const;

private:
    // From the first colouring on, every edit of the editor's text drops the
    // comment states after it.
    void Watch(CJavaEditor& editor) const;
    void ColourWholeText(CJavaEditor& editor, bool bLockRedraw, bool bDefaultStyles) const;
    // Gives [nBase, nBase + desired.size()) the styles of the desired codes;
    // styles are the editor's styles of that range now.
    void ApplyColour(CJavaEditor& editor, std::size_t nBase, const std::vector<unsigned char>& desired,
                     std::vector<unsigned char> styles) const;

    CJavaColourer m_colourer;
    std::array<std::uint32_t, 256> m_colourOf;
    // Whether each line starts inside a block comment, kept at checkpoints so
    // a keystroke does not read back through the whole text.
    mutable CMarkerStateCache m_comments = CJavaColourer::MakeCommentCache();
    mutable QMetaObject::Connection m_watch;
};
