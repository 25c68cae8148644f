#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/MdiChildFrame.h"

#include <QFile>
#include <QtTest>

using namespace CommandIds;

namespace {
QByteArray Bytes(const CSyntaxWindowView* pView)
{
    return QByteArray::fromStdString(pView->TextBytes());
}

// Window > New Window on the document's active window; the new window's view.
CSyntaxWindowView* OpenSecondWindow(CAppFixture& fixture, CSyntaxWindowDoc* pDoc)
{
    pDoc->FirstFrame()->ActivateFrame();
    if (!fixture.App().Router().Execute(kWindowNew) || pDoc->GetFrames().size() != 2)
        return nullptr;
    return dynamic_cast<CSyntaxWindowView*>(pDoc->GetFrames()[1]->GetView());
}

void CloseFrame(CMdiChildFrame* pFrame)
{
    pFrame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

// Several windows on one Java file: the document holds the text, every
// window shows it and edits it, and the file gets it once.
class JavaEditorWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void editsInEitherWindowShowInBoth()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "W.java", QByteArray("class W {\r\tint a;\n}\0x\r\n", 23));
        QVERIFY(pDoc);
        CSyntaxWindowView* pFirst = pDoc->FirstView();
        CSyntaxWindowView* pSecond = OpenSecondWindow(fixture, pDoc);
        QVERIFY(pSecond);
        QVERIFY(pSecond != pFirst);
        const QByteArray shown("class W {\r\n\tint a;\r\n}\0x\r\n", 25);
        QCOMPARE(Bytes(pFirst), shown);
        QCOMPARE(Bytes(pSecond), shown);
        QVERIFY(!pDoc->IsModified());

        pFirst->SetSel(0, 0);
        QTest::keyClicks(pFirst, "public ");
        pSecond->SetSel(pSecond->TextLength(), pSecond->TextLength());
        QTest::keyClicks(pSecond, "// end");
        const QByteArray edited("public class W {\r\n\tint a;\r\n}\0x\r\n// end", 38);
        QCOMPARE(Bytes(pFirst), edited);
        QCOMPARE(Bytes(pSecond), edited);
        QVERIFY(pDoc->IsModified());
        // Each window keeps its own caret.
        QCOMPARE(pFirst->SelEnd(), std::size_t(7));
        QCOMPARE(pSecond->SelEnd(), std::size_t(38));

        // One undo history: the first window takes back the second one's edit.
        pFirst->OnCommand(kEditUndo);
        QCOMPARE(Bytes(pSecond), QByteArray("public class W {\r\n\tint a;\r\n}\0x\r\n", 32));
        pSecond->OnCommand(kEditUndo);
        QCOMPARE(Bytes(pFirst), shown);
        QVERIFY(!pDoc->IsModified());
    }

    void closingTheFirstWindowKeepsTextModifiedFlagAndUndo()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "K.java", "class K {\r}\r");
        CSyntaxWindowView* pFirst = pDoc->FirstView();
        QTest::keyClicks(pFirst, "final ");
        CSyntaxWindowView* pSecond = OpenSecondWindow(fixture, pDoc);
        QVERIFY(pSecond);
        CloseFrame(pDoc->GetFrames()[0]);
        QCOMPARE(pDoc->GetFrames().size(), std::size_t(1));
        QCOMPARE(pDoc->FirstView(), pSecond);
        // Closing one of two windows asks nothing.
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        QCOMPARE(Bytes(pSecond), QByteArray("final class K {\r\n}\r\n"));
        QVERIFY(pDoc->IsModified());
        CCmdUI undo;
        QVERIFY(pSecond->OnUpdateCommand(kEditUndo, undo));
        QVERIFY(undo.m_bEnabled);
        pSecond->OnCommand(kEditUndo);
        QCOMPARE(Bytes(pSecond), QByteArray("class K {\r\n}\r\n"));
        QVERIFY(!pDoc->IsModified());
        // Typing there still reaches the file with its CR breaks.
        pDoc->FirstFrame()->ActivateFrame();
        QTest::keyClicks(pSecond, "public ");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("public class K {\r}\r"));
        QVERIFY(!pDoc->IsModified());
    }

    // Both windows edit; one save writes the text once with each unedited
    // line's own break.
    void savingWithTwoWindowsWritesTheTextOnce_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("cr") << QByteArray("class A {\r  int a;\r}\r") << QByteArray("xclass A {\r  int a;\r}\ry");
        QTest::newRow("mixed") << QByteArray("class M {\r\n  int a;\n  int b;\r}\n")
                               << QByteArray("xclass M {\n  int a;\n  int b;\r}\ny");
        QTest::newRow("crlf") << QByteArray("class C {\r\n}\r\n") << QByteArray("xclass C {\r\n}\r\ny");
    }
    void savingWithTwoWindowsWritesTheTextOnce()
    {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, expected);
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "S.java", original);
        CSyntaxWindowView* pFirst = pDoc->FirstView();
        CSyntaxWindowView* pSecond = OpenSecondWindow(fixture, pDoc);
        QVERIFY(pSecond);
        pFirst->SetSel(0, 0);
        QTest::keyClicks(pFirst, "x");
        pSecond->SetSel(pSecond->TextLength(), pSecond->TextLength());
        QTest::keyClicks(pSecond, "y");
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), expected);
        QVERIFY(!pDoc->IsModified());
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        // Both windows are at the save point: undo in either makes it modified again.
        pSecond->OnCommand(kEditUndo);
        QVERIFY(pDoc->IsModified());
    }

    // No command leaves a document without a window, but the text is the
    // document's: a document whose only window went still saves all of it.
    void documentWithoutWindowsSavesItsOwnText()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "G.java", "class G {\r\n  int g;\n}\n");
        CSyntaxWindowView* pView = pDoc->FirstView();
        pView->SetSel(6, 7);
        QTest::keyClicks(pView, "H");
        delete pDoc->FirstFrame();
        QVERIFY(pDoc->GetFrames().empty());
        QVERIFY(pDoc->IsModified());
        QVERIFY(pDoc->DoFileSave());
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("class H {\n  int g;\n}\n"));
        QVERIFY(!pDoc->IsModified());
        // The outline was taken from the text that was saved.
        QCOMPARE(pDoc->Outline().GetFunctions(), std::vector<std::string>{"H"});
    }

    void convertLinebreaksInOneWindowShowsInTheOther()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "L.java", "class L {\n  int a;\r}\n");
        CSyntaxWindowView* pFirst = pDoc->FirstView();
        CSyntaxWindowView* pSecond = OpenSecondWindow(fixture, pDoc);
        QVERIFY(pSecond);
        pFirst->OnCommand(kConvertLinebreaks);
        QVERIFY(pDoc->IsModified());
        QCOMPARE(Bytes(pSecond), QByteArray("class L {\r\n  int a;\r\n}\r\n"));
        CloseFrame(pDoc->GetFrames()[0]);
        pDoc->FirstFrame()->ActivateFrame();
        QVERIFY(fixture.App().Router().Execute(kFileSave));
        QCOMPARE(ReadAll(pDoc->GetPathName()), QByteArray("class L {\r\n  int a;\r\n}\r\n"));
    }

    // The editor keeps the tab width with the text: the window that opened
    // the file sets it, a later window with another setting leaves it.
    void tabWidthIsTheFirstWindowsSetting()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        fixture.App().Settings().m_nTabWidth = 5;
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "T.java", "class T {\n\tint t;\n}\n");
        CSyntaxWindowView* pFirst = pDoc->FirstView();
        QCOMPARE(pFirst->tabWidth(), 5);
        fixture.App().Settings().m_nTabWidth = 7;
        CSyntaxWindowView* pSecond = OpenSecondWindow(fixture, pDoc);
        QVERIFY(pSecond);
        QCOMPARE(pSecond->tabWidth(), 5);
        QCOMPARE(pFirst->tabWidth(), 5);
    }

    void secondWindowOnReadOnlyFileIsReadOnly()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        const QByteArray original("\xff\xfe"
                                  "c\0l\0a\0s\0s\0\n\0",
                                  14);
        CSyntaxWindowDoc* pDoc = OpenJava(fixture, "R.java", original);
        CSyntaxWindowView* pSecond = OpenSecondWindow(fixture, pDoc);
        QVERIFY(pSecond);
        QVERIFY(pSecond->isReadOnly());
        QCOMPARE(Bytes(pSecond), QByteArray("class\r\n"));
        QTest::keyClicks(pSecond, "x");
        QCOMPARE(Bytes(pDoc->FirstView()), QByteArray("class\r\n"));
        QVERIFY(!pDoc->IsModified());
    }
};

QTEST_MAIN(JavaEditorWindowsTest)
#include "JavaEditorWindowsTest.moc"
