#pragma once

#include "core/editor/HtmlColourer.h"
#include "core/editor/MarkerStateCache.h"

#include <QMetaObject>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class CJavaEditor;

// Paints the HTML colouring into an editor: the whole text, or the caret's
// line after a typed character. Only runs whose colour changes are restyled;
// styling never touches the text, the undo history, the modified flag, the
// selection or the scroll position.
class CHtmlColouring {
public:
    // Editor styles of the classes; 0 is plain because Scintilla gives newly
    // typed text style 0.
    enum EStyle { kStylePlain = 0, kStyleKeyword = 1, kStyleComment = 2, kStyleString = 3, kStyleTag = 4 };

    CHtmlColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment, std::uint32_t crString,
                   std::uint32_t crTag);
    ~CHtmlColouring();
    CHtmlColouring(const CHtmlColouring&) = delete;
    CHtmlColouring& operator=(const CHtmlColouring&) = delete;

    // Gives the editor's styles their colours.
    void ApplyStyles(CJavaEditor& editor) const;
    void RecolourAll(CJavaEditor& editor, bool bLockRedraw);
    // The first colouring of text the editor has just been given.
    void ColourLoadedText(CJavaEditor& editor);
    void RecolourLine(CJavaEditor& editor);

    static int StyleForCode(unsigned char nCode);
    static unsigned char CodeForStyle(unsigned char nStyle);

private:
    // From the first colouring on, every edit drops the states after it.
    void Watch(CJavaEditor& editor);
    void ColourWholeText(CJavaEditor& editor, bool bLockRedraw, bool bDefaultStyles);
    void ApplyColour(CJavaEditor& editor, std::size_t nBase, const std::vector<unsigned char>& desired,
                     std::vector<unsigned char> styles) const;

    CHtmlColourer m_colourer;
    std::uint32_t m_crPlain, m_crKeyword, m_crComment, m_crString, m_crTag;
    std::array<std::uint32_t, 256> m_colourOf;
    // Whether each line starts inside a tag or a comment, kept at checkpoints
    // so a keystroke does not read back through the whole text.
    CMarkerStateCache m_tags = CHtmlColourer::MakeTagCache();
    CMarkerStateCache m_comments = CHtmlColourer::MakeCommentCache();
    QMetaObject::Connection m_watch;
};
