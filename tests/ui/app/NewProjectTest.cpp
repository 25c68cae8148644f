#include "core/app/CommandIds.h"
#include "core/editor/LineEnds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/NewProject.h"
#include "core/project/ProjectTemplates.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/Mouse.h"
#include "ui/app/MainFrame.h"
#include "ui/app/NewDocumentDlg.h"
#include "ui/app/NewProjectDlg.h"
#include "ui/bars/ProjectBar.h"
#include "ui/editor/SourceView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/Document.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"
#include "ui/project/ProjectTreeDlg.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace CommandIds;

namespace {
QByteArray ReadBytes(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray CrLf(const std::string& strText)
{
    return QByteArray::fromStdString(CLineEnds::ToCrLf(strText));
}

// Answers the New dialog with a kind and the New Project dialog with a
// class and a type, as the user would: through their controls.
int Answer(QDialog& dialog, int nKind, const QString& strClass, ENewProjectType eType)
{
    if (auto* pNew = qobject_cast<CNewDocumentDlg*>(&dialog)) {
        pNew->KindList()->item(nKind)->setSelected(true);
        pNew->OkButton()->click();
    } else if (auto* pProject = qobject_cast<CNewProjectDlg*>(&dialog)) {
        pProject->ClassNameEdit()->setText(strClass);
        pProject->TypeButton(eType)->setChecked(true);
        pProject->OkButton()->click();
    }
    return dialog.result();
}

CJavaProjectDoc* OpenProject(CAppFixture& fixture)
{
    return dynamic_cast<CJavaProjectDoc*>(fixture.App().GetProjectDoc());
}

// The documents whose windows are open, by their paths ("" untitled).
QStringList OpenPaths(CAppFixture& fixture)
{
    QStringList paths;
    for (const auto& pTemplate : fixture.App().Templates())
        for (CDocument* pDocument : pTemplate->Documents())
            paths << pDocument->GetPathName();
    return paths;
}

bool TreeHolds(QTreeWidgetItem* pItem, const QString& strText)
{
    if (pItem->text(0) == strText)
        return true;
    for (int i = 0; i < pItem->childCount(); ++i)
        if (TreeHolds(pItem->child(i), strText))
            return true;
    return false;
}

QString WriteProject(CAppFixture& fixture, const QString& strName)
{
    CJavaProjectCore core("", "");
    std::string strError;
    core.SaveAs(fixture.TempPath(strName).toStdString(), strError);
    return fixture.TempPath(strName);
}
} // namespace

class NewProjectTest : public QObject {
    Q_OBJECT
private slots:
    void newDocumentDialogOffersThreeKindsTheFirstChosen()
    {
        CNewDocumentDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString("New Tarnwick Document"));
        QListWidget* pList = dialog.KindList();
        QCOMPARE(pList->viewMode(), QListView::IconMode);
        QCOMPARE(pList->iconSize(), QSize(32, 32));
        QCOMPARE(pList->count(), 3);
        const QStringList names{"Java Source File", "Tarnwick Project", "HTML Page"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(pList->item(i)->text(), names[i]);
            QCOMPARE(pList->item(i)->icon().pixmap(32, 32).size(), QSize(32, 32));
        }
        QVERIFY(pList->item(0)->icon().pixmap(32).toImage() != pList->item(1)->icon().pixmap(32).toImage());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(pList->selectedItems(), QList<QListWidgetItem*>{pList->item(0)});
        QCOMPARE(pList->currentRow(), 0);
        QCOMPARE(dialog.Kind(), -1);

        // With nothing chosen OK keeps the dialog open.
        pList->clearSelection();
        dialog.OkButton()->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.Kind(), -1);

        pList->item(2)->setSelected(true);
        dialog.OkButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Kind(), 2);
    }

    void doubleClickChoosesAKind()
    {
        CNewDocumentDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* pList = dialog.KindList();
        const QRect rect = pList->visualItemRect(pList->item(1));
        DoubleClick(pList->viewport(), rect.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Kind(), 1);
    }

    void fileNewOpensUntitledJavaAndHtmlDocuments()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.App().Router().Update(kFileNew).m_bEnabled);
        int nKind = 0;
        fixture.Prompts().m_onDialog = [&nKind](QDialog& dialog) {
            return Answer(dialog, nKind, QString(), ENewProjectType::Empty);
        };
        QVERIFY(fixture.App().ExecuteCommand(kFileNew));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"New Tarnwick Document"});
        QCOMPARE(fixture.FrameCount(), 1);
        CDocument* pJava = fixture.App().MainFrame()->ActiveChildFrame()->GetDocument();
        QCOMPARE(pJava->GetDocTemplate().GetDocString(EDocStringField::DocName), QString("JavaDocument"));
        QVERIFY(pJava->GetPathName().isEmpty());

        // An HTML page opens in the page editor.
        nKind = 2;
        QVERIFY(fixture.App().ExecuteCommand(kFileNew));
        QCOMPARE(fixture.FrameCount(), 2);
        CDocument* pPage = fixture.App().MainFrame()->ActiveChildFrame()->GetDocument();
        QVERIFY(pPage != pJava);
        QCOMPARE(pPage->GetDocTemplate().GetDocString(EDocStringField::DocName), QString("HTMLDocument"));
        QCOMPARE(fixture.App().MainFrame()->ActiveKind(), EWindowKind::HtmlPage);
        QVERIFY(pPage->GetPathName().isEmpty());
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void fileNewWithEnterOpensAJavaSource()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        bool bShown = false;
        fixture.Prompts().m_onDialog = [&bShown](QDialog& dialog) {
            dialog.show();
            bShown = QTest::qWaitForWindowExposed(&dialog);
            auto* pNew = qobject_cast<CNewDocumentDlg*>(&dialog);
            if (!pNew || !pNew->KindList()->hasFocus())
                return int(QDialog::Rejected);
            QTest::keyClick(pNew->KindList(), Qt::Key_Return);
            return dialog.result();
        };
        QVERIFY(fixture.App().ExecuteCommand(kFileNew));
        QVERIFY(bShown);
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"New Tarnwick Document"});
        QCOMPARE(fixture.FrameCount(), 1);
        CDocument* pJava = fixture.App().MainFrame()->ActiveChildFrame()->GetDocument();
        QCOMPARE(pJava->GetDocTemplate().GetDocString(EDocStringField::DocName), QString("JavaDocument"));
        QVERIFY(pJava->GetPathName().isEmpty());
    }

    void fileNewCancelledDoesNothing()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.App().ExecuteCommand(kFileNew));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"New Tarnwick Document"});
        QCOMPARE(fixture.FrameCount(), 0);
    }

    void fileNewProjectAsksToCloseTheOpenProjectFirst()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.App().OpenDocumentFile(WriteProject(fixture, "Old.jpr")));
        IOpenProject* pOld = fixture.App().GetProjectDoc();
        QVERIFY(pOld);
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 1, "Hello", ENewProjectType::Empty);
        };
        // Refused: the open project stays and no New Project dialog comes.
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        QVERIFY(fixture.App().ExecuteCommand(kFileNew));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Do you want to close the current project?"});
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"New Tarnwick Document"});
        QCOMPARE(fixture.App().GetProjectDoc(), pOld);

        // Accepted: the old project goes and a new empty one, untitled, comes.
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        QVERIFY(fixture.App().ExecuteCommand(kFileNew));
        QCOMPARE(fixture.Prompts().m_messages.size(), 2);
        QCOMPARE(fixture.Prompts().m_dialogTitles,
                 (QStringList{"New Tarnwick Document", "New Tarnwick Document", "New Project"}));
        CJavaProjectDoc* pNew = OpenProject(fixture);
        QVERIFY(pNew);
        QVERIFY(pNew->GetPathName().isEmpty());
        QVERIFY(fixture.Prompts().m_saveDefaults.isEmpty());
        QCOMPARE(fixture.App().RecentProjects(), std::vector<std::string>{fixture.TempPath("Old.jpr").toStdString()});
    }

    void newProjectDialogStartsWithMyAppSelected()
    {
        CScriptedPrompts prompts;
        CNewProjectDlg dialog(prompts);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("New Project"));
        QCOMPARE(dialog.ClassNameEdit()->text(), QString("MyApp"));
        QCOMPARE(dialog.ClassNameEdit()->selectedText(), QString("MyApp"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.ClassNameEdit()));
        QVERIFY(dialog.TypeButton(ENewProjectType::Empty)->isChecked());
        QCOMPARE(dialog.TypeButton(ENewProjectType::Empty)->text(), QString("Empty Project"));
        QCOMPARE(dialog.TypeButton(ENewProjectType::Application)->text(), QString("Application Project"));
        QCOMPARE(dialog.TypeButton(ENewProjectType::Applet)->text(), QString("Applet Project"));
        // Typing replaces the selected name.
        QTest::keyClicks(dialog.ClassNameEdit(), "Hello");
        QCOMPARE(dialog.ClassNameEdit()->text(), QString("Hello"));
    }

    void anEmptyClassNameIsRefusedUnlessTheProjectIsEmpty()
    {
        CScriptedPrompts prompts;
        for (ENewProjectType eType : {ENewProjectType::Application, ENewProjectType::Applet}) {
            CNewProjectDlg dialog(prompts);
            dialog.show();
            dialog.ClassNameEdit()->clear();
            dialog.TypeButton(eType)->setChecked(true);
            dialog.OkButton()->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(dialog.ClassNameEdit()->text(), QString("MyApp"));
        }
        QCOMPARE(prompts.m_messages,
                 (QStringList{"Please enter a name for your class", "Please enter a name for your class"}));

        CNewProjectDlg empty(prompts);
        empty.show();
        empty.ClassNameEdit()->clear();
        empty.OkButton()->click();
        QCOMPARE(empty.result(), int(QDialog::Accepted));
        QCOMPARE(empty.ClassName(), QString());
        QCOMPARE(empty.ProjectType(), ENewProjectType::Empty);
        QCOMPARE(prompts.m_messages.size(), 2);
    }

    void aNameWithAFolderSeparatorIsRefusedAnyOtherTaken()
    {
        CScriptedPrompts prompts;
        CNewProjectDlg dialog(prompts);
        dialog.show();
        dialog.TypeButton(ENewProjectType::Application)->setChecked(true);
        dialog.ClassNameEdit()->setText("src/Hello");
        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(prompts.m_messages, QStringList{"A class name cannot contain a folder separator."});
        QCOMPARE(dialog.ClassNameEdit()->text(), QString("src/Hello"));
        // Not a Java identifier, but taken as typed.
        dialog.ClassNameEdit()->setText("My App");
        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ClassName(), QString("My App"));
        QCOMPARE(dialog.ProjectType(), ENewProjectType::Application);
    }

    void applicationProjectWritesOpensAndSavesHelloJava()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(QDir().mkpath(fixture.TempPath("app")));
        const QString strProject = fixture.TempPath("app/Hello.jpr");
        const QString strJava = fixture.TempPath("app/Hello.java");
        fixture.Prompts().m_fileNames = {strProject};
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Hello", ENewProjectType::Application);
        };
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"New Project"});
        QCOMPARE(fixture.Prompts().m_saveDefaults, QStringList{"Hello.jpr"});
        QCOMPARE(fixture.Prompts().m_fileFilters, QStringList{"Java Projects (*.jpr)"});
        QVERIFY(fixture.Prompts().m_messages.isEmpty());

        const QByteArray source = ReadBytes(strJava);
        QCOMPARE(source, CrLf(CProjectTemplates::MakeApplicationClass("Hello")));
        QCOMPARE(source.count("Hello"), 4);
        QVERIFY(!source.contains("MainFrame"));
        QVERIFY(!QFileInfo::exists(fixture.TempPath("app/Example1.html")));

        CJavaProjectDoc* pProject = OpenProject(fixture);
        QVERIFY(pProject);
        QCOMPARE(pProject->GetPathName(), strProject);
        QCOMPARE(pProject->Core().GetMainFile(), std::string("Hello.java"));
        QCOMPARE(pProject->Core().GetJavaFiles().GetCount(), 1);
        QVERIFY(!pProject->IsModified());
        QVERIFY(OpenPaths(fixture).contains(strJava));
        // The project window, made while the project was untitled, has its name.
        QVERIFY(pProject->ProjectBar());
        QCOMPARE(pProject->ProjectBar()->windowTitle(), QString("Hello.jpr"));

        // What was saved is the project as it stands.
        CJavaProjectCore saved("", "");
        std::string strError;
        QVERIFY(saved.Open(strProject.toStdString(), strError));
        QCOMPARE(saved.GetMainFile(), std::string("Hello.java"));
        QCOMPARE(saved.GetFilePath("Hello.java"), strJava.toStdString());
        QCOMPARE(QByteArray::fromStdString(saved.WriteBytes()), ReadBytes(strProject));
    }

    void appletProjectAddsItsPageWithoutOpeningIt()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QString strProject = fixture.TempPath("Hello.jpr");
        fixture.Prompts().m_fileNames = {strProject};
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Hello", ENewProjectType::Applet);
        };
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QCOMPARE(ReadBytes(fixture.TempPath("Hello.java")), CrLf(CProjectTemplates::MakeAppletClass("Hello")));
        const QByteArray page = ReadBytes(fixture.TempPath("Example1.html"));
        QCOMPARE(page, CrLf(CProjectTemplates::MakeAppletPage("Hello")));
        QVERIFY(page.contains("<TITLE>Hello Example1</TITLE>"));
        QVERIFY(page.contains("<H1>Hello</H1>"));
        QVERIFY(page.contains("CODE=\"Hello.class\""));

        CJavaProjectDoc* pProject = OpenProject(fixture);
        QVERIFY(pProject);
        QCOMPARE(pProject->Core().GetMainFile(), std::string("Hello.java"));
        QCOMPARE(pProject->Core().GetMainHtmlFile(), std::string("Example1.html"));
        QCOMPARE(pProject->GetHtmlFilePath("Example1.html"), fixture.TempPath("Example1.html"));
        QVERIFY(OpenPaths(fixture).contains(fixture.TempPath("Hello.java")));
        QVERIFY(!OpenPaths(fixture).contains(fixture.TempPath("Example1.html")));
        QVERIFY(!pProject->IsModified());
    }

    void aProjectNameWithoutExtensionGetsJpr()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        fixture.Prompts().m_fileNames = {fixture.TempPath("Demo")};
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Demo", ENewProjectType::Application);
        };
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QVERIFY(QFileInfo::exists(fixture.TempPath("Demo.jpr")));
        QCOMPARE(OpenProject(fixture)->GetPathName(), fixture.TempPath("Demo.jpr"));
    }

    void cancellingTheSaveLeavesAnUntitledProjectAndNoFiles()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Hello", ENewProjectType::Application);
        };
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QCOMPARE(fixture.Prompts().m_saveDefaults, QStringList{"Hello.jpr"});
        CJavaProjectDoc* pProject = OpenProject(fixture);
        QVERIFY(pProject);
        QVERIFY(pProject->GetPathName().isEmpty());
        QCOMPARE(pProject->Core().GetJavaFiles().GetCount(), 0);
        QCOMPARE(QDir(fixture.TempPath("")).entryList({"*.java", "*.jpr"}, QDir::Files), QStringList());
    }

    void anEmptyProjectsWindowTakesTheNameItIsSavedUnder()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Hello", ENewProjectType::Empty);
        };
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        CJavaProjectDoc* pProject = OpenProject(fixture);
        QVERIFY(pProject && pProject->ProjectBar());
        QVERIFY(pProject->GetPathName().isEmpty());
        QCOMPARE(pProject->ProjectBar()->windowTitle(), pProject->GetTitle());
        QVERIFY(pProject->GetTitle().startsWith("JavaProject"));

        fixture.Prompts().m_fileNames = {fixture.TempPath("Pkg.jpr")};
        QVERIFY(fixture.App().ExecuteCommand(kFileSaveAs));
        QCOMPARE(pProject->GetPathName(), fixture.TempPath("Pkg.jpr"));
        QCOMPARE(pProject->ProjectBar()->windowTitle(), QString("Pkg.jpr"));
        // And again under another name.
        fixture.Prompts().m_fileNames = {fixture.TempPath("Shop.jpr")};
        QVERIFY(fixture.App().ExecuteCommand(kFileSaveAs));
        QCOMPARE(pProject->ProjectBar()->windowTitle(), QString("Shop.jpr"));
    }

    void cancellingTheDialogMakesNoProject()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"New Project"});
        QVERIFY(!fixture.App().GetProjectDoc());
        QCOMPARE(fixture.FrameCount(), 0);
        QVERIFY(fixture.Prompts().m_saveDefaults.isEmpty());
    }

    void aSourceThatCannotBeWrittenEndsSilentlyWithTheProjectSaved()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        // A folder where the source should go.
        QVERIFY(QDir().mkpath(fixture.TempPath("Hello.java")));
        fixture.Prompts().m_fileNames = {fixture.TempPath("Hello.jpr")};
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Hello", ENewProjectType::Application);
        };
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        CJavaProjectDoc* pProject = OpenProject(fixture);
        QCOMPARE(pProject->GetPathName(), fixture.TempPath("Hello.jpr"));
        QVERIFY(QFileInfo(fixture.TempPath("Hello.jpr")).isFile());
        QCOMPARE(pProject->Core().GetJavaFiles().GetCount(), 0);
        QCOMPARE(fixture.FrameCount(), 1);
    }

    void anExistingSourceIsReplacedOnlyWhenTheUserSaysYes()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(QDir().mkpath(fixture.TempPath("no")));
        QVERIFY(QDir().mkpath(fixture.TempPath("yes")));
        for (const char* pszFolder : {"no", "yes"}) {
            QFile file(fixture.TempPath(QString(pszFolder) + "/Hello.java"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("class Hello {} // mine\n");
        }
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Hello", ENewProjectType::Application);
        };

        // No: the file stays as it is, and the project is made around it.
        fixture.Prompts().m_fileNames = {fixture.TempPath("no/Hello.jpr")};
        fixture.Prompts().m_answers = {CPromptService::kAnswerNo};
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Hello.java already exists. Replace it?"});
        QCOMPARE(ReadBytes(fixture.TempPath("no/Hello.java")), QByteArray("class Hello {} // mine\n"));
        CJavaProjectDoc* pProject = OpenProject(fixture);
        QVERIFY(pProject);
        QCOMPARE(pProject->GetPathName(), fixture.TempPath("no/Hello.jpr"));
        QCOMPARE(pProject->Core().GetMainFile(), std::string("Hello.java"));
        QCOMPARE(pProject->Core().GetJavaFiles().GetCount(), 1);
        QVERIFY(!pProject->IsModified());
        QVERIFY(OpenPaths(fixture).contains(fixture.TempPath("no/Hello.java")));
        CJavaProjectCore saved("", "");
        std::string strError;
        QVERIFY(saved.Open(fixture.TempPath("no/Hello.jpr").toStdString(), strError));
        QCOMPARE(saved.GetFilePath("Hello.java"), fixture.TempPath("no/Hello.java").toStdString());

        // Yes: the new source replaces it.
        fixture.Prompts().m_messages.clear();
        fixture.Prompts().m_fileNames = {fixture.TempPath("yes/Hello.jpr")};
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk, CPromptService::kAnswerYes};
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"Do you want to close the current project?", "Hello.java already exists. Replace it?"}));
        QCOMPARE(ReadBytes(fixture.TempPath("yes/Hello.java")), CrLf(CProjectTemplates::MakeApplicationClass("Hello")));
        QCOMPARE(OpenProject(fixture)->GetPathName(), fixture.TempPath("yes/Hello.jpr"));
    }

    void aProjectFileThatCannotBeSavedIsReported()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        fixture.Prompts().m_fileNames = {fixture.TempPath("missing/folder/Hello.jpr")};
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 0, "Hello", ENewProjectType::Application);
        };
        QVERIFY(fixture.App().ExecuteCommand(kNewProject));
        QCOMPARE(fixture.Prompts().m_messages.size(), 1);
        QVERIFY2(fixture.Prompts().m_messages.front().contains("Hello.jpr"),
                 qPrintable(fixture.Prompts().m_messages.front()));
        QVERIFY(OpenProject(fixture)->GetPathName().isEmpty());
        QVERIFY(!QFileInfo::exists(fixture.TempPath("missing/folder/Hello.java")));
    }

    // The whole way a new user goes: Ctrl+N, a project, a class, a place.
    void ctrlNToACompilingProject()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CMainFrame* pMain = fixture.App().MainFrame();
        QVERIFY(QDir().mkpath(fixture.TempPath("work")));
        const QString strJava = fixture.TempPath("work/Hello.java");
        fixture.Prompts().m_fileNames = {fixture.TempPath("work/Hello.jpr")};
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            return Answer(dialog, 1, "Hello", ENewProjectType::Application);
        };
        pMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pMain));
        QTest::keyClick(pMain, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(fixture.Prompts().m_dialogTitles, (QStringList{"New Tarnwick Document", "New Project"}));
        QVERIFY(QFileInfo(fixture.TempPath("work/Hello.jpr")).isFile());
        QVERIFY(QFileInfo(strJava).isFile());

        // The editor shows the new class.
        CMdiChildFrame* pFrame = nullptr;
        for (const auto& pTemplate : fixture.App().Templates())
            for (CDocument* pDocument : pTemplate->Documents())
                if (pDocument->GetPathName() == strJava)
                    pFrame = pDocument->FirstFrame();
        QVERIFY(pFrame);
        auto* pView = dynamic_cast<CSourceView*>(pFrame->GetView());
        QVERIFY(pView);
        QCOMPARE(pView->text().toUtf8(), CrLf(CProjectTemplates::MakeApplicationClass("Hello")));

        // The project window lists it.
        CJavaProjectDoc* pProject = OpenProject(fixture);
        QVERIFY(pProject->ProjectTree());
        QVERIFY(TreeHolds(pProject->ProjectTree()->Tree()->invisibleRootItem(), "Hello.java"));

        // And javac takes it.
        const std::string strJdk = CJdkLocator::FromEnvironment(&CJdkLocator::ReadProcessEnvironment);
        const QString strJavac = QString::fromStdString(strJdk) + "/bin/javac";
        if (!QFileInfo(strJavac).isExecutable())
            QSKIP("no JDK found");
        QProcess javac;
        javac.setWorkingDirectory(fixture.TempPath("work"));
        javac.setProcessChannelMode(QProcess::MergedChannels);
        javac.start(strJavac, {"Hello.java"});
        QVERIFY(javac.waitForFinished(120000));
        QVERIFY2(javac.exitCode() == 0, javac.readAll().constData());
        QVERIFY(QFileInfo(fixture.TempPath("work/Hello.class")).isFile());
    }
};

QTEST_MAIN(NewProjectTest)
#include "NewProjectTest.moc"
