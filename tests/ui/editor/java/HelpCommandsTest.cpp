#include "core/app/CommandIds.h"
#include "core/jdk/JdkHelp.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"

#include <QtTest>

using namespace CommandIds;

namespace {
const QString kNoBrowser = "No web browser could be started to show the help.\nOpen this in a web browser by hand:\n";

// A started application with its help in a folder of the test's own.
struct CHelpFixture {
    CAppFixture m_fixture;
    CSyntaxWindowView* m_pView = nullptr;

    bool Start(const QString& strHelpPath)
    {
        if (!m_fixture.Start({}, false))
            return false;
        SetHelpPath(strHelpPath);
        return true;
    }
    void SetHelpPath(const QString& strHelpPath)
    {
        m_fixture.App().Settings().m_strHelpPath = strHelpPath.toStdString();
    }
    bool OpenJava(const QByteArray& bytes, const QString& strName = "T.java")
    {
        auto* pDoc =
            dynamic_cast<CSyntaxWindowDoc*>(m_fixture.App().OpenDocumentFile(m_fixture.WriteFile(strName, bytes)));
        m_pView = pDoc ? pDoc->FirstView() : nullptr;
        return m_pView != nullptr;
    }
    bool Run(int nId) { return m_fixture.App().Router().Execute(nId); }
    CScriptedPrompts& Prompts() { return m_fixture.Prompts(); }
};
} // namespace

// Help, Help... and F1 never fail silently: without a browser they say
// where to look by hand.
class HelpCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void programHelpWithoutBrowserSaysWhereItIs()
    {
        CHelpFixture help;
        QVERIFY(help.Start("https://docs.oracle.com/en/java/javase/21/docs/api/index.html"));
        QVERIFY(help.Run(kHelp));
        const QString strPage = help.m_fixture.App().HelpPagePath();
        QCOMPARE(help.Prompts().m_openedUrls, QStringList{strPage});
        QCOMPARE(help.Prompts().m_messages, QStringList{});

        help.Prompts().m_bOpenUrlWorks = false;
        QVERIFY(help.Run(kHelp));
        QCOMPARE(help.Prompts().m_openedUrls, (QStringList{strPage, strPage}));
        QCOMPARE(help.Prompts().m_messages, QStringList{kNoBrowser + strPage});
        QCOMPARE(help.Prompts().m_captions, QStringList{"Tarnwick"});
    }

    void jdkHelpWithoutBrowserSaysWhereItIs()
    {
        CHelpFixture help;
        const QString strDocs = "https://docs.oracle.com/en/java/javase/21/docs/api/";
        QVERIFY(help.Start(strDocs));
        QVERIFY(help.OpenJava("class T { String s; }\n"));
        help.m_pView->SetSel(10, 16); // "String"
        help.Prompts().m_bOpenUrlWorks = false;
        QVERIFY(help.Run(kJdkHelp));
        QCOMPARE(help.Prompts().m_openedUrls, QStringList{strDocs + "search.html?q=String"});
        QCOMPARE(help.Prompts().m_messages, QStringList{kNoBrowser + strDocs + "search.html?q=String"});

        // Local docs are named by their path.
        help.Prompts().m_messages.clear();
        help.Prompts().m_openedUrls.clear();
        QVERIFY(QDir().mkpath(help.m_fixture.TempPath("api")));
        const QString strIndex = help.m_fixture.WriteFile("api/index.html", "<html>");
        help.SetHelpPath(strIndex);
        QVERIFY(help.OpenJava("class U {}\n", "U.java"));
        QVERIFY(help.Run(kJdkHelp));
        QCOMPARE(help.Prompts().m_openedUrls,
                 QStringList{QString::fromStdString(CJdkHelp::FileUrl(strIndex.toStdString()))});
        QCOMPARE(help.Prompts().m_messages, QStringList{kNoBrowser + strIndex});
    }

    void jdkHelpTakesTheHelpPathInForceAtEachCall()
    {
        CHelpFixture help;
        QVERIFY(help.Start("https://docs.oracle.com/en/java/javase/17/docs/api/"));
        QVERIFY(help.OpenJava("class T {}\n"));
        // Preferences change the path while the window is open.
        help.SetHelpPath("https://docs.oracle.com/en/java/javase/21/docs/api/");
        QVERIFY(help.Run(kJdkHelp));
        QCOMPARE(help.Prompts().m_openedUrls,
                 QStringList{"https://docs.oracle.com/en/java/javase/21/docs/api/index.html"});
    }

    void jdkHelpWithoutDocsSaysSo()
    {
        CHelpFixture help;
        QVERIFY(help.Start(" "));
        QVERIFY(help.OpenJava("class T {}\n"));
        QVERIFY(help.Run(kJdkHelp));
        QCOMPARE(help.Prompts().m_openedUrls, QStringList{});
        QCOMPARE(help.Prompts().m_messages, QStringList{QString::fromUtf8(CJdkHelp::kNoDocsText)});
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "HelpCommandsTest.moc"
