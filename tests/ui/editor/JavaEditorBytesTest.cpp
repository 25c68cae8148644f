#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"

#include "ui/app/MainFrame.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <fstream>
#include <sstream>
#include <dirent.h>
#include <sys/stat.h>

using namespace CommandIds;

namespace {
std::string ReadBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The names as the system stores them (QDir cannot list a name that is not UTF-8).
std::vector<std::string> JavaFileNames(const std::string& strFolder)
{
    std::vector<std::string> names;
    if (DIR* pDir = ::opendir(strFolder.c_str())) {
        while (dirent* pEntry = ::readdir(pDir)) {
            std::string strName = pEntry->d_name;
            if (strName.size() > 5 && strName.compare(strName.size() - 5, 5, ".java") == 0)
                names.push_back(strName);
        }
        ::closedir(pDir);
    }
    return names;
}

QByteArray Utf16Le(const QByteArray& ascii)
{
    QByteArray out;
    for (char ch : ascii)
        out.append(ch).append('\0');
    return out;
}

QByteArray Utf16Be(const QByteArray& ascii)
{
    QByteArray out;
    for (char ch : ascii)
        out.append('\0').append(ch);
    return out;
}
} // namespace

// Files whose bytes the editor must not lose: zero bytes, UTF-16, binary
// data, mixed line breaks.
class JavaEditorBytesTest : public QObject {
    Q_OBJECT
private slots:
    void zeroBytesSurviveSaving()
    {
        const QByteArray original("class A {}\n\0\0// after\nint tail;\n", 32);
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "N.java", original);
        QVERIFY(pDoc);
        CSyntaxWindowView* pView = pDoc->FirstView();
        QCOMPARE(pView->TextLength(), std::size_t(35));
        QVERIFY(!pView->isReadOnly());
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), original);
        // An edit on the last line, after the zero bytes.
        pView->SetSel(28, 28);
        QTest::keyClicks(pView, "x");
        QVERIFY(pDoc->IsModified());
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("class A {}\n\0\0// after\nint xtail;\n", 33));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void unshowableFilesOpenReadOnlyAndAreNeverSaved_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("utf16le-bom") << QByteArray("\xff\xfe", 2) + Utf16Le("class A {}\n") << "UTF-16"
                                     << QByteArray("class A {}\r\n");
        QTest::newRow("utf16be-bom") << QByteArray("\xfe\xff", 2) + Utf16Be("class A {}\n") << "UTF-16"
                                     << QByteArray("class A {}\r\n");
        QTest::newRow("utf16le") << Utf16Le("class A {\r\n}\r\n") << "UTF-16" << QByteArray("class A {\r\n}\r\n");
        QTest::newRow("binary") << QByteArray("\xca\xfe\xba\xbe\0\0\0\x34\0\x1d\x0a\0\x06\0\x0f\x09\0\x10\0\x11", 20)
                                << "binary data" << QByteArray();
    }
    void unshowableFilesOpenReadOnlyAndAreNeverSaved()
    {
        QFETCH(QByteArray, original);
        QFETCH(QString, kind);
        QFETCH(QByteArray, shown);
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "U.java", original);
        QVERIFY(pDoc);
        QCOMPARE(fixture.Prompts().m_messages,
                 QStringList{QString("U.java is opened read-only: Tarnwick edits only 8-bit and UTF-8 text, and "
                                     "this file looks like %1.")
                                 .arg(kind)});
        CSyntaxWindowView* pView = pDoc->FirstView();
        QVERIFY(pView->isReadOnly());
        if (!shown.isEmpty())
            QCOMPARE(QByteArray::fromStdString(pView->TextBytes()), shown);
        QTest::keyClicks(pView, "x");
        QVERIFY(!pDoc->IsModified());
        fixture.App().Router().Execute(kFileSave);
        QCOMPARE(fixture.Prompts().m_messages.size(), 2);
        QCOMPARE(fixture.Prompts().m_messages.last(),
                 QString("U.java was not saved: it is open read-only, as its %1 cannot be edited here.").arg(kind));
        QCOMPARE(ReadAll(pDoc->GetPathName()), original);
        // Neither under another name.
        fixture.Prompts().m_fileNames.push_back(fixture.TempPath("Copy.java"));
        fixture.App().Router().Execute(kFileSaveAs);
        QCOMPARE(fixture.Prompts().m_messages.size(), 3);
        QVERIFY(!QFile::exists(fixture.TempPath("Copy.java")));
        QCOMPARE(pDoc->GetPathName(), fixture.TempPath("U.java"));
    }

    void mixedLineBreaksChangeOnlyWhereEdited()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "M.java", "class M {\r\n  int a;\n  int b;\n  int z;\n}\r\n");
        CSyntaxWindowView* pView = pDoc->FirstView();
        pView->SetSel(pView->PositionFromLine(2) + 7, pView->PositionFromLine(2) + 7);
        QTest::keyClicks(pView, "c");
        QTest::keyClick(pView, Qt::Key_End);
        QTest::keyClick(pView, Qt::Key_Return);
        QTest::keyClicks(pView, "int d;");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()),
                 QByteArray("class M {\r\n  int a;\n  int bc;\n  int d;\n  int z;\n}\r\n"));
        // A second save compares against what is now on disk.
        pView->SetSel(0, 0);
        QTest::keyClicks(pView, "public ");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()),
                 QByteArray("public class M {\n  int a;\n  int bc;\n  int d;\n  int z;\n}\r\n"));
    }

    void convertLinebreaksWritesCrLfEverywhere()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "L.java", "class L {\n  int a;\r}\n");
        QVERIFY(fixture.App().Router().Execute(kConvertLinebreaks));
        QVERIFY(pDoc->IsModified());
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("class L {\r\n  int a;\r\n}\r\n"));
        // Lines typed afterwards get CR LF as well.
        CSyntaxWindowView* pView = pDoc->FirstView();
        pView->SetSel(pView->TextLength(), pView->TextLength());
        QTest::keyClicks(pView, "// end");
        QTest::keyClick(pView, Qt::Key_Return);
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("class L {\r\n  int a;\r\n}\r\n// end\r\n"));
    }

    // The name reaches the program as bytes that are not UTF-8, as argv
    // gives them; it is opened, edited and saved under that very name.
    void nameThatIsNotUtf8OpensAndSavesUnderItself()
    {
        CAppFixture fixture;
        const std::string strFolder = QFile::encodeName(QDir(fixture.TempPath("")).absolutePath()).toStdString();
        const std::string strPath = strFolder + "/caf\xe9.java";
        std::ofstream(strPath, std::ios::binary) << "class Cafe {}\n";
        QVERIFY(fixture.StartWithArgv({strPath}));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        CDocTemplate* pTemplate = fixture.App().FindTemplate("JavaDocument");
        QCOMPARE(pTemplate->Documents().size(), std::size_t(1));
        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(pTemplate->Documents().front());
        QCOMPARE(pDoc->GetPathBytes(), strPath);
        QCOMPARE(QByteArray::fromStdString(pDoc->FirstView()->TextBytes()), QByteArray("class Cafe {}\r\n"));
        QTest::keyClicks(pDoc->FirstView(), "public ");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QVERIFY(!pDoc->IsModified());
        QCOMPARE(ReadBytes(strPath), std::string("public class Cafe {}\n"));
        // No second file under a mangled name.
        QCOMPARE(JavaFileNames(strFolder), std::vector<std::string>{"caf\xe9.java"});
        // Opening the same bytes again finds the open document.
        QCOMPARE(pTemplate->OpenDocumentPath(strPath), pDoc);
    }

    void fifoIsRefusedWithoutBlocking()
    {
        CAppFixture fixture;
        const std::string strFifo = QFile::encodeName(fixture.TempPath("Pipe.java")).toStdString();
        QCOMPARE(::mkfifo(strFifo.c_str(), 0600), 0);
        // From the command line: refused, and start-up ends as for a missing file.
        QVERIFY(!fixture.StartWithArgv({strFifo}));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{QString::fromStdString(strFifo) +
                                                           " is not a regular file, so Tarnwick does not open it."});
        // Straight to the editor's document kind (a recent file, a project entry).
        CAppFixture second;
        QVERIFY(second.Start({}, false));
        QVERIFY(!second.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString::fromStdString(strFifo)));
        QCOMPARE(second.Prompts().m_messages,
                 QStringList{"Pipe.java is not a regular file, so Tarnwick does not open it."});
    }

    // Saving replaces the file the name leads to: a second hard link and a
    // symbolic link both see the new text, and the link stays a link.
    void saveKeepsHardAndSymbolicLinks()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QString strReal = fixture.WriteFile("Real.java", "class Real {}\n");
        const std::string strRealBytes = QFile::encodeName(strReal).toStdString();
        const std::string strOther = QFile::encodeName(fixture.TempPath("Other.java")).toStdString();
        QCOMPARE(::link(strRealBytes.c_str(), strOther.c_str()), 0);
        QVERIFY(QFile::link("Real.java", fixture.TempPath("Link.java")));

        auto* pDoc = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strReal));
        QTest::keyClicks(pDoc->FirstView(), "final ");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadBytes(strOther), std::string("final class Real {}\n"));

        auto* pLinked = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("Link.java")));
        QVERIFY(pLinked);
        // The link leads to the open document.
        QCOMPARE(pLinked, pDoc);
        pDoc->OnCloseDocument();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        pLinked = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("Link.java")));
        QTest::keyClicks(pLinked->FirstView(), "public ");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QVERIFY(QFileInfo(fixture.TempPath("Link.java")).isSymLink());
        QCOMPARE(ReadBytes(strRealBytes), std::string("public final class Real {}\n"));
        QCOMPARE(ReadBytes(strOther), std::string("public final class Real {}\n"));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    // Writes the main window with a UTF-16 file open read-only to
    // TARNWICK_EDITOR_SHOT when that is set, for a look by eye.
    void readOnlyScreenshotOnRequest()
    {
        QString strShot = qEnvironmentVariable("TARNWICK_EDITOR_SHOT");
        if (strShot.isEmpty())
            QSKIP("TARNWICK_EDITOR_SHOT not set");
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "Wide.java",
                                          QByteArray("\xff\xfe", 2) + Utf16Le("// caf\xe9 in UTF-16\n"
                                                                              "public class Wide {\n\tint n;\n}\n"));
        QVERIFY(pDoc);
        fixture.App().MainFrame()->resize(700, 400);
        pDoc->FirstFrame()->showMaximized();
        QTest::keyClicks(pDoc->FirstView(), "typed");
        QCoreApplication::processEvents();
        QVERIFY(fixture.App().MainFrame()->grab().save(strShot));
        qInfo("%s", qPrintable(fixture.Prompts().m_messages.join(" | ")));
    }
};

QTEST_MAIN(JavaEditorBytesTest)
#include "JavaEditorBytesTest.moc"
