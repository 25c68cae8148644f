#include "core/app/CommandIds.h"
#include "core/jdk/JdkLocator.h"
#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/CompilerMarks.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/tools/ProcessWindow.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace CommandIds;

namespace {
constexpr unsigned kError = 1u << CCompilerMarks::kErrorMarker;
constexpr unsigned kWarning = 1u << CCompilerMarks::kWarningMarker;

// A raw type on line 3 (a warning with -Xlint:rawtypes) and an unknown name
// on line 4, after two characters of two bytes each.
const QByteArray kBroken = "public class Main {\n"
                           "  public static void main(String[] a) {\n"
                           "    java.util.List raw = null;\n"
                           "    String s = \"\xc3\xa9\xc3\xa9\"; int n = missing;\n"
                           "  }\n"
                           "}\n";
const QByteArray kFixed = "public class Main {\n"
                          "  public static void main(String[] a) {\n"
                          "  }\n"
                          "}\n";
const QString kErrorMessage = "cannot find symbol\n  symbol:   variable missing\n  location: class Main";
const QString kWarningMessage = "[rawtypes] found raw type: List\n"
                                "  missing type arguments for generic class List<E>\n"
                                "  where E is a type-variable:\n"
                                "    E extends Object declared in interface List";

void UseTheRealJdk(CAppFixture& fixture)
{
    fixture.PresetSettings().setValue(
        "PATHS/JAVABIN", QString::fromStdString(CJdkLocator::FromEnvironment(&CJdkLocator::ReadProcessEnvironment)));
    fixture.PresetSettings().setValue("OPTIONS/SAVECOMP", 0);
}

// A project in real/ whose main file is Main.java, with javac's raw-type
// warnings on.
CJavaProjectDoc* OpenMainProject(CAppFixture& fixture)
{
    QDir(fixture.TempPath("")).mkpath("real");
    const QString strSource = fixture.WriteFile("real/Main.java", kBroken);
    CJavaProjectCore core("", "-Xlint:rawtypes");
    const QString strProject = fixture.TempPath("real/Main.jpr");
    core.SetPathName(strProject.toStdString());
    core.AddJavaFile(strSource.toStdString());
    core.SetMainFile("Main.java");
    std::string strError;
    core.SaveAs(strProject.toStdString(), strError);
    return dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(strProject));
}

// Starts a run and waits for the process window to say it is over.
bool RunAndWait(CJavaProjectDoc* pProject, const std::function<void()>& start)
{
    if (!pProject->ProcessWindow()) {
        // The first run makes the window, which ends the run on its own timer.
        start();
        return pProject->ProcessWindow() &&
               QTest::qWaitFor([&] { return !pProject->ProcessWindow()->IsWatching(); }, 30000);
    }
    int nEnded = 0;
    const QMetaObject::Connection connection =
        QObject::connect(pProject->ProcessWindow(), &CProcessWindow::RunEnded, [&] { ++nEnded; });
    start();
    const bool bEnded = QTest::qWaitFor([&] { return nEnded > 0; }, 30000);
    QObject::disconnect(connection);
    return bEnded;
}

long Send(CSyntaxWindowView* pView, unsigned int nMessage, unsigned long wParam = 0, long lParam = 0)
{
    return pView->SendScintilla(nMessage, wParam, lParam);
}

// "start+length" of each squiggle of the indicator, in text order.
QStringList Squiggles(CSyntaxWindowView* pView, int nIndicator)
{
    QStringList squiggles;
    const long nLength = static_cast<long>(pView->TextLength());
    for (long nPos = 0; nPos < nLength;) {
        const long nEnd = Send(pView, QsciScintillaBase::SCI_INDICATOREND, nIndicator, nPos);
        if (Send(pView, QsciScintillaBase::SCI_INDICATORVALUEAT, nIndicator, nPos) != 0)
            squiggles << QString("%1+%2").arg(nPos).arg(nEnd - nPos);
        if (nEnd <= nPos)
            break;
        nPos = nEnd;
    }
    return squiggles;
}

// The line of every marker of ours, with 'e' or 'w', and every annotated line.
QStringList Marks(CSyntaxWindowView* pView)
{
    QStringList marks;
    for (int nLine = 0; nLine < static_cast<int>(pView->LineCount()); ++nLine) {
        const unsigned nMask = pView->markersAtLine(nLine) & (kError | kWarning);
        if (nMask & kError)
            marks << QString("e%1").arg(nLine);
        if (nMask & kWarning)
            marks << QString("w%1").arg(nLine);
        if (!pView->annotation(nLine).isEmpty())
            marks << QString("a%1").arg(nLine);
    }
    return marks;
}

int MarginWidth(CSyntaxWindowView* pView)
{
    return static_cast<int>(Send(pView, QsciScintillaBase::SCI_GETMARGINWIDTHN, CCompilerMarks::kMarkerMargin));
}
} // namespace

class CompilerMarkersTest : public QObject {
    Q_OBJECT
private slots:
    void buildMarksTheOpenFileInEveryWindowAndFollowsEdits()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenMainProject(fixture);
        QVERIFY(pProject);
        // The editor reaches the file through a linked folder, in two windows.
        QVERIFY(QFile::link(fixture.TempPath("real"), fixture.TempPath("link")));
        auto* pDoc =
            dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("link/Main.java")));
        QVERIFY(pDoc);
        CDocTemplate* pJava = fixture.App().FindTemplate("JavaDocument");
        pJava->CreateNewFrame(*pDoc);
        QCOMPARE(pDoc->GetFrames().size(), std::size_t(2));
        auto* pView = dynamic_cast<CSyntaxWindowView*>(pDoc->GetFrames()[0]->GetView());
        auto* pSecond = dynamic_cast<CSyntaxWindowView*>(pDoc->GetFrames()[1]->GetView());
        QVERIFY(pView && pSecond);
        QCOMPARE(MarginWidth(pView), 0);

        QVERIFY(RunAndWait(pProject, [&] { QVERIFY(fixture.App().Router().Execute(kBuild)); }));
        QVERIFY(pProject->ProcessWindow()->OutputText().startsWith("Main.java:3: warning: [rawtypes]"));
        QCOMPARE(Marks(pView), (QStringList{"w2", "a2", "e3", "a3"}));
        QCOMPARE(Marks(pSecond), Marks(pView));
        QCOMPARE(pView->markerFindNext(0, kError | kWarning), 2);
        QCOMPARE(pView->annotation(3), kErrorMessage);
        QCOMPARE(pView->annotation(2), kWarningMessage);
        // The messages' kinds style their own lines of the annotation.
        QByteArray styles(kWarningMessage.size(), '\0');
        Send(pView, QsciScintillaBase::SCI_ANNOTATIONGETSTYLES, 2, reinterpret_cast<long>(styles.data()));
        QCOMPARE(styles, QByteArray(kWarningMessage.size(), char(CCompilerMarks::kWarningStyle)));
        // javac's column 30 counts é as one: "missing" starts at byte 31 of
        // its line; the warning's caret is on the dot before List.
        const long nLine4 = static_cast<long>(pView->PositionFromLine(3));
        const long nLine3 = static_cast<long>(pView->PositionFromLine(2));
        QCOMPARE(Squiggles(pView, CCompilerMarks::kErrorIndicator), QStringList{QString("%1+7").arg(nLine4 + 31)});
        QCOMPARE(Squiggles(pView, CCompilerMarks::kWarningIndicator), QStringList{QString("%1+5").arg(nLine3 + 13)});
        QVERIFY(MarginWidth(pView) >= 16);
        QCOMPARE(MarginWidth(pSecond), MarginWidth(pView));
        QVERIFY(CCompilerMarks::MessagesShown(*pView));
        QVERIFY(!pDoc->IsModified());

        // Two lines typed above: everything moves down two lines.
        pView->SetSel(0, 0);
        pView->ReplaceSelection("// a\r\n// b\r\n");
        QCOMPARE(Marks(pView), (QStringList{"w4", "a4", "e5", "a5"}));
        QCOMPARE(pView->annotation(5), kErrorMessage);
        QCOMPARE(Squiggles(pView, CCompilerMarks::kErrorIndicator), QStringList{QString("%1+7").arg(nLine4 + 31 + 12)});
        // The error's line joined to the one above: its marks stay on the joined line.
        const std::size_t nBreak = pView->LineEndPosition(4);
        pView->SetSel(nBreak, nBreak + 2);
        pView->ReplaceSelection("");
        QCOMPARE(Marks(pView), (QStringList{"e4", "w4", "a4"}));
        QCOMPARE(pView->annotation(4), kErrorMessage);
        QCOMPARE(Squiggles(pView, CCompilerMarks::kErrorIndicator), QStringList{QString("%1+7").arg(nLine4 + 31 + 10)});

        // View > Compiler Messages hides and shows the messages in every window.
        QVERIFY(fixture.App().Router().Execute(kCompilerMessages));
        QVERIFY(!CCompilerMarks::MessagesShown(*pView));
        QVERIFY(!CCompilerMarks::MessagesShown(*pSecond));
        CMdiChildFrame* pThird = pJava->CreateNewFrame(*pDoc);
        auto* pThirdView = dynamic_cast<CSyntaxWindowView*>(pThird->GetView());
        QVERIFY(!CCompilerMarks::MessagesShown(*pThirdView));
        QCOMPARE(MarginWidth(pThirdView), MarginWidth(pView));
        QVERIFY(fixture.App().Router().Execute(kCompilerMessages));
        QVERIFY(CCompilerMarks::MessagesShown(*pView));
        QVERIFY(CCompilerMarks::MessagesShown(*pThirdView));
        QCOMPARE(Marks(pView), (QStringList{"e4", "w4", "a4"}));

        // Fixed on disk and built again: every mark goes.
        pDoc->ReplaceText(QString::fromUtf8(kFixed).replace("\n", "\r\n").toStdString());
        QVERIFY(pDoc->OnSaveDocument(pDoc->GetPathName()));
        QVERIFY(RunAndWait(pProject, [&] { QVERIFY(fixture.App().Router().Execute(kBuild)); }));
        QCOMPARE(pProject->ProcessWindow()->OutputText(), QString("Exit code: 0\nNo Errors"));
        QCOMPARE(Marks(pView), QStringList());
        QCOMPARE(Marks(pThirdView), QStringList());
        QCOMPARE(Squiggles(pView, CCompilerMarks::kErrorIndicator), QStringList());
        QCOMPARE(Squiggles(pView, CCompilerMarks::kWarningIndicator), QStringList());
        QCOMPARE(MarginWidth(pView), 0);
        QCOMPARE(MarginWidth(pSecond), 0);
    }

    void compileMarksItsFileAndClosingForgetsTheMarks()
    {
        CAppFixture fixture;
        UseTheRealJdk(fixture);
        QVERIFY(fixture.Start({}, false));
        CJavaProjectDoc* pProject = OpenMainProject(fixture);
        QVERIFY(pProject);
        const QString strMain = fixture.TempPath("real/Main.java");
        // Other uses Helper, which javac then compiles too and names as "./Helper.java".
        const QString strOther = fixture.WriteFile(
            "real/Other.java", "class Other {\n  int f() { return; }\n  int g() { return Helper.x(); }\n}\n");
        const QString strHelper =
            fixture.WriteFile("real/Helper.java", "class Helper {\n  static int x() { return y; }\n}\n");
        auto* pMain = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strMain));
        auto* pOther = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strOther));
        auto* pHelper = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strHelper));
        QVERIFY(pMain && pOther && pHelper);

        // A Build gives Main its marks; a run that is not javac's leaves
        // them; Compile (Ctrl+M) of Other marks Other and Helper, which its
        // output names, and leaves Main's.
        QVERIFY(RunAndWait(pProject, [&] { QVERIFY(fixture.App().Router().Execute(kBuild)); }));
        QCOMPARE(Marks(pMain->FirstView()), (QStringList{"w2", "a2", "e3", "a3"}));
        QCOMPARE(Marks(pOther->FirstView()), QStringList());
        QVERIFY(RunAndWait(pProject, [&] { QVERIFY(fixture.App().Router().Execute(kRunApplication)); }));
        QVERIFY(pProject->ProcessWindow()->OutputText().contains("Main"));
        QCOMPARE(Marks(pMain->FirstView()), (QStringList{"w2", "a2", "e3", "a3"}));
        QVERIFY(RunAndWait(pProject, [&] { pOther->FirstView()->OnCommand(kCompile); }));
        QCOMPARE(fixture.App().GetProcessTitle(), "Compiling \"" + strOther + "\"");
        QCOMPARE(Marks(pOther->FirstView()), (QStringList{"e1", "a1"}));
        QCOMPARE(pOther->FirstView()->annotation(1), QString("incompatible types: missing return value"));
        QCOMPARE(Squiggles(pOther->FirstView(), CCompilerMarks::kErrorIndicator),
                 QStringList{QString("%1+6").arg(pOther->FirstView()->PositionFromLine(1) + 12)});
        QCOMPARE(Marks(pHelper->FirstView()), (QStringList{"e1", "a1"}));
        QCOMPARE(pHelper->FirstView()->annotation(1),
                 QString("cannot find symbol\n  symbol:   variable y\n  location: class Helper"));
        QCOMPARE(Marks(pMain->FirstView()), (QStringList{"w2", "a2", "e3", "a3"}));

        // Other fixed and Helper's error left: Other is cleared, Helper keeps
        // its marks, Main keeps its own.
        pOther->ReplaceText("class Other {\r\n  int f() { return 1; }\r\n  int g() { return Helper.x(); }\r\n}\r\n");
        QVERIFY(pOther->OnSaveDocument(strOther));
        QVERIFY(RunAndWait(pProject, [&] { pOther->FirstView()->OnCommand(kCompile); }));
        QCOMPARE(Marks(pOther->FirstView()), QStringList());
        QCOMPARE(Marks(pHelper->FirstView()), (QStringList{"e1", "a1"}));
        QCOMPARE(Marks(pMain->FirstView()), (QStringList{"w2", "a2", "e3", "a3"}));

        // Closed and opened again: no marks.
        pMain->OnCloseDocument();
        pMain = dynamic_cast<CSyntaxWindowDoc*>(fixture.App().OpenDocumentFile(strMain));
        QVERIFY(pMain);
        QCOMPARE(Marks(pMain->FirstView()), QStringList());
        QCOMPARE(MarginWidth(pMain->FirstView()), 0);
    }
};

QTEST_MAIN(CompilerMarkersTest)
#include "CompilerMarkersTest.moc"
