#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/ChildFrame.h"
#include "ui/editor/SyntaxWindowDoc.h"
#include "ui/editor/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"

#include <QFile>
#include <QMdiArea>
#include <QtTest>

using namespace CommandIds;

namespace {
void TypeText(QWidget* pWidget, const QString& strText)
{
    QTest::keyClicks(pWidget, strText);
}
} // namespace

class JavaEditorFileTest : public QObject {
    Q_OBJECT
private slots:
    // Each convention: the editor holds CR LF, the file gets its own breaks
    // back, and bytes outside ASCII pass through untouched.
    void roundTripKeepsLineEndsAndBytes_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("crlf") << QByteArray("class A {\r\n}\r\n") << QByteArray("xclass A {\r\n}\r\n");
        QTest::newRow("lf") << QByteArray("class A {\n}\n") << QByteArray("xclass A {\n}\n");
        QTest::newRow("cr") << QByteArray("class A {\r}\r") << QByteArray("xclass A {\r}\r");
        QTest::newRow("latin1") << QByteArray("// caf\xe9 \xff\n") << QByteArray("x// caf\xe9 \xff\n");
        QTest::newRow("utf8") << QByteArray("// \xc3\xa9t\xc3\xa9\r\nint x;")
                              << QByteArray("x// \xc3\xa9t\xc3\xa9\r\nint x;");
    }
    void roundTripKeepsLineEndsAndBytes()
    {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, expected);
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "A.java", original);
        QVERIFY(pDoc);
        CSyntaxWindowView* pView = pDoc->FirstView();
        QVERIFY(pView);
        QVERIFY(!pDoc->IsModified());
        QByteArray crlf = original;
        crlf.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
        QCOMPARE(QByteArray::fromStdString(pView->TextBytes()), crlf);
        TypeText(pView, "x");
        QVERIFY(pDoc->IsModified());
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QVERIFY(!pDoc->IsModified());
        QCOMPARE(ReadAll(pDoc->GetPathName()), expected);
        QVERIFY(!QFile::exists(pDoc->GetPathName() + ".tmp"));
    }

    void untitledDocumentSavesWithPlatformBreaks()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CDocTemplate* pTemplate = fixture.App().FindTemplate("JavaDocument");
        QVERIFY(pTemplate);
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(pTemplate->OpenDocumentFile(QString()));
        QVERIFY(pDoc);
        QCOMPARE(pDoc->GetTitle(), QString("JavaDocument1"));
        CSyntaxWindowView* pView = pDoc->FirstView();
        TypeText(pView, "int a;");
        QTest::keyClick(pView, Qt::Key_Return);
        TypeText(pView, "int b;");
        QString strPath = fixture.TempPath("New.java");
        fixture.Prompts().m_fileNames.push_back(strPath);
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(fixture.Prompts().m_saveDefaults, QStringList{"JavaDocument1.java"});
        QCOMPARE(ReadAll(strPath), QByteArray("int a;\nint b;"));
        QCOMPARE(pDoc->GetPathName(), strPath);
        QVERIFY(!pDoc->IsModified());
    }

    void failedSaveSaysSoAndStaysModified()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QDir(fixture.TempPath("")).mkdir("locked");
        QString strPath = fixture.TempPath("locked/B.java");
        {
            QFile file(strPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("class B {}\n");
        }
        QFile::setPermissions(fixture.TempPath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strPath));
        QVERIFY(pDoc);
        TypeText(pDoc->FirstView(), "x");
        fixture.App().Router().Execute(kFileSave);
        QFile::setPermissions(fixture.TempPath("locked"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (ReadAll(strPath) != QByteArray("class B {}\n"))
            QSKIP("the folder was writable anyway (running as root)");
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Could not save B.java: Permission denied."});
        QVERIFY(pDoc->IsModified());
        QCOMPARE(QDir(fixture.TempPath("locked")).entryList(QDir::Files), QStringList{"B.java"});
    }

    void saveIntoMissingFolderFailsAndKeepsTheDocument()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "E.java", "int e;\n");
        QString strOriginal = pDoc->GetPathName();
        TypeText(pDoc->FirstView(), "x");
        fixture.Prompts().m_fileNames.push_back(fixture.TempPath("missing/E2.java"));
        QVERIFY(fixture.App().Router().Execute(kFileSaveAs));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Could not save E2.java: No such file or directory."});
        QVERIFY(pDoc->IsModified());
        QCOMPARE(pDoc->GetPathName(), strOriginal);
        QCOMPARE(ReadAll(strOriginal), QByteArray("int e;\n"));
        // Closing still asks about the unsaved change.
        fixture.Prompts().m_answers.push_back(CPromptService::kAnswerCancel);
        fixture.App().Router().Execute(kFileClose);
        QCOMPARE(fixture.Prompts().m_messages.size(), 2);
        QCOMPARE(pDoc->GetFrames().size(), std::size_t(1));
    }

    void newWindowSharesTheText()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "C.java", "class C {\n}\n");
        QVERIFY(fixture.App().Router().Execute(kWindowNew));
        QCOMPARE(pDoc->GetFrames().size(), std::size_t(2));
        auto* pSecond = dynamic_cast<CSyntaxWindowView*>(pDoc->GetFrames()[1]->GetView());
        QVERIFY(pSecond);
        QCOMPARE(pDoc->GetFrames()[1]->windowTitle(), QString("C.java:2"));
        QCOMPARE(QByteArray::fromStdString(pSecond->TextBytes()), QByteArray("class C {\r\n}\r\n"));
        QVERIFY(!pDoc->IsModified());
        pSecond->SetSel(0, 0);
        TypeText(pSecond, "public ");
        QCOMPARE(QByteArray::fromStdString(pDoc->FirstView()->TextBytes()), QByteArray("public class C {\r\n}\r\n"));
        QVERIFY(pDoc->IsModified());
        // The second window shows the colours the first window painted.
        QCOMPARE(pSecond->StyleAt(0), 1);
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("public class C {\n}\n"));
        // Closing the first window leaves the text with the second.
        pDoc->GetFrames()[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(pDoc->GetFrames().size(), std::size_t(1));
        QCOMPARE(pDoc->FirstView(), pSecond);
        TypeText(pSecond, "final ");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("public final class C {\n}\n"));
    }

    void compileRunsJavacInTheFilesFolder()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QDir(fixture.TempPath("")).mkpath("jdk/bin");
        QDir(fixture.TempPath("")).mkpath("src");
        QString strJavac = fixture.WriteFile("jdk/bin/javac", "#!/bin/sh\necho \"$PWD|$*\" > \"$PWD/args.txt\"\n");
        QFile::setPermissions(strJavac, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        CSettings& settings = fixture.App().Settings();
        settings.m_strJavaBin = fixture.TempPath("jdk").toStdString();
        settings.m_strJavac = "-g";
        settings.m_bSaveComp = true;
        // The run goes to the open project's process window.
        QVERIFY(fixture.App().FindTemplate("JavaProject")->OpenDocumentFile(QString()));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "src/A.java", "class A {}\n");
        TypeText(pDoc->FirstView(), "public ");
        pDoc->FirstView()->OnCommand(kCompile);
        // Save All ran first and asked about the change.
        QCOMPARE(fixture.Prompts().m_messages.size(), 1);
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("public class A {}\n"));
        QCOMPARE(fixture.App().GetProcessTitle(), QString("Compiling \"%1\"").arg(pDoc->GetPathName()));
        QString strArgs = fixture.TempPath("src/args.txt");
        QTRY_VERIFY(QFile::exists(strArgs) && !ReadAll(strArgs).isEmpty());
        QCOMPARE(ReadAll(strArgs), (QDir(fixture.TempPath("src")).canonicalPath() + "|A.java -g\n").toUtf8());

        auto* pUntitled =
            dynamic_cast<CSyntaxWindowDoc*>(fixture.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString()));
        pUntitled->FirstView()->OnCommand(kCompile);
        QCOMPARE(fixture.Prompts().m_messages.last(), QString("Unholy Error"));
    }

    // A 5 MB file opens coloured to its end with its whole outline, recolours
    // and takes a keystroke (bench/ui/EditorBench.cpp times the same steps).
    void largeFileOpensColoured()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QByteArray body;
        body += "public class Big {\n";
        const QByteArray method = "    /* note */ public int method%1(int a) { return a + 1; } // tail \"x\"\n";
        int nMethods = 0;
        while (body.size() < 5 * 1024 * 1024)
            body += QByteArray(method).replace("%1", QByteArray::number(nMethods++));
        body += "}\n";
        QString strPath = fixture.WriteFile("Big.java", body);
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strPath));
        QVERIFY(pDoc);
        CSyntaxWindowView* pView = pDoc->FirstView();
        QCOMPARE(pView->TextLength(), std::size_t(body.size() + body.count('\n')));
        // "public" of the last method line is a keyword, its comment a comment.
        std::size_t nLast = pView->PositionFromLine(pView->LineCount() - 3);
        QCOMPARE(pView->StyleAt(nLast + 4), 2);
        QCOMPARE(pView->StyleAt(nLast + 19), 1);
        QCOMPARE(pDoc->Outline().GetFunctions().size(), std::size_t(nMethods + 1));
        QVERIFY(fixture.App().Router().Execute(kSyntaxColourUpdate));
        QCOMPARE(pView->StyleAt(nLast + 4), 2);
        QCOMPARE(pView->StyleAt(nLast + 19), 1);
        pView->SetSel(nLast, nLast);
        QTest::keyClick(pView, Qt::Key_X);
        QCOMPARE(pView->TextView()[nLast], 'x');
        QVERIFY(pDoc->IsModified());
    }

    // Writes the main window with a coloured file to TARNWICK_EDITOR_SHOT when
    // that is set, for a look at the editor by eye.
    void screenshotOnRequest()
    {
        QString strShot = qEnvironmentVariable("TARNWICK_EDITOR_SHOT");
        if (strShot.isEmpty())
            QSKIP("TARNWICK_EDITOR_SHOT not set");
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Shape.java",
                                          "/* A shape\n * with a comment */\npublic abstract class Shape {\n"
                                          "\tint sides = 4; // line comment\n\tString name = \"square \\\"q\\\"\";\n\n"
                                          "\tvoid paint(Graphics g) throws Exception {\n\t\tif (sides > 2)\n"
                                          "\t\t\treturn;\n\t}\n}\n");
        CMainFrame* pMain = fixture.App().MainFrame();
        pMain->resize(900, 560);
        pDoc->FirstFrame()->showMaximized();
        pDoc->FirstView()->SetSel(120, 120);
        QTest::keyClick(pDoc->FirstView(), Qt::Key_Right);
        QCoreApplication::processEvents();
        QVERIFY(pMain->grab().save(strShot));
        // Typing keywords inside the block comment keeps them comment-coloured.
        pDoc->FirstView()->SetSel(16, 16);
        QTest::keyClicks(pDoc->FirstView(), "int class ");
        QCoreApplication::processEvents();
        QString strTyped = strShot;
        strTyped.replace(".png", "-typed.png");
        QVERIFY(pMain->grab().save(strTyped));
    }

    void undoBackToTheSavedTextClearsModified()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "D.java", "int x;\n");
        CSyntaxWindowView* pView = pDoc->FirstView();
        QVERIFY(!fixture.App().Router().Update(kEditUndo).m_bEnabled);
        TypeText(pView, "y");
        QVERIFY(pDoc->IsModified());
        QVERIFY(fixture.App().Router().Execute(kEditUndo));
        QCOMPARE(QByteArray::fromStdString(pView->TextBytes()), QByteArray("int x;\r\n"));
        QVERIFY(!pDoc->IsModified());
    }
};

QTEST_MAIN(JavaEditorFileTest)
#include "JavaEditorFileTest.moc"
