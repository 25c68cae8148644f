#include "core/app/CommandIds.h"
#include "tests/ui/support/JavaFiles.h"
#include "tests/ui/support/ShownAppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/View.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace CommandIds;

namespace {
struct CWindows {
    CShownAppFixture m_fixture;

    CSyntaxWindowDoc* Open(const QString& strName, const QByteArray& bytes = "class X {}\n")
    {
        CSyntaxWindowDoc* pDoc = OpenJava(m_fixture, strName, bytes);
        return pDoc && Focus(pDoc->GetFrames().back()) ? pDoc : nullptr;
    }
    // Activates the window and waits until its editor has the keyboard.
    bool Focus(CMdiChildFrame* pFrame)
    {
        pFrame->ActivateFrame();
        return QTest::qWaitFor([pFrame] { return QApplication::focusWidget() == pFrame->GetView()->Widget(); }, 5000);
    }
    bool Run(int nId) { return m_fixture.App().Router().Execute(nId); }
    QString MainTitle() { return m_fixture.Frame().windowTitle(); }
    QStringList Captions(CDocument& document)
    {
        QStringList captions;
        for (CMdiChildFrame* pFrame : document.GetFrames())
            captions << pFrame->windowTitle();
        return captions;
    }
    // The Window menu's list of windows as it is about to be shown.
    QStringList WindowList()
    {
        QMenu* pMenu = nullptr;
        for (QAction* pAction : m_fixture.Frame().menuBar()->actions())
            if (pAction->text() == "&Window")
                pMenu = pAction->menu();
        if (!pMenu)
            return {"no Window menu"};
        emit pMenu->aboutToShow();
        QStringList items;
        for (QAction* pAction : pMenu->actions())
            if (pAction->objectName().startsWith("window_list_") && pAction->isVisible())
                items << pAction->text();
        return items;
    }
    CScriptedPrompts& Prompts() { return m_fixture.Prompts(); }
};
} // namespace

class WindowCaptionsAndKeysTest : public QObject {
    Q_OBJECT
private slots:
    // A modified document's windows, the main title and the window lists
    // show "*" after its name until it is saved or undone to the saved text.
    void modifiedDocumentsShowAStar()
    {
        CWindows windows;
        CSyntaxWindowDoc* pDoc = windows.Open("Hello.java");
        QVERIFY(pDoc);
        QCOMPARE(windows.Captions(*pDoc), QStringList{"Hello.java"});
        QCOMPARE(windows.MainTitle(), QString("Tarnwick - Hello.java"));

        windows.m_fixture.PressKey(Qt::Key_Z);
        QCOMPARE(windows.Captions(*pDoc), QStringList{"Hello.java*"});
        QCOMPARE(windows.MainTitle(), QString("Tarnwick - Hello.java*"));
        QCOMPARE(windows.WindowList(), QStringList{"&1 Hello.java*"});
        QVERIFY(windows.Run(kWindowNew));
        QCOMPARE(windows.Captions(*pDoc), (QStringList{"Hello.java*:1", "Hello.java*:2"}));
        QCOMPARE(windows.MainTitle(), QString("Tarnwick - Hello.java*:2"));

        // Undone back to the text on disk, in the other window.
        QVERIFY(windows.Run(kEditUndo));
        QCOMPARE(windows.Captions(*pDoc), (QStringList{"Hello.java:1", "Hello.java:2"}));
        QCOMPARE(windows.MainTitle(), QString("Tarnwick - Hello.java:2"));
        windows.m_fixture.PressKey(Qt::Key_Q);
        QCOMPARE(windows.Captions(*pDoc), (QStringList{"Hello.java*:1", "Hello.java*:2"}));
        QVERIFY(windows.Run(kFileSave));
        QCOMPARE(windows.Captions(*pDoc), (QStringList{"Hello.java:1", "Hello.java:2"}));
        QCOMPARE(windows.MainTitle(), QString("Tarnwick - Hello.java:2"));
        QVERIFY(ReadAll(windows.m_fixture.TempPath("Hello.java")).startsWith("q"));

        // More windows than the menu lists: the list dialog shows the star too.
        for (int i = 0; i < 9; ++i)
            QVERIFY(windows.Open(QString("F%1.java").arg(i)));
        windows.m_fixture.PressKey(Qt::Key_W);
        QStringList listed;
        windows.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto* pList = dialog.findChild<QListWidget*>("WindowList");
            for (int i = 0; pList && i < pList->count(); ++i)
                listed << pList->item(i)->text();
            return int(QDialog::Rejected);
        };
        QAction* pMore = nullptr;
        windows.WindowList();
        for (QAction* pAction : windows.m_fixture.Frame().findChildren<QAction*>())
            if (pAction->text() == "&More Windows..." && pAction->isVisible())
                pMore = pAction;
        QVERIFY(pMore);
        pMore->trigger();
        QCOMPARE(listed.size(), 11);
        QCOMPARE(listed.mid(0, 3), (QStringList{"Hello.java:1", "Hello.java:2", "F0.java"}));
        QCOMPARE(listed.back(), QString("F8.java*"));
    }

    // Ctrl+W closes the active window as its close button does; Ctrl+Q asks
    // about unsaved work as File > Exit does; Ctrl+Shift+S is Save As.
    void linuxKeys()
    {
        CWindows windows;
        CSyntaxWindowDoc* pDoc = windows.Open("Keys.java");
        QVERIFY(pDoc);
        QVERIFY(windows.Run(kWindowNew));
        QVERIFY(windows.Focus(pDoc->GetFrames().back()));
        windows.m_fixture.PressKey(Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(windows.m_fixture.FrameCount(), 1);
        QVERIFY(windows.Prompts().m_messages.isEmpty());
        QCOMPARE(windows.Captions(*pDoc), QStringList{"Keys.java"});

        QVERIFY(windows.Focus(pDoc->GetFrames().front()));
        windows.m_fixture.PressKey(Qt::Key_X);
        const QString strAsk = "Save changes to " + windows.m_fixture.TempPath("Keys.java") + "?";
        windows.Prompts().m_answers = {CPromptService::kAnswerCancel};
        windows.m_fixture.PressKey(Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(windows.Prompts().m_messages, QStringList{strAsk});
        QCOMPARE(windows.m_fixture.FrameCount(), 1);

        // Ctrl+Q asks the same; Cancel keeps everything open.
        windows.Prompts().m_answers = {CPromptService::kAnswerCancel};
        windows.m_fixture.PressKey(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(windows.Prompts().m_messages, (QStringList{strAsk, strAsk}));
        QVERIFY(windows.m_fixture.Frame().isVisible());
        QCOMPARE(windows.m_fixture.FrameCount(), 1);

        // Ctrl+Shift+S: Save As under a new name.
        const QString strNewPath = windows.m_fixture.TempPath("Renamed.java");
        windows.Prompts().m_fileNames = {strNewPath};
        windows.m_fixture.PressKey(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(windows.Prompts().m_fileTitles, QStringList{"Save As"});
        QCOMPARE(windows.Prompts().m_saveDefaults, QStringList{"Keys.java"});
        QCOMPARE(pDoc->GetPathName(), strNewPath);
        QCOMPARE(windows.Captions(*pDoc), QStringList{"Renamed.java"});
        QCOMPARE(ReadAll(strNewPath), QByteArray("xclass X {}\n"));

        // Ctrl+W on the last window of a modified document, answered No.
        windows.m_fixture.PressKey(Qt::Key_Y);
        windows.Prompts().m_answers = {CPromptService::kAnswerNo};
        windows.m_fixture.PressKey(Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(windows.Prompts().m_messages.size(), 3);
        QCOMPARE(windows.Prompts().m_messages.back(), "Save changes to " + strNewPath + "?");
        QTRY_COMPARE(windows.m_fixture.FrameCount(), 0);
        QCOMPARE(ReadAll(strNewPath), QByteArray("xclass X {}\n"));

        // The project's window closes the same way, and the project with it.
        CDocument* pProject = windows.m_fixture.App().FindTemplate("JavaProject")->OpenDocumentFile(QString());
        QVERIFY(pProject);
        CMdiChildFrame* pProjectFrame = pProject->FirstFrame();
        pProjectFrame->ActivateFrame();
        QTRY_COMPARE(windows.m_fixture.Frame().ActiveChildFrame(), pProjectFrame);
        windows.m_fixture.PressKey(Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(windows.m_fixture.FrameCount(), 0);
        QTRY_VERIFY(!windows.m_fixture.App().GetProjectDoc());
        QCOMPARE(windows.Prompts().m_messages.size(), 3);
    }

    // The file prompts start in the project's folder, else the active
    // document's, else the folder last chosen; a new Java text proposes its
    // public class's file name.
    void fileDialogsStartWhereTheWorkIs()
    {
        CWindows windows;
        CScriptedPrompts& prompts = windows.Prompts();
        QVERIFY(windows.Run(kFileOpen));
        QCOMPARE(prompts.m_fileStarts, QStringList{""});

        const QString strOne = windows.m_fixture.TempPath("one");
        QVERIFY(QDir().mkpath(strOne));
        windows.m_fixture.WriteFile("one/One.java", "class One {}\n");
        prompts.m_fileNames = {strOne + "/One.java"};
        QVERIFY(windows.Run(kFileOpen));
        QCOMPARE(windows.m_fixture.FrameCount(), 1);
        QVERIFY(windows.Run(kFileOpen));
        QCOMPARE(prompts.m_fileStarts.back(), strOne);

        // Without a document: the folder last chosen.
        QVERIFY(windows.Run(kFileClose));
        QTRY_COMPARE(windows.m_fixture.FrameCount(), 0);
        QVERIFY(windows.Run(kFileOpen));
        QCOMPARE(prompts.m_fileStarts.back(), strOne);

        // A new Java text: the public class's name, in that folder.
        auto* pNew = dynamic_cast<CSyntaxWindowDoc*>(
            windows.m_fixture.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString()));
        QVERIFY(pNew);
        pNew->ReplaceText("// public class Old\r\nimport java.io.*;\r\npublic final class Hello {\r\n}\r\n");
        const QString strTwo = windows.m_fixture.TempPath("two");
        QVERIFY(QDir().mkpath(strTwo));
        prompts.m_fileNames = {strTwo + "/Hello.java"};
        QVERIFY(windows.Run(kFileSaveAs));
        QCOMPARE(prompts.m_saveDefaults.back(), QString("Hello.java"));
        QCOMPARE(prompts.m_fileStarts.back(), strOne);
        QCOMPARE(pNew->GetPathName(), strTwo + "/Hello.java");
        // Without a public type it stays as it was.
        auto* pPlain = dynamic_cast<CSyntaxWindowDoc*>(
            windows.m_fixture.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString()));
        QVERIFY(pPlain);
        pPlain->ReplaceText("class Hidden {}\r\n");
        windows.Run(kFileSaveAs); // the prompt is cancelled
        QCOMPARE(prompts.m_saveDefaults.back(), pPlain->GetTitle() + ".java");
        QCOMPARE(prompts.m_fileStarts.back(), strTwo);

        // An open project's folder comes first, for Add Java Source Files too.
        const QString strProj = windows.m_fixture.TempPath("proj");
        QVERIFY(QDir().mkpath(strProj));
        CDocument* pProject = windows.m_fixture.App().FindTemplate("JavaProject")->OpenDocumentFile(QString());
        QVERIFY(pProject);
        QVERIFY(pProject->DoSave(strProj + "/P.jpr"));
        QVERIFY(windows.Focus(pNew->GetFrames().front()));
        QVERIFY(windows.Run(kFileOpen));
        QCOMPARE(prompts.m_fileStarts.back(), strProj);
        QVERIFY(windows.Run(kAddJavaFiles));
        QCOMPARE(prompts.m_fileTitles.back(), QString("Open"));
        QCOMPARE(prompts.m_fileStarts.back(), strProj);
    }
};

QTEST_MAIN(WindowCaptionsAndKeysTest)
#include "WindowCaptionsAndKeysTest.moc"
