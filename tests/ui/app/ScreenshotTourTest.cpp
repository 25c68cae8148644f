// Pictures of the main views for a human to look at. Runs only when
// TARNWICK_SCREENSHOTS names a folder; the PNGs are written there.
#include "core/app/CommandIds.h"
#include "core/jdk/JdkLocator.h"
#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/app/MainFrame.h"
#include "ui/app/NewDocumentDlg.h"
#include "ui/app/NewProjectDlg.h"
#include "ui/app/RecentProjectsDlg.h"
#include "ui/app/TipDlg.h"
#include "ui/bars/ProcessBar.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/prefs/PrefsSheet.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"
#include "ui/project/ProjectTreeDlg.h"
#include "ui/tools/ProcessWindow.h"
#include "ui/app/FindInFilesCommands.h"
#include "ui/search/FindInFilesDlg.h"
#include "ui/search/FindResultsWindow.h"

#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QMdiArea>
#include <QtTest>

using namespace CommandIds;

class ScreenshotTourTest : public QObject {
    Q_OBJECT
private:
    QString m_strFolder;

    void Save(QWidget* pWidget, const QString& strName)
    {
        QCoreApplication::processEvents();
        QVERIFY(pWidget->grab().save(m_strFolder + "/" + strName + ".png"));
    }

private slots:
    void initTestCase()
    {
        m_strFolder = qEnvironmentVariable("TARNWICK_SCREENSHOTS");
        if (m_strFolder.isEmpty())
            QSKIP("TARNWICK_SCREENSHOTS not set");
    }

    void menusWithoutDocuments()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(900, 600);
        int nIndex = 0;
        for (QAction* pAction : pMain->menuBar()->actions()) {
            QMenu* pMenu = pAction->menu();
            emit pMenu->aboutToShow();
            pMenu->popup(pMain->mapToGlobal(QPoint(10, 30)));
            Save(pMenu, QStringLiteral("menu128-%1").arg(nIndex++));
            pMenu->hide();
        }
    }

    void projectBuiltAndRun()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(
                                                               &CJdkLocator::ReadProcessEnvironment)));
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(1100, 760);
        auto* pProject =
            dynamic_cast<CJavaProjectDoc*>(fixture.App().FindTemplate("JavaProject")->OpenDocumentFile(QString()));
        QVERIFY(pProject);
        pProject->Core().SetPathName(fixture.TempPath("Shapes.jpr").toStdString());
        QString strMain = fixture.WriteFile(
            "Shapes.java", "/* Prints the area of a few shapes. */\npublic class Shapes {\n"
                           "\tstatic class Square {\n\t\tint side;\n\t\tSquare(int s) { side = s; }\n"
                           "\t\tint area() { return side * side; }\n\t}\n\n"
                           "\tpublic static void main(String[] args) {\n\t\tfor (int i = 1; i <= 3; i++)\n"
                           "\t\t\tSystem.out.println(\"Square \" + i + \": \" + new Square(i).area());\n\t}\n}\n");
        QString strOther =
            fixture.WriteFile("Util.java", "class Util {\n\tstatic int twice(int x) { return 2 * x; }\n}\n");
        pProject->AddJavaFile(strMain);
        pProject->AddJavaFile(strOther);
        pProject->SetMainFile("Shapes.java");
        pProject->Core().SetJavacSwitches("-g");
        fixture.App().OpenDocumentFile(strOther);
        fixture.App().OpenDocumentFile(strMain);
        QVERIFY(fixture.App().Router().Execute(kWindowTile));
        CProjectTreeCtrl* pTree = pProject->ProjectTree()->Tree();
        pTree->expandAll();
        QVERIFY(fixture.App().Router().Execute(kBuild));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);
        Save(pMain, "ide-after-build");
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);
        Save(pMain, "ide-after-run");
        pProject->FirstFrame()->ActivateFrame();
        pProject->FirstFrame()->showMaximized();
        Save(pMain, "project-form");
    }

    void processWindowFloating()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(900, 600);
        CProcessBar bar(*pMain);
        auto* pWindow = new CProcessWindow(&fixture.App());
        bar.Create(pWindow);
        fixture.App().SetProcessTitle("Building \"/home/ann/projects/Shapes/Shapes.java\"");
        CExternalProcess& runner = fixture.App().ToolRunner();
        QVERIFY(runner.Start("/bin/sh", {"sh", "-c", "echo 'Shapes.java:5: error: ; expected'; sleep 1"}, "/tmp"));
        pWindow->Attach(runner, nullptr);
        bar.setFloating(true);
        QTRY_VERIFY(pWindow->OutputText().contains("expected"));
        Save(&bar, "process-window-floating");
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 5000);
        Save(&bar, "process-window-floating-done");
    }

    void processWindowInput()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(900, 600);
        CProcessBar bar(*pMain);
        auto* pWindow = new CProcessWindow(&fixture.App());
        bar.Create(pWindow);
        fixture.App().SetProcessTitle("java  Greeter");
        CExternalProcess& runner = fixture.App().ToolRunner();
        runner.FeedInput(true);
        const std::string strScript = "printf 'Your name? '; read a; echo \"Hello, $a!\"; sleep 1";
        QVERIFY(runner.Start("/bin/sh", {"sh", "-c", strScript}, "/tmp"));
        pWindow->Attach(runner, nullptr);
        QTRY_VERIFY(pWindow->OutputText().endsWith("? "));
        Save(pMain, "process-window-input-empty");
        QTest::keyClicks(pWindow->findChild<QLineEdit*>("ProgramInput"), "Ann");
        Save(pMain, "process-window-input");
        // A low docked bar: the output gives way to the input line.
        pMain->resizeDocks({&bar}, {80}, Qt::Vertical);
        Save(pMain, "process-window-input-low");
        pMain->resizeDocks({&bar}, {159}, Qt::Vertical);
        bar.setFloating(true);
        Save(&bar, "process-window-input-floating");
        QTest::keyClick(pWindow->findChild<QLineEdit*>("ProgramInput"), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 5000);
        runner.FeedInput(false);
        Save(&bar, "process-window-input-done");
    }

    void startDialogs()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        CNewDocumentDlg newDocument(pMain);
        newDocument.show();
        Save(&newDocument, "dialog-new-document");
        CNewProjectDlg newProject(fixture.Prompts(), pMain);
        newProject.show();
        Save(&newProject, "dialog-new-project");
        std::vector<std::string> recent{"/home/ann/projects/Shapes/Shapes.jpr", "/home/ann/projects/Hello/Hello.jpr",
                                        "/home/ann/applets/Clock/Clock.jpr"};
        CRecentProjectsDlg recentProjects(fixture.Prompts(), recent, pMain);
        recentProjects.show();
        Save(&recentProjects, "dialog-recent-projects");
        CTipDlg tip(fixture.Prompts(), fixture.App().Store(),
                    QFile::encodeName(fixture.App().TipsFilePath()).toStdString(), pMain);
        tip.show();
        Save(&tip, "dialog-tip-of-the-day");
        tip.hide();

        // What New Project leaves: the class open, the project listing it.
        pMain->resize(1000, 680);
        pMain->show();
        fixture.Prompts().m_fileNames = {fixture.TempPath("Hello.jpr")};
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            if (auto* pProject = qobject_cast<CNewProjectDlg*>(&dialog)) {
                pProject->ClassNameEdit()->setText("Hello");
                pProject->TypeButton(ENewProjectType::Application)->setChecked(true);
                pProject->OkButton()->click();
            }
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kNewProject));
        Save(pMain, "ide-new-project");
    }

    void preferencesPages()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        std::vector<CJdkCandidate> jdks{{"/usr/lib/jvm/java-17-openjdk-amd64", "17.0.12"},
                                        {"/usr/lib/jvm/jdk-21", "21.0.4"}};
        CPrefsSheet sheet(fixture.Prompts(), CopyToPreferences(fixture.App().Settings()), jdks, CPrefsSheet::kIDEPage,
                          fixture.App().MainFrame());
        sheet.show();
        const char* names[] = {"prefs-ide", "prefs-source-windows", "prefs-process-window", "prefs-java"};
        for (int i = 0; i < sheet.Tabs()->count(); ++i) {
            sheet.Tabs()->setCurrentIndex(i);
            Save(&sheet, names[i]);
        }
    }

    void windowsMaximizedAndWindowMenu()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(900, 600);
        pMain->show();
        const QByteArray source = "public class Shapes {\n\tpublic static void main(String[] args) {\n"
                                  "\t\tSystem.out.println(\"Shapes\");\n\t}\n}\n";
        for (const char* pszName : {"Shapes.java", "Circle.java", "Square.java"})
            OpenJava(fixture, pszName, source);
        fixture.App().Router().Execute(kWindowCascade);
        Save(pMain, "windows-cascaded");
        for (QAction* pAction : pMain->menuBar()->actions()) {
            if (pAction->text() != "&Window")
                continue;
            QMenu* pMenu = pAction->menu();
            emit pMenu->aboutToShow();
            pMenu->popup(pMain->mapToGlobal(QPoint(300, 30)));
            Save(pMenu, "window-menu-three-files");
            pMenu->hide();
        }
        pMain->ActiveChildFrame()->showMaximized();
        fixture.App().Router().Execute(kFileClose);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Save(pMain, "maximized-after-closing-another");
    }

    void editorCompilerMessages()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(
                                                               &CJdkLocator::ReadProcessEnvironment)));
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(1000, 640);
        auto* pProject =
            dynamic_cast<CJavaProjectDoc*>(fixture.App().FindTemplate("JavaProject")->OpenDocumentFile(QString()));
        QVERIFY(pProject);
        pProject->Core().SetPathName(fixture.TempPath("Shapes.jpr").toStdString());
        QString strMain = fixture.WriteFile(
            "Shapes.java", "import java.util.*;\n\npublic class Shapes {\n\tpublic static void main(String[] args) {\n"
                           "\t\tList names = new ArrayList();\n\t\tint side = 3;\n"
                           "\t\tSystem.out.printn(\"Square: \" + side * sides);\n\t}\n}\n");
        pProject->AddJavaFile(strMain);
        pProject->SetMainFile("Shapes.java");
        pProject->Core().SetJavacSwitches("-Xlint:rawtypes");
        CDocument* pSource = fixture.App().OpenDocumentFile(strMain);
        QVERIFY(fixture.App().Router().Execute(kBuild));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);
        pSource->FirstFrame()->showMaximized();
        Save(pMain, "editor-compiler-messages");
    }

    void findInFiles()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(
                                                               &CJdkLocator::ReadProcessEnvironment)));
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(1000, 640);
        pMain->show();
        auto* pProject =
            dynamic_cast<CJavaProjectDoc*>(fixture.App().FindTemplate("JavaProject")->OpenDocumentFile(QString()));
        QVERIFY(pProject);
        pProject->SetPathName(fixture.TempPath("Shapes.jpr"), false);
        pProject->Core().SetPathName(fixture.TempPath("Shapes.jpr").toStdString());
        const QString strMain = fixture.WriteFile(
            "Shapes.java", "public class Shapes {\n\tpublic static void main(String[] args) {\n"
                           "\t\tint side = 3;\n\t\tSystem.out.println(\"Square: \" + side * side);\n\t}\n}\n");
        const QString strSquare = fixture.WriteFile(
            "Square.java", "class Square {\n\tint side;\n\tSquare(int side) { this.side = side; }\n"
                           "\tint area() { return side * side; }\n}\n");
        pProject->AddJavaFile(strMain);
        pProject->AddJavaFile(strSquare);
        pProject->SetMainFile("Shapes.java");
        QVERIFY(fixture.App().Router().Execute(kBuild));
        QTRY_VERIFY_WITH_TIMEOUT(!pProject->ProcessWindow()->IsWatching(), 30000);
        CDocument* pSource = fixture.App().OpenDocumentFile(strSquare);
        QVERIFY(pSource);
        pSource->FirstFrame()->showMaximized();
        fixture.Prompts().m_onDialog = [this, pMain](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("findWhat")->setText("side");
            dialog.show();
            dialog.move(pMain->geometry().center() - dialog.rect().center());
            Save(&dialog, "dialog-find-in-files");
            dialog.findChild<QPushButton*>("find")->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kFindInFiles));
        CFindResultsWindow* pWindow = fixture.App().FindInFiles().ResultsWindow();
        QVERIFY(pWindow);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsRunning(), 30000);
        QVERIFY(fixture.App().Router().Execute(kNextResult));
        QVERIFY(fixture.App().Router().Execute(kNextResult));
        Save(pMain, "find-results");
    }
};

QTEST_MAIN(ScreenshotTourTest)
#include "ScreenshotTourTest.moc"
