#pragma once

#include "core/editor/Colourer.h"
#include "core/editor/MarkerStateCache.h"

#include <QMetaObject>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CJavaEditor;

// Paints a colourer's classes into an editor as styles (CColourStyles): the
// whole text, or the caret's line after a typed character. Only runs whose
// colour changes are restyled; styling never touches the text, the undo
// history, the modified flag, the selection or the scroll position.
class CColouring {
public:
    // colourOf: what each class code of the colourer shows (0x00BBGGRR).
    CColouring(std::unique_ptr<const IColourer> pColourer, const std::array<std::uint32_t, 256>& colourOf);
    ~CColouring();
    CColouring(const CColouring&) = delete;
    CColouring& operator=(const CColouring&) = delete;

    // Gives the editor's styles the colours of their classes.
    void ApplyStyles(CJavaEditor& editor) const;
    void RecolourAll(CJavaEditor& editor, bool bLockRedraw);
    // The first colouring of text the editor has just been given: everything
    // still has the default style, so nothing needs reading back.
    void ColourLoadedText(CJavaEditor& editor);
    void RecolourLine(CJavaEditor& editor);

private:
    // From the first colouring on, every edit of the editor's text drops the
    // caches' states after it.
    void Watch(CJavaEditor& editor);
    void ColourWholeText(CJavaEditor& editor, bool bLockRedraw, bool bDefaultStyles);
    // Gives [nBase, nBase + desired.size()) the styles of the desired codes;
    // styles are the editor's styles of that range now.
    void ApplyColour(CJavaEditor& editor, std::size_t nBase, const std::vector<unsigned char>& desired,
                     std::vector<unsigned char> styles) const;

    std::unique_ptr<const IColourer> m_pColourer;
    std::array<std::uint32_t, 256> m_colourOf;
    // What each line starts inside, kept at checkpoints so a keystroke does
    // not read back through the whole text.
    std::vector<CMarkerStateCache> m_caches;
    QMetaObject::Connection m_watch;
};
