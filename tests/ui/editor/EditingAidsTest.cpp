#include "core/app/CommandIds.h"
#include "core/tools/JavacDiagnostic.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/html/LiveEditorDoc.h"
#include "ui/editor/html/LiveHTMLView.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/MdiChildFrame.h"

#include <Qsci/qsciscintillabase.h>
#include <QtTest>

using namespace CommandIds;

namespace {
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// A started application with one source file open, Java or HTML by its name.
struct CEditorWindow {
    CAppFixture m_fixture;
    CSourceView* m_pView = nullptr;

    CEditorWindow() { m_fixture.Start({}, false); }
    CSettings& Settings() { return m_fixture.App().Settings(); }
    bool Open(const QByteArray& bytes, const QString& strName = "T.java")
    {
        CDocument* pDoc = m_fixture.App().OpenDocumentFile(m_fixture.WriteFile(strName, bytes));
        if (auto* pJava = dynamic_cast<CSyntaxWindowDoc*>(pDoc))
            m_pView = pJava->FirstView();
        else if (auto* pHtml = dynamic_cast<CLiveEditorDoc*>(pDoc))
            m_pView = pHtml->FirstFrame() ? dynamic_cast<CSourceView*>(pHtml->FirstFrame()->GetView()) : nullptr;
        if (!m_pView)
            return false;
        // Keys reach the window's accelerators as they would a user's.
        QWidget* pMain = m_fixture.App().MainFrame();
        pMain->activateWindow();
        if (!QTest::qWaitForWindowActive(pMain))
            return false;
        m_pView->setFocus();
        return true;
    }
    QByteArray Text() const { return QByteArray::fromStdString(m_pView->TextBytes()); }
    QPair<int, int> Sel() const { return {int(m_pView->SelStart()), int(m_pView->SelEnd())}; }
    bool Run(int nId) { return m_fixture.App().Router().Execute(nId); }
    bool Enabled(int nId) { return m_fixture.App().Router().Update(nId).m_bEnabled; }
    void Key(int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_pView, Qt::Key(nKey), modifiers);
    }
    void Type(const QString& strText) { QTest::keyClicks(m_pView, strText); }
    void Caret(int nPos) { m_pView->SetSel(std::size_t(nPos), std::size_t(nPos)); }
    QPair<int, int> Braces()
    {
        QCoreApplication::processEvents();
        m_pView->UpdateBraceHighlight();
        auto braces = m_pView->HighlightedBraces();
        return {braces.first == kNone ? -1 : int(braces.first), braces.second == kNone ? -1 : int(braces.second)};
    }
};
} // namespace

class EditingAidsTest : public QObject {
    Q_OBJECT
private slots:
    void lineNumbersShowByDefaultGrowWithTheTextAndToggleEverywhere()
    {
        CEditorWindow window;
        QVERIFY(window.Open("class A {\n}\n"));
        CSourceView* pJava = window.m_pView;
        QVERIFY(pJava->LineNumbersShown());
        const int nNarrow = pJava->LineNumberMarginWidth();
        QVERIFY(nNarrow > 0);
        // The compiler marks' margin keeps its own place.
        QCOMPARE(int(pJava->SendScintilla(QsciScintillaBase::SCI_GETMARGINTYPEN, 0UL)),
                 int(QsciScintillaBase::SC_MARGIN_NUMBER));
        // 100,000 lines need six digits: a wider margin.
        pJava->SetSel(pJava->TextLength(), pJava->TextLength());
        pJava->ReplaceSelection(std::string(100000 * 2, '\n'));
        QTRY_VERIFY_WITH_TIMEOUT(pJava->LineNumberMarginWidth() > nNarrow, 10000);
        QVERIFY(window.Open("<p>\n", "P.html"));
        CSourceView* pHtml = window.m_pView;
        QVERIFY(pHtml->LineNumberMarginWidth() > 0);

        QVERIFY(window.Run(kLineNumbers));
        QCOMPARE(pJava->LineNumberMarginWidth(), 0);
        QCOMPARE(pHtml->LineNumberMarginWidth(), 0);
        QCOMPARE(window.m_fixture.Stored("OPTIONS/LINENUMBERS").toInt(), 0);
        QVERIFY(window.Run(kLineNumbers));
        QVERIFY(pJava->LineNumberMarginWidth() > nNarrow);
        QCOMPARE(pHtml->LineNumberMarginWidth(), nNarrow);
        QCOMPARE(window.m_fixture.Stored("OPTIONS/LINENUMBERS").toInt(), 1);
    }

    void redoFollowsUndoThroughTheKeysAndKeepsTheEditorsSteps()
    {
        CEditorWindow window;
        window.Settings().m_nTabWidth = 4;
        QVERIFY(window.Open("class A {\n"));
        QVERIFY(!window.Enabled(kEditRedo));
        window.Caret(9);
        // Enter after "{" indents one level; "}" on the blank line takes it back.
        window.Key(Qt::Key_Return);
        QCOMPARE(window.Text(), QByteArray("class A {\r\n\t\r\n"));
        window.Key(Qt::Key_Tab);
        window.Type("x");
        window.Key(Qt::Key_Return);
        window.Type("}");
        const QByteArray finalText("class A {\r\n\t\tx\r\n\t}\r\n");
        QCOMPARE(window.Text(), finalText);
        QCOMPARE(window.Sel(), qMakePair(18, 18));
        // Each undo takes one step: the brace with its outdent, then Enter with its indent.
        window.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("class A {\r\n\t\tx\r\n\t\t\r\n"));
        QVERIFY(window.Enabled(kEditRedo));
        window.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("class A {\r\n\t\tx\r\n"));
        window.Key(Qt::Key_Z, Qt::ControlModifier);
        window.Key(Qt::Key_Z, Qt::ControlModifier); // the inserted tab
        QCOMPARE(window.Text(), QByteArray("class A {\r\n\t\r\n"));
        // Ctrl+Y and Ctrl+Shift+Z redo the same steps.
        window.Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("class A {\r\n\t\t\r\n"));
        window.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        window.Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("class A {\r\n\t\tx\r\n\t\t\r\n"));
        QVERIFY(window.Run(kEditRedo));
        QCOMPARE(window.Text(), finalText);
        QVERIFY(!window.Enabled(kEditRedo));
    }

    void shiftTabTakesALevelOfSpacesDecreaseIndentOneSpace()
    {
        CEditorWindow window;
        window.Settings().m_nTabWidth = 4;
        window.Settings().m_bSpaceTabs = true;
        QVERIFY(window.Open("      a\n    b\nc\n"));
        window.m_pView->SetSel(0, 15);
        window.Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(window.Text(), QByteArray("  a\r\nb\r\nc\r\n"));
        QCOMPARE(window.Sel(), qMakePair(0, 7));
        QVERIFY(window.Run(kDecreaseIndent));
        QCOMPARE(window.Text(), QByteArray(" a\r\nb\r\nc\r\n"));
    }

    void bracesPairWithinTheirKindOfTextAndCtrlShiftMJumps()
    {
        CEditorWindow window;
        QVERIFY(window.Open("void f() { /* { */ g(\"}\"); }\nint x = (1;\n"));
        // Moving the caret by key highlights the pair by itself (once painted).
        window.Caret(8);
        window.Key(Qt::Key_Right);
        QTRY_COMPARE_WITH_TIMEOUT(window.m_pView->HighlightedBraces(), std::make_pair(std::size_t(9), std::size_t(27)),
                                  10000);
        // Before "{" at 9: partner the last "}" at 27, past the comment's and string's.
        window.Caret(9);
        QCOMPARE(window.Braces(), qMakePair(9, 27));
        QVERIFY(!window.m_pView->BraceIsBad());
        window.Key(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.Sel(), qMakePair(27, 27));
        // After "}" the brace before the caret counts; the jump lands after "{".
        window.Caret(28);
        window.Key(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.Sel(), qMakePair(10, 10));
        // The brace in the comment has no partner in a comment.
        window.Caret(14);
        QCOMPARE(window.Braces(), qMakePair(14, -1));
        QVERIFY(window.m_pView->BraceIsBad());
        // An unmatched "(": bad; no jump.
        window.Caret(38);
        QCOMPARE(window.Braces(), qMakePair(38, -1));
        QVERIFY(window.m_pView->BraceIsBad());
        QVERIFY(window.Run(kMatchingBrace));
        QCOMPARE(window.Sel(), qMakePair(38, 38));
        // No brace near: nothing highlighted.
        window.Caret(2);
        QCOMPARE(window.Braces(), qMakePair(-1, -1));
        // Ctrl+] is still Increase Indent.
        window.Key(Qt::Key_BracketRight, Qt::ControlModifier);
        QCOMPARE(window.Text().left(6), QByteArray("\tvoid "));
    }

    void toggleCommentByKeyInJavaAndHtml()
    {
        CEditorWindow window;
        QVERIFY(window.Open("\tint a;\n\n\t\tb();\nc;\n"));
        window.m_pView->SetSel(2, 17); // line 0 to inside line 2
        window.Key(Qt::Key_Slash, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("\t// int a;\r\n\r\n\t// \tb();\r\nc;\r\n"));
        QCOMPARE(window.Sel(), qMakePair(0, 25));
        window.Key(Qt::Key_Slash, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("\tint a;\r\n\r\n\t\tb();\r\nc;\r\n"));
        window.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("\t// int a;\r\n\r\n\t// \tb();\r\nc;\r\n"));
        window.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("\tint a;\r\n\r\n\t\tb();\r\nc;\r\n"));

        QVERIFY(window.Open("<ul>\n\t<li>a</li>\n</ul>\n", "P.html"));
        window.Caret(10);
        window.Key(Qt::Key_Slash, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("<ul>\r\n\t<!-- <li>a</li> -->\r\n</ul>\r\n"));
        QCOMPARE(window.Sel(), qMakePair(15, 15));
        window.m_pView->SetSel(0, 4);
        window.Key(Qt::Key_Slash, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("<!-- <ul> -->\r\n\t<!-- <li>a</li> -->\r\n</ul>\r\n"));
        QCOMPARE(window.Sel(), qMakePair(0, 13));
        window.Key(Qt::Key_Slash, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("<ul>\r\n\t<!-- <li>a</li> -->\r\n</ul>\r\n"));
        window.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.Text(), QByteArray("<!-- <ul> -->\r\n\t<!-- <li>a</li> -->\r\n</ul>\r\n"));
    }

    void screenshotWithNumbersMarkAndBraces()
    {
        CEditorWindow window;
        const QByteArray source("public class T {\n    void f() {\n        int x = (1 + 2;\n    }\n}\n");
        QVERIFY(window.Open(source));
        auto* pView = dynamic_cast<CSyntaxWindowView*>(window.m_pView);
        QVERIFY(pView);
        CJavacDiagnostic diagnostic;
        diagnostic.m_nLine = 3;
        diagnostic.m_nColumn = 23;
        diagnostic.m_strMessage = "')' expected";
        pView->ShowCompilerMessages({diagnostic});
        QVERIFY(CCompilerMarks::HasMarks(*pView));
        QVERIFY(pView->LineNumberMarginWidth() > 0);
        pView->window()->resize(640, 260);
        window.Caret(16); // after the class's "{"
        QCOMPARE(window.Braces(), qMakePair(15, 66));
        const QString strDir = qEnvironmentVariable("TARNWICK_SHOT_DIR");
        if (!strDir.isEmpty())
            pView->grab().save(strDir + "/braces-matched.png");
        window.Caret(50); // before the unmatched "("
        QCOMPARE(window.Braces(), qMakePair(50, -1));
        if (!strDir.isEmpty())
            pView->grab().save(strDir + "/brace-bad.png");
    }
};

QTEST_MAIN(EditingAidsTest)
#include "EditingAidsTest.moc"
