#include "ui/editor/SyntaxWindowView.h"

#include "core/app/CommandIds.h"
#include "core/app/MenuModel.h"
#include "core/editor/CaretReadout.h"
#include "core/editor/JdkHelp.h"
#include "core/editor/OutlineLine.h"
#include "core/tools/JdkCommandBuilder.h"
#include "ui/framework/OpenProject.h"
#include "ui/editor/ChildFrame.h"
#include "ui/editor/ColourStyles.h"
#include "ui/editor/EditorPrinting.h"
#include "ui/editor/FindReplaceDlg.h"
#include "ui/editor/SyntaxWindowDoc.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"

#include <QApplication>
#include <QGuiApplication>
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

std::uint32_t WindowTextColour()
{
    QColor colour = QApplication::palette().color(QPalette::Active, QPalette::Text);
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
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

CSyntaxWindowView::CSyntaxWindowView(CSyntaxWindowDoc& document, const CSettings& settings)
    : m_document(document), m_tabs(TabSettingsOf(settings)), m_keys(m_tabs), m_commands(m_tabs),
      m_colouring(WindowTextColour(), settings.m_crKeyword, settings.m_crComment, settings.m_crString),
      m_strHelpPath(settings.m_strHelpPath)
{
    QList<QKeySequence> accelerators;
    for (const CAccelerator& accelerator : EffectiveAccelerators(CChildFrame::kKindId))
        accelerators << QKeySequence(QString::fromStdString(accelerator.m_strKey));
    ReleaseKeys(accelerators);
    SetupLook(QString::fromStdString(settings.m_strFontName), settings.m_nFontSize, settings.m_nTabWidth);
    CColourStyles::Apply(*this, WindowTextColour(), settings.m_crKeyword, settings.m_crComment, settings.m_crString);
    // A further window on an open document shows the same text.
    if (CSyntaxWindowView* pFirst = document.FirstView())
        ShareTextOf(*pFirst);
    else {
        LoadText(document.TakeLoadedText());
        m_bTextJustLoaded = true;
    }
    setReadOnly(document.IsReadOnly());

    connect(this, &QsciScintilla::modificationChanged, &m_document,
            [this](bool bModified) { m_document.SetModifiedFlag(bModified); });
    connect(&m_document, &CDocument::ModifiedChanged, this, [this](bool bModified) {
        if (!bModified && IsTextModified())
            SetSavePoint();
    });
}

CDocument* CSyntaxWindowView::GetDocument() const
{
    return &m_document;
}

void CSyntaxWindowView::OnInitialUpdate()
{
    bool bWasModified = m_document.IsModified();
    SetSel(0, 0);
    if (m_bTextJustLoaded)
        m_colouring.ColourLoadedText(*this);
    else
        RecolourAll(true);
    m_bTextJustLoaded = false;
    m_document.SetModifiedFlag(bWasModified);
    RefreshFunctionList();
}

void CSyntaxWindowView::RecolourAll(bool bLockRedraw)
{
    m_colouring.RecolourAll(*this, bLockRedraw);
}

void CSyntaxWindowView::RecolourLine()
{
    m_colouring.RecolourLine(*this);
}

void CSyntaxWindowView::RefreshFunctionList()
{
    if (!m_pFrame)
        return;
    m_document.ScanClasses(TextView());
    QStringList entries;
    for (const std::string& strEntry : m_document.Outline().GetFunctions())
        entries << QString::fromStdString(strEntry);
    m_pFrame->SetFunctions(entries);
}

void CSyntaxWindowView::SelectLine(int nLine)
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

void CSyntaxWindowView::GoToPosition(int nPos)
{
    if (nPos < 0)
        return;
    SelectLine(static_cast<int>(LineFromPosition(static_cast<std::size_t>(nPos))));
}

void CSyntaxWindowView::OnFunctionChosen(int nIndex)
{
    if (nIndex < 0)
        return;
    std::optional<COutlineLine> line = m_document.Outline().GetEntryLine(TextView(), nIndex);
    if (!line)
        return;
    SetSel(static_cast<std::size_t>(line->m_nStart), static_cast<std::size_t>(line->m_nEnd));
    ShowCaretLine();
    UpdateStatusPanes();
}

void CSyntaxWindowView::UpdateStatusPanes()
{
    IFrameHost& frames = m_document.Services().Frames();
    std::size_t nEnd = SelEnd();
    std::size_t nLine = LineFromPosition(nEnd);
    CCaretReadout readout = CCaretReadout::FromLine(nLine, PositionFromLine(nLine), nEnd);
    frames.SetLinePaneText(QString::fromStdString(readout.LineText()));
    frames.SetColumnPaneText(QString::fromStdString(readout.ColumnText()));
}

void CSyntaxWindowView::keyPressEvent(QKeyEvent* pEvent)
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
    // Enter and the indent it brings are undone together.
    bool bEnter = ch == '\r';
    if (bEnter)
        BeginUndoStep();
    CJavaEditor::keyPressEvent(pEvent);
    if (bEnter) {
        ApplyPlan(m_keys.AutoIndent(TextView(), SelStart(), SelEnd(), ch));
        EndUndoStep();
    }
    RecolourLine();
}

void CSyntaxWindowView::keyReleaseEvent(QKeyEvent* pEvent)
{
    CJavaEditor::keyReleaseEvent(pEvent);
    UpdateStatusPanes();
}

void CSyntaxWindowView::mousePressEvent(QMouseEvent* pEvent)
{
    CJavaEditor::mousePressEvent(pEvent);
    UpdateStatusPanes();
}

QMenu* CSyntaxWindowView::CreateContextMenu()
{
    auto* pMenu = new QMenu(this);
    pMenu->setObjectName(QStringLiteral("TEXT_POPUP"));
    auto addItem = [this, pMenu](const QString& strText, int nId) {
        QAction* pAction = pMenu->addAction(strText);
        pAction->setData(nId);
        CCmdUI cmdUI;
        if (OnUpdateCommand(nId, cmdUI))
            pAction->setEnabled(cmdUI.m_bEnabled);
        connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
    };
    addItem(QStringLiteral("&Undo"), kEditUndo);
    pMenu->addSeparator();
    addItem(QStringLiteral("Cu&t"), kEditCut);
    addItem(QStringLiteral("&Copy"), kEditCopy);
    addItem(QStringLiteral("&Paste"), kEditPaste);
    pMenu->addSeparator();
    addItem(QStringLiteral("Select &All"), kEditSelectAll);
    pMenu->addSeparator();
    addItem(QStringLiteral("&Syntax Colour Update"), kSyntaxColourUpdate);
    return pMenu;
}

void CSyntaxWindowView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QMenu* pMenu = CreateContextMenu();
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    pMenu->popup(pEvent->globalPos());
    pEvent->accept();
}

bool CSyntaxWindowView::HandlesCommand(int nId) const
{
    switch (nId) {
    case kEditUndo:
    case kEditCut:
    case kEditCopy:
    case kEditPaste:
    case kEditSelectAll:
    case kEditFind:
    case kEditReplace:
    case kEditRepeat:
    case kFilePrint:
    case kFilePrintPreview:
    case kSyntaxColourUpdate:
    case kRefreshFunctionList:
    case kIncreaseIndent:
    case kDecreaseIndent:
    case kConvertLinebreaks:
    case kConvertTabs:
    case kJdkHelp:
    case kCompile:
    case kAddWindowToProject:
        return true;
    default:
        return false;
    }
}

bool CSyntaxWindowView::OnUpdateCommand(int nId, CCmdUI& cmdUI)
{
    switch (nId) {
    case kEditUndo:
        cmdUI.Enable(isUndoAvailable());
        return true;
    case kEditCut:
    case kEditCopy:
        cmdUI.Enable(SelStart() != SelEnd());
        return true;
    case kEditPaste:
        cmdUI.Enable(CanPasteText());
        return true;
    case kEditSelectAll:
        cmdUI.Enable(TextLength() > 0);
        return true;
    case kJdkHelp:
        cmdUI.Enable(true);
        return true;
    case kEditRepeat:
        cmdUI.Enable(!CFindReplaceDlg::LastSearch().m_strFindWhat.isEmpty());
        return true;
    case kAddWindowToProject: {
        cmdUI.Enable(m_document.Services().GetProjectDoc() != nullptr);
        return true;
    }
    default:
        return false;
    }
}

void CSyntaxWindowView::OnCommand(int nId)
{
    switch (nId) {
    case kEditUndo:
        undo();
        break;
    case kEditCut:
        cut();
        break;
    case kEditCopy:
        copy();
        break;
    case kEditPaste:
        paste();
        break;
    case kEditSelectAll:
        SetSel(0, TextLength());
        break;
    case kEditFind:
        OnFind(false);
        break;
    case kEditReplace:
        OnFind(true);
        break;
    case kEditRepeat:
        OnRepeatFind();
        break;
    case kFilePrint:
        OnPrint(false);
        break;
    case kFilePrintPreview:
        OnPrint(true);
        break;
    case kSyntaxColourUpdate:
        RecolourAll(true);
        break;
    case kRefreshFunctionList:
        RefreshFunctionList();
        break;
    case kIncreaseIndent:
        OnIncreaseIndent();
        break;
    case kDecreaseIndent:
        OnDecreaseIndent();
        break;
    case kConvertLinebreaks:
        OnConvertLinebreaks();
        break;
    case kConvertTabs:
        OnConvertTabs();
        break;
    case kJdkHelp:
        OnJdkHelp();
        break;
    case kCompile:
        OnCompile();
        break;
    case kAddWindowToProject:
        OnAddWindowToProject();
        break;
    default:
        break;
    }
}

void CSyntaxWindowView::OnTab(bool bShift)
{
    ApplyPlan(m_keys.Tab(TextView(), SelStart(), SelEnd(), bShift));
    ShowCaretLine();
}

void CSyntaxWindowView::OnIncreaseIndent()
{
    ApplyPlan(m_commands.IncreaseIndent(TextView(), SelStart(), SelEnd()));
}

void CSyntaxWindowView::OnDecreaseIndent()
{
    ApplyPlan(m_commands.DecreaseIndent(TextView(), SelStart(), SelEnd()));
}

void CSyntaxWindowView::OnConvertLinebreaks()
{
    if (m_document.IsReadOnly())
        return;
    ReplaceAllText(CTextCommands::ConvertLinebreaks(TextView()));
    // The editor holds CR LF already; what changes is what the file gets.
    m_document.UseLineEndEverywhere(ELineEnd::CrLf);
    m_document.SetModifiedFlag(true);
    RecolourAll(false);
}

void CSyntaxWindowView::OnConvertTabs()
{
    std::string strConverted;
    if (m_document.IsReadOnly() || !m_commands.ConvertTabs(TextView(), strConverted))
        return;
    ReplaceAllText(strConverted);
    m_document.SetModifiedFlag(true);
    RecolourAll(false);
}

void CSyntaxWindowView::OnJdkHelp()
{
    std::string strTarget = CJdkHelp::HelpTarget(m_strHelpPath, SelectedBytes());
    if (!strTarget.empty())
        Prompts().OpenUrl(QString::fromStdString(strTarget));
}

void CSyntaxWindowView::OnCompile()
{
    IAppServices& services = m_document.Services();
    const CSettings& settings = services.Settings();
    CToolCommand command;
    std::string strError;
    if (!CJdkCommandBuilder::CompileFile(settings.m_strJavaBin, m_document.GetPathBytes(),
                                         settings.m_strJavac, command, strError)) {
        Prompts().MessageBox(window(), QString::fromStdString(strError));
        return;
    }
    if (settings.m_bSaveComp)
        services.ExecuteCommand(kSaveAll);
    services.SetProcessTitle(QString::fromStdString(command.m_strTitle));
    // The project's process window shows the run and can stop it.
    if (IOpenProject* pProject = services.GetProjectDoc()) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        pProject->RunCaptured(command);
        QGuiApplication::restoreOverrideCursor();
    }
    services.Frames().UpdateCommandStates();
}

void CSyntaxWindowView::OnAddWindowToProject()
{
    if (m_document.GetPathName().isEmpty()) {
        m_document.SetModifiedFlag(true);
        Prompts().MessageBox(window(), QStringLiteral("Please save the document first"));
        return;
    }
    IOpenProject* pProject = m_document.Services().GetProjectDoc();
    if (!pProject)
        return;
    pProject->AddJavaFile(m_document.GetPathName());
    CDocument& projectDocument = pProject->ProjectDocument();
    projectDocument.SetModifiedFlag(true);
    RefreshFunctionList();
    for (CMdiChildFrame* pFrame : projectDocument.GetFrames())
        if (CView* pView = pFrame->GetView())
            pView->OnUpdate();
}

void CSyntaxWindowView::OnFind(bool bReplace)
{
    QString strSelected = hasSelectedText() && !selectedText().contains('\n') ? selectedText() : QString();
    CFindReplaceDlg dialog(bReplace, strSelected, window());
    connect(&dialog, &CFindReplaceDlg::FindNext, this, [this, &dialog] {
        CFindReplaceDlg::CSearch search = dialog.Search();
        if (!FindForward(search.m_strFindWhat, search.m_bMatchCase, search.m_bWholeWord))
            QApplication::beep();
    });
    connect(&dialog, &CFindReplaceDlg::ReplaceOne, this, [this, &dialog] {
        CFindReplaceDlg::CSearch search = dialog.Search();
        if (!ReplaceAndFind(search.m_strFindWhat, search.m_strReplaceWith, search.m_bMatchCase, search.m_bWholeWord))
            QApplication::beep();
    });
    connect(&dialog, &CFindReplaceDlg::ReplaceAll, this, [this, &dialog] {
        CFindReplaceDlg::CSearch search = dialog.Search();
        if (ReplaceEvery(search.m_strFindWhat, search.m_strReplaceWith, search.m_bMatchCase, search.m_bWholeWord) == 0)
            QApplication::beep();
    });
    Prompts().RunDialog(dialog);
}

void CSyntaxWindowView::OnRepeatFind()
{
    const CFindReplaceDlg::CSearch& search = CFindReplaceDlg::LastSearch();
    if (!FindForward(search.m_strFindWhat, search.m_bMatchCase, search.m_bWholeWord))
        QApplication::beep();
}

void CSyntaxWindowView::OnPrint(bool bPreview)
{
    CEditorPrinting printing(*this, &m_document.Services().Printer());
    if (bPreview)
        printing.Preview(window());
    else
        printing.Print(window());
}
