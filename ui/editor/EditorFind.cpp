#include "ui/editor/EditorFind.h"

#include "core/app/DialogPlacement.h"
#include "ui/editor/JavaEditor.h"
#include "ui/framework/FrameHost.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace {
CScreenRect ScreenRectOf(const QRect& rect)
{
    return CScreenRect{rect.left(), rect.top(), rect.width(), rect.height()};
}
} // namespace

bool CEditorFind::Find(const CFindSearch& search, bool bForward)
{
    using EFindResult = CJavaEditor::EFindResult;
    const EFindResult eResult =
        m_editor.FindInDirection(search.m_strFindWhat, search.m_bMatchCase, search.m_bWholeWord, bForward);
    switch (eResult) {
    case EFindResult::NotFound: QApplication::beep(); return false;
    case EFindResult::FoundAfterWrap:
        m_frames.SetStatusPaneText(bForward ? WrappedForwardText() : WrappedBackwardText());
        return true;
    case EFindResult::Found:
        // A wrap reported by an earlier search no longer holds.
        m_frames.SetStatusPaneText(QStringLiteral("Ready"));
        return true;
    }
    return false;
}

void CEditorFind::MoveOffSelection(QWidget& dialog) const
{
    if (!dialog.isVisible())
        return;
    QScreen* pScreen = dialog.screen();
    if (!pScreen)
        return;
    const CScreenRect frame = ScreenRectOf(dialog.frameGeometry());
    const CScreenRect placed = PlaceDialogAwayFrom(frame, ScreenRectOf(m_editor.SelectionScreenRect()),
                                                   ScreenRectOf(pScreen->availableGeometry()));
    if (placed.m_nLeft != frame.m_nLeft || placed.m_nTop != frame.m_nTop)
        dialog.move(placed.m_nLeft, placed.m_nTop);
}
