#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/bars/ProcessBar.h"
#include "ui/bars/ProjectBar.h"
#include "ui/project/ProjectTreeDlg.h"
#include "ui/tools/ProcessOutputEdit.h"
#include "ui/tools/ProcessWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTreeWidget>
#include <QtTest>

namespace {
// Starts a shell script on the application's runner and hands back the runner.
CExternalProcess& StartScript(CAppFixture& fixture, const std::string& strScript)
{
    CExternalProcess& runner = fixture.App().ToolRunner();
    if (!runner.Start("/bin/sh", {"sh", "-c", strScript}, "/tmp"))
        qFatal("the script did not start: %s", strScript.c_str());
    return runner;
}
} // namespace

class ProcessWindowTest : public QObject {
    Q_OBJECT
private slots:
    void quietToolEndsWithExitCodeAndVerdict()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        fixture.App().SetProcessTitle("Building \"/tmp/Quiet.java\"");
        CProcessWindow window(&fixture.App());
        window.Create(StartScript(fixture, "sleep 0.3"), nullptr);
        QVERIFY(window.IsWatching());
        QVERIFY(window.StopButton()->isEnabled());
        QCOMPARE(window.TitleText(), QString("Building \"/tmp/Quiet.java\""));
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QCOMPARE(window.OutputText(), QString("Exit code: 0\nNo Errors"));
        QCOMPARE(window.ProgressPosition(), 100);
        QVERIFY(!window.StopButton()->isEnabled());
        QVERIFY(!window.HoldsRunner());
        QCOMPARE(fixture.App().MainFrame()->StatusPaneText(), QString("External process complete"));
    }

    void toolbarFollowsTheEndOfARun()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        fixture.App().OpenDocumentFile(fixture.WriteFile("Demo.jpr", "project"));
        QAction* pRun = fixture.App().MainFrame()->findChild<QAction*>("command_32776");
        QVERIFY(pRun);
        CProcessWindow window(&fixture.App());
        window.Create(StartScript(fixture, "sleep 0.3"), nullptr);
        fixture.App().MainFrame()->UpdateCommandStates();
        QVERIFY(!pRun->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QVERIFY(pRun->isEnabled());
    }

    void outputGrowsLineByLine()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.Create(StartScript(fixture, "printf 'one\\r'; sleep 0.3; printf '\\ntwo\\nthree'; exit 3"), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(window.OutputText().startsWith("one"), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QCOMPARE(window.OutputText(), QString("one\ntwo\nthreeExit code: 3\nThere were errors"));
    }

    void outputLargerThanOneTickArrivesWhole()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        // 30,000 numbered lines (about 1 MB), several ticks' worth, in one burst.
        window.Create(StartScript(fixture, "seq -w 1 30000 | sed 's/$/ of the lines/'"), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 20000);
        QString strExpected;
        for (int i = 1; i <= 30000; ++i)
            strExpected += QString("%1 of the lines\n").arg(i, 5, 10, QChar('0'));
        strExpected += "Exit code: 0\nNo Errors";
        QCOMPARE(window.OutputText().size(), strExpected.size());
        QVERIFY(window.OutputText() == strExpected);
        QCOMPARE(window.ProgressPosition(), 100);
    }

    void stopAsksAndCancelKeepsTheToolRunning()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.Create(StartScript(fixture, "echo started; sleep 30"), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(window.OutputText().startsWith("started"), 3000);
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        window.StopButton()->click();
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"The process is still running, do you wish to abort it?"});
        QVERIFY(fixture.App().ToolRunner().IsRunning());
        QVERIFY(window.IsWatching());
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        window.StopButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QCOMPARE(window.OutputText(), QString("started\nExit code: 11\nProcess terminated by user."));
        QVERIFY(!fixture.App().ToolRunner().IsRunning());
        // With nothing running the button asks nothing.
        window.StopButton()->setEnabled(true);
        window.StopButton()->click();
        QCOMPARE(fixture.Prompts().m_messages.size(), 2);
    }

    void windowFollowsTheRunnerItIsGiven()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CExternalProcess& appRunner = StartScript(fixture, "echo app; exec sleep 30");
        CExternalProcess runner;
        QVERIFY(runner.Start("/bin/sh", {"sh", "-c", "echo own; sleep 0.3; exit 2"}, "/tmp"));
        CProcessWindow window(&fixture.App());
        window.Create(runner, nullptr);
        QVERIFY(window.HoldsRunner());
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QCOMPARE(window.OutputText(), QString("own\nExit code: 2\nThere were errors"));
        QVERIFY(!window.HoldsRunner());
        // The application's run is not this window's.
        QVERIFY(appRunner.IsRunning());
        QVERIFY(fixture.App().IsToolRunning());
        fixture.App().StopRunningTool();
        QCOMPARE(appRunner.GetOutput(), std::string("app\r\nExit code: 11\r\nProcess terminated by user."));
        QCOMPARE(window.OutputText(), QString("own\nExit code: 2\nThere were errors"));
    }

    void doubleClickReportsTheCaretLine()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QList<int> lines;
        CProcessWindow window(&fixture.App());
        window.resize(600, 200);
        window.show();
        window.Create(StartScript(fixture, "printf 'Hello.java:5: error: x\\nline two\\n'; exit 1"),
                      [&lines](int nLine) { lines << nLine; });
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        CProcessOutputEdit* pEdit = window.OutputEdit();
        QTextCursor cursor(pEdit->document()->findBlockByNumber(1));
        QPoint point = pEdit->cursorRect(cursor).center() + QPoint(4, 0);
        QTest::mouseDClick(pEdit->viewport(), Qt::LeftButton, Qt::NoModifier, point);
        QCOMPARE(lines, QList<int>{1});
        QCOMPARE(pEdit->textCursor().selectedText(), QString("line"));
    }

    void secondRunClearsTheText()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.Create(StartScript(fixture, "echo first"), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QVERIFY(window.Attach(StartScript(fixture, "sleep 0.3; echo second"), nullptr));
        QCOMPARE(window.ProgressPosition(), 0);
        QVERIFY(!window.OutputText().contains("first"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QCOMPARE(window.OutputText(), QString("second\nExit code: 0\nNo Errors"));
    }

    void windowKeepsTheNewestOutput()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/OUTPUTLIMITMB", 1);
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        QCOMPARE(window.OutputLimit(), std::size_t(1) << 20);
        // 2.1 MB of numbered lines, then quiet until stopped.
        window.Create(StartScript(fixture, "seq -w 1 300000; echo done; exec sleep 30"), nullptr);
        const QString strNote = "[Earlier output was dropped: only the last 1 MB are kept.]\n";
        QTRY_VERIFY_WITH_TIMEOUT(window.OutputText().endsWith("\ndone\n"), 30000);
        QString strText = window.OutputText();
        QVERIFY(strText.startsWith(strNote));
        QVERIFY(strText.size() <= strNote.size() + (1 << 20));
        QVERIFY(strText.size() >= strNote.size() + (1 << 20) * 7 / 8 - CProcessWindow::kDisplayLineChars);
        // Whole lines after the note, counting up to the end of the numbers.
        const QStringList lines = strText.mid(strNote.size()).split('\n');
        const int nFirst = lines.front().toInt();
        QVERIFY(nFirst > 100000);
        int nLine = 0;
        for (; lines[nLine] != "done"; ++nLine)
            QCOMPARE(lines[nLine], QString("%1").arg(nFirst + nLine, 6, 10, QChar('0')));
        QCOMPARE(nFirst + nLine - 1, 300000);
        QCOMPARE(window.LineText(0), strNote.chopped(1));
        QCOMPARE(window.LineText(1), lines.front());

        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        window.StopButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 10000);
        strText = window.OutputText();
        QVERIFY(strText.startsWith(strNote + lines.front() + "\n"));
        QVERIFY(strText.endsWith("\n300000\ndone\nExit code: 11\nProcess terminated by user."));
    }

    void windowLimitAndItsNote()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        // The settings' 64 MB is more than the window shows.
        QCOMPARE(window.OutputLimit(), CProcessWindow::kMostShownChars);
        window.SetOutputLimit(3 << 20);
        QCOMPARE(window.OutputLimit(), std::size_t(3) << 20);
        window.SetOutputLimit(std::size_t(64) << 20);
        QCOMPARE(window.OutputLimit(), CProcessWindow::kMostShownChars);
        // The note's texts: tests/core/tools/OutputDisplayTest.cpp.
    }

    void floodStaysWithinTheLimitAndStopEndsIt()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.SetOutputLimit(256 * 1024);
        CExternalProcess& runner = fixture.App().ToolRunner();
        QVERIFY(runner.Start("/usr/bin/yes", {"yes"}, "/tmp", 256 * 1024));
        window.Create(runner, nullptr);
        const QString strNote = "[Earlier output was dropped: only the last 256 KB are kept.]\n";
        QTRY_VERIFY_WITH_TIMEOUT(window.OutputText().startsWith(strNote), 10000);
        QTest::qWait(1000);
        QVERIFY(window.OutputText().size() <= strNote.size() + 256 * 1024);
        QVERIFY(runner.GetOutput().size() <= 256 * 1024);
        QVERIFY(runner.GetOutputLength() > 10 * 256 * 1024);

        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        window.StopButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 10000);
        const QString strText = window.OutputText();
        QVERIFY(strText.startsWith(strNote));
        QVERIFY(strText.size() <= strNote.size() + 256 * 1024);
        QVERIFY(strText.endsWith("y\ny\nExit code: 11\nProcess terminated by user."));
        QVERIFY(!runner.IsRunning());
    }

    void longLinesAreShownInDisplayLines()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        QList<int> lines;
        window.Create(StartScript(fixture, "head -c 10000 /dev/zero | tr '\\0' x; printf '\\nHello.java:3: error\\n'"),
                      [&lines](int nLine) { lines << nLine; });
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 10000);
        const int nMax = CProcessWindow::kDisplayLineChars;
        QString strExpected;
        for (int nAt = 0; nAt < 10000; nAt += nMax)
            strExpected += QString(qMin(nMax, 10000 - nAt), 'x') + "\n";
        strExpected += "Hello.java:3: error\nExit code: 0\nNo Errors";
        QCOMPARE(window.OutputText(), strExpected);
        // The line index a double-click reports names the line as shown.
        const int nError = (10000 + nMax - 1) / nMax;
        QCOMPARE(window.LineText(nError), QString("Hello.java:3: error"));
        QCOMPARE(window.LineText(0), QString(nMax, 'x'));
        QCOMPARE(window.LineText(nError + 3), QString());
        window.resize(600, 200);
        window.show();
        CProcessOutputEdit* pEdit = window.OutputEdit();
        pEdit->verticalScrollBar()->setValue(pEdit->verticalScrollBar()->maximum());
        QTextCursor cursor(pEdit->document()->findBlockByNumber(nError));
        QTest::mouseDClick(pEdit->viewport(), Qt::LeftButton, Qt::NoModifier,
                           pEdit->cursorRect(cursor).center() + QPoint(4, 0));
        QCOMPARE(lines, QList<int>{nError});
    }

    void ctrlHomeAndCtrlEndGoToStartAndEndOfTheOutput()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.resize(600, 150);
        window.show();
        window.Create(StartScript(fixture, "i=0; while [ $i -lt 200 ]; do echo line$i; i=$((i+1)); done;"
                                           " sleep 1.5; echo late; sleep 1.5"),
                      nullptr);
        CProcessOutputEdit* pEdit = window.OutputEdit();
        QScrollBar* pBar = pEdit->verticalScrollBar();
        auto atEnd = [pEdit] { return pEdit->textCursor().position() == pEdit->document()->characterCount() - 1; };
        QTRY_VERIFY_WITH_TIMEOUT(window.OutputText().contains("line199"), 20000);
        QVERIFY(pBar->maximum() > 0);
        // It follows the output, also once the layout has caught up.
        QTRY_COMPARE_WITH_TIMEOUT(pBar->value(), pBar->maximum(), 20000);
        QVERIFY(atEnd());

        pEdit->setFocus();
        QTest::keyClick(pEdit, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(pEdit->textCursor().position(), 0);
        QCOMPARE(pBar->value(), 0);
        // New output leaves the view where the user put it.
        QTRY_VERIFY_WITH_TIMEOUT(window.OutputText().contains("late"), 20000);
        QCOMPARE(pEdit->textCursor().position(), 0);
        QCOMPARE(pBar->value(), 0);

        // Ctrl+End goes to the end and follows the output again.
        QTest::keyClick(pEdit, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(atEnd());
        QTRY_COMPARE_WITH_TIMEOUT(pBar->value(), pBar->maximum(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 20000);
        QVERIFY(window.OutputText().endsWith("late\nExit code: 0\nNo Errors"));
        QVERIFY(atEnd());
        QTRY_COMPARE_WITH_TIMEOUT(pBar->value(), pBar->maximum(), 20000);
    }

    void endOfRunLeavesTheFocusOnTheOutput()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.Create(StartScript(fixture, "echo one; sleep 0.5"), nullptr);
        window.StopButton()->setFocus();
        QTRY_VERIFY(window.StopButton()->hasFocus());
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        // Stop is disabled; the run title is not selected as the next stop.
        QVERIFY(!window.findChild<QLineEdit*>("RunTitle")->hasFocus());
        QVERIFY(window.OutputEdit()->hasFocus());
    }

    void barsDockWhereTheyMayWithTheirFirstSizes()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        frame.resize(1000, 700);
        CProjectBar projectBar("Demo", frame);
        CProcessBar processBar(frame);
        QVERIFY(!projectBar.isVisible());
        projectBar.Create(new QTreeWidget);
        auto* pWindow = new CProcessWindow;
        processBar.Create(pWindow);
        fixture.App().SetProcessTitle("Building \"/tmp/Hello.java\"");
        pWindow->Attach(StartScript(fixture, "printf 'Hello.java:5: error: expected\\n  int x\\n'; exit 1"), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 5000);
        if (qEnvironmentVariableIsSet("TARNWICK_SCREENSHOTS"))
            frame.grab().save(qEnvironmentVariable("TARNWICK_SCREENSHOTS") + "/bars.png");
        QCOMPARE(projectBar.allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        QCOMPARE(processBar.allowedAreas(), Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
        QCOMPARE(frame.dockWidgetArea(&projectBar), Qt::LeftDockWidgetArea);
        QCOMPARE(frame.dockWidgetArea(&processBar), Qt::BottomDockWidgetArea);
        QCOMPARE(processBar.windowTitle(), QString("Process Window"));
        QCOMPARE(projectBar.DockedVertSize(), QSize(184, 175));
        QCOMPARE(projectBar.DockedHorzSize(), QSize(175, 184));
        QCOMPARE(processBar.DockedHorzSize(), QSize(150, 159));
        QCOMPARE(processBar.FloatingSize(), QSize(150, 150));
        QTRY_COMPARE(projectBar.width(), 184);
        QTRY_COMPARE(processBar.height(), 159);
        // Never below 32 pixels; the title bar's buttons may ask for more.
        QVERIFY(projectBar.minimumWidth() >= 32);
        QVERIFY(processBar.minimumHeight() >= 32);
    }

    void barsKeepTheirSizesOnEverySideAndFloating()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        frame.resize(1000, 700);
        frame.show();
        CProjectBar projectBar("Demo", frame);
        CProcessBar processBar(frame);
        projectBar.Create(new CProjectTreeDlg(fixture.Prompts()));
        auto* pWindow = new CProcessWindow;
        processBar.Create(pWindow);
        QTRY_COMPARE(processBar.height(), 159);
        QTRY_COMPARE(projectBar.width(), 184);

        // Docked on the right, the project window keeps its width (the
        // window asks for no size of its own).
        frame.addDockWidget(Qt::RightDockWidgetArea, &projectBar);
        QTRY_COMPARE(frame.dockWidgetArea(&projectBar), Qt::RightDockWidgetArea);
        QTRY_COMPARE(projectBar.width(), 184);
        frame.removeDockWidget(&projectBar);
        frame.addDockWidget(Qt::RightDockWidgetArea, &projectBar);
        projectBar.show();
        QTRY_COMPARE(frame.dockWidgetArea(&projectBar), Qt::RightDockWidgetArea);
        QTRY_COMPARE(projectBar.width(), 184);
        frame.addDockWidget(Qt::LeftDockWidgetArea, &projectBar);
        QTRY_COMPARE(projectBar.width(), 184);

        // Floating, the process window is 150 by 150 and its run title and
        // progress stay in view beside the Stop button.
        processBar.setFloating(true);
        QTRY_COMPARE(processBar.size(), QSize(150, 150));
        QTRY_COMPARE(pWindow->size(), QSize(150, 150));
        auto* pStop = pWindow->findChild<QWidget*>("StopButton");
        auto* pProgress = pWindow->findChild<QWidget*>("Progress");
        auto* pTitle = pWindow->findChild<QWidget*>("RunTitle");
        for (QWidget* pControl : {pStop, pProgress, pTitle}) {
            QVERIFY(pControl->geometry().left() >= 0);
            QVERIFY2(pControl->geometry().right() < 150, qPrintable(pControl->objectName()));
            QVERIFY(pControl->width() >= 20);
        }
        QVERIFY(pStop->geometry().right() < pProgress->geometry().left());
        QVERIFY(pProgress->geometry().right() < pTitle->geometry().left());
        projectBar.setFloating(true);
        QTRY_COMPARE(projectBar.size(), QSize(175, 175));

        // Docked again, each has its docked size.
        processBar.setFloating(false);
        QTRY_COMPARE(frame.dockWidgetArea(&processBar), Qt::BottomDockWidgetArea);
        QTRY_COMPARE(processBar.height(), 159);
        projectBar.setFloating(false);
        QTRY_COMPARE(projectBar.width(), 184);

        // A size the user gives by dragging the edge is kept through floating
        // and docking again, and at the other side.
        frame.resizeDocks({&processBar}, {240}, Qt::Vertical);
        frame.resizeDocks({&projectBar}, {220}, Qt::Horizontal);
        QTRY_COMPARE(processBar.height(), 240);
        QTRY_COMPARE(projectBar.width(), 220);
        processBar.setFloating(true);
        QTRY_COMPARE(processBar.size(), QSize(150, 150));
        processBar.setFloating(false);
        QTRY_COMPARE(frame.dockWidgetArea(&processBar), Qt::BottomDockWidgetArea);
        QTRY_COMPARE(processBar.height(), 240);
        frame.removeDockWidget(&projectBar);
        frame.addDockWidget(Qt::RightDockWidgetArea, &projectBar);
        projectBar.show();
        QTRY_COMPARE(frame.dockWidgetArea(&projectBar), Qt::RightDockWidgetArea);
        QTRY_COMPARE(projectBar.width(), 220);
        QCOMPARE(processBar.DockedHorzSize(), QSize(150, 240));
        QCOMPARE(projectBar.DockedVertSize(), QSize(220, 175));
    }

    void closeHidesAndToggleShowsTheSameContents()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        CProjectBar bar("Demo", frame);
        auto* pTree = new QTreeWidget;
        pTree->addTopLevelItem(new QTreeWidgetItem(QStringList{"Hello.java"}));
        bar.Create(pTree);
        QVERIFY(bar.isVisible());
        bar.close();
        QVERIFY(!bar.isVisible());
        bar.ToggleVisible();
        QVERIFY(bar.isVisible());
        QCOMPARE(bar.HostedWidget(), pTree);
        QCOMPARE(pTree->topLevelItem(0)->text(0), QString("Hello.java"));
        bar.setFloating(true);
        QVERIFY(bar.isFloating());
        QTest::mouseDClick(pTree, Qt::LeftButton);
        QVERIFY(!bar.isFloating());
    }
};

QTEST_MAIN(ProcessWindowTest)
#include "ProcessWindowTest.moc"
