#include "ui/editor/SyntaxColouring.h"

#include "core/editor/ColourRun.h"
#include "ui/editor/ColourStyles.h"
#include "ui/editor/JavaEditor.h"

#include <QGuiApplication>

CSyntaxColouring::CSyntaxColouring(std::uint32_t crPlain, std::uint32_t crKeyword, std::uint32_t crComment,
                                   std::uint32_t crString)
    : m_colourOf(CJavaColourer::ColourTable(crPlain, crKeyword, crComment, crString))
{
}

void CSyntaxColouring::RecolourAll(CJavaEditor& editor, bool bLockRedraw) const
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QWidget* pViewport = editor.viewport();
    bool bWasUpdating = pViewport->updatesEnabled();
    if (bLockRedraw)
        pViewport->setUpdatesEnabled(false);
    std::vector<unsigned char> codes = m_colourer.ColourAll(editor.TextView());
    ApplyColour(editor, 0, codes);
    if (bLockRedraw) {
        pViewport->setUpdatesEnabled(bWasUpdating);
        pViewport->update();
    }
    QGuiApplication::restoreOverrideCursor();
}

void CSyntaxColouring::RecolourLine(CJavaEditor& editor) const
{
    CJavaColourer::CLineColours line = m_colourer.ColourLine(editor.TextView(), editor.SelStart());
    ApplyColour(editor, line.m_nStart, line.m_codes);
}

void CSyntaxColouring::ApplyColour(CJavaEditor& editor, std::size_t nBase,
                                   const std::vector<unsigned char>& desired) const
{
    if (desired.empty())
        return;
    std::vector<unsigned char> current = editor.StylesInRange(nBase, nBase + desired.size());
    for (unsigned char& nStyle : current)
        nStyle = CColourStyles::CodeForStyle(nStyle);
    for (const CColourRun& run : CColourRun::RunsToApply(desired, current, nBase, m_colourOf))
        editor.SetStyleRange(run.m_nStart, run.m_nEnd, CColourStyles::StyleForCode(run.m_nCode));
}
