#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/TextTestDocument.h"
#include "ui/app/MainFrame.h"
#include "ui/framework/DocTemplate.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

using namespace CommandIds;

namespace {
QStringList MenuTexts(QMenu* pMenu)
{
    QStringList texts;
    for (QAction* pAction : pMenu->actions())
        if (pAction->isVisible())
            texts << (pAction->isSeparator() ? QString("-") : pAction->text());
    return texts;
}

QMenu* TopMenu(CMainFrame& frame, const QString& strTitle)
{
    for (QAction* pAction : frame.menuBar()->actions())
        if (pAction->text() == strTitle)
            return pAction->menu();
    return nullptr;
}

CFakeProjectDocument* OpenFakeProject(CAppFixture& fixture, const QString& strName = "Demo.jpr")
{
    CDocument* pDocument = fixture.App().OpenDocumentFile(fixture.WriteFile(strName, "project"));
    return static_cast<CFakeProjectDocument*>(pDocument);
}
} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void helpMenuGetsTheTipItemOnce()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        QCOMPARE(MenuTexts(TopMenu(frame, "&Help")),
                 (QStringList{"Ti&p of the Day...", "-", "&About Tarnwick", "Help...", "JDK Help\tF1"}));
        // Switching to a document kind and back puts up the menu bars again.
        QString strJava = fixture.WriteFile("A.java", "a");
        fixture.App().OpenDocumentFile(strJava);
        QCOMPARE(frame.ActiveKind(), EWindowKind::JavaSource);
        QCOMPARE(MenuTexts(TopMenu(frame, "&Help")),
                 (QStringList{"Ti&p of the Day...", "-", "&About Tarnwick", "Help...", "JDK Help\tF1"}));
        fixture.App().Router().Execute(kFileClose);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(frame.ActiveKind(), EWindowKind::NoDocument);
        QCOMPARE(MenuTexts(TopMenu(frame, "&Help")),
                 (QStringList{"Ti&p of the Day...", "-", "&About Tarnwick", "Help...", "JDK Help\tF1"}));
    }

    void menuBarFollowsTheActiveWindowKind()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        QStringList titles;
        for (QAction* pAction : frame.menuBar()->actions())
            titles << pAction->text();
        QCOMPARE(titles, (QStringList{"&File", "&View", "&Project", "&Help"}));
        OpenFakeProject(fixture);
        titles.clear();
        for (QAction* pAction : frame.menuBar()->actions())
            titles << pAction->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Project", "&Build", "&Window", "&Help"}));
        QCOMPARE(MenuTexts(TopMenu(frame, "&Build")),
                 (QStringList{"&Build\tF7", "&Compile\tCtrl+M", "-", "&Run Application\tF5", "Run &Applet\tShift+F5",
                              "Run with &Console", "Program &input", "-", "Open In &Web Browser"}));
        QCOMPARE(MenuTexts(TopMenu(frame, "&View")),
                 (QStringList{"&Toolbar", "&Status Bar", "-", "Compiler &Messages", "Line &Numbers"}));
    }

    // Both switches start as the settings say, flip through the router and
    // are stored at once.
    void compilerMessagesAndProgramInputAreStoredSwitches()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/COMPILERMESSAGES", 0);
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        OpenFakeProject(fixture);
        QAction* pMessages = frame.CommandAction(kCompilerMessages);
        QAction* pInput = frame.CommandAction(kProgramInput);
        QVERIFY(pMessages && pInput);
        frame.UpdateCommandStates();
        QCOMPARE(pMessages->isChecked(), false);
        QCOMPARE(pInput->isChecked(), false);
        QVERIFY(fixture.App().ExecuteCommand(kCompilerMessages));
        QVERIFY(fixture.App().ExecuteCommand(kProgramInput));
        frame.UpdateCommandStates();
        QCOMPARE(pMessages->isChecked(), true);
        QCOMPARE(pInput->isChecked(), true);
        QCOMPARE(fixture.Stored("OPTIONS/COMPILERMESSAGES").toInt(), 1);
        QCOMPARE(fixture.Stored("OPTIONS/PROGRAMINPUT").toInt(), 1);
        QVERIFY(fixture.App().ExecuteCommand(kProgramInput));
        frame.UpdateCommandStates();
        QCOMPARE(pInput->isChecked(), false);
        QCOMPARE(fixture.Stored("OPTIONS/PROGRAMINPUT").toInt(), 0);
    }

    // Line numbers are on unless stored off, and the switch is stored at once.
    void lineNumbersAreAStoredSwitch()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/LINENUMBERS", 0);
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        QAction* pNumbers = frame.CommandAction(kLineNumbers);
        QVERIFY(pNumbers && pNumbers->isCheckable());
        frame.UpdateCommandStates();
        QCOMPARE(pNumbers->isChecked(), false);
        QVERIFY(fixture.App().ExecuteCommand(kLineNumbers));
        frame.UpdateCommandStates();
        QCOMPARE(pNumbers->isChecked(), true);
        QCOMPARE(fixture.Stored("OPTIONS/LINENUMBERS").toInt(), 1);
    }

    void actionsAndMenusAreMadeOnceForTheProgramsLife()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        QAction* pSave = frame.CommandAction(kFileSave);
        QVERIFY(pSave);
        QCOMPARE(pSave, frame.MainToolBar()->actions()[3]);
        int nActions = 0;
        int nMenus = 0;
        QString strJava = fixture.WriteFile("A.java", "a");
        QMenu* pJavaFile = nullptr;
        for (int i = 0; i < 3; ++i) {
            fixture.App().OpenDocumentFile(strJava);
            QCOMPARE(frame.ActiveKind(), EWindowKind::JavaSource);
            QVERIFY(TopMenu(frame, "&File")->actions().contains(pSave));
            if (!pJavaFile)
                pJavaFile = TopMenu(frame, "&File");
            QCOMPARE(TopMenu(frame, "&File"), pJavaFile);
            // Keys follow the kind: F2 is the Java window's, F8 the project window's.
            QVERIFY(frame.findChild<QAction*>("accel_F2")->isEnabled());
            QVERIFY(!frame.findChild<QAction*>("accel_F8")->isEnabled());
            fixture.App().Router().Execute(kFileClose);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(frame.ActiveKind(), EWindowKind::NoDocument);
            QVERIFY(!frame.findChild<QAction*>("accel_F2")->isEnabled());
            QVERIFY(frame.findChild<QAction*>("accel_Ctrl+N")->isEnabled());
            // Both kinds' menus were made the first time round; nothing since.
            if (i == 0) {
                nActions = static_cast<int>(frame.findChildren<QAction*>().size());
                nMenus = static_cast<int>(frame.findChildren<QMenu*>().size());
            }
            QCOMPARE(static_cast<int>(frame.findChildren<QAction*>().size()), nActions);
            QCOMPARE(static_cast<int>(frame.findChildren<QMenu*>().size()), nMenus);
        }
        QCOMPARE(frame.CommandAction(kFileSave), pSave);
    }

    void recentFileListIsShownInTheFileMenu()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        QVERIFY(MenuTexts(TopMenu(frame, "&File")).contains("Recent File"));
        QString strA = fixture.WriteFile("A.java", "a");
        QString strB = fixture.WriteFile("B.java", "b");
        fixture.App().OpenDocumentFile(strA);
        fixture.App().OpenDocumentFile(strB);
        QCOMPARE(frame.RecentFiles(), (QStringList{strB, strA}));
        QStringList items = MenuTexts(TopMenu(frame, "&File"));
        QVERIFY(items.contains("&1 " + strB));
        QVERIFY(items.contains("&2 " + strA));
        QCOMPARE(fixture.Stored("Recent File List/File1").toString(), strB);
    }

    void recentFileThatCannotBeOpenedLeavesTheList()
    {
        CAppFixture fixture;
        QString strA = fixture.WriteFile("A.java", "a");
        QString strB = fixture.WriteFile("B.java", "b");
        QString strGone = fixture.TempPath("Gone.java");
        fixture.PresetSettings().setValue("Recent File List/File1", strGone);
        fixture.PresetSettings().setValue("Recent File List/File2", strA);
        fixture.PresetSettings().setValue("Recent File List/File3", "");
        fixture.PresetSettings().setValue("Recent File List/File4", strB);
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        QCOMPARE(frame.RecentFiles(), (QStringList{strGone, strA, strB}));
        QAction* pGone = frame.findChild<QAction*>("recent_file_1");
        QVERIFY(pGone);
        QCOMPARE(pGone->text(), "&1 " + strGone);
        pGone->trigger();
        QCOMPARE(fixture.Prompts().m_messages.size(), 1);
        QCOMPARE(frame.RecentFiles(), (QStringList{strA, strB}));
        QStringList items = MenuTexts(TopMenu(frame, "&File"));
        QVERIFY(items.contains("&1 " + strA));
        QVERIFY(items.contains("&2 " + strB));
        QVERIFY(!items.contains("&3 " + strB));
        QCOMPARE(fixture.Stored("Recent File List/File1").toString(), strA);
        QCOMPARE(fixture.Stored("Recent File List/File2").toString(), strB);
        QCOMPARE(fixture.Stored("Recent File List/File3").toString(), QString());
        QCOMPARE(fixture.Stored("Recent File List/File4").toString(), QString());

        // Opening one again moves it to the front; the list survives a restart.
        QVERIFY(fixture.App().OpenDocumentFile(strB));
        QCOMPARE(frame.RecentFiles(), (QStringList{strB, strA}));
        fixture.Close();
        QVERIFY(fixture.Start());
        QCOMPARE(fixture.App().MainFrame()->RecentFiles(), (QStringList{strB, strA}));
    }

    void statusPanesKeepTheirWidth()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        const int nWidth = frame.LinePane()->width();
        QVERIFY(nWidth >= 70);
        frame.SetLinePaneText("Line: 123456789");
        frame.SetColumnPaneText("Col: 1");
        QCOMPARE(frame.LinePane()->width(), nWidth);
        QCOMPARE(frame.ColumnPane()->width(), nWidth);
        QCOMPARE(frame.LinePaneText(), QString("Line: 123456789"));
        frame.SetStatusPaneText("Building");
        QCOMPARE(frame.StatusPaneText(), QString("Building"));
    }

    void toolbarButtonsInOrderWithTooltips()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QStringList tips;
        for (QAction* pAction : fixture.App().MainFrame()->MainToolBar()->actions())
            tips << (pAction->isSeparator() ? QString("-") : pAction->toolTip());
        QCOMPARE(tips, (QStringList{"New",
                                    "-",
                                    "Open",
                                    "Save",
                                    "-",
                                    "Cut",
                                    "Copy",
                                    "Paste",
                                    "-",
                                    "Print",
                                    "-",
                                    "Increase Indent",
                                    "Decrease Indent",
                                    "-",
                                    "Compile File",
                                    "Build",
                                    "Run",
                                    "Run Applet",
                                    "Open in Browser",
                                    "-",
                                    "Project Window"}));
        for (QAction* pAction : fixture.App().MainFrame()->MainToolBar()->actions())
            QVERIFY(pAction->isSeparator() || !pAction->icon().isNull());
    }

    void withoutAProjectOnlyBuildStaysEnabled()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CCommandRouter& router = fixture.App().Router();
        QVERIFY(router.Update(kBuild).m_bEnabled);
        for (int nId : {kRunApplication, kCompile, kRunWithConsole, kAddJavaFiles, kAddHtmlFile, kCreateJar,
                        kShowArchiveContents, kProjectWindowButton, kRunApplet, kJdkHelp, kFileSave})
            QVERIFY2(!router.Update(nId).m_bEnabled, qPrintable(QString::number(nId)));
        // Build with no project does nothing and says nothing.
        QVERIFY(router.Execute(kBuild));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        // The application's own dialogs are there without a project.
        for (int nId : {kFileNew, kPreferences, kNewProject, kRecentProjects, kTipOfTheDay})
            QVERIFY2(router.Update(nId).m_bEnabled, qPrintable(QString::number(nId)));
    }

    void projectCommandsFollowTheProjectAndTheRunningTool()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        bool bRunning = false;
        fixture.App().SetToolRunningQuery([&bRunning] { return bRunning; });
        CFakeProjectDocument* pProject = OpenFakeProject(fixture);
        CCommandRouter& router = fixture.App().Router();
        for (int nId : {kRunApplication, kCompile, kRunWithConsole, kAddJavaFiles, kAddHtmlFile, kCreateJar,
                        kShowArchiveContents, kProjectWindowButton})
            QVERIFY2(router.Update(nId).m_bEnabled, qPrintable(QString::number(nId)));
        QVERIFY(!router.Update(kRunApplet).m_bEnabled);
        bRunning = true;
        QVERIFY(!router.Update(kRunApplication).m_bEnabled);
        QVERIFY(!router.Update(kCompile).m_bEnabled);
        QVERIFY(router.Update(kBuild).m_bEnabled);
        QVERIFY(router.Update(kRunWithConsole).m_bEnabled);
        bRunning = false;
        for (int nId : {kBuild, kRunApplication, kRunWithConsole, kCreateJar, kProjectWindowButton})
            QVERIFY(router.Execute(nId));
        QCOMPARE(pProject->m_forwarded,
                 (std::vector<int>{kBuild, kRunApplication, kRunWithConsole, kCreateJar, kProjectWindowButton}));
    }

    void runAppletNeedsAPageTheProjectCanFind()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CFakeProjectDocument* pProject = OpenFakeProject(fixture);
        pProject->m_strMainHtml = "Example1.html";
        CCommandRouter& router = fixture.App().Router();
        QVERIFY(router.Update(kRunApplet).m_bEnabled);
        QVERIFY(router.Execute(kRunApplet));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Unable to open the HTML file."});
        QVERIFY(pProject->m_appletRuns.isEmpty());
        pProject->m_strHtmlFolder = "/web";
        QVERIFY(router.Execute(kRunApplet));
        QCOMPARE(pProject->m_appletRuns, QStringList{"/web/Example1.html"});
    }

    void openAndCloseProjectCommands()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QString strA = fixture.WriteFile("A.jpr", "a");
        fixture.Prompts().m_fileNames = {strA};
        QVERIFY(fixture.App().Router().Execute(kOpenProject));
        QCOMPARE(fixture.Prompts().m_fileTitles, QStringList{"Open a Tarnwick Project"});
        QCOMPARE(fixture.Prompts().m_fileFilters, QStringList{"Java Project Files (*.jpr)"});
        QVERIFY(fixture.App().GetProjectDoc());
        // Opening it again only brings it to the front.
        fixture.Prompts().m_fileNames = {strA};
        QVERIFY(fixture.App().Router().Execute(kOpenProject));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        // Close Project asks first; Cancel keeps it.
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QVERIFY(fixture.App().GetProjectDoc());
        fixture.Prompts().m_answers = {CPromptService::kAnswerOk};
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        QVERIFY(!fixture.App().GetProjectDoc());
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{"Do you want to close the current project?",
                                                            "Do you want to close the current project?"}));
    }

    void aboutBoxAndHelp()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QStringList buttons;
        fixture.Prompts().m_onDialog = [&buttons](QDialog& dialog) {
            for (QPushButton* pButton : dialog.findChildren<QPushButton*>())
                buttons << pButton->text();
            // TARNWICK_SCREENSHOTS=folder keeps a picture of the box for a human to look at.
            if (qEnvironmentVariableIsSet("TARNWICK_SCREENSHOTS")) {
                dialog.adjustSize();
                dialog.grab().save(qEnvironmentVariable("TARNWICK_SCREENSHOTS") + "/about.png");
            }
            dialog.findChild<QPushButton*>("VisitWebSite")->click();
            return int(QDialog::Accepted);
        };
        QVERIFY(fixture.App().Router().Execute(kAppAbout));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"About Tarnwick"});
        QCOMPARE(buttons, (QStringList{"OK", "Visit Web Site"}));
        QCOMPARE(fixture.Prompts().m_openedUrls, QStringList{"https://tarnwick.vellorand.org/"});

        QVERIFY(fixture.App().Router().Execute(kHelp));
        QString strHelp = fixture.Prompts().m_openedUrls.last();
        QCOMPARE(strHelp, QString(TARNWICK_TEST_APP_FOLDER) + "/help/index.html");
        QVERIFY(QFileInfo(strHelp).isFile());
    }

    void exitAndViewToggles()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame& frame = *fixture.App().MainFrame();
        CCommandRouter& router = fixture.App().Router();
        QVERIFY(router.Update(kViewToolbar).m_bChecked);
        QVERIFY(router.Execute(kViewToolbar));
        QVERIFY(!frame.MainToolBar()->isVisible());
        QVERIFY(!router.Update(kViewToolbar).m_bChecked);
        QVERIFY(!router.Update(kWindowCascade).m_bEnabled);
        QVERIFY(router.Execute(kAppExit));
        QVERIFY(!frame.isVisible());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
