#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/TextTestDocument.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/html/LiveEditorDoc.h"
#include "ui/framework/DocTemplate.h"

#include <QMdiArea>
#include <QtTest>

using namespace CommandIds;

class AppStartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { CFakeProjectDocument::s_nClosed = 0; }

    void startsWithoutAnEmptyDocument()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QCOMPARE(fixture.FrameCount(), 0);
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        QCOMPARE(fixture.App().MainFrame()->ActiveKind(), EWindowKind::NoDocument);
        QCOMPARE(fixture.App().MainFrame()->windowTitle(), QString("Tarnwick"));
    }

    void settingsAreLoadedWithTheDetectedJdk()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/TABWIDTH", 8);
        QVERIFY(fixture.Start());
        QCOMPARE(fixture.App().Settings().m_strJavaBin, std::string("/opt/test-jdk"));
        QCOMPARE(fixture.App().Settings().m_nTabWidth, 8);
    }

    void namedFileIsOpenedAndLastProjectFollows()
    {
        CAppFixture fixture;
        QString strJava = fixture.WriteFile("Hello.java", "class Hello {}\n");
        QString strProject = fixture.WriteFile("Demo.jpr", "project");
        fixture.PresetSettings().setValue("OPTIONS/LASTOPEN", strProject);
        QVERIFY(fixture.Start({strJava}));
        QCOMPARE(fixture.FrameCount(), 2);
        QVERIFY(fixture.App().GetProjectDoc());
        QCOMPARE(fixture.App().GetProjectDoc()->ProjectDocument().GetPathName(), strProject);
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        // The file asked for is the one in front.
        QCOMPARE(fixture.App().MainFrame()->ActiveChildFrame()->GetDocument()->GetPathName(), strJava);
    }

    void lastProjectIsNotOpenedWhenLoadLastIsOff()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/LASTOPEN", fixture.WriteFile("Demo.jpr", "p"));
        fixture.PresetSettings().setValue("OPTIONS/LOADLAST", 0);
        QVERIFY(fixture.Start());
        QCOMPARE(fixture.FrameCount(), 0);
        QVERIFY(!fixture.App().GetProjectDoc());
    }

    // The project named on the command line is the one the user wants: the
    // last one is neither opened nor offered.
    void namedProjectWinsOverTheLastProject()
    {
        CAppFixture fixture;
        QString strNamed = fixture.WriteFile("Named.jpr", "n");
        QString strLast = fixture.WriteFile("Last.jpr", "l");
        fixture.PresetSettings().setValue("OPTIONS/LASTOPEN", strLast);
        QVERIFY(fixture.Start({strNamed}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(fixture.Prompts().m_messages, QStringList{});
        QCOMPARE(fixture.App().GetProjectDoc()->ProjectDocument().GetPathName(), strNamed);
        QCOMPARE(CFakeProjectDocument::s_nClosed, 0);
        QCOMPARE(fixture.FrameCount(), 1);
    }

    void sameProjectAsLastOpenAsksNothing()
    {
        CAppFixture fixture;
        QString strProject = fixture.WriteFile("Demo.jpr", "p");
        fixture.PresetSettings().setValue("OPTIONS/LASTOPEN", strProject);
        QVERIFY(fixture.Start({strProject}));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        QCOMPARE(fixture.FrameCount(), 1);
    }

    void projectExtensionIsComparedWithoutCase()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QVERIFY(fixture.App().OpenDocumentFile(fixture.WriteFile("A.jpr", "a")));
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        QVERIFY(!fixture.App().OpenDocumentFile(fixture.WriteFile("B.JPR", "b")));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Do you want to close the current project?"});
        QCOMPARE(fixture.FrameCount(), 1);
    }

    void missingFileSaysSoAndStartUpFails()
    {
        CAppFixture fixture;
        QString strMissing = fixture.TempPath("Nope.java");
        QVERIFY(!fixture.Start({strMissing}));
        QCOMPARE(fixture.Prompts().m_messages,
                 QStringList{strMissing + "\nCannot find this file.\nPlease verify that the correct path and file "
                                          "name are given."});
    }

    void htmlPagesOpenInThePageEditor()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        for (const char* pszName : {"page.html", "Page.HTM"}) {
            auto* pDoc = dynamic_cast<CLiveEditorDoc*>(
                fixture.App().OpenDocumentFile(fixture.WriteFile(pszName, "<p>")));
            QVERIFY2(pDoc, pszName);
            QCOMPARE(&pDoc->GetDocTemplate(), fixture.App().FindTemplate("HTMLDocument"));
        }
        QCOMPARE(fixture.Prompts().m_messages, QStringList{});
    }

    void windowStateIsRestoredAndStored()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("SETTINGS/WINDOWSTATE", 1);
        QVERIFY(fixture.Start());
        QVERIFY(fixture.App().MainFrame()->isMaximized());
        fixture.App().MainFrame()->showNormal();
        fixture.Close();
        QCOMPARE(fixture.Stored("SETTINGS/WINDOWSTATE").toInt(), 0);

        CAppFixture second;
        QVERIFY(second.Start());
        QVERIFY(!second.App().MainFrame()->isMaximized());
        second.App().MainFrame()->showMaximized();
        second.Close();
        QCOMPARE(second.Stored("SETTINGS/WINDOWSTATE").toInt(), 1);
    }

    void closingWithoutAProjectEmptiesLastOpen()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/LASTOPEN", "/gone/Old.jpr");
        fixture.PresetSettings().setValue("OPTIONS/LOADLAST", 0);
        fixture.PresetSettings().setValue("OPTIONS/RECENTSIZE", 1);
        fixture.PresetSettings().setValue("OPTIONS/RECENT0", "/gone/Old.jpr");
        QVERIFY(fixture.Start());
        fixture.Close();
        QCOMPARE(fixture.Stored("OPTIONS/LASTOPEN").toString(), QString(""));
        QCOMPARE(fixture.Stored("OPTIONS/RECENTSIZE").toInt(), 1);
        QCOMPARE(fixture.Stored("OPTIONS/RECENT0").toString(), QString("/gone/Old.jpr"));
    }

    void cancellingAnUnsavedDocumentKeepsTheWindowOpen()
    {
        CAppFixture fixture;
        QString strJava = fixture.WriteFile("Hello.java", "x");
        QVERIFY(fixture.Start({strJava}));
        CDocument* pDocument = fixture.App().FindTemplate("JavaDocument")->Documents().front();
        pDocument->SetModifiedFlag(true);
        fixture.Prompts().m_answers = {CPromptService::kAnswerCancel};
        QVERIFY(!fixture.App().MainFrame()->close());
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Save changes to " + strJava + "?"});
        QCOMPARE(fixture.FrameCount(), 1);
        QCOMPARE(fixture.Stored("SETTINGS/WINDOWSTATE").toInt(), 0); // written before the question
        pDocument->SetModifiedFlag(false);
    }

    void saveAllSavesEveryModifiedDocument()
    {
        CAppFixture fixture;
        QString strA = fixture.WriteFile("A.java", "a");
        QString strB = fixture.WriteFile("B.java", "b");
        QVERIFY(fixture.Start({strA}));
        fixture.App().OpenDocumentFile(strB);
        auto documents = fixture.App().FindTemplate("JavaDocument")->Documents();
        QCOMPARE(documents.size(), std::size_t(2));
        auto* pA = static_cast<CTextTestDocument*>(documents[0]);
        auto* pB = static_cast<CTextTestDocument*>(documents[1]);
        pA->m_strText = "changed";
        pA->SetModifiedFlag(true);
        fixture.Prompts().m_answers = {CPromptService::kAnswerYes};
        QVERIFY(fixture.App().Router().Execute(kSaveAll));
        QCOMPARE(pA->m_nSaveCount, 1);
        QCOMPARE(pB->m_nSaveCount, 0);
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Save changes to " + strA + "?"});
        QFile saved(strA);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("changed"));
    }

    void openingAnOpenFileBringsItToTheFront()
    {
        CAppFixture fixture;
        QString strA = fixture.WriteFile("A.java", "a");
        QString strB = fixture.WriteFile("B.java", "b");
        QVERIFY(fixture.Start({strA}));
        CDocument* pA = fixture.App().OpenDocumentFile(strA);
        fixture.App().OpenDocumentFile(strB);
        QCOMPARE(fixture.FrameCount(), 2);
        QCOMPARE(fixture.App().OpenDocumentFile(strA), pA);
        QCOMPARE(fixture.FrameCount(), 2);
        QCOMPARE(fixture.App().MainFrame()->ActiveChildFrame()->GetDocument(), pA);
    }
};

QTEST_MAIN(AppStartupTest)
#include "AppStartupTest.moc"
