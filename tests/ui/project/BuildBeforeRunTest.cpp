// Run Application after an edit: the build comes first, and the run only
// when the build succeeded, the two outputs one after the other.
#include "core/app/CommandIds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/tools/ProcessWindow.h"

#include <QFile>
#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>

using namespace CommandIds;

namespace {
QByteArray Program(const char* pszWord)
{
    return QByteArray("public class Hello {\n    public static void main(String[] args) {\n"
                      "        System.out.println(\"") +
           pszWord + "\");\n    }\n}\n";
}

// A project with Hello.java as its main file, opened.
CJavaProjectDoc* OpenHelloProject(CAppFixture& fixture, bool bBuildBeforeRun)
{
    fixture.PresetSettings().setValue("PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(
                                                           &CJdkLocator::ReadProcessEnvironment)));
    if (!bBuildBeforeRun)
        fixture.PresetSettings().setValue("OPTIONS/BUILDBEFORERUN", 0);
    if (!fixture.Start({}, false))
        return nullptr;
    const QString strPath = fixture.TempPath("Hello.jpr");
    CJavaProjectCore core("", "");
    core.SetPathName(strPath.toStdString());
    auto pFile = std::make_unique<CJavaFile>(strPath.toStdString());
    pFile->SetPathName(fixture.WriteFile("Hello.java", Program("one")).toStdString());
    core.GetJavaFiles().Add(std::move(pFile));
    core.SetMainFile("Hello.java");
    std::string strError;
    if (!core.SaveAs(strPath.toStdString(), strError))
        return nullptr;
    return dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(strPath));
}

// Rewrites the source on disk a second after its class, as a later save does.
void SaveNewerSource(CAppFixture& fixture, const QByteArray& text)
{
    fixture.WriteFile("Hello.java", text);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(fixture.TempPath("Hello.class")).constData(), &info), 0);
    const timespec times[2] = {{info.st_mtim.tv_sec + 1, 0}, {info.st_mtim.tv_sec + 1, 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(fixture.TempPath("Hello.java")).constData(), times, 0), 0);
}

const QString kBuilt = "Exit code: 0\nNo Errors\n";
} // namespace

class BuildBeforeRunTest : public QObject {
    Q_OBJECT
private slots:
    void runBuildsFirstWhenASourceIsNewerThanItsClass()
    {
        CAppFixture fixture;
        CJavaProjectDoc* pProject = OpenHelloProject(fixture, true);
        QVERIFY(pProject);

        // Never built: the build, then the run, in one window.
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(pWindow);
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), kBuilt + "one\nExit code: 0\nNo Errors", 60000);
        QCOMPARE(pWindow->TitleText(), QString("java  Hello"));

        // Changed in the editor and not saved: saved, built, run.
        auto* pSource = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("Hello.java")));
        QVERIFY(pSource);
        CSyntaxWindowView* pView = pSource->FirstView();
        QVERIFY(pView->findFirst("one", false, true, false, false));
        pView->replaceSelectedText("two");
        QVERIFY(pSource->IsModified());
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), kBuilt + "two\nExit code: 0\nNo Errors", 60000);
        QVERIFY(!pSource->IsModified());
        // Save All asked, as Build does.
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Save changes to " + fixture.TempPath("Hello.java") + "?"});
        fixture.Prompts().m_messages.clear();

        // Nothing newer than the classes: the run alone.
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("two\nExit code: 0\nNo Errors"), 60000);

        // A build that fails: its messages stay, and nothing runs.
        pSource->OnCloseDocument();
        SaveNewerSource(fixture, "public class Hello { int x = ; }\n");
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_VERIFY_WITH_TIMEOUT(pWindow->OutputText().endsWith("Exit code: 1\nThere were errors"), 60000);
        QTRY_VERIFY(!pWindow->IsWatching());
        QCoreApplication::processEvents();
        QVERIFY(!pWindow->IsWatching());
        QVERIFY2(pWindow->OutputText().startsWith("Hello.java:1: error:"), qPrintable(pWindow->OutputText()));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
    }

    void switchedOffRunRunsTheClassesAsTheyAre()
    {
        CAppFixture fixture;
        CJavaProjectDoc* pProject = OpenHelloProject(fixture, false);
        QVERIFY(pProject);
        QVERIFY(fixture.App().Router().Execute(kBuild));
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(pWindow);
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("Exit code: 0\nNo Errors"), 60000);

        SaveNewerSource(fixture, Program("two"));
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_COMPARE_WITH_TIMEOUT(pWindow->OutputText(), QString("one\nExit code: 0\nNo Errors"), 60000);
    }
};

QTEST_MAIN(BuildBeforeRunTest)
#include "BuildBeforeRunTest.moc"
