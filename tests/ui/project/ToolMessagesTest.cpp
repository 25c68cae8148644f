#include "core/app/CommandIds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/framework/PromptService.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/tools/ProcessWindow.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <optional>

using namespace CommandIds;

namespace {
QString RealJdk()
{
    return QString::fromStdString(CJdkLocator::FromEnvironment(&CJdkLocator::ReadProcessEnvironment));
}

// A project of one main Java file (and a main page when given), opened.
CJavaProjectDoc* OpenProject(CAppFixture& fixture, const QString& strClass, const QByteArray& source,
                             const QString& strPage = QString())
{
    CJavaProjectCore core("", "");
    const QString strPath = fixture.TempPath(strClass + ".jpr");
    core.SetPathName(strPath.toStdString());
    core.AddJavaFile(fixture.WriteFile(strClass + ".java", source).toStdString());
    core.SetMainFile((strClass + ".java").toStdString());
    if (!strPage.isEmpty()) {
        std::string strMessage;
        core.AddHtmlFileChecked(fixture.WriteFile(strPage, "<applet code=\"A.class\"></applet>").toStdString(),
                                strMessage);
        core.SetMainHtmlFile(strPage.toStdString());
    }
    std::string strError;
    if (!core.SaveAs(strPath.toStdString(), strError))
        return nullptr;
    return dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(strPath));
}

// Sets an environment variable (or unsets it, for an empty optional) for a scope.
class CScopedEnv {
public:
    CScopedEnv(const char* szName, const std::optional<QByteArray>& value)
        : m_szName(szName), m_bHad(qEnvironmentVariableIsSet(szName)), m_old(qgetenv(szName))
    {
        if (value)
            qputenv(szName, *value);
        else
            qunsetenv(szName);
    }
    ~CScopedEnv()
    {
        if (m_bHad)
            qputenv(m_szName, m_old);
        else
            qunsetenv(m_szName);
    }

private:
    const char* m_szName;
    bool m_bHad;
    QByteArray m_old;
};
} // namespace

// What the user is told when a JDK tool cannot start: the reason, and what to do.
class ToolMessagesTest : public QObject {
    Q_OBJECT
private slots:
    void toolsAskedForWhileAProgramRunsSayStopItFirst()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("PATHS/JAVABIN", RealJdk());
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject =
            OpenProject(fixture, "Loop",
                        "public class Loop {\n  public static void main(String[] a) throws Exception {\n"
                        "    System.out.println(\"looping\");\n    while (true) Thread.sleep(50);\n  }\n}\n");
        QVERIFY(pProject);
        QVERIFY(fixture.App().Router().Execute(kBuild));
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(pWindow);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QCOMPARE(pWindow->OutputText(), QString("Exit code: 0\nNo Errors"));
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_VERIFY_WITH_TIMEOUT(pWindow->OutputText().startsWith("looping"), 30000);

        QVERIFY(fixture.App().Router().Execute(kBuild));
        fixture.Prompts().m_fileNames = {fixture.TempPath("Loop.jar"), fixture.TempPath("Loop.jar")};
        QVERIFY(fixture.App().Router().Execute(kCreateJar));
        QVERIFY(fixture.App().Router().Execute(kShowArchiveContents));
        // The project window's and the Java editor's Compile.
        pProject->CompileFile(fixture.TempPath("Loop.java").toStdString());
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"A program is still running. Stop it before building.",
                              "A program is still running. Stop it before creating a jar.",
                              "A program is still running. Stop it before listing an archive.",
                              "A program is still running. Stop it before compiling."}));
        // The program runs on, its output as it was.
        QVERIFY(pWindow->IsWatching());
        QVERIFY(pWindow->OutputText().startsWith("looping"));
        QVERIFY(!QFile::exists(fixture.TempPath("Loop.jar")));

        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        pWindow->StopButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 10000);
        QCOMPARE(pWindow->OutputText(), QString("looping\nExit code: 11\nProcess terminated by user."));
    }

    void runAppletOnAJdkWithoutAppletViewerSaysItWasRemoved()
    {
        // A JDK of today: javac and java, no appletviewer.
        CAppFixture fixture;
        const QString strJdk = fixture.TempPath("jdk");
        QVERIFY(QDir().mkpath(strJdk + "/bin"));
        for (const char* pszTool : {"javac", "java"}) {
            const QString strTool = strJdk + "/bin/" + pszTool;
            fixture.WriteFile("jdk/bin/" + QString(pszTool), "#!/bin/sh\nexit 0\n");
            QVERIFY(QFile::setPermissions(strTool, QFile::permissions(strTool) | QFile::ExeOwner));
        }
        fixture.PresetSettings().setValue("PATHS/JAVABIN", strJdk);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, "A", "public class A {}\n", "A.html");
        QVERIFY(pProject);
        QVERIFY(fixture.App().Router().Execute(kRunApplet));
        QCOMPARE(fixture.Prompts().m_messages,
                 QStringList{"This JDK has no appletviewer: it was removed in JDK 11. "
                             "Open In Web Browser shows the page."});
        QVERIFY(!pProject->ProcessWindow());

        // A folder that is no JDK at all is a wrong JDK folder, as before.
        fixture.App().Settings().m_strJavaBin = fixture.TempPath("nojdk").toStdString();
        QVERIFY(fixture.App().Router().Execute(kRunApplet));
        QCOMPARE(fixture.Prompts().m_messages.last(), QString("Failed to start process"));
    }

    void runWithConsoleWithoutATerminalSaysWhichWereTriedAndHowToSetOne()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("PATHS/JAVABIN", RealJdk());
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, "A", "public class A {}\n");
        QVERIFY(pProject);
        QVERIFY(QDir().mkpath(fixture.TempPath("emptybin")));
        CScopedEnv path("PATH", fixture.TempPath("emptybin").toLocal8Bit());
        {
            CScopedEnv terminal("TERMINAL", std::nullopt);
            QVERIFY(fixture.App().Router().Execute(kRunWithConsole));
        }
        {
            CScopedEnv terminal("TERMINAL", QByteArray("my-term"));
            QVERIFY(fixture.App().Router().Execute(kRunWithConsole));
        }
        const QString strHowTo = " Install one of them, or set the environment variable TERMINAL to your terminal "
                                 "program (for example TERMINAL=xterm) before starting Tarnwick.";
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"Failed to laumch external process.",
                              "No terminal program was found: Tarnwick looked on PATH for x-terminal-emulator, "
                              "gnome-terminal, konsole, xfce4-terminal and xterm." +
                                  strHowTo,
                              "Failed to laumch external process.",
                              "No terminal program was found: Tarnwick tried TERMINAL (my-term), then looked on "
                              "PATH for x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal and xterm." +
                                  strHowTo}));
    }
};

QTEST_MAIN(ToolMessagesTest)
#include "ToolMessagesTest.moc"
