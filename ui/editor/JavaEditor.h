#pragma once

#include "core/editor/BraceMatch.h"
#include "core/editor/ColourRun.h"
#include "core/editor/EditPlan.h"

#include <Qsci/qsciscintilla.h>
#include <QKeySequence>
#include <QList>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QImage;

// The one place that talks to Scintilla. It holds CR LF text as raw bytes
// (offsets are byte offsets, a line break counts as two), carries out edit
// plans as single undo steps and paints colour-class styles. Everything else
// in the editor works through these operations. Nothing here is Java's own:
// every source window is one, and so is the hidden holder of a document's text.
class CJavaEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit CJavaEditor(QWidget* pParent = nullptr);

    // Keys the window's accelerators own: the editor no longer takes them
    // for its own commands, so they reach the command routing.
    void ReleaseKeys(const QList<QKeySequence>& keys);
    // Font (size in tenths of a point) of every style.
    void SetupLook(const QString& strFontName, int nFontSizeTenths);
    // Tab width in characters. Scintilla keeps it with the text: every
    // editor showing the text shows this width.
    void SetTabWidth(int nTabWidth);
    // Gives a style its text colour (0x00BBGGRR).
    void SetStyleColour(int nStyle, std::uint32_t crColour);

    // Replaces everything with strBytes, every line break (CR LF, a lone CR
    // or LF) as CR LF, as a freshly loaded text: no undo history, not
    // modified, caret at the start. Every byte counts, zero bytes included.
    void LoadText(std::string_view strBytes);
    // The text without copying; valid until the next change of the text.
    std::string_view TextView() const;
    std::string TextBytes() const { return std::string(TextView()); }
    // The bytes of [nStart, nEnd) without copying; valid until the next change
    // of the text. Unlike TextView it does not gather the whole text into one
    // block, which after an edit moves everything behind the caret.
    std::string_view RangeView(std::size_t nStart, std::size_t nEnd) const;
    std::size_t TextLength() const;

    std::size_t SelStart() const;
    std::size_t SelEnd() const;
    // Selects [nStart, nEnd) with the caret at nEnd; offsets clipped to the text.
    void SetSel(std::size_t nStart, std::size_t nEnd);
    std::string SelectedBytes() const;
    // Replaces the selection as one undoable step.
    void ReplaceSelection(const std::string& strText);

    // Carries out every step of a plan as one undo step, then sets its selection.
    void ApplyPlan(const CEditPlan& plan);
    // Replaces the whole text as one undo step.
    void ReplaceAllText(const std::string& strText);
    // Groups the edits made in between into one undo step.
    void BeginUndoStep();
    void EndUndoStep();

    std::size_t LineFromPosition(std::size_t nPos) const;
    std::size_t PositionFromLine(std::size_t nLine) const;
    // The offset just past the text of line nLine, before its line break.
    std::size_t LineEndPosition(std::size_t nLine) const;
    std::size_t LineCount() const;

    // The style of every character in [nStart, nEnd).
    std::vector<unsigned char> StylesInRange(std::size_t nStart, std::size_t nEnd) const;
    int StyleAt(std::size_t nPos) const;
    // Gives the characters from nStart on the styles listed, one each.
    void SetStyles(std::size_t nStart, std::span<const unsigned char> styles);

    bool IsTextModified() const;
    bool CanPasteText() const;
    // Marks the current text as the saved state.
    void SetSavePoint();
    // Shows other's text from now on: the same bytes, undo history, styles
    // and save point; caret, selection and scrolling stay this editor's own.
    void ShareTextOf(CJavaEditor& other);
    void ShowCaretLine() { ensureCursorVisible(); }

    // Finds strWhat after the selection (wrapping round once) and selects it.
    bool FindForward(const QString& strWhat, bool bMatchCase, bool bWholeWord);
    // How a search in one direction ended.
    enum class EFindResult { NotFound, Found, FoundAfterWrap };
    // Finds strWhat after the selection (bForward) or before it, going on
    // from the other end of the text once, and selects it.
    EFindResult FindInDirection(const QString& strWhat, bool bMatchCase, bool bWholeWord, bool bForward);
    // Where the selection's first line shows, in screen coordinates (to
    // the right edge of the window when it goes on to further lines).
    QRect SelectionScreenRect() const;
    // Replaces the selection when it is a match of strWhat, then finds the next.
    bool ReplaceAndFind(const QString& strWhat, const QString& strWith, bool bMatchCase, bool bWholeWord);
    // Replaces every match from the start as one undo step; the count replaced.
    int ReplaceEvery(const QString& strWhat, const QString& strWith, bool bMatchCase, bool bWholeWord);

    // Marks laid over the text: symbols in a margin, indicators under ranges
    // and annotations under lines. They belong to the text, so every editor
    // on it shows them; how they look is each editor's own.
    void DefineMarkerImage(int nMarker, const QImage& image);
    // Margin nMargin shows the markers of nMarkerMask (bit n: marker n) as symbols.
    void SetSymbolMargin(int nMargin, unsigned long nMarkerMask);
    void SetMarginWidth(int nMargin, int nPixels);
    void AddMarker(std::size_t nLine, int nMarker);
    // Removes marker nMarker from every line.
    void DeleteMarkers(int nMarker);
    // True when some line has a marker of nMarkerMask.
    bool HasMarkers(unsigned long nMarkerMask) const;
    // Indicator nIndicator draws a squiggle of crColour (0x00BBGGRR).
    void SetSquiggleIndicator(int nIndicator, std::uint32_t crColour);
    // Filling and clearing ranges act on the current indicator.
    void SetCurrentIndicator(int nIndicator);
    void FillIndicatorRange(std::size_t nStart, std::size_t nLength);
    void ClearIndicatorRange(std::size_t nStart, std::size_t nLength);
    // Gives a style its text and background colours (0x00BBGGRR).
    void SetStyleColours(int nStyle, std::uint32_t crFore, std::uint32_t crBack);
    // The annotation under line nLine: its text and one style per byte of it.
    void SetAnnotation(std::size_t nLine, const std::string& strText, const std::string& strStyles);
    void ClearAnnotations();
    // Annotations show indented under their lines, or not at all.
    void ShowAnnotations(bool bShown);
    bool AnnotationsShown() const;
    // True when the text is shown as UTF-8 (else byte for byte).
    bool HasUtf8CodePage() const;

    // Line numbers in margin 0, as wide as the last line's number needs.
    void ShowLineNumbers(bool bShown);
    bool LineNumbersShown() const { return m_bLineNumbers; }
    int LineNumberMarginWidth() const;
    // Highlights the brace at or just before the caret and its partner, or
    // marks it unmatched; called whenever the caret or the text changes.
    void UpdateBraceHighlight();
    // Moves the caret to the partner of the brace at or just before it:
    // beside the partner on the same side as it stood by the brace. False
    // when there is no brace or no partner near enough.
    bool GoToMatchingBrace();
    // The highlighted pair (or the unmatched brace and kNone); kNone, kNone when none.
    std::pair<std::size_t, std::size_t> HighlightedBraces() const { return m_braces; }
    bool BraceIsBad() const { return m_bBadBrace; }

    // The scroll position, for checks that colouring leaves it alone.
    int FirstVisibleLine() const;
    int HorizontalOffset() const;

private:
    // What follows the caret and the text: brace marks, line number width.
    void OnUpdateUi();
    // The brace near the caret and what FindPartner says of it.
    CBraceMatch::EResult FindBracePair(std::size_t& nBrace, std::size_t& nPartner) const;
    void UpdateLineNumberWidth();

    bool m_bLineNumbers = false;
    int m_nLineDigits = 0; // digits the margin was last sized for
    std::pair<std::size_t, std::size_t> m_braces{CBraceMatch::kNone, CBraceMatch::kNone};
    bool m_bBadBrace = false;
};
