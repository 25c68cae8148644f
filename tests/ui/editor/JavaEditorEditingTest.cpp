#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/ChildFrame.h"
#include "ui/editor/ColourStyles.h"
#include "ui/editor/FindReplaceDlg.h"
#include "ui/editor/java/FunctionCombo.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"

#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

using namespace CommandIds;

namespace {
constexpr int kPlain = CColourStyles::kStylePlain;
constexpr int kKeyword = CColourStyles::kStyleKeyword;
constexpr int kComment = CColourStyles::kStyleComment;
constexpr int kString = CColourStyles::kStyleString;

// A started application with one Java file open; settings can be changed
// before the file is opened, as views read them when they are made.
struct CJavaWindow {
    CAppFixture m_fixture;
    CSyntaxWindowDoc* m_pDoc = nullptr;
    CSyntaxWindowView* m_pView = nullptr;

    CJavaWindow() { m_fixture.Start({}, false); }
    CSettings& Settings() { return m_fixture.App().Settings(); }
    bool Open(const QByteArray& bytes, const QString& strName = "T.java")
    {
        m_pDoc = dynamic_cast<CSyntaxWindowDoc*>(m_fixture.App().OpenDocumentFile(m_fixture.WriteFile(strName, bytes)));
        m_pView = m_pDoc ? m_pDoc->FirstView() : nullptr;
        return m_pView != nullptr;
    }
    QByteArray Text() const { return QByteArray::fromStdString(m_pView->TextBytes()); }
    QPair<int, int> Sel() const { return {int(m_pView->SelStart()), int(m_pView->SelEnd())}; }
    bool Run(int nId) { return m_fixture.App().Router().Execute(nId); }
    QList<int> Styles(int nStart, int nEnd) const
    {
        QList<int> styles;
        for (int i = nStart; i < nEnd; ++i)
            styles << m_pView->StyleAt(std::size_t(i));
        return styles;
    }
    QString LinePane() { return m_fixture.App().MainFrame()->LinePaneText(); }
    QString ColumnPane() { return m_fixture.App().MainFrame()->ColumnPaneText(); }
};

QList<int> Repeat(int nStyle, int nCount)
{
    return QList<int>(nCount, nStyle);
}
} // namespace

class JavaEditorEditingTest : public QObject {
    Q_OBJECT
private slots:
    void tabWithoutSelectionInsertsTabText()
    {
        for (bool bSpaceTabs : {false, true}) {
            for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
                CJavaWindow window;
                window.Settings().m_bSpaceTabs = bSpaceTabs;
                window.Settings().m_nTabWidth = 3;
                QVERIFY(window.Open("ab\n"));
                window.m_pView->SetSel(1, 1);
                QTest::keyClick(window.m_pView, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                QByteArray expected = bSpaceTabs ? "a   b\r\n" : "a\tb\r\n";
                QCOMPARE(window.Text(), expected);
                QCOMPARE(window.Sel(), qMakePair(bSpaceTabs ? 4 : 2, bSpaceTabs ? 4 : 2));
                QVERIFY(window.Run(kEditUndo));
                QCOMPARE(window.Text(), QByteArray("ab\r\n"));
            }
        }
    }

    void tabOverSelectionIndentsLinesAndUndoesInOneStep()
    {
        CJavaWindow window;
        QVERIFY(window.Open("a\nb\nc\nd\n"));
        // From the middle of line 0 to the very start of line 2: lines 0 and 1.
        window.m_pView->SetSel(1, 6);
        QTest::keyClick(window.m_pView, Qt::Key_Tab);
        QCOMPARE(window.Text(), QByteArray("\ta\r\n\tb\r\nc\r\nd\r\n"));
        QCOMPARE(window.Sel(), qMakePair(0, 8));
        QTest::keyClick(window.m_pView, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(window.Text(), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
        QCOMPARE(window.Sel(), qMakePair(0, 5));
        QVERIFY(window.Run(kEditUndo));
        QCOMPARE(window.Text(), QByteArray("\ta\r\n\tb\r\nc\r\nd\r\n"));
        QVERIFY(window.Run(kEditUndo));
        QCOMPARE(window.Text(), QByteArray("a\r\nb\r\nc\r\nd\r\n"));
    }

    // The window's accelerators win over the editor's own key bindings.
    void acceleratorKeysReachTheCommands()
    {
        CJavaWindow window;
        QVERIFY(window.Open("a\nb\n"));
        QWidget* pMain = window.m_fixture.App().MainFrame();
        pMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pMain));
        window.m_pView->setFocus();
        window.m_pView->SetSel(0, 3);
        QTest::keyClick(window.m_pView, Qt::Key_BracketRight, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("\ta\r\nb\r\n"));
        window.m_pView->SetSel(0, 4);
        QTest::keyClick(window.m_pView, Qt::Key_BracketLeft, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("a\r\nb\r\n"));
        QTest::keyClick(window.m_pView, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("\ta\r\nb\r\n"));
    }

    void enterCopiesIndentTabsFirst()
    {
        CJavaWindow window;
        QVERIFY(window.Open(" \t x\nplain"));
        window.m_pView->SetSel(4, 4);
        QTest::keyClick(window.m_pView, Qt::Key_Return);
        QCOMPARE(window.Text(), QByteArray(" \t x\r\n\t  \r\nplain"));
        QCOMPARE(window.Sel(), qMakePair(9, 9));
        // The line break and its indent go in one undo step.
        QVERIFY(window.Run(kEditUndo));
        QCOMPARE(window.Text(), QByteArray(" \t x\r\nplain"));
        window.m_pView->SetSel(11, 11);
        QTest::keyClick(window.m_pView, Qt::Key_Return);
        QCOMPARE(window.Text(), QByteArray(" \t x\r\nplain\r\n"));
    }

    void panesFollowKeysAndMouse()
    {
        CJavaWindow window;
        QVERIFY(window.Open("ab\n\tcd\n"));
        window.m_pView->SetSel(0, 0);
        QTest::keyClick(window.m_pView, Qt::Key_Right);
        QCOMPARE(window.LinePane(), QString("Line: 1"));
        QCOMPARE(window.ColumnPane(), QString("Col: 2"));
        QTest::keyClick(window.m_pView, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(window.LinePane(), QString("Line: 3"));
        QCOMPARE(window.ColumnPane(), QString("Col: 1"));
        // A selection reports its end; a tab counts as one column.
        window.m_pView->SetSel(1, 7);
        QTest::mousePress(window.m_pView->viewport(), Qt::RightButton, {}, QPoint(1, 1));
        QCOMPARE(window.LinePane(), QString("Line: 2"));
        QCOMPARE(window.ColumnPane(), QString("Col: 4"));
    }

    void openingColoursWithoutModifying()
    {
        CJavaWindow window;
        QVERIFY(window.Open("int x; // c\nString s = \"a\";\n/* b */ double"));
        QVERIFY(!window.m_pDoc->IsModified());
        QCOMPARE(window.Styles(0, 7), Repeat(kKeyword, 3) + Repeat(kPlain, 4));
        QCOMPARE(window.Styles(7, 11), Repeat(kComment, 4));
        QCOMPARE(window.Styles(24, 27), Repeat(kString, 3));
        QCOMPARE(window.Styles(30, 44), Repeat(kComment, 7) + Repeat(kPlain, 1) + Repeat(kKeyword, 6));
    }

    void typingRecoloursTheLineOnly()
    {
        CJavaWindow window;
        QVERIFY(window.Open("x\nin\n"));
        // Paste leaves colours alone; the next typed character recolours its line.
        window.m_pView->SetSel(0, 1);
        window.m_pView->ReplaceSelection("int");
        QCOMPARE(window.Styles(0, 3), Repeat(kPlain, 3));
        window.m_pView->SetSel(7, 7);
        QTest::keyClicks(window.m_pView, "t");
        QCOMPARE(window.Styles(5, 8), Repeat(kKeyword, 3));
        QCOMPARE(window.Styles(0, 3), Repeat(kPlain, 3));
        QTest::keyClicks(window.m_pView, "\"q");
        QCOMPARE(window.Styles(8, 10), Repeat(kString, 2));
        QVERIFY(window.Run(kSyntaxColourUpdate));
        QCOMPARE(window.Styles(0, 3), Repeat(kKeyword, 3));
        // An unterminated string is plain when the whole text is coloured.
        QCOMPARE(window.Styles(8, 10), Repeat(kPlain, 2));
    }

    void recolourKeepsModifiedSelectionAndScroll()
    {
        CJavaWindow window;
        QByteArray text;
        for (int i = 0; i < 200; ++i)
            text += "int value" + QByteArray::number(i) + "; // note\n";
        QVERIFY(window.Open(text));
        window.m_pView->resize(400, 200);
        window.m_pView->SetSel(3000, 3010);
        window.m_pView->ShowCaretLine();
        int nFirstLine = window.m_pView->FirstVisibleLine();
        QVERIFY(nFirstLine > 0);
        QVERIFY(window.Run(kSyntaxColourUpdate));
        QVERIFY(!window.m_pDoc->IsModified());
        QCOMPARE(window.Sel(), qMakePair(3000, 3010));
        QCOMPARE(window.m_pView->FirstVisibleLine(), nFirstLine);
        QTest::keyClicks(window.m_pView, "z");
        QVERIFY(window.Run(kSyntaxColourUpdate));
        QVERIFY(window.m_pDoc->IsModified());
    }

    void indentCommandsSetTextAndSelection()
    {
        CJavaWindow window;
        QVERIFY(window.Open("l0\nl1\nl2\nl3\nl4\nl5\n"));
        // Middle of line 2 to the first character of line 5: lines 2 to 4.
        window.m_pView->SetSel(9, 20);
        QVERIFY(window.Run(kIncreaseIndent));
        QCOMPARE(window.Text(), QByteArray("l0\r\nl1\r\n\tl2\r\n\tl3\r\n\tl4\r\nl5\r\n"));
        QCOMPARE(window.Sel(), qMakePair(8, 23));
        QVERIFY(window.Run(kDecreaseIndent));
        QCOMPARE(window.Text(), QByteArray("l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5\r\n"));
        QCOMPARE(window.Sel(), qMakePair(8, 19));
        // One space at a time; a line starting with a letter loses nothing.
        CJavaWindow spaces;
        QVERIFY(spaces.Open("    a\nb\n"));
        spaces.m_pView->SetSel(0, 8);
        QVERIFY(spaces.Run(kDecreaseIndent));
        QCOMPARE(spaces.Text(), QByteArray("   a\r\nb\r\n"));
    }

    void convertCommandsReplaceTextAndMarkModified()
    {
        CJavaWindow window;
        window.Settings().m_nTabWidth = 3;
        QVERIFY(window.Open("a\tb\n"));
        QVERIFY(window.Run(kConvertTabs));
        QCOMPARE(window.Text(), QByteArray("a   b\r\n"));
        QVERIFY(window.m_pDoc->IsModified());

        CJavaWindow breaks;
        QVERIFY(breaks.Open("int a;\n"));
        QVERIFY(breaks.Run(kConvertLinebreaks));
        QCOMPARE(breaks.Text(), QByteArray("int a;\r\n"));
        QVERIFY(breaks.m_pDoc->IsModified());
        breaks.m_pView->SetSel(8, 8);
        breaks.m_pView->ReplaceSelection("x\rint");
        QVERIFY(breaks.Run(kConvertLinebreaks));
        QCOMPARE(breaks.Text(), QByteArray("int a;\r\nx\r\nint"));
        QCOMPARE(breaks.Styles(11, 14), Repeat(kKeyword, 3));
    }

    void jdkHelpOpensTheSearchForTheSelection()
    {
        CJavaWindow window;
        window.Settings().m_strHelpPath = "https://docs.oracle.com/en/java/javase/21/docs/api/";
        QVERIFY(window.Open("List of x"));
        window.m_pView->SetSel(0, 7);
        QVERIFY(window.Run(kJdkHelp));
        window.m_pView->SetSel(0, 0);
        QVERIFY(window.Run(kJdkHelp));
        QCOMPARE(window.m_fixture.Prompts().m_openedUrls,
                 (QStringList{"https://docs.oracle.com/en/java/javase/21/docs/api/search.html?q=List%20of",
                              "https://docs.oracle.com/en/java/javase/21/docs/api/index.html"}));
    }

    void functionBarListsAndSelectsDeclarations()
    {
        CJavaWindow window;
        QVERIFY(window.Open("class A {\n  void f() {\n  }\n}\n"));
        auto* pFrame = dynamic_cast<CChildFrame*>(window.m_pDoc->FirstFrame());
        QVERIFY(pFrame);
        QCOMPARE(pFrame->FunctionList()->count(), 2);
        QCOMPARE(pFrame->FunctionList()->itemText(1), QString("A.f()"));
        QVERIFY(!pFrame->FunctionBar()->isHidden());
        pFrame->FunctionList()->setCurrentIndex(1);
        emit pFrame->FunctionList()->activated(1);
        QCOMPARE(window.Sel(), qMakePair(11, 24));
        QCOMPARE(window.LinePane(), QString("Line: 2"));
        QCOMPARE(window.ColumnPane(), QString("Col: 14"));
        // The project reaches the same lines through the document.
        window.m_pDoc->SelectLine(0);
        QCOMPARE(window.Sel(), qMakePair(0, 10));
        QCOMPARE(window.m_pDoc->FindFunction("A.f()"), 11);
        QCOMPARE(window.m_pDoc->FindFunction("A.g()"), -1);
        window.m_pDoc->GoToPosition(window.m_pDoc->FindFunction("A.f()"));
        QCOMPARE(window.Sel(), qMakePair(11, 24));
        // F2 rescans the edited text.
        window.m_pView->SetSel(0, 0);
        window.m_pView->ReplaceSelection("class Z {}\n");
        QVERIFY(window.Run(kRefreshFunctionList));
        QCOMPARE(pFrame->FunctionList()->itemText(0), QString("Z"));
        QCOMPARE(pFrame->FunctionList()->count(), 3);

        CJavaWindow hidden;
        hidden.Settings().m_bShowDrops = false;
        QVERIFY(hidden.Open("class B {\n}\n"));
        auto* pHiddenFrame = dynamic_cast<CChildFrame*>(hidden.m_pDoc->FirstFrame());
        QVERIFY(pHiddenFrame->FunctionBar()->isHidden());
        QCOMPARE(pHiddenFrame->FunctionList()->itemText(0), QString("B"));
    }

    void functionEntriesPastThe255thAreChosenByKeys()
    {
        CJavaWindow window;
        QByteArray source = "class A {\n";
        for (int i = 0; i < 300; ++i)
            source += "  void m" + QByteArray::number(i) + "() {\n  }\n";
        source += "}\n";
        QVERIFY(window.Open(source));
        auto* pFrame = dynamic_cast<CChildFrame*>(window.m_pDoc->FirstFrame());
        CFunctionCombo* pList = pFrame->FunctionList();
        QCOMPARE(pList->count(), 301);
        window.m_fixture.App().MainFrame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.m_fixture.App().MainFrame()));
        pList->setFocus();
        // End picks the last entry, Up the one before: both far past the 255th.
        QTest::keyClick(pList, Qt::Key_End);
        QCOMPARE(pList->currentText(), QString("A.m299()"));
        QCOMPARE(window.m_pView->LineFromPosition(window.m_pView->SelStart()), std::size_t(1 + 2 * 299));
        QCOMPARE(QByteArray::fromStdString(window.m_pView->SelectedBytes()).trimmed(), QByteArray("void m299() {"));
        QTest::keyClick(pList, Qt::Key_Up);
        QCOMPARE(pList->currentText(), QString("A.m298()"));
        QCOMPARE(window.m_pView->LineFromPosition(window.m_pView->SelStart()), std::size_t(1 + 2 * 298));
        QCOMPARE(window.LinePane(), QString("Line: %1").arg(2 + 2 * 298));
    }

    void addWindowToProjectAsksForASavedFile()
    {
        CJavaWindow window;
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(
            window.m_fixture.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString()));
        QVERIFY(pDoc && !pDoc->IsModified());
        // Without a project the command is disabled.
        QVERIFY(!window.m_fixture.App().Router().Update(kAddWindowToProject).m_bEnabled);
        pDoc->FirstView()->OnCommand(kAddWindowToProject);
        QCOMPARE(window.m_fixture.Prompts().m_messages, QStringList{"Please save the document first"});
        QVERIFY(pDoc->IsModified());
    }

    void contextMenuOffersTheTextItems()
    {
        CJavaWindow window;
        QVERIFY(window.Open("int a;"));
        std::unique_ptr<QMenu> pMenu(window.m_pView->CreateContextMenu());
        QStringList texts;
        for (QAction* pAction : pMenu->actions())
            texts << (pAction->isSeparator() ? QString("-") : pAction->text());
        QCOMPARE(texts, (QStringList{"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "-", "Select &All", "-",
                                     "&Syntax Colour Update"}));
        QVERIFY(!pMenu->actions()[0]->isEnabled());
        QVERIFY(!pMenu->actions()[1]->isEnabled());
        QVERIFY(!pMenu->actions()[3]->isEnabled());
        QVERIFY(pMenu->actions()[7]->isEnabled());
        // After an undo, Redo is offered.
        QTest::keyClick(window.m_pView, Qt::Key_B);
        QVERIFY(window.Run(kEditUndo));
        pMenu.reset(window.m_pView->CreateContextMenu());
        QVERIFY(!pMenu->actions()[0]->isEnabled());
        QVERIFY(pMenu->actions()[1]->isEnabled());
        pMenu->actions()[1]->trigger();
        QCOMPARE(window.Text(), QByteArray("bint a;"));
    }

    void printingUsesHalfInchMarginsAndWritesPages()
    {
        CJavaWindow window;
        QVERIFY(window.Open("class P {\n  int x;\n}\n"));
        QString strPdf = window.m_fixture.TempPath("out.pdf");
        QMarginsF margins;
        window.m_fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto* pPrint = qobject_cast<QPrintDialog*>(&dialog);
            if (!pPrint)
                return int(QDialog::Rejected);
            margins = pPrint->printer()->pageLayout().margins(QPageLayout::Inch);
            pPrint->printer()->setOutputFormat(QPrinter::PdfFormat);
            pPrint->printer()->setOutputFileName(strPdf);
            return int(QDialog::Accepted);
        };
        QVERIFY(window.Run(kFilePrint));
        QCOMPARE(margins, QMarginsF(0.5, 0.5, 0.5, 0.5));
        QVERIFY(QFileInfo(strPdf).size() > 0);

        window.m_fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto* pPreview = qobject_cast<QPrintPreviewDialog*>(&dialog);
            margins = pPreview ? pPreview->printer()->pageLayout().margins(QPageLayout::Inch) : QMarginsF();
            return int(QDialog::Rejected);
        };
        QVERIFY(window.Run(kFilePrintPreview));
        QCOMPARE(margins, QMarginsF(0.5, 0.5, 0.5, 0.5));
        QCOMPARE(window.m_fixture.Prompts().m_dialogTitles.size(), 2);
    }

    void findAndRepeatSelectTheNextMatch()
    {
        CJavaWindow window;
        QVERIFY(window.Open("abc x abc y ABC"));
        window.m_fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("findWhat")->setText("abc");
            dialog.findChild<QPushButton*>("findNext")->click();
            return int(QDialog::Rejected);
        };
        QVERIFY(window.Run(kEditFind));
        QCOMPARE(window.m_fixture.Prompts().m_dialogTitles, QStringList{"Find"});
        QCOMPARE(window.Sel(), qMakePair(0, 3));
        QVERIFY(window.Run(kEditRepeat));
        QCOMPARE(window.Sel(), qMakePair(6, 9));
        QVERIFY(window.Run(kEditRepeat));
        QCOMPARE(window.Sel(), qMakePair(12, 15));
        window.m_fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("findWhat")->setText("abc");
            dialog.findChild<QLineEdit*>("replaceWith")->setText("Q");
            dialog.findChild<QPushButton*>("replaceAll")->click();
            return int(QDialog::Rejected);
        };
        QVERIFY(window.Run(kEditReplace));
        QCOMPARE(window.Text(), QByteArray("Q x Q y Q"));
        QVERIFY(window.Run(kEditUndo));
        QCOMPARE(window.Text(), QByteArray("abc x abc y ABC"));
    }
};

QTEST_MAIN(JavaEditorEditingTest)
#include "JavaEditorEditingTest.moc"
