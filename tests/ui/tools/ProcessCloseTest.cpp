#include "core/app/CommandIds.h"
#include "core/project/JavaProjectCore.h"
#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/tools/ProcessWindow.h"

#include <QtTest>

#include <cerrno>
#include <csignal>

using namespace CommandIds;

namespace {
const QString kAskCloseProject = "Do you want to close the current project?";
const QString kStopAndClose = "A program is still running. Stop it and close?";

QString WriteProject(CAppFixture& fixture, const QString& strName)
{
    CJavaProjectCore core("", "");
    const QString strPath = fixture.TempPath(strName);
    std::string strError;
    core.SaveAs(strPath.toStdString(), strError);
    return strPath;
}

// True once pid is gone; a process still running or not yet reaped is not.
bool Gone(pid_t pid)
{
    return kill(pid, 0) != 0 && errno == ESRCH;
}
} // namespace

// Closing the project or the main window while a captured program runs.
class ProcessCloseTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Whatever a test asserted, its endless program does not outlive it.
        if (m_pidTool > 0)
            kill(-m_pidTool, SIGKILL);
        m_pidTool = 0;
    }

    void closingTheProjectAsksToStopTheProgram()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = StartEndlessRun(fixture, "Loop.jpr");
        QVERIFY(pProject);
        QTRY_VERIFY_WITH_TIMEOUT(
            fixture.App().MainFrame()->StatusPaneText().startsWith("External process in progress"), 5000);

        fixture.Prompts().m_answers = {CPromptService::kAnswerOk, CPromptService::kAnswerCancel};
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{kAskCloseProject, kStopAndClose}));
        QVERIFY(fixture.App().GetProjectDoc() == pProject);
        QVERIFY(fixture.App().ToolRunner().IsRunning());
        QVERIFY(pProject->ProcessWindow()->IsWatching());
        QVERIFY(!Gone(m_pidTool));

        fixture.Prompts().m_messages.clear();
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk, CPromptService::kAnswerOk};
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{kAskCloseProject, kStopAndClose}));
        QVERIFY(fixture.App().GetProjectDoc() == nullptr);
        // Stopped and over by the time the project has gone.
        CExternalProcess& runner = fixture.App().ToolRunner();
        QVERIFY(!runner.IsRunning());
        QVERIFY(Gone(m_pidTool));
        QVERIFY(runner.GetOutput().ends_with("Exit code: 11\r\nProcess terminated by user."));
        // The window that said it was in progress has gone with the project.
        QCOMPARE(fixture.App().MainFrame()->StatusPaneText(), QString("External process complete"));
        QVERIFY(runner.Start("/bin/sh", {"sh", "-c", "echo again"}, "/tmp"));
        QTRY_VERIFY_WITH_TIMEOUT(!runner.IsRunning(), 5000);
        QCOMPARE(runner.GetOutput(), std::string("again\r\nExit code: 0\r\nNo Errors"));
    }

    void openingAnotherProjectAsksToo()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = StartEndlessRun(fixture, "Loop.jpr");
        QVERIFY(pProject);
        const QString strOther = WriteProject(fixture, "Other.jpr");

        fixture.Prompts().m_answers = {CPromptService::kAnswerOk, CPromptService::kAnswerCancel};
        QVERIFY(fixture.App().OpenDocumentFile(strOther) == nullptr);
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{kAskCloseProject, kStopAndClose}));
        QVERIFY(fixture.App().GetProjectDoc() == pProject);
        QVERIFY(fixture.App().ToolRunner().IsRunning());

        fixture.Prompts().m_answers = {CPromptService::kAnswerOk, CPromptService::kAnswerOk};
        QVERIFY(fixture.App().OpenDocumentFile(strOther) != nullptr);
        QVERIFY(!fixture.App().ToolRunner().IsRunning());
        QVERIFY(Gone(m_pidTool));
        QCOMPARE(fixture.App().GetProjectDoc()->ProjectDocument().GetPathName(), strOther);
    }

    void closingTheMainWindowAsksToStopTheProgram()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(StartEndlessRun(fixture, "Loop.jpr"));
        CMainFrame* pFrame = fixture.App().MainFrame();

        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        QVERIFY(!pFrame->close());
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kStopAndClose});
        QVERIFY(pFrame->isVisible());
        QVERIFY(fixture.App().GetProjectDoc() != nullptr);
        QVERIFY(fixture.App().ToolRunner().IsRunning());
        QVERIFY(!Gone(m_pidTool));

        // File > Exit takes the same way.
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        QVERIFY(fixture.App().Router().Execute(kAppExit));
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{kStopAndClose, kStopAndClose}));
        QVERIFY(!pFrame->isVisible());
        QVERIFY(!fixture.App().ToolRunner().IsRunning());
        QVERIFY(Gone(m_pidTool));
    }

    void endingTheApplicationStopsTheProgram()
    {
        {
            CAppFixture fixture;
            QVERIFY(fixture.Start({}, false));
            QVERIFY(StartEndlessRun(fixture, "Loop.jpr"));
        }
        // Stopped and reaped by the time the application is gone.
        QVERIFY(Gone(m_pidTool));
    }

    void closingWithNothingRunningAsksNothingMore()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.App().OpenDocumentFile(WriteProject(fixture, "Idle.jpr")));
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kAskCloseProject});
        QVERIFY(fixture.App().GetProjectDoc() == nullptr);
        QVERIFY(fixture.App().MainFrame()->close());
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kAskCloseProject});
    }

private:
    // Opens a project and runs a program that never ends in its process window.
    CJavaProjectDoc* StartEndlessRun(CAppFixture& fixture, const QString& strName)
    {
        auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(WriteProject(fixture, strName)));
        CExternalProcess& runner = fixture.App().ToolRunner();
        if (!pProject || !runner.Start("/bin/sh", {"sh", "-c", "echo $$; while :; do sleep 1; done"}, "/tmp"))
            return nullptr;
        pProject->ShowProcessWindow(runner);
        const auto tpGiveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (runner.GetOutput().find('\n') == std::string::npos && std::chrono::steady_clock::now() < tpGiveUp)
            QTest::qWait(5);
        m_pidTool = static_cast<pid_t>(std::atol(runner.GetOutput().c_str()));
        return m_pidTool > 0 ? pProject : nullptr;
    }

    pid_t m_pidTool = 0;
};

QTEST_MAIN(ProcessCloseTest)
#include "ProcessCloseTest.moc"
