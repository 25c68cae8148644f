#include "core/app/CommandIds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaProjectCore.h"
#include "core/tools/ExternalProcess.h"
#include "core/tools/JarCommandBuilder.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/bars/ProcessBar.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectFormView.h"
#include "ui/tools/ProcessWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

using namespace CommandIds;

namespace {
// Writes a project file listing the given Java and HTML files.
QString WriteProject(CAppFixture& fixture, const QString& strName, const QStringList& javaFiles,
                     const QStringList& htmlFiles, const QString& strMain = QString())
{
    CJavaProjectCore core("-verbose", "-g");
    QString strPath = fixture.TempPath(strName);
    core.SetPathName(strPath.toStdString());
    for (const QString& strJava : javaFiles)
        core.AddJavaFile(fixture.WriteFile(strJava, "class X {}\n").toStdString());
    std::string strMessage;
    for (const QString& strHtml : htmlFiles)
        core.AddHtmlFileChecked(fixture.WriteFile(strHtml, "<html>").toStdString(), strMessage);
    if (!strMain.isEmpty())
        core.SetMainFile(strMain.toStdString());
    std::string strError;
    core.SaveAs(strPath.toStdString(), strError);
    return strPath;
}

CJavaProjectDoc* OpenProject(CAppFixture& fixture, const QString& strPath)
{
    return dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(strPath));
}

CProjectFormView* FormOf(CJavaProjectDoc* pProject)
{
    return dynamic_cast<CProjectFormView*>(pProject->FirstFrame()->GetView());
}

QStringList Items(QComboBox* pList)
{
    QStringList items;
    for (int i = 0; i < pList->count(); ++i)
        items << pList->itemText(i);
    return items;
}

void UseTheRealJdk(CAppFixture& fixture)
{
    fixture.PresetSettings().setValue(
        "PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(&CJdkLocator::ReadProcessEnvironment)));
}

// What another program (tarnwick-cli project add) does to the project file
// while the IDE has it open; the bytes it leaves there.
QByteArray AddOutside(const QString& strProject, const QString& strJava)
{
    CJavaProjectCore outside;
    std::string strError;
    if (!outside.Open(QFile::encodeName(strProject).toStdString(), strError))
        return QByteArray();
    outside.AddJavaFile(QFile::encodeName(strJava).toStdString());
    if (!outside.Save(strError))
        return QByteArray();
    return QByteArray::fromStdString(outside.WriteBytes());
}

QByteArray FileBytes(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kDemoChangedOutside = "Demo.jpr was changed outside Tarnwick. Overwrite it with the open project, or "
                                    "Reload it and lose the changes made here?";
} // namespace

class ProjectDocumentTest : public QObject {
    Q_OBJECT
private slots:
    void formShowsTheProject()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QString strPath = WriteProject(fixture, "Demo.jpr", {"beta.java", "Alpha.java", "Main.java"}, {}, "Main.java");
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        QVERIFY(pProject);
        QCOMPARE(fixture.App().GetProjectDoc(), static_cast<IOpenProject*>(pProject));
        CProjectFormView* pForm = FormOf(pProject);
        QCOMPARE(pForm->ProjectName()->text(), QString("Demo.jpr"));
        QCOMPARE(pForm->FilePath()->text(), strPath);
        QCOMPARE(Items(pForm->MainJavaList()), (QStringList{"Alpha.java", "beta.java", "Main.java"}));
        QCOMPARE(pForm->MainJavaList()->currentText(), QString("Main.java"));
        QVERIFY(!pForm->MainHtmlList()->isEnabled());
        QCOMPARE(pForm->MainHtmlList()->count(), 0);
        QCOMPARE(pForm->JavaSwitches()->text(), QString("-verbose"));
        QCOMPARE(pForm->JavacSwitches()->text(), QString("-g"));
        QVERIFY(!pForm->SetJavaButton()->isEnabled());
        QVERIFY(!pForm->SetJavacButton()->isEnabled());
        QVERIFY(pProject->FirstFrame()->isMaximized());
    }

    void switchesAreSetByTheirButtons()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Demo.jpr", {"A.java"}, {}));
        CProjectFormView* pForm = FormOf(pProject);
        QTest::keyClicks(pForm->JavaSwitches(), " -ea");
        QVERIFY(pForm->SetJavaButton()->isEnabled());
        QVERIFY(!pForm->SetJavacButton()->isEnabled());
        pForm->SetJavaButton()->click();
        QVERIFY(!pForm->SetJavaButton()->isEnabled());
        QCOMPARE(pProject->Core().GetJavaSwitches(), std::string("-verbose -ea"));
        QVERIFY(!pProject->IsModified());

        // An unsaved edit is replaced when the project changes.
        QTest::keyClicks(pForm->JavacSwitches(), " -nowarn");
        pProject->SetMainFile("A.java");
        QCOMPARE(pForm->JavacSwitches()->text(), QString("-g"));
        QVERIFY(!pForm->SetJavacButton()->isEnabled());
        QCOMPARE(pForm->MainJavaList()->currentText(), QString("A.java"));
        QVERIFY(pProject->IsModified());
    }

    void resetToDefaultsAsksFirst()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/JAVAOPTIONS", "-Xmx64m");
        fixture.PresetSettings().setValue("OPTIONS/JAVAC", "-deprecation");
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Demo.jpr", {"A.java"}, {}));
        CProjectFormView* pForm = FormOf(pProject);
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        pForm->ResetButton()->click();
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Reset switches to application defaults?"});
        QCOMPARE(fixture.Prompts().m_captions, QStringList{"Reset to Defaults"});
        QCOMPARE(pProject->Core().GetJavaSwitches(), std::string("-verbose"));
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        pForm->ResetButton()->click();
        QCOMPARE(pProject->Core().GetJavaSwitches(), std::string("-Xmx64m"));
        QCOMPARE(pProject->Core().GetJavacSwitches(), std::string("-deprecation"));
        QVERIFY(!pForm->SetJavaButton()->isEnabled());
        QVERIFY(!pForm->SetJavacButton()->isEnabled());
    }

    void choosingMainFilesInTheLists()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject =
            OpenProject(fixture, WriteProject(fixture, "Demo.jpr", {"A.java", "B.java"}, {"page.html"}, "Gone.java"));
        CProjectFormView* pForm = FormOf(pProject);
        QCOMPARE(pForm->MainJavaList()->currentIndex(), -1);
        QVERIFY(pForm->MainHtmlList()->isEnabled());
        pForm->MainJavaList()->setFocus();
        emit pForm->MainJavaList()->activated(1);
        QCOMPARE(pProject->Core().GetMainFile(), std::string("B.java"));
        QCOMPARE(pProject->Core().GetMainFolder(), QFileInfo(fixture.TempPath("B.java")).path().toStdString());
        emit pForm->MainHtmlList()->activated(0);
        QCOMPARE(pProject->GetMainHtmlFile(), QString("page.html"));
        QVERIFY(fixture.App().Router().Update(kRunApplet).m_bEnabled);
    }

    void addingHtmlFilesRefusesDuplicates()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Demo.jpr", {}, {"page.html"}));
        QDir(fixture.TempPath("")).mkdir("other");
        QString strOther = fixture.WriteFile("other/page.html", "<html>");
        fixture.Prompts().m_fileNames = {fixture.TempPath("page.html"), strOther};
        QVERIFY(fixture.App().Router().Execute(kAddHtmlFile));
        QVERIFY(fixture.App().Router().Execute(kAddHtmlFile));
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"File is already in project.",
                              "You cannot add two HTML files with the same name to a project."}));
        QCOMPARE(pProject->Core().GetHtmlFiles().GetCount(), 1);
    }

    void addingJavaFilesRepointsSameNames()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Demo.jpr", {"Foo.java"}, {}));
        QDir(fixture.TempPath("")).mkdir("b");
        QString strMoved = fixture.WriteFile("b/Foo.java", "class Foo {}");
        QString strNew = fixture.WriteFile("Bar.java", "class Bar {}");
        fixture.Prompts().m_fileNames = {fixture.TempPath("Foo.java")};
        QVERIFY(fixture.App().Router().Execute(kAddJavaFiles));
        QVERIFY(!pProject->IsModified()); // the same path again changes nothing
        fixture.Prompts().m_fileNames = {strMoved + "|" + strNew};
        QVERIFY(fixture.App().Router().Execute(kAddJavaFiles));
        QVERIFY(pProject->IsModified());
        QCOMPARE(pProject->Core().GetJavaFiles().GetCount(), 2);
        QCOMPARE(pProject->GetFilePath("Foo.java"), strMoved);
        QCOMPARE(Items(FormOf(pProject)->MainJavaList()), (QStringList{"Bar.java", "Foo.java"}));
        QCOMPARE(fixture.Prompts().m_fileFilters.front(), QString("Java Source Files (*.jav *.java);;All Files (*)"));
    }

    void closingSavesWithoutAskingAndRecordsTheProject()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QString strPath = WriteProject(fixture, "Demo.jpr", {"A.java"}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        pProject->SetMainFile("A.java");
        QVERIFY(fixture.App().Router().Execute(kCloseProject)); // asks whether to close, saves silently
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Do you want to close the current project?"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fixture.App().GetProjectDoc());
        QCOMPARE(fixture.Stored("OPTIONS/LASTOPEN").toString(), strPath);
        QCOMPARE(fixture.Stored("OPTIONS/RECENT0").toString(), strPath);
        CJavaProjectCore reread;
        std::string strError;
        QVERIFY(reread.Open(strPath.toStdString(), strError));
        QCOMPARE(reread.GetMainFile(), std::string("A.java"));
        // The file holds exactly what the project writer makes of the project.
        QFile saved(strPath);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray::fromStdString(reread.WriteBytes()));

        // Reopened, the form shows what was saved.
        CJavaProjectDoc* pReopened = OpenProject(fixture, strPath);
        QVERIFY(pReopened);
        QCOMPARE(FormOf(pReopened)->MainJavaList()->currentText(), QString("A.java"));
        QCOMPARE(FormOf(pReopened)->JavaSwitches()->text(), QString("-verbose"));
    }

    void closingTheMainWindowClosesProjectAndFiles()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QString strPath = WriteProject(fixture, "Demo.jpr", {"A.java"}, {}, "A.java");
        QVERIFY(OpenProject(fixture, strPath));
        QVERIFY(fixture.App().OpenDocumentFile(fixture.TempPath("A.java")));
        QCOMPARE(fixture.FrameCount(), 2);
        fixture.Close();
        QVERIFY(!fixture.App().MainFrame()->isVisible());
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        QCOMPARE(fixture.Stored("OPTIONS/LASTOPEN").toString(), strPath);
    }

    void corruptProjectIsRefused()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QString strPath = fixture.WriteFile("Bad.jpr", QByteArray("\x05\x00\x00", 3));
        QVERIFY(!fixture.App().OpenDocumentFile(strPath));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Unexpected file format."});
        QVERIFY(!fixture.App().GetProjectDoc());
        QCOMPARE(fixture.FrameCount(), 0);
    }

    void projectThatCannotBeSavedCanBeClosedWithoutSaving()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(QDir(fixture.TempPath(".")).mkdir("gone"));
        QString strPath = WriteProject(fixture, "gone/Demo.jpr", {"A.java"}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        QVERIFY(pProject);
        pProject->SetMainFile("A.java");
        // The folder is deleted: the save fails, even for root.
        QVERIFY(QDir(fixture.TempPath("gone")).removeRecursively());
        const QString strFailed =
            "Failed to save document.\n\n" + strPath + ": No such file or directory\n\nClose without saving?";

        // No keeps the project open, changes and all.
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk, CPromptService::kAnswerNo};
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{"Do you want to close the current project?", strFailed}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(fixture.App().GetProjectDoc());
        QVERIFY(pProject->IsModified());

        // Yes closes it, losing the changes.
        fixture.Prompts().m_messages.clear();
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk, CPromptService::kAnswerYes};
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{"Do you want to close the current project?", strFailed}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fixture.App().GetProjectDoc());
        QCOMPARE(fixture.FrameCount(), 0);
        QVERIFY(!QFileInfo::exists(strPath));
    }

    void projectThatCannotBeSavedDoesNotKeepTheProgramOpen()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(QDir(fixture.TempPath(".")).mkdir("moved"));
        QString strPath = WriteProject(fixture, "moved/Demo.jpr", {"A.java"}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        QVERIFY(pProject);
        pProject->SetMainFile("A.java");
        // A plain file now stands where the project's folder was.
        QVERIFY(QDir(fixture.TempPath("moved")).removeRecursively());
        fixture.WriteFile("moved", "not a folder");
        const QString strFailed =
            "Failed to save document.\n\n" + strPath + ": Not a directory\n\nClose without saving?";

        fixture.Prompts().m_answers = {CPromptService::kAnswerNo};
        fixture.Close();
        QCOMPARE(fixture.Prompts().m_messages, QStringList{strFailed});
        QVERIFY(fixture.App().MainFrame()->isVisible());
        QVERIFY(fixture.App().GetProjectDoc());

        fixture.Prompts().m_messages.clear();
        fixture.Prompts().m_answers = {CPromptService::kAnswerYes};
        fixture.Close();
        QCOMPARE(fixture.Prompts().m_messages, QStringList{strFailed});
        QVERIFY(!fixture.App().MainFrame()->isVisible());
    }

    // Scanning a source file refreshes the project's class lists and marks it
    // modified though its bytes stay the same: closing must not write it over
    // what another program added meanwhile.
    void projectNotChangedHereIsNotWrittenOverAnOutsideChange()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QString strPath = WriteProject(fixture, "Demo.jpr", {"A.java"}, {});
        // Once saved with the classes the editor finds, a scan changes nothing.
        QVERIFY(OpenProject(fixture, strPath));
        CDocument* pSource = fixture.App().OpenDocumentFile(fixture.TempPath("A.java"));
        QVERIFY(pSource);
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        pSource->OnCloseDocument();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fixture.Prompts().m_messages.clear();
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        QVERIFY(pProject);
        QVERIFY(!pProject->IsModified());
        QVERIFY(fixture.App().OpenDocumentFile(fixture.TempPath("A.java")));
        const QByteArray outside = AddOutside(strPath, fixture.WriteFile("B.java", "class B {}\n"));
        QVERIFY(!outside.isEmpty());
        QVERIFY(fixture.App().Router().Execute(kAppExit));
        QVERIFY(!fixture.App().MainFrame()->isVisible());
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        QCOMPARE(FileBytes(strPath), outside);
    }

    void projectChangedHereAndOutsideAsksBeforeClosing()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QString strPath = WriteProject(fixture, "Demo.jpr", {"A.java"}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        QVERIFY(pProject);
        pProject->SetMainFile("A.java");
        const QByteArray outside = AddOutside(strPath, fixture.WriteFile("B.java", "class B {}\n"));

        // Cancel keeps the program open and the file as the other program left it.
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        QVERIFY(fixture.App().Router().Execute(kAppExit));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kDemoChangedOutside});
        QVERIFY(fixture.App().MainFrame()->isVisible());
        QCOMPARE(FileBytes(strPath), outside);

        // Reload takes the file's project and closes without writing.
        fixture.Prompts().m_messages.clear();
        fixture.Prompts().m_answers = {CPromptService::kAnswerReload};
        QVERIFY(fixture.App().Router().Execute(kAppExit));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kDemoChangedOutside});
        QVERIFY(!fixture.App().MainFrame()->isVisible());
        QCOMPARE(FileBytes(strPath), outside);
    }

    void overwriteWritesTheOpenProject()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QString strPath = WriteProject(fixture, "Demo.jpr", {"A.java"}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        pProject->SetMainFile("A.java");
        AddOutside(strPath, fixture.WriteFile("B.java", "class B {}\n"));
        const QByteArray mine = QByteArray::fromStdString(pProject->Core().WriteBytes());
        fixture.Prompts().m_answers = {CPromptService::kAnswerOverwrite};
        QVERIFY(fixture.App().Router().Execute(kAppExit));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kDemoChangedOutside});
        QVERIFY(!fixture.App().MainFrame()->isVisible());
        QCOMPARE(FileBytes(strPath), mine);
    }

    void reloadOnSaveAllShowsTheFilesProject()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QString strPath = WriteProject(fixture, "Demo.jpr", {"A.java"}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        pProject->SetMainFile("A.java");
        const QByteArray outside = AddOutside(strPath, fixture.WriteFile("B.java", "class B {}\n"));
        fixture.Prompts().m_answers = {CPromptService::kAnswerReload};
        QVERIFY(fixture.App().Router().Execute(kSaveAll));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kDemoChangedOutside});
        QCOMPARE(fixture.App().GetProjectDoc(), static_cast<IOpenProject*>(pProject));
        QCOMPARE(Items(FormOf(pProject)->MainJavaList()), (QStringList{"A.java", "B.java"}));
        QCOMPARE(pProject->Core().GetMainFile(), std::string());
        QVERIFY(!pProject->IsModified());
        // Nothing is left to write, and nothing is asked again.
        fixture.Prompts().m_messages.clear();
        fixture.Close();
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        QCOMPARE(FileBytes(strPath), outside);
    }

    // Another program's change after the IDE's own save is still seen.
    void aChangeAfterASaveIsStillSeen()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QString strPath = WriteProject(fixture, "Demo.jpr", {"A.java"}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        pProject->SetMainFile("A.java");
        QVERIFY(fixture.App().Router().Execute(kSaveAll));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        pProject->SetMainFile("Other.java");
        const QByteArray outside = AddOutside(strPath, fixture.WriteFile("B.java", "class B {}\n"));
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        fixture.Close();
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kDemoChangedOutside});
        QCOMPARE(FileBytes(strPath), outside);
    }

    // A name that is not UTF-8 (Latin-1 e acute) is opened, listed and saved by its bytes.
    void projectNamedWithBytesThatAreNotUtf8()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const std::string strPathBytes = QFile::encodeName(fixture.TempPath("")).toStdString() + "/Caf\xe9.jpr";
        {
            CJavaProjectCore core;
            core.AddJavaFile(fixture.WriteFile("A.java", "class A {}\n").toStdString());
            core.AddJavaFile(fixture.WriteFile("B.java", "class B {}\n").toStdString());
            std::string strError;
            QVERIFY(core.SaveAs(strPathBytes, strError));
        }
        auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentPath(strPathBytes));
        QVERIFY(pProject);
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        QCOMPARE(pProject->GetPathBytes(), strPathBytes);
        QCOMPARE(Items(FormOf(pProject)->MainJavaList()), (QStringList{"A.java", "B.java"}));
        pProject->SetMainFile("B.java");
        const std::string strExpected = pProject->Core().WriteBytes();
        QVERIFY(fixture.App().Router().Execute(kAppExit));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        std::string strError;
        CJavaProjectCore reread;
        QVERIFY(reread.Open(strPathBytes, strError));
        QCOMPARE(reread.GetMainFile(), std::string("B.java"));
        QCOMPARE(reread.WriteBytes(), strExpected);
        // Only the one file: nothing was written under a mangled name.
        // (QDir cannot list a name that is not UTF-8; the system can.)
        int nProjects = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(QFile::encodeName(fixture.TempPath("")).toStdString()))
            nProjects += entry.path().extension() == ".jpr" ? 1 : 0;
        QCOMPARE(nProjects, 1);
    }

    void buildWithoutMainFileSaysSo()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        OpenProject(fixture, WriteProject(fixture, "Demo.jpr", {"A.java"}, {}));
        for (int nId : {kBuild, kRunApplication, kCreateJar})
            QVERIFY(fixture.App().Router().Execute(nId));
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"Please specify a main Java file first", "Please specify a main Java file first",
                              "Please specify a main Java file first"}));
    }

    void buildAndRunWithTheRealJdk()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        QString strPath = WriteProject(fixture, "Hello.jpr", {}, {});
        CJavaProjectDoc* pProject = OpenProject(fixture, strPath);
        QString strSource =
            fixture.WriteFile("Hello.java", "public class Hello {\n  public static void main(String[] a) {\n"
                                            "    System.out.println(\"Hello from \" + a.length);\n  }\n}\n");
        QVERIFY(pProject->AddJavaFile(strSource));
        pProject->SetMainFile("Hello.java");
        pProject->Core().SetJavacSwitches("");
        QVERIFY(fixture.App().Router().Execute(kBuild));
        QCOMPARE(fixture.App().GetProcessTitle(), "Building \"" + strSource + "\"");
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(pWindow);
        QCOMPARE(fixture.App().MainFrame()->dockWidgetArea(pProject->ProcessBar()), Qt::BottomDockWidgetArea);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QCOMPARE(pWindow->OutputText(), QString("Exit code: 0\nNo Errors"));

        pProject->Core().SetJavaSwitches("");
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QCOMPARE(fixture.App().GetProcessTitle(), QString("java  Hello"));
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QCOMPARE(pWindow->OutputText(), QString("Hello from 0\nExit code: 0\nNo Errors"));
    }

    void compilerMessageLeadsToTheSourceLine()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Bad.jpr", {}, {}));
        QString strSource = fixture.WriteFile("Bad.java", "public class Bad {\n  void f() {\n    int x = \n  }\n}\n");
        pProject->AddJavaFile(strSource);
        pProject->SetMainFile("Bad.java");
        QVERIFY(fixture.App().Router().Execute(kBuild));
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QVERIFY(pWindow->OutputText().startsWith("Bad.java:4: error:"));
        QVERIFY(pWindow->OutputText().endsWith("\nThere were errors"));
        // The double-click travels through the form view to the document.
        int nLastLine = pWindow->OutputText().count('\n');
        FormOf(pProject)->OnProcessLineDoubleClicked(nLastLine);
        QCOMPARE(fixture.FrameCount(), 1); // the verdict line names no file
        FormOf(pProject)->OnProcessLineDoubleClicked(0);
        CDocTemplate* pJava = fixture.App().FindTemplate("JavaDocument");
        QCOMPARE(pJava->Documents().size(), std::size_t(1));
        QCOMPARE(pJava->Documents().front()->GetPathName(), strSource);
        // Line 4 (index 3) is selected whole, its line break included.
        auto* pSource = dynamic_cast<CSyntaxWindowDoc*>(pJava->Documents().front());
        QVERIFY(pSource);
        CSyntaxWindowView* pView = pSource->FirstView();
        QCOMPARE(QByteArray::fromStdString(pView->SelectedBytes()).trimmed(), QByteArray("}"));
        QCOMPARE(pView->LineFromPosition(pView->SelStart()), std::size_t(3));
    }

    void stopEndsALoopingProgram()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Loop.jpr", {}, {}));
        QString strSource = fixture.WriteFile(
            "Loop.java", "public class Loop {\n  public static void main(String[] a) throws Exception {\n"
                         "    System.out.println(\"looping\");\n    while (true) Thread.sleep(50);\n  }\n}\n");
        pProject->AddJavaFile(strSource);
        pProject->SetMainFile("Loop.java");
        pProject->Core().SetJavacSwitches("");
        pProject->Core().SetJavaSwitches("");
        QVERIFY(fixture.App().Router().Execute(kBuild));
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_VERIFY_WITH_TIMEOUT(pWindow->OutputText().startsWith("looping"), 30000);
        // While it runs, Compile and Run Application wait; Build does not.
        QVERIFY(!fixture.App().Router().Update(kRunApplication).m_bEnabled);
        QVERIFY(!fixture.App().Router().Update(kCompile).m_bEnabled);
        QVERIFY(fixture.App().Router().Update(kBuild).m_bEnabled);
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        pWindow->StopButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 10000);
        QCOMPARE(pWindow->OutputText(), QString("looping\nExit code: 11\nProcess terminated by user."));
        QVERIFY(fixture.App().Router().Update(kRunApplication).m_bEnabled);
    }

    void argumentsAreAskedForWhenSetToAsk()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        fixture.PresetSettings().setValue("OPTIONS/SHOWARGS", 1);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Args.jpr", {}, {}));
        QString strSource = fixture.WriteFile(
            "Args.java", "public class Args {\n  public static void main(String[] a) {\n"
                         "    System.out.println(a.length + \":\" + String.join(\"|\", a));\n  }\n}\n");
        pProject->AddJavaFile(strSource);
        pProject->SetMainFile("Args.java");
        pProject->Core().SetJavacSwitches("");
        pProject->Core().SetJavaSwitches("");
        QVERIFY(fixture.App().Router().Execute(kBuild));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);

        // Cancel starts nothing.
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Arguments"});
        QVERIFY(!fixture.App().ToolRunner().IsRunning());
        QCOMPARE(pProject->ProcessWindow()->OutputText(), QString("Exit code: 0\nNo Errors"));

        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("Arguments")->setText("one \"two three\"");
            return int(QDialog::Accepted);
        };
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QCOMPARE(fixture.App().GetProcessTitle(), QString("java  Args"));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);
        QCOMPARE(pProject->ProcessWindow()->OutputText(), QString("2:one|two three\nExit code: 0\nNo Errors"));
    }

    void createJarPacksTheMainFolderWithAManifest()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Jar.jpr", {}, {}));
        QString strSource = fixture.WriteFile("Hello.java", "public class Hello {}\n");
        pProject->AddJavaFile(strSource);
        pProject->SetMainFile("Hello.java");
        pProject->Core().SetJavacSwitches("");
        QVERIFY(fixture.App().Router().Execute(kBuild));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);

        QDir(fixture.TempPath("")).mkdir("out");
        QString strJar = fixture.TempPath("out/Hello.jar");
        fixture.Prompts().m_fileNames = {strJar};
        QVERIFY(fixture.App().Router().Execute(kCreateJar));
        QCOMPARE(fixture.Prompts().m_saveDefaults, QStringList{fixture.TempPath("Hello.jar")});
        QCOMPARE(fixture.App().GetProcessTitle(), "Creating jar " + strJar);
        // The manifest is in a private folder, not beside the archive.
        QVERIFY(!QFile::exists(fixture.TempPath("out/manifest.txt")));
        QFile manifest(
            QFile::decodeName(CJarCommandBuilder::ManifestPath(QFile::encodeName(strJar).toStdString()).c_str()));
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        QCOMPARE(manifest.readAll(), QByteArray("Main-Class: Hello\r\n"));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);
        QVERIFY(pProject->ProcessWindow()->OutputText().endsWith("Exit code: 0\nNo Errors"));

        fixture.Prompts().m_fileNames = {strJar};
        QVERIFY(fixture.App().Router().Execute(kShowArchiveContents));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);
        QString strListing = pProject->ProcessWindow()->OutputText();
        QVERIFY2(strListing.contains("META-INF/MANIFEST.MF") && strListing.contains("Hello.class"),
                 qPrintable(strListing));
        QCOMPARE(fixture.App().GetProcessTitle(), "Creating jar " + strJar); // listing keeps the title
    }

    void processWindowCommandTogglesTheBar()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenProject(fixture, WriteProject(fixture, "Demo.jpr", {}, {}));
        CCommandRouter& router = fixture.App().Router();
        QVERIFY(!router.Update(kProcessWindow).m_bEnabled);
        pProject->CompileFile(fixture.WriteFile("Ok.java", "class Ok {}\n").toStdString());
        QCOMPARE(fixture.App().GetProcessTitle(), "Compiling \"" + fixture.TempPath("Ok.java") + "\"");
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.App().ToolRunner().IsRunning(), 10000);
        QVERIFY(pProject->ProcessBar());
        QVERIFY(router.Update(kProcessWindow).m_bEnabled);
        QVERIFY(router.Update(kProcessWindow).m_bChecked);
        QVERIFY(router.Execute(kProcessWindow));
        QVERIFY(!pProject->ProcessBar()->isVisible());
        QVERIFY(!router.Update(kProcessWindow).m_bChecked);
    }
};

QTEST_MAIN(ProjectDocumentTest)
#include "ProjectDocumentTest.moc"
