#include "core/app/CommandIds.h"
#include "core/findinfiles/SearchJob.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "tests/support/HeldPattern.h"
#include "tests/ui/support/Mouse.h"
#include "tests/ui/support/ShownAppFixture.h"
#include "ui/app/FindInFilesCommands.h"
#include "ui/app/MainFrame.h"
#include "ui/bars/FindResultsBar.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/search/FindInFilesDlg.h"
#include "ui/search/FindResultsWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace CommandIds;

namespace {
// CR LF breaks; "hello" four times, in both cases.
const char* const kHello = "public class Hello {\r\n"
                           "    // Hello, hello\r\n"
                           "    String s = \"Hello\";\r\n"
                           "}\r\n";
const char* const kUtil = "class Util {\n    int hello;\n}\n";
const char* const kEdited = "class Edited {\n}\n";
const char* const kPage = "<html><body>Hello</body></html>\n";

// The project lists src/Hello.java, src/Util.java, Missing.java (not on
// disk), Edited.java and page.html.
QString WriteProject(CAppFixture& fixture)
{
    QDir(fixture.TempPath("")).mkpath("src");
    const QString strPath = fixture.TempPath("Find.jpr");
    CJavaProjectCore core("", "");
    core.SetPathName(strPath.toStdString());
    for (const auto& [strName, pszText] : {std::pair<QString, const char*>{"src/Hello.java", kHello},
                                           {"src/Util.java", kUtil},
                                           {"Missing.java", nullptr},
                                           {"Edited.java", kEdited}}) {
        auto pFile = std::make_unique<CJavaFile>(strPath.toStdString());
        pFile->SetPathName(pszText ? fixture.WriteFile(strName, pszText).toStdString()
                                   : fixture.TempPath(strName).toStdString());
        core.GetJavaFiles().Add(std::move(pFile));
    }
    core.AddHtmlFile(fixture.WriteFile("page.html", kPage).toStdString());
    std::string strError;
    core.SaveAs(strPath.toStdString(), strError);
    return strPath;
}

// Answers the Find in Files dialog: fills it in and presses Find, as often
// as fill asks (it returns false when done), then returns how the dialog ended.
using Fill = std::function<bool(CFindInFilesDlg&, int nRound)>;
void AnswerDialog(CAppFixture& fixture, Fill fill, QStringList* pSeenText = nullptr)
{
    fixture.Prompts().m_onDialog = [fill, pSeenText](QDialog& dialog) {
        auto* pDialog = qobject_cast<CFindInFilesDlg*>(&dialog);
        if (!pDialog)
            return int(QDialog::Rejected);
        if (pSeenText)
            *pSeenText << pDialog->findChild<QLineEdit*>("findWhat")->text()
                       << pDialog->findChild<QLineEdit*>("folderPath")->text()
                       << pDialog->findChild<QLineEdit*>("filePatterns")->text()
                       << (pDialog->findChild<QRadioButton*>("projectFiles")->isEnabled() ? "project enabled"
                                                                                          : "project disabled");
        for (int nRound = 0; fill(*pDialog, nRound); ++nRound) {
            pDialog->findChild<QPushButton*>("find")->click();
            if (pDialog->result() == QDialog::Accepted)
                break;
        }
        return pDialog->result();
    };
}

void SetText(CFindInFilesDlg& dialog, const char* pszField, const QString& strText)
{
    dialog.findChild<QLineEdit*>(pszField)->setText(strText);
}

QStringList ResultLines(CFindResultsWindow* pWindow)
{
    QStringList lines;
    for (int nRow = 0; nRow < pWindow->ShownRows(); ++nRow)
        lines << pWindow->RowText(nRow);
    return lines;
}

CSyntaxWindowDoc* OpenSource(CAppFixture& fixture, const QString& strPath)
{
    for (CDocument* pDocument : fixture.App().FindTemplate("JavaDocument")->Documents())
        if (pDocument->GetPathName() == strPath)
            return dynamic_cast<CSyntaxWindowDoc*>(pDocument);
    return nullptr;
}

// The active editor's file name, selection and selected text.
QString ActiveSelection(CShownAppFixture& fixture)
{
    CMdiChildFrame* pFrame = fixture.Frame().ActiveChildFrame();
    if (!pFrame)
        return "none";
    auto* pView = dynamic_cast<CJavaEditor*>(pFrame->GetView()->Widget());
    return QFileInfo(pFrame->GetDocument()->GetPathName()).fileName() + QStringLiteral(" %1-%2 ")
                                                                            .arg(pView->SelStart())
                                                                            .arg(pView->SelEnd()) +
           QString::fromStdString(pView->SelectedBytes());
}

void DoubleClickRow(CFindResultsWindow* pWindow, int nRow)
{
    QListView* pList = pWindow->List();
    const QModelIndex index = pList->model()->index(nRow, 0);
    pList->scrollTo(index);
    DoubleClick(pList->viewport(), pList->visualRect(index).center());
}

} // namespace

class FindInFilesTest : public QObject {
    Q_OBJECT
private slots:
    void projectSearchListsAndGoesToEveryMatch()
    {
        CShownAppFixture fixture;
        QVERIFY(fixture.App().OpenDocumentFile(WriteProject(fixture)));
        // An unsaved edit in an open editor is what the search sees.
        CSyntaxWindowDoc* pEdited = dynamic_cast<CSyntaxWindowDoc*>(
            fixture.App().OpenDocumentFile(fixture.TempPath("Edited.java")));
        QVERIFY(pEdited);
        QVERIFY(pEdited->ReplaceText("class Edited {\r\n    // Hello again\r\n}\r\n"));
        QVERIFY(pEdited->IsModified());

        QStringList seen;
        AnswerDialog(
            fixture,
            [](CFindInFilesDlg& dialog, int nRound) {
                SetText(dialog, "findWhat", "hello");
                return nRound == 0;
            },
            &seen);
        QVERIFY(fixture.App().Router().Execute(kFindInFiles));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Find in Files"});
        // Nothing selected, nothing searched before: an empty text; the folder is the project's.
        QCOMPARE(seen.at(0), QString());
        QCOMPARE(QDir(seen.at(1)), QDir(fixture.TempPath("")));
        QCOMPARE(seen.at(2), QString("*.java;*.html"));
        QCOMPARE(seen.at(3), QString("project enabled"));

        CFindResultsWindow* pWindow = fixture.App().FindInFiles().ResultsWindow();
        QVERIFY(pWindow);
        QVERIFY(fixture.App().FindInFiles().ResultsBar()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsRunning(), 30000);
        const QStringList lines = ResultLines(pWindow);
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines.mid(0, 7), (QStringList{"src/Hello.java (4 matches)",
                                               "src/Hello.java:1:14: public class Hello {",
                                               "src/Hello.java:2:8:     // Hello, hello",
                                               "src/Hello.java:2:15:     // Hello, hello",
                                               "src/Hello.java:3:17:     String s = \"Hello\";",
                                               "src/Util.java (1 match)",
                                               "src/Util.java:2:9:     int hello;"}));
        QCOMPARE(lines.at(7), QString("Missing.java: No such file or directory"));
        QCOMPARE(lines.mid(8), (QStringList{"Edited.java (1 match)", "Edited.java:2:8:     // Hello again",
                                            "page.html (1 match)", "page.html:1:13: <html><body>Hello</body></html>",
                                            "7 matches in 4 files"}));
        QCOMPARE(fixture.Frame().StatusPaneText(), QString("7 matches in 4 files"));
        QCOMPARE(pWindow->TitleText(), QString("\"hello\" in the project's files"));
        QVERIFY(!pWindow->StopButton()->isEnabled());

        // A double-click opens the file with exactly the match selected.
        DoubleClickRow(pWindow, 3);
        QCOMPARE(ActiveSelection(fixture), QString("Hello.java 36-41 hello"));
        QCOMPARE(pWindow->CurrentRow(), 3);
        QVERIFY(OpenSource(fixture, fixture.TempPath("src/Hello.java")));

        // F4 from the editor: the next match, then on into the next files.
        fixture.PressKey(Qt::Key_F4);
        QCOMPARE(ActiveSelection(fixture), QString("Hello.java 59-64 Hello"));
        QCOMPARE(pWindow->CurrentRow(), 4);
        fixture.PressKey(Qt::Key_F4);
        QCOMPARE(ActiveSelection(fixture), QString("Util.java 22-27 hello"));
        QCOMPARE(pWindow->CurrentRow(), 6);
        fixture.PressKey(Qt::Key_F4);
        // The unsaved text, in the editor that holds it.
        QCOMPARE(ActiveSelection(fixture), QString("Edited.java 23-28 Hello"));
        QCOMPARE(pWindow->CurrentRow(), 9);
        QVERIFY(pEdited->IsModified());
        fixture.PressKey(Qt::Key_F4, Qt::ShiftModifier);
        QCOMPARE(ActiveSelection(fixture), QString("Util.java 22-27 hello"));
        QCOMPARE(pWindow->CurrentRow(), 6);
        fixture.PressKey(Qt::Key_F4, Qt::ShiftModifier);
        fixture.PressKey(Qt::Key_F4, Qt::ShiftModifier);
        fixture.PressKey(Qt::Key_F4, Qt::ShiftModifier);
        fixture.PressKey(Qt::Key_F4, Qt::ShiftModifier);
        QCOMPARE(ActiveSelection(fixture), QString("Hello.java 13-18 Hello"));
        QCOMPARE(pWindow->CurrentRow(), 1);
        // Before the first: round to the last.
        fixture.PressKey(Qt::Key_F4, Qt::ShiftModifier);
        QCOMPARE(pWindow->CurrentRow(), 11);
        QVERIFY(OpenSource(fixture, fixture.TempPath("src/Hello.java")));
        QCOMPARE(fixture.App().FindTemplate("HTMLDocument")->Documents().size(), std::size_t(1));

        // Enter on a file's line: its first match.
        pWindow->List()->setFocus();
        pWindow->List()->setCurrentIndex(pWindow->List()->model()->index(8, 0));
        QTest::keyClick(pWindow->List(), Qt::Key_Return);
        QCOMPARE(ActiveSelection(fixture), QString("Edited.java 23-28 Hello"));
        QCOMPARE(pWindow->CurrentRow(), 8);
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
    }

    void theDialogStaysUntilItsChoicesCanRun()
    {
        CShownAppFixture fixture;
        QVERIFY(fixture.App().OpenDocumentFile(WriteProject(fixture)));
        QList<int> results;
        AnswerDialog(fixture, [&results, &fixture](CFindInFilesDlg& dialog, int nRound) {
            results << dialog.result();
            switch (nRound) {
            case 0: SetText(dialog, "findWhat", ""); return true;
            case 1:
                SetText(dialog, "findWhat", "Hel(lo");
                dialog.findChild<QCheckBox*>("regex")->setChecked(true);
                return true;
            case 2:
                SetText(dialog, "findWhat", "Hel+o");
                dialog.findChild<QRadioButton*>("folder")->setChecked(true);
                SetText(dialog, "folderPath", fixture.TempPath("no such folder"));
                return true;
            case 3:
                SetText(dialog, "folderPath", fixture.TempPath("src"));
                dialog.findChild<QCheckBox*>("matchCase")->setChecked(true);
                return true;
            default: return false;
            }
        });
        QVERIFY(fixture.App().Router().Execute(kFindInFiles));
        // Three refusals, each leaving the dialog open, then the search.
        QCOMPARE(results, (QList<int>{0, 0, 0, 0}));
        QCOMPARE(fixture.Prompts().m_messages.size(), 3);
        QCOMPARE(fixture.Prompts().m_messages.at(0), QString("Type the text to find."));
        QCOMPARE(fixture.Prompts().m_messages.at(1),
                 QString("The regular expression is not valid:\nmissing closing parenthesis at offset 6"));
        QCOMPARE(fixture.Prompts().m_messages.at(2),
                 QString("The folder %1 does not exist.").arg(fixture.TempPath("no such folder")));

        CFindResultsWindow* pWindow = fixture.App().FindInFiles().ResultsWindow();
        QVERIFY(pWindow);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsRunning(), 30000);
        // The folder's files, shown from the folder, by name order.
        QCOMPARE(ResultLines(pWindow), (QStringList{"Hello.java (3 matches)",
                                                    "Hello.java:1:14: public class Hello {",
                                                    "Hello.java:2:8:     // Hello, hello",
                                                    "Hello.java:3:17:     String s = \"Hello\";",
                                                    "3 matches in 1 file"}));

        // The next dialog starts from this one's choices, the selection first.
        CSyntaxWindowDoc* pUtil =
            dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("src/Util.java")));
        QVERIFY(pUtil);
        pUtil->FirstView()->SetSel(22, 27);
        QStringList seen;
        AnswerDialog(
            fixture,
            [](CFindInFilesDlg& dialog, int) {
                SetText(dialog, "findWhat", "nothing like it");
                return false;
            },
            &seen);
        QVERIFY(fixture.App().Router().Execute(kFindInFiles));
        QCOMPARE(seen.at(0), QString("hello"));
        QCOMPARE(QDir(seen.at(1)), QDir(fixture.TempPath("")));
        // Cancelled: the results stay.
        QCOMPARE(ResultLines(pWindow).size(), 5);

        // No match at all.
        AnswerDialog(fixture, [](CFindInFilesDlg& dialog, int nRound) {
            SetText(dialog, "findWhat", "nothing like it");
            return nRound == 0;
        });
        QVERIFY(fixture.App().Router().Execute(kFindInFiles));
        QTRY_COMPARE_WITH_TIMEOUT(ResultLines(pWindow), QStringList{"No matches"}, 30000);
        QCOMPARE(fixture.Frame().StatusPaneText(), QString("No matches"));
    }

    void withoutAProjectTheFolderIsTheActiveDocuments()
    {
        CShownAppFixture fixture;
        QDir(fixture.TempPath("")).mkpath("lib/deep");
        fixture.WriteFile("lib/A.java", "int x; // x\n");
        fixture.WriteFile("lib/deep/B.html", "x\n");
        fixture.WriteFile("lib/deep/C.txt", "x\n");
        QVERIFY(fixture.App().OpenDocumentFile(fixture.TempPath("lib/A.java")));
        QStringList seen;
        AnswerDialog(
            fixture, [](CFindInFilesDlg& dialog, int nRound) {
                dialog.findChild<QCheckBox*>("wholeWord")->setChecked(true);
                SetText(dialog, "findWhat", "x");
                return nRound == 0;
            },
            &seen);
        QVERIFY(fixture.App().Router().Execute(kFindInFiles));
        QCOMPARE(seen.at(1), fixture.TempPath("lib"));
        QCOMPARE(seen.at(3), QString("project disabled"));
        CFindResultsWindow* pWindow = fixture.App().FindInFiles().ResultsWindow();
        QVERIFY(pWindow);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsRunning(), 30000);
        QCOMPARE(ResultLines(pWindow), (QStringList{"A.java (2 matches)", "A.java:1:5: int x; // x",
                                                    "A.java:1:11: int x; // x", "deep/B.html (1 match)",
                                                    "deep/B.html:1:1: x", "3 matches in 2 files"}));
    }

    void stopEndsTheSearchAndSaysSo()
    {
        CShownAppFixture fixture;
        QVERIFY(fixture.App().OpenDocumentFile(WriteProject(fixture)));
        AnswerDialog(fixture, [](CFindInFilesDlg& dialog, int nRound) {
            SetText(dialog, "findWhat", "Hello");
            return nRound == 0;
        });
        QVERIFY(fixture.App().Router().Execute(kFindInFiles));
        CFindResultsWindow* pWindow = fixture.App().FindInFiles().ResultsWindow();
        QVERIFY(pWindow);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsRunning(), 30000);

        // A search held on its first line until the Stop button is pressed.
        CSearchJob::CRequest request;
        for (const char* pszName : {"src/Hello.java", "src/Util.java", "page.html"})
            request.m_files.push_back({pszName, fixture.TempPath(pszName).toStdString()});
        auto pGate = std::make_unique<CHeldPattern>("Hello");
        CHeldPattern& gate = *pGate;
        pWindow->Start(std::make_unique<CSearchJob>(std::move(pGate), std::move(request)), "held");
        QCOMPARE(ResultLines(pWindow), QStringList());
        QVERIFY(pWindow->IsRunning());
        QVERIFY(pWindow->StopButton()->isEnabled());
        QCOMPARE(fixture.Frame().StatusPaneText(), QString("Searching: 0 of 3 files..."));
        QTRY_VERIFY_WITH_TIMEOUT(gate.Entered(), 30000);
        QTest::mouseClick(pWindow->StopButton(), Qt::LeftButton);
        gate.Open();
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsRunning(), 30000);
        const QStringList lines = ResultLines(pWindow);
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.last().startsWith("Search stopped: "), qPrintable(lines.join('\n')));
        // Nothing after the file it was in.
        QVERIFY2(!lines.join('\n').contains("page.html"), qPrintable(lines.join('\n')));
        QCOMPARE(fixture.Frame().StatusPaneText(), lines.last());
        QVERIFY(!pWindow->StopButton()->isEnabled());
    }
};

QTEST_MAIN(FindInFilesTest)
#include "FindInFilesTest.moc"
