#include "ui/editor/HtmlColouring.h"

#include "core/editor/ColourRun.h"
#include "ui/editor/JavaEditor.h"

#include <Qsci/qsciscintillabase.h>
#include <QGuiApplication>

#include <algorithm>
#include <span>

CHtmlColouring::CHtmlColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment,
                               std::uint32_t crString, std::uint32_t crTag)
    : m_crPlain(crPlain), m_crKeyword(crKeyword), m_crComment(crComment), m_crString(crString), m_crTag(crTag),
      m_colourOf(CHtmlColourer::ColourTable(crPlain, crKeyword, crComment, crString, crTag))
{}

CHtmlColouring::~CHtmlColouring()
{
    QObject::disconnect(m_watch);
}

int CHtmlColouring::StyleForCode(unsigned char nCode)
{
    switch (nCode) {
    case CHtmlColourer::kColourKeyword: return kStyleKeyword;
    case CHtmlColourer::kColourComment: return kStyleComment;
    case CHtmlColourer::kColourString: return kStyleString;
    case CHtmlColourer::kColourTag: return kStyleTag;
    default: return kStylePlain;
    }
}

unsigned char CHtmlColouring::CodeForStyle(unsigned char nStyle)
{
    switch (nStyle) {
    case kStyleKeyword: return CHtmlColourer::kColourKeyword;
    case kStyleComment: return CHtmlColourer::kColourComment;
    case kStyleString: return CHtmlColourer::kColourString;
    case kStyleTag: return CHtmlColourer::kColourTag;
    default: return CHtmlColourer::kColourPlain;
    }
}

void CHtmlColouring::ApplyStyles(CJavaEditor& editor) const
{
    editor.SetStyleColour(kStylePlain, m_crPlain);
    editor.SetStyleColour(kStyleKeyword, m_crKeyword);
    editor.SetStyleColour(kStyleComment, m_crComment);
    editor.SetStyleColour(kStyleString, m_crString);
    editor.SetStyleColour(kStyleTag, m_crTag);
}

void CHtmlColouring::Watch(CJavaEditor& editor)
{
    if (m_watch)
        return;
    m_tags.Reset();
    m_comments.Reset();
    m_watch = QObject::connect(&editor, &QsciScintillaBase::SCN_MODIFIED, &editor,
                               [this](int nPosition, int nType, const char*, int, int, int, int, int, int, int) {
                                   if (!(nType & (QsciScintillaBase::SC_MOD_INSERTTEXT |
                                                  QsciScintillaBase::SC_MOD_DELETETEXT)))
                                       return;
                                   const auto nAt = static_cast<std::size_t>(std::max(nPosition, 0));
                                   m_tags.OnTextChanged(nAt);
                                   m_comments.OnTextChanged(nAt);
                               });
}

void CHtmlColouring::RecolourAll(CJavaEditor& editor, bool bLockRedraw)
{
    ColourWholeText(editor, bLockRedraw, false);
}

void CHtmlColouring::ColourLoadedText(CJavaEditor& editor)
{
    ColourWholeText(editor, true, true);
}

void CHtmlColouring::ColourWholeText(CJavaEditor& editor, bool bLockRedraw, bool bDefaultStyles)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Watch(editor);
    QWidget* pViewport = editor.viewport();
    const bool bWasUpdating = pViewport->updatesEnabled();
    if (bLockRedraw)
        pViewport->setUpdatesEnabled(false);
    std::vector<unsigned char> codes = m_colourer.ColourAll(editor.TextView());
    m_tags.Fill(editor.TextView());
    m_comments.Fill(editor.TextView());
    if (bDefaultStyles) {
        // Fresh text is plain throughout: one pass gives every character its style.
        std::transform(codes.begin(), codes.end(), codes.begin(),
                       [](unsigned char nCode) { return static_cast<unsigned char>(StyleForCode(nCode)); });
        editor.SetStyles(0, codes);
    } else {
        ApplyColour(editor, 0, codes, editor.StylesInRange(0, codes.size()));
    }
    if (bLockRedraw) {
        pViewport->setUpdatesEnabled(bWasUpdating);
        pViewport->update();
    }
    QGuiApplication::restoreOverrideCursor();
}

void CHtmlColouring::RecolourLine(CJavaEditor& editor)
{
    Watch(editor);
    // The text before the line first: reading the line then moves at most
    // the line's own bytes, where the whole text would move all behind the caret.
    const std::size_t nLine = editor.LineFromPosition(editor.SelStart());
    const std::size_t nStart = editor.PositionFromLine(nLine);
    const std::string_view strBefore = editor.RangeView(0, nStart);
    const std::string_view strLine = editor.RangeView(nStart, editor.LineEndPosition(nLine));
    const CHtmlColourer::CLineColours line = m_colourer.ColourLineOf(strBefore, strLine, &m_tags, &m_comments);
    ApplyColour(editor, line.m_nStart, line.m_codes,
                editor.StylesInRange(line.m_nStart, line.m_nStart + line.m_codes.size()));
}

void CHtmlColouring::ApplyColour(CJavaEditor& editor, std::size_t nBase, const std::vector<unsigned char>& desired,
                                 std::vector<unsigned char> styles) const
{
    if (desired.empty())
        return;
    std::vector<unsigned char> current(styles.size());
    std::transform(styles.begin(), styles.end(), current.begin(), CodeForStyle);
    const std::vector<CColourRun> runs = CColourRun::RunsToApply(desired, current, nBase, m_colourOf);
    if (runs.empty())
        return;
    // One call for all runs: between them the current styles are written
    // back as they are.
    styles.resize(desired.size(), 0);
    for (const CColourRun& run : runs)
        std::fill(styles.begin() + static_cast<std::ptrdiff_t>(run.m_nStart - nBase),
                  styles.begin() + static_cast<std::ptrdiff_t>(run.m_nEnd - nBase),
                  static_cast<unsigned char>(StyleForCode(run.m_nCode)));
    const std::size_t nFirst = runs.front().m_nStart - nBase;
    const std::size_t nLast = runs.back().m_nEnd - nBase;
    editor.SetStyles(nBase + nFirst, std::span<const unsigned char>(styles).subspan(nFirst, nLast - nFirst));
}
