#include "ui/editor/Colouring.h"

#include "core/editor/ColourRun.h"
#include "ui/editor/ColourStyles.h"
#include "ui/editor/JavaEditor.h"

#include <Qsci/qsciscintillabase.h>
#include <QGuiApplication>

#include <algorithm>
#include <span>

CColouring::CColouring(std::unique_ptr<const IColourer> pColourer, const std::array<std::uint32_t, 256>& colourOf)
    : m_pColourer(std::move(pColourer)), m_colourOf(colourOf), m_caches(m_pColourer->MakeCaches())
{}

CColouring::~CColouring()
{
    QObject::disconnect(m_watch);
}

void CColouring::ApplyStyles(CJavaEditor& editor) const
{
    CColourStyles::Apply(editor, m_colourOf);
}

void CColouring::Watch(CJavaEditor& editor)
{
    if (m_watch)
        return;
    for (CMarkerStateCache& cache : m_caches)
        cache.Reset();
    m_watch = QObject::connect(&editor, &QsciScintillaBase::SCN_MODIFIED, &editor,
                               [this](int nPosition, int nType, const char*, int, int, int, int, int, int, int) {
                                   if (!(nType & (QsciScintillaBase::SC_MOD_INSERTTEXT |
                                                  QsciScintillaBase::SC_MOD_DELETETEXT)))
                                       return;
                                   const auto nAt = static_cast<std::size_t>(std::max(nPosition, 0));
                                   for (CMarkerStateCache& cache : m_caches)
                                       cache.OnTextChanged(nAt);
                               });
}

void CColouring::RecolourAll(CJavaEditor& editor, bool bLockRedraw)
{
    ColourWholeText(editor, bLockRedraw, false);
}

void CColouring::ColourLoadedText(CJavaEditor& editor)
{
    ColourWholeText(editor, true, true);
}

void CColouring::ColourWholeText(CJavaEditor& editor, bool bLockRedraw, bool bDefaultStyles)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Watch(editor);
    QWidget* pViewport = editor.viewport();
    const bool bWasUpdating = pViewport->updatesEnabled();
    if (bLockRedraw)
        pViewport->setUpdatesEnabled(false);
    std::vector<unsigned char> codes = m_pColourer->ColourAll(editor.TextView());
    for (CMarkerStateCache& cache : m_caches)
        cache.Fill(editor.TextView());
    if (bDefaultStyles) {
        // Text the editor has just been given carries the plain style
        // throughout: giving every character its style in one pass rewrites
        // plain text as it is and changes exactly the runs that need it.
        std::transform(codes.begin(), codes.end(), codes.begin(), [](unsigned char nCode) {
            return static_cast<unsigned char>(CColourStyles::StyleForCode(nCode));
        });
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

void CColouring::RecolourLine(CJavaEditor& editor)
{
    Watch(editor);
    // The text before the line first: reading the line then moves at most
    // the line's own bytes, where the whole text would move all behind the caret.
    const std::size_t nLine = editor.LineFromPosition(editor.SelStart());
    const std::size_t nStart = editor.PositionFromLine(nLine);
    const std::string_view strBefore = editor.RangeView(0, nStart);
    const std::string_view strLine = editor.RangeView(nStart, editor.LineEndPosition(nLine));
    const IColourer::CLineColours line = m_pColourer->ColourCachedLine(strBefore, strLine, m_caches);
    ApplyColour(editor, line.m_nStart, line.m_codes,
                editor.StylesInRange(line.m_nStart, line.m_nStart + line.m_codes.size()));
}

void CColouring::ApplyColour(CJavaEditor& editor, std::size_t nBase, const std::vector<unsigned char>& desired,
                             std::vector<unsigned char> styles) const
{
    if (desired.empty())
        return;
    std::vector<unsigned char> current(styles.size());
    std::transform(styles.begin(), styles.end(), current.begin(), CColourStyles::CodeForStyle);
    const std::vector<CColourRun> runs = CColourRun::RunsToApply(desired, current, nBase, m_colourOf);
    if (runs.empty())
        return;
    // The runs go to the editor in one call: between them the current styles
    // are written back as they are, so what is right stays untouched.
    styles.resize(desired.size(), 0);
    for (const CColourRun& run : runs)
        std::fill(styles.begin() + static_cast<std::ptrdiff_t>(run.m_nStart - nBase),
                  styles.begin() + static_cast<std::ptrdiff_t>(run.m_nEnd - nBase),
                  static_cast<unsigned char>(CColourStyles::StyleForCode(run.m_nCode)));
    const std::size_t nFirst = runs.front().m_nStart - nBase;
    const std::size_t nLast = runs.back().m_nEnd - nBase;
    editor.SetStyles(nBase + nFirst, std::span<const unsigned char>(styles).subspan(nFirst, nLast - nFirst));
}
