#include "core/app/CommandIds.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/TextTestDocument.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/ColourStyles.h"
#include "ui/editor/html/LiveEditorDoc.h"
#include "ui/editor/html/LiveHTMLView.h"
#include "ui/editor/html/WebFrame.h"
#include "ui/framework/DocTemplate.h"

#include <Qsci/qsciscintillabase.h>
#include <QFile>
#include <QAction>
#include <QtTest>

using namespace CommandIds;

namespace {
constexpr int kPlain = CColourStyles::kStylePlain;
constexpr int kKeyword = CColourStyles::kStyleKeyword;
constexpr int kComment = CColourStyles::kStyleComment;
constexpr int kString = CColourStyles::kStyleString;
constexpr int kTag = CColourStyles::kStyleTag;

// A started application (with the test project kind) and one page open.
struct CHtmlWindow {
    CAppFixture m_fixture;
    CLiveEditorDoc* m_pDoc = nullptr;
    CLiveHTMLView* m_pView = nullptr;
    QString m_strPath;

    CHtmlWindow() { m_fixture.Start({}, true); }
    CSettings& Settings() { return m_fixture.App().Settings(); }
    bool Open(const QByteArray& bytes, const QString& strName = "Page.html")
    {
        m_strPath = m_fixture.WriteFile(strName, bytes);
        m_pDoc = dynamic_cast<CLiveEditorDoc*>(m_fixture.App().OpenDocumentFile(m_strPath));
        m_pView = m_pDoc && m_pDoc->FirstFrame() ? dynamic_cast<CLiveHTMLView*>(m_pDoc->FirstFrame()->GetView())
                                                 : nullptr;
        return m_pView != nullptr;
    }
    // Opens the test project; its main Java file is strMainJava.
    CFakeProjectDocument* OpenProject(const QString& strMainJava)
    {
        m_fixture.App().OpenDocumentFile(m_fixture.WriteFile("Demo.jpr", "p"));
        auto* pProject = dynamic_cast<CFakeProjectDocument*>(m_fixture.App().GetProjectDoc());
        if (pProject)
            pProject->m_strMainJava = strMainJava;
        if (m_pDoc && m_pDoc->FirstFrame())
            m_pDoc->FirstFrame()->ActivateFrame();
        return pProject;
    }
    QByteArray Text() const { return QByteArray::fromStdString(m_pView->TextBytes()); }
    bool Run(int nId) { return m_fixture.App().Router().Execute(nId); }
    bool Enabled(int nId) { return m_fixture.App().Router().Update(nId).m_bEnabled; }
    QList<int> Styles(int nStart, int nEnd) const
    {
        QList<int> styles;
        for (int i = nStart; i < nEnd; ++i)
            styles << m_pView->StyleAt(std::size_t(i));
        return styles;
    }
};

QList<int> Repeat(int nStyle, int nCount)
{
    return QList<int>(nCount, nStyle);
}

QList<int> Join(std::initializer_list<QList<int>> parts)
{
    QList<int> all;
    for (const QList<int>& part : parts)
        all += part;
    return all;
}

const QByteArray kApplet = "\r\n<APPLET CODE=\"MyApplet.class\" \r\n\tWIDTH=300\r\n\tHEIGHT=300>\r\n"
                           "Applet MyApplet.class\r\n</APPLET>\r\n";
} // namespace

class HtmlEditorTest : public QObject {
    Q_OBJECT
private slots:
    void pagesOpenInTheirOwnColouredWindow()
    {
        for (const char* pszName : {"Page.html", "Old.HTM"}) {
            CHtmlWindow window;
            QVERIFY2(window.Open("<TABLE border=1>\n<!-- x -->\n", pszName), pszName);
            auto* pFrame = dynamic_cast<CWebFrame*>(window.m_pDoc->FirstFrame());
            QVERIFY(pFrame);
            QCOMPARE(pFrame->Kind(), EWindowKind::HtmlPage);
            QCOMPARE(window.Styles(0, 16), Join({{kTag}, Repeat(kKeyword, 5), Repeat(kTag, 10)}));
            QCOMPARE(window.Styles(18, 28), Repeat(kComment, 10));
            QVERIFY(!window.m_pDoc->IsModified());
        }
    }

    void newPageFromTheTemplateIsAnEmptyHtmlWindow()
    {
        CHtmlWindow window;
        CDocTemplate* pTemplate = window.m_fixture.App().FindTemplate("HTMLDocument");
        QVERIFY(pTemplate);
        auto* pDoc = dynamic_cast<CLiveEditorDoc*>(pTemplate->OpenDocumentFile(QString()));
        QVERIFY(pDoc);
        QVERIFY(dynamic_cast<CWebFrame*>(pDoc->FirstFrame()));
        QVERIFY(pDoc->TextView().empty());
    }

    void typingInsideAMultiLineCommentColoursTheLine()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<!-- start\nab <b>\nend -->\n"));
        // "ab <b>" shows tag colours until a character is typed on it.
        window.m_pView->SetSel(15, 15);
        QTest::keyClick(window.m_pView, Qt::Key_X);
        QCOMPARE(window.Text(), QByteArray("<!-- start\r\nab x<b>\r\nend -->\r\n"));
        QCOMPARE(window.Styles(12, 19), Repeat(kComment, 7));
        // A tag opened on an earlier line: the name typed after it is a keyword.
        CHtmlWindow tag;
        QVERIFY(tag.Open("<table\nborder=1 \n"));
        tag.m_pView->SetSel(17, 17);
        for (char ch : QByteArray("center"))
            QTest::keyClick(tag.m_pView, ch);
        QCOMPARE(tag.Text(), QByteArray("<table\r\nborder=1 center\r\n"));
        QCOMPARE(tag.Styles(8, 23), Join({Repeat(kPlain, 9), Repeat(kKeyword, 6)}));
    }

    void tabAlwaysInsertsATabCharacter()
    {
        CHtmlWindow window;
        window.Settings().m_bSpaceTabs = true;
        window.Settings().m_nTabWidth = 3;
        QVERIFY(window.Open("ab\ncd\n"));
        window.m_pView->SetSel(1, 1);
        QTest::keyClick(window.m_pView, Qt::Key_Tab);
        QCOMPARE(window.Text(), QByteArray("a\tb\r\ncd\r\n"));
        QCOMPARE(window.m_pView->SelStart(), std::size_t(2));
        // Over a selection Tab indents, with tabs too; so does Increase Indent.
        window.m_pView->SetSel(0, 9);
        QTest::keyClick(window.m_pView, Qt::Key_Tab);
        QCOMPARE(window.Text(), QByteArray("\ta\tb\r\n\tcd\r\n"));
        QVERIFY(window.Run(kIncreaseIndent));
        QCOMPARE(window.Text(), QByteArray("\t\ta\tb\r\n\t\tcd\r\n"));
        // Shift+Tab over the selection takes one level back off.
        QTest::keyClick(window.m_pView, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(window.Text(), QByteArray("\ta\tb\r\n\tcd\r\n"));
    }

    void f3RecoloursWithTheWindowStillPainting()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<b>x</b>\n"));
        window.m_pDoc->SetModifiedFlag(true);
        const std::vector<unsigned char> plain(8, kPlain);
        window.m_pView->SetStyles(0, plain);
        QCOMPARE(window.Styles(0, 3), Repeat(kPlain, 3));
        // Painting stays on while the styles change.
        window.m_pView->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, QsciScintillaBase::SC_MODEVENTMASKALL);
        QList<bool> paintingOn;
        QObject::connect(window.m_pView, &QsciScintillaBase::SCN_MODIFIED, window.m_pView,
                         [&](int, int nType, const char*, int, int, int, int, int, int, int) {
                             if (nType & QsciScintillaBase::SC_MOD_CHANGESTYLE)
                                 paintingOn << window.m_pView->viewport()->updatesEnabled();
                         });
        // F3 is bound in a page's window, as its menu shows.
        auto* pKey = window.m_fixture.App().MainFrame()->findChild<QAction*>(QStringLiteral("accel_F3"));
        QVERIFY(pKey);
        QVERIFY(pKey->isEnabled());
        QCOMPARE(pKey->data().toInt(), kSyntaxColourUpdate);
        pKey->trigger();
        QCOMPARE(window.Styles(0, 8), Join({{kTag, kKeyword, kTag, kPlain}, Repeat(kTag, 2), {kKeyword, kTag}}));
        QVERIFY(!paintingOn.isEmpty());
        QVERIFY(!paintingOn.contains(false));
        QVERIFY(window.m_pDoc->IsModified());
    }

    void insertAppletInsertsTheElementAsOneUndoStep()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<BODY>\n</BODY>\n"));
        QVERIFY(!window.Enabled(kInsertApplet));
        QVERIFY(window.OpenProject("MyApplet.java"));
        QVERIFY(window.Enabled(kInsertApplet));
        window.m_pView->SetSel(6, 6);
        QVERIFY(window.Run(kInsertApplet));
        QCOMPARE(window.Text(), "<BODY>" + kApplet + "\r\n</BODY>\r\n");
        // Recoloured: APPLET and CODE are tag names, the rest of the tag is
        // tag, the value a string, the content plain.
        QCOMPARE(window.Styles(8, 21), Join({{kTag}, Repeat(kKeyword, 6), {kTag}, Repeat(kKeyword, 4), {kTag}}));
        QCOMPARE(window.Styles(21, 37), Repeat(kString, 16));
        QCOMPARE(window.Styles(37, 64), Repeat(kTag, 27));
        QCOMPARE(window.Styles(66, 87), Repeat(kPlain, 21));
        QVERIFY(window.m_pDoc->IsModified());
        QVERIFY(window.Run(kEditUndo));
        QCOMPARE(window.Text(), QByteArray("<BODY>\r\n</BODY>\r\n"));
        // A selection is replaced.
        window.m_pView->SetSel(0, 6);
        QVERIFY(window.Run(kInsertApplet));
        QCOMPARE(window.Text(), kApplet + "\r\n</BODY>\r\n");
        QVERIFY(window.m_fixture.Prompts().m_messages.isEmpty());
    }

    void insertAppletWithoutMainFileSaysSo()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<p>\n"));
        QVERIFY(window.OpenProject(QString()));
        QVERIFY(window.Run(kInsertApplet));
        QCOMPARE(window.m_fixture.Prompts().m_messages, QStringList{"Please set the applet class as main."});
        QCOMPARE(window.Text(), QByteArray("<p>\r\n"));
    }

    void openInWebBrowserShowsThePageAsLastSaved()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<p>saved\n"));
        QVERIFY(window.Enabled(kOpenInWebBrowser));
        window.m_pView->SetSel(0, 0);
        QTest::keyClick(window.m_pView, Qt::Key_X);
        QVERIFY(window.Run(kOpenInWebBrowser));
        QCOMPARE(window.m_fixture.Prompts().m_openedUrls, QStringList{window.m_strPath});
        QFile file(window.m_strPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("<p>saved\n"));
        QVERIFY(window.m_pDoc->IsModified());
        QVERIFY(window.m_fixture.Prompts().m_messages.isEmpty());
    }

    void openInWebBrowserWithoutABrowserSaysSo()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<p>\n"));
        CScriptedPrompts& prompts = window.m_fixture.Prompts();
        prompts.m_bOpenUrlWorks = false; // as if the desktop had no program for web pages
        QVERIFY(window.Run(kOpenInWebBrowser));
        QCOMPARE(prompts.m_openedUrls, QStringList{window.m_strPath});
        QCOMPARE(prompts.m_messages,
                 QStringList{QStringLiteral("No web browser could be started to show %1.\nSet one as the "
                                            "desktop's handler for HTML files and try again.")
                                 .arg(window.m_strPath)});
    }

    void runAppletRunsThisPageThroughTheProject()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<p>\n"));
        // Enabled in a page's window, acting only with a project.
        QVERIFY(window.Enabled(kRunAppletHtml));
        QVERIFY(window.Run(kRunAppletHtml));
        CFakeProjectDocument* pProject = window.OpenProject("A.java");
        QVERIFY(pProject);
        QVERIFY(window.Run(kRunAppletHtml));
        QCOMPARE(pProject->m_appletRuns, QStringList{window.m_strPath});
    }

    void commandsAPageWindowServes()
    {
        CHtmlWindow window;
        QVERIFY(window.Open("<p>\n"));
        QVERIFY(window.Enabled(kOpenInWebBrowser));
        QVERIFY(window.Enabled(kSyntaxColourUpdate));
        QVERIFY(window.Enabled(kIncreaseIndent));
        QVERIFY(window.Enabled(kConvertLinebreaks));
        QVERIFY(!window.Enabled(kConvertTabs));
        QVERIFY(!window.Enabled(kJdkHelp));
        QVERIFY(!window.Enabled(kRefreshFunctionList));
        QVERIFY(!window.Enabled(kInsertApplet));
        QCOMPARE(window.m_fixture.App().MainFrame()->ActiveKind(), EWindowKind::HtmlPage);
    }
};

QTEST_MAIN(HtmlEditorTest)
#include "HtmlEditorTest.moc"
