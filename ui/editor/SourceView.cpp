#include "ui/editor/SourceView.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/app/MenuModel.h"
#include "core/editor/CaretReadout.h"
#include "core/editor/CommentToggle.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/EditorFind.h"
#include "ui/editor/EditorPrinting.h"
#include "ui/editor/FindReplaceDlg.h"
#include "ui/editor/GoToLineDlg.h"
#include "ui/editor/SourceDoc.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPalette>

using namespace CommandIds;

namespace {
CTabSettings TabSettingsOf(const CSettings& settings)
{
    CTabSettings tabs;
    tabs.m_nTabWidth = settings.m_nTabWidth;
    tabs.m_bSpaceTabs = settings.m_bSpaceTabs;
    return tabs;
}

// A character the user typed, as opposed to a command key: these are the
// keys after which the caret's line is recoloured. Delete is not one.
bool IsTypedCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString strText = event.text();
    if (strText.isEmpty())
        return false;
    QChar ch = strText.front();
    return ch == '\r' || ch == '\b' || ch == '\t' || (ch.unicode() >= 0x20 && ch.unicode() != 0x7f);
}
} // namespace

CSourceView::CSourceView(CSourceDoc& document, const CSettings& settings, EWindowKind eKind)
    : m_document(document), m_eKind(eKind), m_tabs(TabSettingsOf(settings)), m_keys(m_tabs), m_commands(m_tabs)
{
    QList<QKeySequence> accelerators;
    for (const CAccelerator& accelerator : EffectiveAccelerators(eKind))
        accelerators << QKeySequence(QString::fromStdString(accelerator.m_strKey));
    ReleaseKeys(accelerators);
    SetupLook(QString::fromStdString(settings.m_strFontName), settings.m_nFontSize);
    // Every window on the document shows its one text.
    document.Text().ShowIn(*this, settings.m_nTabWidth);
    setReadOnly(document.IsReadOnly());
    // After the font: the messages' styles start from it.
    CCompilerMarks::SetUpView(*this, settings.m_bCompilerMessages);
    // Margin 0, beside the compiler marks' margin 1.
    ShowLineNumbers(settings.m_bLineNumbers);
    // Find, jumps and edits move the caret as keys and clicks do.
    connect(this, &QsciScintilla::cursorPositionChanged, this, &CSourceView::OnCaretMoved);
    connect(this, &QsciScintilla::selectionChanged, this, &CSourceView::OnCaretMoved);
}

std::uint32_t CSourceView::WindowTextColour()
{
    QColor colour = QApplication::palette().color(QPalette::Active, QPalette::Text);
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

CDocument* CSourceView::GetDocument() const
{
    return &m_document;
}

void CSourceView::OnInitialUpdate()
{
    bool bWasModified = m_document.IsModified();
    SetSel(0, 0);
    if (m_document.Text().TakeUncoloured())
        ColourLoadedText();
    else
        RecolourAll(true);
    m_document.SetModifiedFlag(bWasModified);
}

void CSourceView::SelectLine(int nLine)
{
    if (nLine < 0)
        return;
    std::size_t nLineCount = LineCount();
    std::size_t nStart = PositionFromLine(static_cast<std::size_t>(nLine));
    std::size_t nEnd = static_cast<std::size_t>(nLine) + 1 < nLineCount
                           ? PositionFromLine(static_cast<std::size_t>(nLine) + 1) - 1
                           : TextLength();
    SetSel(nStart, nEnd);
    ShowCaretLine();
    UpdateStatusPanes();
}

void CSourceView::GoToPosition(int nPos)
{
    if (nPos < 0)
        return;
    SelectLine(static_cast<int>(LineFromPosition(static_cast<std::size_t>(nPos))));
}

void CSourceView::UpdateStatusPanes()
{
    IFrameHost& frames = m_document.Services().Frames();
    std::size_t nEnd = SelEnd();
    std::size_t nLine = LineFromPosition(nEnd);
    CCaretReadout readout = CCaretReadout::FromLine(nLine, PositionFromLine(nLine), nEnd);
    frames.SetLinePaneText(QString::fromStdString(readout.LineText()));
    frames.SetColumnPaneText(QString::fromStdString(readout.ColumnText()));
}

void CSourceView::OnCaretMoved()
{
    // Another window on the same text moves with its edits; only the active one reports.
    CMdiChildFrame* pActive = m_document.Services().Frames().ActiveChildFrame();
    if (pActive && pActive->GetView() == this)
        UpdateStatusPanes();
}

void CSourceView::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Tab || pEvent->key() == Qt::Key_Backtab) {
        if (pEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            CJavaEditor::keyPressEvent(pEvent);
            return;
        }
        OnTab(pEvent->key() == Qt::Key_Backtab || (pEvent->modifiers() & Qt::ShiftModifier));
        RecolourLine();
        pEvent->accept();
        return;
    }
    if (!IsTypedCharacter(*pEvent)) {
        CJavaEditor::keyPressEvent(pEvent);
        return;
    }
    char ch = static_cast<char>(pEvent->text().front().toLatin1());
    // Enter and the indent it brings, or a closing brace and the outdent it
    // brings, are undone (and redone) together.
    const bool bIndentRule = ch == '\r' || ch == '}';
    if (bIndentRule)
        BeginUndoStep();
    CJavaEditor::keyPressEvent(pEvent);
    if (bIndentRule) {
        ApplyPlan(IndentKeys().AutoIndent(TextView(), SelStart(), SelEnd(), ch));
        EndUndoStep();
    }
    RecolourLine();
}

void CSourceView::keyReleaseEvent(QKeyEvent* pEvent)
{
    CJavaEditor::keyReleaseEvent(pEvent);
    UpdateStatusPanes();
}

void CSourceView::mousePressEvent(QMouseEvent* pEvent)
{
    CJavaEditor::mousePressEvent(pEvent);
    UpdateStatusPanes();
}

QMenu* CSourceView::CreateContextMenu()
{
    auto* pMenu = new QMenu(this);
    pMenu->setObjectName(QStringLiteral("TEXT_POPUP"));
    for (const CMenuItem& item : ContextMenuItems()) {
        if (item.IsSeparator()) {
            pMenu->addSeparator();
            continue;
        }
        const int nId = item.m_nId;
        QAction* pAction = pMenu->addAction(QString::fromStdString(item.m_strText));
        pAction->setData(nId);
        CCmdUI cmdUI;
        if (OnUpdateCommand(nId, cmdUI))
            pAction->setEnabled(cmdUI.m_bEnabled);
        connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
    }
    return pMenu;
}

void CSourceView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QMenu* pMenu = CreateContextMenu();
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    pMenu->popup(pEvent->globalPos());
    pEvent->accept();
}

bool CSourceView::HandlesCommand(int nId) const
{
    return ServedInWindow(nId, ECommandTarget::View, m_eKind);
}

bool CSourceView::OnUpdateCommand(int nId, CCmdUI& cmdUI)
{
    switch (nId) {
    case kEditUndo: cmdUI.Enable(isUndoAvailable()); return true;
    case kEditRedo: cmdUI.Enable(isRedoAvailable()); return true;
    case kEditCut:
    case kEditCopy: cmdUI.Enable(SelStart() != SelEnd()); return true;
    case kEditPaste: cmdUI.Enable(CanPasteText()); return true;
    case kEditSelectAll: cmdUI.Enable(TextLength() > 0); return true;
    case kEditRepeat: cmdUI.Enable(!m_document.Services().LastSearch().m_strFindWhat.isEmpty()); return true;
    default: return false;
    }
}

void CSourceView::OnCommand(int nId)
{
    switch (nId) {
    case kEditUndo: undo(); break;
    case kEditRedo: redo(); break;
    case kMatchingBrace: GoToMatchingBrace(); break;
    case kToggleComment: OnToggleComment(); break;
    case kEditCut: cut(); break;
    case kEditCopy: copy(); break;
    case kEditPaste: paste(); break;
    case kEditSelectAll: SetSel(0, TextLength()); break;
    case kEditFind: OnFind(false); break;
    case kEditReplace: OnFind(true); break;
    case kEditRepeat: OnRepeatFind(); break;
    case kFindNext: OnFindAgain(true); break;
    case kFindPrevious: OnFindAgain(false); break;
    case kGoToLine: OnGoToLine(); break;
    case kFilePrint: OnPrint(false); break;
    case kFilePrintPreview: OnPrint(true); break;
    case kSyntaxColourUpdate: RecolourAll(true); break;
    case kIncreaseIndent: OnIncreaseIndent(); break;
    case kDecreaseIndent: OnDecreaseIndent(); break;
    case kConvertLinebreaks: OnConvertLinebreaks(); break;
    case kConvertTabs: OnConvertTabs(); break;
    default: break;
    }
}

void CSourceView::OnTab(bool bShift)
{
    ApplyPlan(m_keys.Tab(TextView(), SelStart(), SelEnd(), bShift));
    ShowCaretLine();
}

void CSourceView::OnToggleComment()
{
    if (isReadOnly())
        return;
    ApplyPlan(CommentPlan());
    RecolourAll(false);
}

CEditPlan CSourceView::CommentPlan() const
{
    return CCommentToggle::Java(TextView(), SelStart(), SelEnd());
}

void CSourceView::OnIncreaseIndent()
{
    ApplyPlan(m_commands.IncreaseIndent(TextView(), SelStart(), SelEnd()));
}

void CSourceView::OnDecreaseIndent()
{
    ApplyPlan(m_commands.DecreaseIndent(TextView(), SelStart(), SelEnd()));
}

void CSourceView::OnConvertLinebreaks()
{
    if (m_document.ConvertLinebreaks())
        RecolourAll(false);
}

void CSourceView::OnConvertTabs()
{
    std::string strConverted;
    if (m_document.IsReadOnly() || !m_commands.ConvertTabs(m_document.TextView(), strConverted))
        return;
    m_document.ReplaceText(strConverted);
    RecolourAll(false);
}

CPromptService& CSourceView::Prompts() const
{
    return m_document.Prompts();
}

void CSourceView::OnFind(bool bReplace)
{
    QString strSelected = hasSelectedText() && !selectedText().contains('\n') ? selectedText() : QString();
    CFindReplaceDlg dialog(bReplace, strSelected, m_document.Services().LastSearch(), window());
    auto find = [this, &dialog](bool bForward) {
        CEditorFind finder(*this, m_document.Services().Frames());
        if (finder.Find(dialog.Search(), bForward))
            finder.MoveOffSelection(dialog);
    };
    connect(&dialog, &CFindReplaceDlg::FindNext, this, [find] { find(true); });
    connect(&dialog, &CFindReplaceDlg::FindPrevious, this, [find] { find(false); });
    connect(&dialog, &CFindReplaceDlg::ReplaceOne, this, [this, &dialog] {
        CFindSearch search = dialog.Search();
        if (!ReplaceAndFind(search.m_strFindWhat, search.m_strReplaceWith, search.m_bMatchCase, search.m_bWholeWord))
            QApplication::beep();
    });
    connect(&dialog, &CFindReplaceDlg::ReplaceAll, this, [this, &dialog] {
        CFindSearch search = dialog.Search();
        if (ReplaceEvery(search.m_strFindWhat, search.m_strReplaceWith, search.m_bMatchCase, search.m_bWholeWord) == 0)
            QApplication::beep();
    });
    Prompts().RunDialog(dialog);
}

void CSourceView::OnRepeatFind()
{
    const CFindSearch& search = m_document.Services().LastSearch();
    if (!FindForward(search.m_strFindWhat, search.m_bMatchCase, search.m_bWholeWord))
        QApplication::beep();
}

void CSourceView::OnFindAgain(bool bForward)
{
    const CFindSearch& search = m_document.Services().LastSearch();
    if (search.m_strFindWhat.isEmpty()) {
        OnFind(false);
        return;
    }
    CEditorFind(*this, m_document.Services().Frames()).Find(search, bForward);
}

void CSourceView::OnGoToLine()
{
    const std::size_t nLineCount = LineCount();
    CGoToLineDlg dialog(nLineCount, LineFromPosition(SelEnd()), Prompts(), window());
    if (Prompts().RunDialog(dialog) != QDialog::Accepted)
        return;
    // As a compiler message's jump selects its line.
    SelectLine(static_cast<int>(dialog.Line()));
}

void CSourceView::OnPrint(bool bPreview)
{
    CEditorPrinting printing(*this, &m_document.Services().Printer(), Prompts());
    if (bPreview)
        printing.Preview(window());
    else
        printing.Print(window());
}
