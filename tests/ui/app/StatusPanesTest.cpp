#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/MdiChildFrame.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

namespace {
// The room a pane's text has: its width less its frame and margins.
int TextRoom(const QLabel& pane)
{
    return pane.contentsRect().width() - 2 * pane.margin() - 2 * pane.indent() * (pane.indent() > 0);
}

// Every pane the status bar shows, left to right.
QList<QLabel*> ShownPanes(CMainFrame& frame)
{
    QList<QLabel*> panes;
    for (QLabel* pPane : frame.statusBar()->findChildren<QLabel*>())
        if (pPane->isVisible())
            panes << pPane;
    std::sort(panes.begin(), panes.end(), [](QLabel* pA, QLabel* pB) { return pA->x() < pB->x(); });
    return panes;
}

// The line and column panes as one text.
QString LineAndColumn(CMainFrame& frame)
{
    return frame.LinePaneText() + " " + frame.ColumnPaneText();
}

// Twelve lines; "needle" on the eighth, columns 9 to 14.
QByteArray TwelveLines()
{
    QByteArray source;
    for (int i = 1; i <= 12; ++i)
        source += i == 8 ? "    int needle = 8;\n" : "    // line\n";
    return source;
}
} // namespace

class StatusPanesTest : public QObject {
    Q_OBJECT
private slots:
    void lineAndColumnPanesHoldSixDigits()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        frame.show();
        for (QLabel* pPane : {frame.LinePane(), frame.ColumnPane()}) {
            const QFontMetrics metrics(pPane->font());
            const QString strWidest = pPane == frame.LinePane() ? "Line: 999999" : "Col: 999999";
            QVERIFY2(TextRoom(*pPane) >= metrics.horizontalAdvance(strWidest), qPrintable(pPane->objectName()));
        }
        // The width is fixed whatever the text: a long line number does not
        // push the message pane about.
        const int nWidth = frame.LinePane()->width();
        frame.SetLinePaneText("Line: 40003");
        frame.SetColumnPaneText("Col: 1");
        QCoreApplication::processEvents();
        QCOMPARE(frame.LinePane()->width(), nWidth);
        QCOMPARE(frame.ColumnPane()->width(), frame.LinePane()->width());
        QCOMPARE(frame.LinePaneText(), QString("Line: 40003"));
    }

    void panesFollowALargerFont()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        frame.show();
        QFont font = frame.statusBar()->font();
        font.setPointSize(font.pointSize() * 2);
        frame.statusBar()->setFont(font);
        QCoreApplication::processEvents();
        const QFontMetrics metrics(frame.LinePane()->font());
        QCOMPARE(frame.LinePane()->font().pointSize(), font.pointSize());
        QVERIFY(TextRoom(*frame.LinePane()) >= metrics.horizontalAdvance("Line: 999999"));
    }

    void noEmptyLockBoxesAreShown()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        frame.show();
        frame.SetLinePaneText("Line: 1");
        frame.SetColumnPaneText("Col: 1");
        QCoreApplication::processEvents();
        QStringList names;
        for (QLabel* pPane : ShownPanes(frame)) {
            names << pPane->objectName();
            QVERIFY2(!pPane->text().isEmpty(), qPrintable(pPane->objectName()));
        }
        QCOMPARE(names, (QStringList{"MessagePane", "LinePane", "ColumnPane"}));
    }

    // However the caret of the active editor moves, the panes say where it
    // is now: Find, opening a file, switching windows, keys.
    void panesFollowTheActiveEditorsCaret()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.ShowActive());
        CMainFrame& frame = *fixture.App().MainFrame();
        CSyntaxWindowView* pA = OpenJava(fixture, "A.java", TwelveLines())->FirstView();
        QTRY_COMPARE(LineAndColumn(frame), QString("Line: 1 Col: 1"));
        fixture.PressKey(Qt::Key_Down);
        fixture.PressKey(Qt::Key_End);
        QCOMPARE(LineAndColumn(frame), QString("Line: 2 Col: 12"));

        // Find selects the match on line 8: the panes give the match's end.
        // Ctrl+F goes down in the editor and up in the dialog it opened; the
        // match is chosen and the dialog closed with the mouse.
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.show();
            QTest::keyRelease(&dialog, Qt::Key_F, Qt::ControlModifier);
            dialog.findChild<QLineEdit*>("findWhat")->setText("needle");
            QTest::mouseClick(dialog.findChild<QPushButton*>("findNext"), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        QTest::keyPress(pA, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Find"});
        QCOMPARE(QByteArray::fromStdString(pA->SelectedBytes()), QByteArray("needle"));
        QTRY_COMPARE(LineAndColumn(frame), QString("Line: 8 Col: 15"));
        // The window system hands the activation back when the dialog goes.
        QVERIFY(fixture.ShowActive());

        // A file opened now shows its own caret, not the last window's.
        QVERIFY(OpenJava(fixture, "B.java", "class B {\n}\n"));
        QTRY_COMPARE(LineAndColumn(frame), QString("Line: 1 Col: 1"));
        fixture.PressKey(Qt::Key_End);
        QCOMPARE(LineAndColumn(frame), QString("Line: 1 Col: 10"));

        // Switching windows shows the caret of the window switched to: by a
        // click on its caption, and by Ctrl+F6.
        CMdiChildFrame* pFrameA = pA->GetDocument()->FirstFrame();
        QTest::mouseClick(pFrameA, Qt::LeftButton, {}, QPoint(pFrameA->width() / 2, 4));
        QTRY_COMPARE(frame.ActiveChildFrame(), pFrameA);
        QTRY_COMPARE(LineAndColumn(frame), QString("Line: 8 Col: 15"));
        fixture.PressKey(Qt::Key_F6, Qt::ControlModifier);
        QTRY_COMPARE(LineAndColumn(frame), QString("Line: 1 Col: 10"));

        // With no editor left there is no caret to tell of.
        for (int nLeft : {1, 0}) {
            QVERIFY(fixture.App().Router().Execute(CommandIds::kFileClose));
            QTRY_COMPARE(fixture.FrameCount(), nLeft);
        }
        QTRY_COMPARE(LineAndColumn(frame), QString(" "));
    }
};

QTEST_MAIN(StatusPanesTest)
#include "StatusPanesTest.moc"
