#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"

#include <QLabel>
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
};

QTEST_MAIN(StatusPanesTest)
#include "StatusPanesTest.moc"
