#include "core/app/CommandIds.h"
#include "tests/ui/support/JavaFiles.h"
#include "tests/ui/support/ShownAppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/MdiChildFrame.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace CommandIds;

namespace {
const QString kWrappedForward = "Passed the end of the file; searching from the top.";
const QString kWrappedBackward = "Passed the start of the file; searching from the bottom.";

// A shown main window with one Java file open in the active window, the
// editor holding the keyboard focus.
struct CEditorWindow {
    CShownAppFixture m_fixture;
    CSyntaxWindowDoc* m_pDoc = nullptr;
    CSyntaxWindowView* m_pView = nullptr;

    bool Open(const QByteArray& bytes)
    {
        m_pDoc = OpenJava(m_fixture, "Nav.java", bytes);
        m_pView = m_pDoc ? m_pDoc->FirstView() : nullptr;
        if (!m_pView)
            return false;
        m_pDoc->GetFrames().front()->ActivateFrame();
        return QTest::qWaitFor([this] { return QApplication::focusWidget() == m_pView; }, 5000);
    }
    QPair<int, int> Sel() const { return {int(m_pView->SelStart()), int(m_pView->SelEnd())}; }
    bool Run(int nId) { return m_fixture.App().Router().Execute(nId); }
    QString Status() { return m_fixture.Frame().StatusPaneText(); }
    CScriptedPrompts& Prompts() { return m_fixture.Prompts(); }
};

void ClickOk(QDialog& dialog)
{
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}
} // namespace

class EditorNavigationTest : public QObject {
    Q_OBJECT
private slots:
    // Ctrl+G asks for a line of the text, starting from the caret's, refuses
    // what is not one with the range and selects the line as a compiler
    // message's jump does.
    void goToLineAsksUntilItGetsALineOfTheText()
    {
        CEditorWindow window;
        QVERIFY(window.Open("a\nbb\nccc\ndddd\n"));
        window.m_pView->SetSel(9, 9); // on "ccc"
        QString strLabel, strPrefilled;
        QStringList selectedAfterRefusal;
        QList<int> resultsAfterRefusal;
        window.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto* pField = dialog.findChild<QLineEdit*>("lineNumber");
            strLabel = dialog.findChild<QLabel*>("lineLabel")->text();
            strPrefilled = pField->text();
            for (const char* pszRefused : {"6", "0", "two", ""}) {
                pField->setText(QString::fromUtf8(pszRefused));
                ClickOk(dialog);
                resultsAfterRefusal << dialog.result();
                selectedAfterRefusal << pField->selectedText();
            }
            pField->setText(" 4 ");
            ClickOk(dialog);
            return dialog.result();
        };
        window.m_fixture.PressKey(Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(window.Prompts().m_dialogTitles, QStringList{"Go to Line"});
        QCOMPARE(strLabel, QString("Line number (1 - 5):"));
        QCOMPARE(strPrefilled, QString("3"));
        QCOMPARE(resultsAfterRefusal, (QList<int>{0, 0, 0, 0}));
        QCOMPARE(selectedAfterRefusal, (QStringList{"6", "0", "two", ""}));
        QCOMPARE(window.Prompts().m_messages, QStringList(4, "Enter a line number between 1 and 5."));
        // "dddd" and its CR, up to the line feed: what a jump to line 4 selects.
        QCOMPARE(window.Sel(), qMakePair(12, 17));
        window.m_pDoc->SelectLine(3);
        QCOMPARE(window.Sel(), qMakePair(12, 17));

        // The last line, and Cancel leaving the selection alone.
        window.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("lineNumber")->setText("5");
            ClickOk(dialog);
            return dialog.result();
        };
        QVERIFY(window.Run(kGoToLine));
        QCOMPARE(window.Sel(), qMakePair(18, 18));
        window.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("lineNumber")->setText("1");
            dialog.reject();
            return dialog.result();
        };
        QVERIFY(window.Run(kGoToLine));
        QCOMPARE(window.Sel(), qMakePair(18, 18));
    }

    // Find Next and Find Previous search the last search's text with its
    // options, say when they went on from the other end, and open the Find
    // dialog while nothing was searched yet.
    void findNextAndPreviousRepeatTheLastSearch()
    {
        CEditorWindow window;
        QVERIFY(window.Open("abc x abc y ABC"));
        window.Prompts().m_onDialog = [](QDialog&) { return int(QDialog::Rejected); };
        window.m_fixture.PressKey(Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(window.Prompts().m_dialogTitles, QStringList{"Find"});
        QCOMPARE(window.Sel(), qMakePair(0, 0));

        window.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("findWhat")->setText("abc");
            dialog.findChild<QPushButton*>("findNext")->click();
            return int(QDialog::Rejected);
        };
        QVERIFY(window.Run(kEditFind));
        QCOMPARE(window.Sel(), qMakePair(0, 3));
        window.m_fixture.PressKey(Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(window.Sel(), qMakePair(6, 9));
        QCOMPARE(window.Status(), QString("Ready"));
        window.m_fixture.PressKey(Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(window.Sel(), qMakePair(12, 15));
        window.m_fixture.PressKey(Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(window.Sel(), qMakePair(0, 3));
        QCOMPARE(window.Status(), kWrappedForward);
        window.m_fixture.PressKey(Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.Sel(), qMakePair(12, 15));
        QCOMPARE(window.Status(), kWrappedBackward);
        QVERIFY(window.Run(kFindPrevious));
        QCOMPARE(window.Sel(), qMakePair(6, 9));
        QCOMPARE(window.Status(), QString("Ready"));
        QCOMPARE(window.Prompts().m_dialogTitles.size(), 2);

        // The last options count: matching case, only "ABC" is found.
        CFindSearch& last = window.m_fixture.App().LastSearch();
        last.m_strFindWhat = "ABC";
        last.m_bMatchCase = true;
        QVERIFY(window.Run(kFindPrevious));
        QCOMPARE(window.Sel(), qMakePair(12, 15));
        QCOMPARE(window.Status(), kWrappedBackward);
        QVERIFY(window.Run(kFindNext));
        QCOMPARE(window.Sel(), qMakePair(12, 15));
        QCOMPARE(window.Status(), kWrappedForward);
        // Whole words: "ab" is inside words only.
        last.m_strFindWhat = "ab";
        last.m_bMatchCase = false;
        last.m_bWholeWord = true;
        window.m_pView->SetSel(4, 4);
        QVERIFY(window.Run(kFindNext));
        QCOMPARE(window.Sel(), qMakePair(4, 4));
        QCOMPARE(window.Prompts().m_dialogTitles.size(), 2);
    }

    // In the Find dialog Enter finds the next match and Shift+Enter the one
    // before; a dialog covering the match moves off it, on the screen.
    void findDialogKeysAndPlacement()
    {
        CEditorWindow window;
        QVERIFY(window.Open("abc x abc y abc\n"));
        QList<QPair<int, int>> selections;
        bool bCoveredBefore = false;
        QRect dialogAfter, matchAfter, screen;
        window.Prompts().m_onDialog = [&](QDialog& dialog) {
            dialog.show();
            if (!QTest::qWaitForWindowExposed(&dialog))
                return int(QDialog::Rejected);
            auto* pField = dialog.findChild<QLineEdit*>("findWhat");
            pField->setText("abc");
            pField->setFocus();
            QTest::keyClick(pField, Qt::Key_Return);
            selections << window.Sel();
            QTest::keyClick(pField, Qt::Key_Return);
            selections << window.Sel();
            QTest::keyClick(pField, Qt::Key_Return, Qt::ShiftModifier);
            selections << window.Sel();
            QTest::keyClick(pField, Qt::Key_Enter, Qt::ShiftModifier);
            selections << window.Sel();
            // Over the match, then on to the next one on the same line.
            const QRect match = window.m_pView->SelectionScreenRect();
            const QPoint covering(match.left() - 5, match.top() - 5);
            dialog.move(covering);
            bCoveredBefore = QTest::qWaitFor([&] { return dialog.pos() == covering; }, 5000) &&
                             dialog.frameGeometry().intersects(window.m_pView->SelectionScreenRect());
            QTest::keyClick(pField, Qt::Key_Return);
            selections << window.Sel();
            dialogAfter = dialog.frameGeometry();
            matchAfter = window.m_pView->SelectionScreenRect();
            screen = dialog.screen()->availableGeometry();
            dialog.hide();
            return int(QDialog::Rejected);
        };
        QVERIFY(window.Run(kEditFind));
        QCOMPARE(selections, (QList<QPair<int, int>>{{0, 3}, {6, 9}, {0, 3}, {12, 15}, {0, 3}}));
        QCOMPARE(window.m_fixture.App().LastSearch().m_strFindWhat, QString("abc"));
        QVERIFY(bCoveredBefore);
        QVERIFY2(!dialogAfter.intersects(matchAfter), "the dialog still covers the match");
        QVERIFY(screen.contains(dialogAfter));
    }
};

QTEST_MAIN(EditorNavigationTest)
#include "EditorNavigationTest.moc"
