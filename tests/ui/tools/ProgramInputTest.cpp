#include "core/app/CommandIds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaProjectCore.h"
#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/bars/ProcessBar.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/tools/ProcessOutputEdit.h"
#include "ui/tools/ProcessWindow.h"
#include "ui/tools/ProgramInputEdit.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include <csignal>

using namespace CommandIds;

namespace {
// Asks for two lines, answers each in capitals, and says so when its input
// ends before the second.
const char* const kEchoSource = R"(import java.io.*;

public class Echo {
    public static void main(String[] args) throws IOException {
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));
        int n = 0;
        while (n < 2) {
            System.out.print("Line " + (n + 1) + "? ");
            System.out.flush();
            String line = in.readLine();
            if (line == null) {
                System.out.println();
                System.out.println("end of input after " + n);
                return;
            }
            n++;
            System.out.println("You said " + line.toUpperCase());
        }
        System.out.println("two lines read");
    }
}
)";

void UseTheRealJdk(CAppFixture& fixture)
{
    fixture.PresetSettings().setValue(
        "PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(&CJdkLocator::ReadProcessEnvironment)));
    fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
}

// The main window shown and active, so the focus can be checked.
bool ShowMainFrame(CAppFixture& fixture)
{
    CMainFrame* pFrame = fixture.App().MainFrame();
    pFrame->resize(900, 600);
    pFrame->show();
    pFrame->activateWindow();
    return QTest::qWaitForWindowActive(pFrame);
}

// A project with Echo.java as its main file, built; null when the build fails.
CJavaProjectDoc* BuildEchoProject(CAppFixture& fixture)
{
    CJavaProjectCore core("", "");
    const QString strPath = fixture.TempPath("Echo.jpr");
    core.SetPathName(strPath.toStdString());
    std::string strError;
    if (!core.SaveAs(strPath.toStdString(), strError))
        return nullptr;
    auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(strPath));
    if (!pProject || !pProject->AddJavaFile(fixture.WriteFile("Echo.java", kEchoSource)))
        return nullptr;
    pProject->SetMainFile("Echo.java");
    if (!fixture.App().Router().Execute(kBuild) || !pProject->ProcessWindow())
        return nullptr;
    CProcessWindow* pWindow = pProject->ProcessWindow();
    if (!QTest::qWaitFor([pWindow] { return !pWindow->IsWatching(); }, 60000))
        return nullptr;
    if (pWindow->OutputText() != "Exit code: 0\nNo Errors") {
        qWarning("build: %s", qPrintable(pWindow->OutputText()));
        return nullptr;
    }
    return pProject;
}

// Types a line and Enter into the input line, as the user does.
void TypeLine(CProcessWindow* pWindow, const QString& strLine)
{
    QTest::keyClicks(pWindow->InputEdit(), strLine);
    QTest::keyClick(pWindow->InputEdit(), Qt::Key_Return);
}

// The pipe signal at its default, which ends the process: the window must
// not rely on anyone ignoring it.
struct CDefaultPipeSignal {
    void (*m_pSaved)(int) = std::signal(SIGPIPE, SIG_DFL);
    ~CDefaultPipeSignal() { std::signal(SIGPIPE, m_pSaved); }
};

// Starts a shell script with an input pipe on the application's runner.
CExternalProcess& StartReadingScript(CAppFixture& fixture, const std::string& strScript, const QString& strFolder)
{
    CExternalProcess& runner = fixture.App().ToolRunner();
    runner.FeedInput(true);
    if (!runner.Start("/bin/sh", {"sh", "-c", strScript}, strFolder.toStdString()))
        qFatal("the script did not start: %s", strScript.c_str());
    return runner;
}
} // namespace

class ProgramInputTest : public QObject {
    Q_OBJECT
private slots:
    void typedLinesReachTheRunningProgram()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        QVERIFY(fixture.Start({}, false));
        QVERIFY(ShowMainFrame(fixture));
        CJavaProjectDoc* pProject = BuildEchoProject(fixture);
        QVERIFY(pProject);
        CProcessWindow* pWindow = pProject->ProcessWindow();
        // No input line for javac.
        QVERIFY(!pWindow->TakesInput());
        QVERIFY(fixture.App().Router().Execute(kProgramInput));
        QVERIFY(fixture.App().Settings().m_bProgramInput);

        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        CProgramInputEdit* pInput = pWindow->findChild<CProgramInputEdit*>("ProgramInput");
        QVERIFY(pInput);
        QVERIFY(pWindow->TakesInput());
        QVERIFY(pInput->isVisible());
        QVERIFY(pInput->isEnabled());
        QTRY_VERIFY(pInput->hasFocus()); // the user can type at once
        // Under the output, as wide as the window.
        QCOMPARE(pInput->geometry().top(), pWindow->OutputEdit()->geometry().bottom() + 1);
        QCOMPARE(pInput->geometry().bottom(), pWindow->height() - 1);
        QCOMPARE(pInput->width(), pWindow->width());

        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("Line 1? "), 30000);
        TypeLine(pWindow, "first");
        QCOMPARE(pInput->text(), QString()); // sent and cleared
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("Line 1? first\nYou said FIRST\nLine 2? "), 10000);
        QTest::keyClicks(pInput, "second");
        if (qEnvironmentVariableIsSet("TARNWICK_SCREENSHOTS"))
            fixture.App().MainFrame()->grab().save(qEnvironmentVariable("TARNWICK_SCREENSHOTS") + "/input-run.png");
        QTest::keyClick(pInput, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 10000);
        const QString strWhole("Line 1? first\nYou said FIRST\nLine 2? second\nYou said SECOND\n"
                               "two lines read\nExit code: 0\nNo Errors");
        QCOMPARE(pWindow->OutputText(), strWhole);
        // The echoes are the run's output: shown again from it, they are still there.
        pWindow->Attach(fixture.App().ToolRunner(), nullptr);
        QCOMPARE(pWindow->OutputText(), strWhole);
        // The run is over: the line goes, and the output has the focus.
        QVERIFY(!pWindow->TakesInput());
        QVERIFY(!pInput->isVisible());
        QVERIFY(pWindow->OutputEdit()->hasFocus());
        QCOMPARE(pWindow->OutputEdit()->geometry().bottom(), pWindow->height() - 1);
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
    }

    void ctrlDEndsTheInput()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        fixture.PresetSettings().setValue("OPTIONS/PROGRAMINPUT", 1);
        QVERIFY(fixture.Start({}, false));
        QVERIFY(ShowMainFrame(fixture));
        CJavaProjectDoc* pProject = BuildEchoProject(fixture);
        QVERIFY(pProject);
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        CProgramInputEdit* pInput = pWindow->InputEdit();
        QTRY_VERIFY(pInput->hasFocus());
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("Line 1? "), 30000);
        TypeLine(pWindow, "only one");
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("Line 1? only one\nYou said ONLY ONE\nLine 2? "),
                                  10000);
        // Typed, not sent: Ctrl+D ends the input without it, as a terminal does.
        QTest::keyClicks(pInput, "unsent");
        QTest::keyClick(pInput, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!pInput->isEnabled());
        QVERIFY(pWindow->OutputEdit()->hasFocus());
        // The program ends by itself.
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 10000);
        QCOMPARE(pWindow->OutputText(), QString("Line 1? only one\nYou said ONLY ONE\nLine 2? \n"
                                                "end of input after 1\nExit code: 0\nNo Errors"));
        QVERIFY(!pWindow->TakesInput());

        // The next run has a fresh line again.
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QVERIFY(pInput->isEnabled());
        QVERIFY(pInput->isVisible());
        QCOMPARE(pInput->text(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("Line 1? "), 30000);
        QTest::keyClick(pInput, Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 10000);
        QCOMPARE(pWindow->OutputText(), QString("Line 1? \nend of input after 0\nExit code: 0\nNo Errors"));
    }

    void withoutProgramInputTheProgramReadsNothing()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        QVERIFY(fixture.Start({}, false));
        QVERIFY(ShowMainFrame(fixture));
        QVERIFY(!fixture.App().Settings().m_bProgramInput); // off unless asked for
        CJavaProjectDoc* pProject = BuildEchoProject(fixture);
        QVERIFY(pProject);
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QVERIFY(!pWindow->TakesInput());
        QVERIFY(!pWindow->InputEdit()->isVisible());
        QCOMPARE(fixture.App().ToolRunner().GetInputFd(), -1);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QCOMPARE(pWindow->OutputText(), QString("Line 1? \nend of input after 0\nExit code: 0\nNo Errors"));
        QCOMPARE(pWindow->OutputEdit()->geometry().bottom(), pWindow->height() - 1);
    }

    void inputTheProgramDoesNotReadYetWaits()
    {
        CDefaultPipeSignal defaultPipe;
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.resize(600, 150);
        window.show();
        // It reads nothing until told to: 40 lines of 2000 bytes, more than
        // a pipe holds, must wait without holding up the window.
        CExternalProcess& runner =
            StartReadingScript(fixture, "while [ ! -e go ]; do sleep 0.02; done; wc -c", fixture.TempPath(""));
        window.Create(runner, nullptr);
        QVERIFY(window.TakesInput());
        QString strExpected;
        for (int nLine = 0; nLine < 40; ++nLine) {
            const QString strLine(1999, QChar('a' + nLine % 26));
            window.InputEdit()->setText(strLine); // pasted
            QTest::keyClick(window.InputEdit(), Qt::Key_Return);
            strExpected += strLine + '\n';
        }
        QVERIFY(window.PendingInput() > 0);
        QVERIFY(runner.IsRunning());
        // Ended while some waits: all is written first.
        QTest::keyClick(window.InputEdit(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(!window.InputEdit()->isEnabled());
        QVERIFY(window.PendingInput() > 0);
        fixture.WriteFile("go", "");
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 20000);
        QCOMPARE(window.OutputText(), strExpected + "80000\nExit code: 0\nNo Errors");
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
    }

    void pastedLineBreaksSendLinesAndTheRestStaysTyped()
    {
        CDefaultPipeSignal defaultPipe;
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.resize(600, 150);
        window.show();
        CExternalProcess& runner =
            StartReadingScript(fixture, "while [ ! -e go ]; do sleep 0.02; done; tr a-z A-Z", fixture.TempPath(""));
        window.Create(runner, nullptr);
        CProgramInputEdit* pInput = window.InputEdit();
        QTest::keyClicks(pInput, "first [] end");
        pInput->setSelection(6, 2); // "[]" is replaced by what is pasted
        QGuiApplication::clipboard()->setText("one\r\ntwo\rthree ");
        QTest::keyClick(pInput, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pInput->text(), QString("three  end"));
        QCOMPARE(pInput->cursorPosition(), 6);
        QTest::keyClick(pInput, Qt::Key_Return);
        QTest::keyClick(pInput, Qt::Key_D, Qt::ControlModifier);
        fixture.WriteFile("go", "");
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 20000);
        QCOMPARE(window.OutputText(), QString("first one\ntwo\nthree  end\nFIRST ONE\nTWO\nTHREE  END\n"
                                              "Exit code: 0\nNo Errors"));
    }

    void tenMegabytePasteIsSentWholeAndTheLineKeepsItsLimit()
    {
        CDefaultPipeSignal defaultPipe;
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.resize(600, 150);
        window.show();
        CExternalProcess& runner = StartReadingScript(fixture, "wc -c", fixture.TempPath(""));
        window.Create(runner, nullptr);
        QString strLines;
        const QString strLine = QString(99, 'x') + '\n';
        for (int nLine = 0; nLine < 100000; ++nLine)
            strLines += strLine;
        QGuiApplication::clipboard()->setText(strLines + QString(100000, 'y'));
        QTest::keyClick(window.InputEdit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window.InputEdit()->text(), QString(CProgramInputEdit::kMaxLineLength, 'y'));
        // Ended with the unfinished line unsent: the program read the lines only.
        QTest::keyClick(window.InputEdit(), Qt::Key_D, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 60000);
        const QString strOutput = window.OutputText();
        // The echo is more than the window keeps: its oldest whole lines went.
        QVERIFY2(strOutput.startsWith("[Earlier output was dropped: only the last 8 MB are kept.]\n" + strLine),
                 qPrintable(strOutput.left(200)));
        QVERIFY2(strOutput.endsWith(strLine + "10000000\nExit code: 0\nNo Errors"), qPrintable(strOutput.right(200)));
    }

    void programThatStopsReadingDropsWhatWaits()
    {
        CDefaultPipeSignal defaultPipe;
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // It closes its input unread and runs on long enough for the window to notice.
        CExternalProcess& runner = StartReadingScript(
            fixture, "while [ ! -e go ]; do sleep 0.02; done; exec 0<&-; echo closed; sleep 2; echo bye",
            fixture.TempPath(""));
        window.Create(runner, nullptr);
        QTRY_VERIFY(window.InputEdit()->hasFocus());
        const QString strLine(50000, QChar('z'));
        for (int nPaste = 0; nPaste < 3; ++nPaste) {
            window.InputEdit()->setText(strLine);
            QTest::keyClick(window.InputEdit(), Qt::Key_Return);
        }
        QVERIFY(window.PendingInput() > 0);
        fixture.WriteFile("go", "");
        // The window's timer writes on to a pipe nobody reads any more: no
        // signal, no message, the rest dropped and the line disabled.
        QTRY_VERIFY_WITH_TIMEOUT(window.OutputText().endsWith("closed\n"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!window.InputEdit()->isEnabled(), 5000);
        QVERIFY(window.OutputEdit()->hasFocus());
        QVERIFY(runner.IsRunning());
        QVERIFY(window.TakesInput());
        QCOMPARE(window.PendingInput(), std::size_t(0));
        QCOMPARE(runner.GetInputFd(), -1);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 20000);
        QVERIFY(!window.TakesInput());
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        // Each echo is cut into display lines; all of them are there.
        QString strEchoes;
        for (int nPaste = 0; nPaste < 3; ++nPaste) {
            for (int nAt = 0; nAt < strLine.size(); nAt += CProcessWindow::kDisplayLineChars)
                strEchoes += strLine.mid(nAt, CProcessWindow::kDisplayLineChars) + '\n';
        }
        QCOMPARE(window.OutputText(), strEchoes + "closed\nbye\nExit code: 0\nNo Errors");
    }

    void inputLineOfANewProcessBarTakesTheFocus()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QVERIFY(ShowMainFrame(fixture));
        // As the project does on its first captured run: the window follows
        // the run before its bar shows it.
        CProcessBar bar(*fixture.App().MainFrame());
        auto* pWindow = new CProcessWindow(&fixture.App());
        pWindow->Create(StartReadingScript(fixture, "read a; echo \"[$a]\"", "/tmp"), nullptr);
        bar.Create(pWindow);
        QTRY_VERIFY(pWindow->InputEdit()->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "typed at once");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 5000);
        QCOMPARE(pWindow->OutputText(), QString("typed at once\n[typed at once]\nExit code: 0\nNo Errors"));
    }

    void stopClosesTheInputAndOutputKeysStillWork()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CProcessWindow window(&fixture.App());
        window.resize(600, 150);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        std::vector<int> clicked;
        CExternalProcess& runner = StartReadingScript(
            fixture, "i=0; while [ $i -lt 50 ]; do echo line$i; i=$((i+1)); done; read a; echo \"[$a]\"; sleep 30",
            "/tmp");
        QString strLines;
        for (int nLine = 0; nLine < 50; ++nLine)
            strLines += QString("line%1\n").arg(nLine);
        window.Create(runner, [&clicked](int nLine) { clicked.push_back(nLine); });
        QTRY_VERIFY(window.InputEdit()->hasFocus());
        QTRY_COMPARE_WITH_TIMEOUT(window.OutputText(), strLines, 5000);
        TypeLine(&window, "hello");
        QTRY_COMPARE_WITH_TIMEOUT(window.OutputText(), strLines + "hello\n[hello]\n", 5000);

        // The output's keys and double-click act as without input.
        CProcessOutputEdit* pEdit = window.OutputEdit();
        pEdit->setFocus();
        QTest::keyClick(pEdit, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(pEdit->textCursor().position(), 0);
        QCOMPARE(pEdit->verticalScrollBar()->value(), 0);
        const QTextCursor secondLine(pEdit->document()->findBlockByNumber(1));
        QTest::mouseDClick(pEdit->viewport(), Qt::LeftButton, {}, pEdit->cursorRect(secondLine).center());
        QCOMPARE(clicked, std::vector<int>{1});
        QTest::keyClick(pEdit, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(pEdit->textCursor().position(), pEdit->document()->characterCount() - 1);
        QVERIFY(pEdit->verticalScrollBar()->value() > 0);
        QVERIFY(pEdit->viewport()->rect().contains(pEdit->cursorRect()));

        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        window.StopButton()->click();
        QVERIFY(!window.InputEdit()->isEnabled());
        QCOMPARE(runner.GetInputFd(), -1);
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsWatching(), 5000);
        QCOMPARE(window.OutputText(), strLines + "hello\n[hello]\nExit code: 11\nProcess terminated by user.");
        QVERIFY(!window.TakesInput());
    }
};

QTEST_MAIN(ProgramInputTest)
#include "ProgramInputTest.moc"
