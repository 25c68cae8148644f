#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/ChildFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <QMdiArea>
#include <QtTest>

using namespace CommandIds;

namespace {
void TypeText(QWidget* pWidget, const QString& strText)
{
    QTest::keyClicks(pWidget, strText);
}

// Another program writing the file: truncated and rewritten in place.
void WriteOutside(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The inotify instances this process holds: each is a file descriptor.
int InotifyInstances()
{
    int nCount = 0;
    for (const QString& strFd : QDir("/proc/self/fd").entryList(QDir::System | QDir::NoDotAndDotDot)) {
        char target[64] = {};
        const QByteArray path = ("/proc/self/fd/" + strFd).toLocal8Bit();
        if (::readlink(path.constData(), target, sizeof target - 1) > 0 &&
            std::strcmp(target, "anon_inode:inotify") == 0)
            ++nCount;
    }
    return nCount;
}

int CaretLine(CSyntaxWindowView* pView)
{
    int nLine = -1, nIndex = -1;
    pView->getCursorPosition(&nLine, &nIndex);
    return nLine;
}

const QByteArray kHello = "class Hello {\n  int a;\n  int b;\n  int c;\n}\n";
const QByteArray kHelloOutside = "class Hello {\n  int a;\n  int b;\n  int c;\n  void run() {}\n}\n";
const QString kReloadHello = "Hello.java was changed outside Tarnwick. Reload it and lose the changes made here?";
const QString kOverwriteHello = "Hello.java was changed outside Tarnwick. Overwrite it?";
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

    void changedOutsideReloadsQuietlyKeepingTheCaretLine()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Hello.java", kHello);
        CSyntaxWindowView* pView = pDoc->FirstView();
        pView->setCursorPosition(3, 2);
        WriteOutside(pDoc->GetPathName(), kHelloOutside);
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(pView->TextBytes()),
                                  QByteArray(kHelloOutside).replace("\n", "\r\n"), 20000);
        QCOMPARE(CaretLine(pView), 3);
        QVERIFY(!pDoc->IsModified());
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        // The outline is the new text's.
        QVERIFY(pDoc->FindFunction("Hello.run()") >= 0);
        // The caret is at the start of its line; saving asks nothing.
        QTest::keyClicks(pView, "x");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        QCOMPARE(ReadAll(pDoc->GetPathName()),
                 QByteArray(kHelloOutside).insert(kHelloOutside.indexOf("  int c;"), 'x'));
    }

    void changedOutsideWithUnsavedChangesAsks()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Hello.java", kHello);
        CSyntaxWindowView* pView = pDoc->FirstView();
        QTest::keyClicks(pView, "x");
        fixture.Prompts().m_answers = {CPromptService::kAnswerNo};
        WriteOutside(pDoc->GetPathName(), kHelloOutside);
        QTRY_COMPARE_WITH_TIMEOUT(fixture.Prompts().m_messages, QStringList{kReloadHello}, 20000);
        QCOMPARE(QByteArray::fromStdString(pView->TextBytes()), "x" + QByteArray(kHello).replace("\n", "\r\n"));
        QVERIFY(pDoc->IsModified());

        // Save asks before writing over the other program's file: No keeps it.
        fixture.Prompts().m_answers = {CPromptService::kAnswerNo};
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{kReloadHello, kOverwriteHello}));
        QCOMPARE(ReadAll(pDoc->GetPathName()), kHelloOutside);
        QVERIFY(pDoc->IsModified());
        // Yes writes the text here.
        fixture.Prompts().m_answers = {CPromptService::kAnswerYes};
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(fixture.Prompts().m_messages, (QStringList{kReloadHello, kOverwriteHello, kOverwriteHello}));
        QCOMPARE(ReadAll(pDoc->GetPathName()), "x" + kHello);
        QVERIFY(!pDoc->IsModified());
    }

    void reloadAnsweredYesLoadsTheFile()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Hello.java", kHello);
        CSyntaxWindowView* pView = pDoc->FirstView();
        QTest::keyClicks(pView, "x");
        fixture.Prompts().m_answers = {CPromptService::kAnswerYes};
        WriteOutside(pDoc->GetPathName(), kHelloOutside);
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(pView->TextBytes()),
                                  QByteArray(kHelloOutside).replace("\n", "\r\n"), 20000);
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kReloadHello});
        QVERIFY(!pDoc->IsModified());
    }

    // A change the watch has not reported yet is still caught by the save.
    void saveChecksTheFileItself()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Hello.java", kHello);
        QTest::keyClicks(pDoc->FirstView(), "x");
        WriteOutside(pDoc->GetPathName(), kHelloOutside);
        fixture.Prompts().m_answers = {CPromptService::kAnswerNo};
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{kOverwriteHello});
        QCOMPARE(ReadAll(pDoc->GetPathName()), kHelloOutside);
        QVERIFY(pDoc->IsModified());
    }

    void deletedOutsideKeepsTheText()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Hello.java", kHello);
        QVERIFY(QFile::remove(pDoc->GetPathName()));
        QTRY_VERIFY_WITH_TIMEOUT(pDoc->IsModified(), 20000);
        QCOMPARE(QByteArray::fromStdString(pDoc->FirstView()->TextBytes()), QByteArray(kHello).replace("\n", "\r\n"));
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        QCOMPARE(ReadAll(pDoc->GetPathName()), kHello);
        QVERIFY(!pDoc->IsModified());
    }

    // Editors that save by renaming a new file over the old one drop the
    // watch on it; later changes are still seen.
    void replacedByRenameStaysWatched()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Hello.java", kHello);
        CSyntaxWindowView* pView = pDoc->FirstView();
        const QString strNew = fixture.WriteFile("Hello.java.new", kHelloOutside);
        QVERIFY(::rename(QFile::encodeName(strNew).constData(), QFile::encodeName(pDoc->GetPathName()).constData()) ==
                0);
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(pView->TextBytes()),
                                  QByteArray(kHelloOutside).replace("\n", "\r\n"), 20000);
        WriteOutside(pDoc->GetPathName(), "class Hello {}\n");
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(pView->TextBytes()), QByteArray("class Hello {}\r\n"),
                                  20000);
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
    }

    // A name the watch cannot take (not UTF-8) is looked at when its window
    // becomes active.
    void editorsShareOneWatcherAndEachHearsOfItsOwnFile()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const int nBefore = InotifyInstances();
        QList<CSyntaxWindowDoc*> docs;
        for (int nFile = 0; nFile < 40; ++nFile)
            docs.push_back(OpenJava(fixture, QString("F%1.java").arg(nFile), kHello));
        // Users have a few inotify instances (128 on many systems), not one
        // per open file.
        QVERIFY2(InotifyInstances() <= nBefore + 1, qPrintable(QString::number(InotifyInstances() - nBefore)));

        // The first closes; the others in its folder keep hearing of changes.
        docs.takeFirst()->OnCloseDocument();
        WriteOutside(docs[4]->GetPathName(), kHelloOutside);
        WriteOutside(docs[30]->GetPathName(), kHelloOutside);
        const QByteArray outside = QByteArray(kHelloOutside).replace("\n", "\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(docs[4]->FirstView()->TextBytes()), outside, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(docs[30]->FirstView()->TextBytes()), outside, 20000);
        QCOMPARE(QByteArray::fromStdString(docs[5]->FirstView()->TextBytes()),
                 QByteArray(kHello).replace("\n", "\r\n"));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
    }

    void activatingTheWindowLooksAtTheFile()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const std::string strPathBytes = QFile::encodeName(fixture.TempPath("")).toStdString() + "/Caf\xe9.java";
        {
            FILE* pFile = ::fopen(strPathBytes.c_str(), "wb");
            QVERIFY(pFile);
            QCOMPARE(::fwrite(kHello.constData(), 1, kHello.size(), pFile), static_cast<size_t>(kHello.size()));
            ::fclose(pFile);
        }
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentPath(strPathBytes));
        QVERIFY(pDoc);
        CSyntaxWindowDoc* pOther = OpenJava(fixture, "Other.java", "class Other {}\n");
        QVERIFY(pOther);
        FILE* pFile = ::fopen(strPathBytes.c_str(), "wb");
        QVERIFY(pFile);
        ::fwrite(kHelloOutside.constData(), 1, kHelloOutside.size(), pFile);
        ::fclose(pFile);
        pDoc->FirstFrame()->ActivateFrame();
        QTRY_COMPARE_WITH_TIMEOUT(QByteArray::fromStdString(pDoc->FirstView()->TextBytes()),
                                  QByteArray(kHelloOutside).replace("\n", "\r\n"), 20000);
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
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
