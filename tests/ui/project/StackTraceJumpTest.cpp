#include "core/app/CommandIds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/tools/ProcessOutputEdit.h"
#include "ui/tools/ProcessWindow.h"

#include <QDir>
#include <QTextBlock>
#include <QtTest>

using namespace CommandIds;

namespace {
// Main (default package) calls shop.Cart, whose total() divides by zero
// inside a stream; the causes are wrapped twice on the way out.
const char* const kMain = "public class Main {\n"
                          "    public static void main(String[] args) {\n"
                          "        run();\n"
                          "    }\n"
                          "\n"
                          "    static void run() {\n"
                          "        try {\n"
                          "            new shop.Cart().checkout();\n"
                          "        } catch (IllegalStateException e) {\n"
                          "            throw new RuntimeException(\"order failed\", e);\n"
                          "        }\n"
                          "    }\n"
                          "}\n";
const char* const kShopCart = "package shop;\n"
                              "\n"
                              "public class Cart {\n"
                              "    public void checkout() {\n"
                              "        try {\n"
                              "            total();\n"
                              "        } catch (ArithmeticException e) {\n"
                              "            throw new IllegalStateException(\"no total\", e);\n"
                              "        }\n"
                              "    }\n"
                              "\n"
                              "    int total() {\n"
                              "        return java.util.stream.IntStream.of(0).map(n -> 1 / n).sum();\n"
                              "    }\n"
                              "}\n";
// Another Cart.java, listed first, so that a look-up by file name alone
// would open it.
const char* const kOtherCart = "package other;\n\npublic class Cart {\n}\n";
const char* const kBroken = "public class Broken {\n    int x = ;\n}\n";

// The project file: both Cart.java files (a project may list two files of
// one name; adding one through the form would replace the other), Main.java
// as the main file, and Broken.java.
QString WriteShopProject(CAppFixture& fixture)
{
    QDir(fixture.TempPath("")).mkpath("shop");
    QDir(fixture.TempPath("")).mkpath("other");
    const QString strPath = fixture.TempPath("Shop.jpr");
    CJavaProjectCore core("", "");
    core.SetPathName(strPath.toStdString());
    for (const auto& [strName, pszText] : {std::pair<QString, const char*>{"other/Cart.java", kOtherCart},
                                           {"shop/Cart.java", kShopCart},
                                           {"Main.java", kMain},
                                           {"Broken.java", kBroken}}) {
        auto pFile = std::make_unique<CJavaFile>(strPath.toStdString());
        pFile->SetPathName(fixture.WriteFile(strName, pszText).toStdString());
        core.GetJavaFiles().Add(std::move(pFile));
    }
    core.SetMainFile("Main.java");
    std::string strError;
    core.SaveAs(strPath.toStdString(), strError);
    return strPath;
}

int FindLine(CProcessWindow* pWindow, const QString& strStart)
{
    const int nCount = pWindow->OutputEdit()->document()->blockCount();
    for (int nLine = 0; nLine < nCount; ++nLine) {
        if (pWindow->LineText(nLine).startsWith(strStart))
            return nLine;
    }
    return -1;
}

// As the user does it: a double-click on the line in the output.
void DoubleClickLine(CProcessWindow* pWindow, int nLine)
{
    CProcessOutputEdit* pEdit = pWindow->OutputEdit();
    QTextCursor cursor(pEdit->document()->findBlockByNumber(nLine));
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 4);
    // Scrolled into view first, as the user would.
    pEdit->setTextCursor(cursor);
    pEdit->ensureCursorVisible();
    QVERIFY(pEdit->viewport()->rect().contains(pEdit->cursorRect(cursor).center()));
    QTest::mouseDClick(pEdit->viewport(), Qt::LeftButton, Qt::NoModifier, pEdit->cursorRect(cursor).center());
}

// The open source document of that path, or null.
CSyntaxWindowDoc* OpenSource(CAppFixture& fixture, const QString& strPath)
{
    for (CDocument* pDocument : fixture.App().FindTemplate("JavaDocument")->Documents()) {
        if (pDocument->GetPathName() == strPath)
            return dynamic_cast<CSyntaxWindowDoc*>(pDocument);
    }
    return nullptr;
}

std::size_t SourceCount(CAppFixture& fixture)
{
    return fixture.App().FindTemplate("JavaDocument")->Documents().size();
}

// "line index: selected text" of the document's view.
QString Selection(CSyntaxWindowDoc* pSource)
{
    CSyntaxWindowView* pView = pSource->FirstView();
    return QString::number(pView->LineFromPosition(pView->SelStart())) + ": " +
           QString::fromStdString(pView->SelectedBytes()).trimmed();
}
} // namespace

class StackTraceJumpTest : public QObject {
    Q_OBJECT
private slots:
    void traceLinesOpenTheirProjectFiles()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(
                                                               &CJdkLocator::ReadProcessEnvironment)));
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(WriteShopProject(fixture)));
        QVERIFY(pProject);
        const QString strShopCart = fixture.TempPath("shop/Cart.java");
        const QString strMain = fixture.TempPath("Main.java");

        QVERIFY(fixture.App().Router().Execute(kBuild));
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(pWindow);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QCOMPARE(pWindow->OutputText(), QString("Exit code: 0\nNo Errors"));

        bool bEnded = false;
        connect(pWindow, &CProcessWindow::RunEnded, this, [&bEnded] { bEnded = true; });
        QVERIFY(fixture.App().Router().Execute(kRunApplication));
        QTRY_VERIFY_WITH_TIMEOUT(bEnded, 30000);
        const QString strOutput = pWindow->OutputText();
        QVERIFY2(strOutput.startsWith("Exception in thread \"main\" java.lang.RuntimeException: order failed\n"
                                      "\tat Main.run(Main.java:10)\n"
                                      "\tat Main.main(Main.java:3)\n"
                                      "Caused by: java.lang.IllegalStateException: no total\n"
                                      "\tat shop.Cart.checkout(Cart.java:8)\n"
                                      "\tat Main.run(Main.java:8)\n"
                                      "\t... 1 more\n"
                                      "Caused by: java.lang.ArithmeticException: / by zero\n"
                                      "\tat shop.Cart.lambda$total$0(Cart.java:13)\n"),
                 qPrintable(strOutput));
        QVERIFY2(strOutput.contains("\tat shop.Cart.total(Cart.java:13)\n"
                                    "\tat shop.Cart.checkout(Cart.java:6)\n"
                                    "\t... 2 more\n"),
                 qPrintable(strOutput));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());

        // A frame: shop/Cart.java, not other/Cart.java, at the line that threw.
        DoubleClickLine(pWindow, FindLine(pWindow, "\tat shop.Cart.total("));
        QCOMPARE(SourceCount(fixture), std::size_t(1));
        CSyntaxWindowDoc* pCart = OpenSource(fixture, strShopCart);
        QVERIFY(pCart);
        QCOMPARE(Selection(pCart), QString("12: return java.util.stream.IntStream.of(0).map(n -> 1 / n).sum();"));

        // A head: the first frame of its own trace.
        DoubleClickLine(pWindow, FindLine(pWindow, "Caused by: java.lang.IllegalStateException"));
        QCOMPARE(SourceCount(fixture), std::size_t(1));
        QCOMPARE(Selection(pCart), QString("7: throw new IllegalStateException(\"no total\", e);"));

        // The two left out under the ArithmeticException are the
        // IllegalStateException's last two: Main.run at line 8 first.
        DoubleClickLine(pWindow, FindLine(pWindow, "\t... 2 more"));
        QCOMPARE(SourceCount(fixture), std::size_t(2));
        CSyntaxWindowDoc* pMainSource = OpenSource(fixture, strMain);
        QVERIFY(pMainSource);
        QCOMPARE(Selection(pMainSource), QString("7: new shop.Cart().checkout();"));
        // "... 1 more" under the IllegalStateException: the top trace's last.
        DoubleClickLine(pWindow, FindLine(pWindow, "\t... 1 more"));
        QCOMPARE(Selection(pMainSource), QString("2: run();"));

        // A frame of the JDK's: nothing opens, nothing is said.
        const int nJdkLine = FindLine(pWindow, "\tat java.base/");
        QVERIFY(nJdkLine > 0);
        const int nFrames = fixture.FrameCount();
        DoubleClickLine(pWindow, nJdkLine);
        QCOMPARE(SourceCount(fixture), std::size_t(2));
        QCOMPARE(fixture.FrameCount(), nFrames);
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        QCOMPARE(Selection(pMainSource), QString("2: run();"));


        // A compiler message still leads to its line.
        bEnded = false;
        pProject->CompileFile(fixture.TempPath("Broken.java").toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(bEnded, 30000);
        QVERIFY2(pWindow->LineText(0).startsWith("Broken.java:2: error:"), qPrintable(pWindow->OutputText()));
        DoubleClickLine(pWindow, 0);
        QCOMPARE(SourceCount(fixture), std::size_t(3));
        CSyntaxWindowDoc* pBroken = OpenSource(fixture, fixture.TempPath("Broken.java"));
        QVERIFY(pBroken);
        QCOMPARE(Selection(pBroken), QString("1: int x = ;"));
    }

    void packagedProjectBuildsFromItsRootAndItsMessagesFindTheirFiles()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(
                                                               &CJdkLocator::ReadProcessEnvironment)));
        fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
        QVERIFY(fixture.Start({}, false));
        QDir(fixture.TempPath("")).mkpath("src/com/example/model");
        QDir(fixture.TempPath("")).mkpath("src/com/example/other");
        const QString strOther =
            fixture.WriteFile("src/com/example/other/Item.java", "package com.example.other;\npublic class Item {}\n");
        const QString strApp = fixture.WriteFile("src/com/example/App.java",
                                                 "package com.example;\n"
                                                 "import com.example.model.Item;\n"
                                                 "public class App {\n"
                                                 "    public static void main(String[] args) { new Item(); }\n"
                                                 "}\n");
        const QString strItem = fixture.WriteFile("src/com/example/model/Item.java",
                                                  "package com.example.model;\n"
                                                  "public class Item {\n"
                                                  "    int count = \"none\";\n"
                                                  "}\n");
        const QString strPath = fixture.TempPath("Shop.jpr");
        {
            CJavaProjectCore core("", "");
            core.SetPathName(strPath.toStdString());
            for (const QString& strFile : {strOther, strApp, strItem}) {
                auto pFile = std::make_unique<CJavaFile>(strPath.toStdString());
                pFile->SetPathName(strFile.toStdString());
                core.GetJavaFiles().Add(std::move(pFile));
            }
            std::string strError;
            QVERIFY(core.SaveAs(strPath.toStdString(), strError));
        }
        auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(strPath));
        QVERIFY(pProject);
        pProject->SetMainFile("App.java");
        QCOMPARE(QString::fromStdString(pProject->Core().GetMainPackage()), QString("com.example"));
        CSyntaxWindowDoc* pOther = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strOther));
        CSyntaxWindowDoc* pItem = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strItem));
        QVERIFY(pOther && pItem);

        QVERIFY(fixture.App().Router().Execute(kBuild));
        CProcessWindow* pWindow = pProject->ProcessWindow();
        QVERIFY(pWindow);
        QTRY_VERIFY_WITH_TIMEOUT(!pWindow->IsWatching(), 30000);
        QVERIFY2(pWindow->LineText(0).startsWith("./com/example/model/Item.java:3: error: incompatible types"),
                 qPrintable(pWindow->OutputText()));
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        // The error's mark on the file javac named, on no other Item.java.
        const unsigned nError = 1u << CCompilerMarks::kErrorMarker;
        QTRY_COMPARE(pItem->FirstView()->markersAtLine(2) & nError, nError);
        for (int nLine = 0; nLine < 3; ++nLine)
            QCOMPARE(pOther->FirstView()->markersAtLine(nLine) & nError, 0u);

        // The double-click goes to the file javac named, not to the first
        // Item.java of the list.
        DoubleClickLine(pWindow, 0);
        QCOMPARE(SourceCount(fixture), std::size_t(2));
        QCOMPARE(Selection(pItem), QString("2: int count = \"none\";"));
    }
};

QTEST_MAIN(StackTraceJumpTest)
#include "StackTraceJumpTest.moc"
