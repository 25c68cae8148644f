#include "core/app/CommandIds.h"
#include "core/tools/ExternalProcess.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "tests/ui/support/TextTestDocument.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace CommandIds;

// Compile from the Java editor: with a project open the project compiles
// the file; without one the editor only saves and sets the title.
class CompilePathTest : public QObject {
    Q_OBJECT
private slots:
    void editorHandsTheFileToTheOpenProject()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        // The real Java editor with a project that records what it is asked.
        fixture.App()
            .FindTemplate("JavaProject")
            ->SetFactories([](CDocTemplate& t) { return new CFakeProjectDocument(t); },
                           [](CDocument& document) {
                               return new CMdiChildFrame(document, new CTextTestView(document), EWindowKind::Project);
                           });
        auto* pProject =
            dynamic_cast<CFakeProjectDocument*>(fixture.App().FindTemplate("JavaProject")->OpenDocumentFile(QString()));
        QVERIFY(pProject);
        fixture.App().Settings().m_bSaveComp = true;
        fixture.App().SetProcessTitle("before");

        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "A.java", "class A {}\n");
        QTest::keyClicks(pDoc->FirstView(), "public ");
        pDoc->FirstView()->OnCommand(kCompile);
        QCOMPARE(pProject->m_compiledFiles,
                 (std::vector<std::string>{QFile::encodeName(pDoc->GetPathName()).toStdString()}));
        // Saving, the title and the run are the project's to do.
        QVERIFY(pProject->m_capturedRuns.isEmpty());
        QVERIFY(pDoc->IsModified());
        QCOMPARE(fixture.App().GetProcessTitle(), QString("before"));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());

        auto* pUntitled =
            dynamic_cast<CSyntaxWindowDoc*>(fixture.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString()));
        QVERIFY(pUntitled);
        pUntitled->FirstView()->OnCommand(kCompile);
        QCOMPARE(pProject->m_compiledFiles.size(), std::size_t(2));
        QCOMPARE(pProject->m_compiledFiles.back(), std::string());
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void withoutAProjectTheEditorSavesAndSetsTheTitleOnly()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QDir(fixture.TempPath("")).mkpath("jdk/bin");
        // A javac that would leave a mark if it ever ran.
        QString strJavac = fixture.WriteFile("jdk/bin/javac", "#!/bin/sh\ntouch \"$PWD/ran.txt\"\n");
        QFile::setPermissions(strJavac, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        fixture.App().Settings().m_strJavaBin = fixture.TempPath("jdk").toStdString();
        fixture.App().Settings().m_bSaveComp = true;

        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "B.java", "class B {}\n");
        QTest::keyClicks(pDoc->FirstView(), "public ");
        pDoc->FirstView()->OnCommand(kCompile);
        // Save All asked about the change and saved it.
        QCOMPARE(fixture.Prompts().m_messages.size(), 1);
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("public class B {}\n"));
        QCOMPARE(fixture.App().GetProcessTitle(), QString("Compiling \"%1\"").arg(pDoc->GetPathName()));
        QTest::qWait(200);
        QVERIFY(!QFile::exists(fixture.TempPath("ran.txt")));
        QVERIFY(!fixture.App().ToolRunner().IsRunning());

        fixture.App().SetProcessTitle("kept");
        auto* pUntitled =
            dynamic_cast<CSyntaxWindowDoc*>(fixture.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString()));
        QVERIFY(pUntitled);
        pUntitled->FirstView()->OnCommand(kCompile);
        QCOMPARE(fixture.Prompts().m_messages.last(), QString("Unholy Error"));
        QCOMPARE(fixture.App().GetProcessTitle(), QString("kept"));
    }
};

QTEST_MAIN(CompilePathTest)
#include "CompilePathTest.moc"
