#include "core/app/CommandIds.h"
#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/project/JavaProjectDoc.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace CommandIds;

namespace {
// What the real service's box showed: its icon, text, caption and buttons.
struct CShownBox {
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
    QString m_strText;
    QString m_strCaption;
    QMessageBox::StandardButtons m_buttons;
};

CShownBox ShowWithRealService(const QString& strText, CPromptService::EButtons buttons, CPromptService::EIcon icon)
{
    CShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox)
            return;
        shown.m_icon = pBox->icon();
        shown.m_strText = pBox->text();
        shown.m_strCaption = pBox->windowTitle();
        shown.m_buttons = pBox->standardButtons();
        pBox->reject();
    });
    CPromptService real;
    real.MessageBox(nullptr, strText, buttons, icon);
    return shown;
}

// The real kinds, with a saved project listing Hello.java as its main file.
class CProjectFixture : public CAppFixture {
public:
    CProjectFixture() { Start({}, false); }

    CJavaProjectDoc* OpenProject()
    {
        CJavaProjectCore core("", "");
        QString strPath = TempPath("Demo.jpr");
        core.SetPathName(strPath.toStdString());
        core.AddJavaFile(WriteFile("Hello.java", "class Hello {}\n").toStdString());
        core.SetMainFile("Hello.java");
        std::string strError;
        core.SaveAs(strPath.toStdString(), strError);
        return dynamic_cast<CJavaProjectDoc*>(App().OpenDocumentFile(strPath));
    }
};
} // namespace

class PromptIconsTest : public QObject {
    Q_OBJECT
private slots:
    void realServiceShowsTheIconItIsGiven()
    {
        CShownBox shown = ShowWithRealService("Gone", CPromptService::kOk, CPromptService::kIconError);
        QCOMPARE(shown.m_icon, QMessageBox::Critical);
        QCOMPARE(shown.m_strText, QString("Gone"));
        QCOMPARE(shown.m_strCaption, QString("Tarnwick"));
        QCOMPARE(shown.m_buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(ShowWithRealService("Note", CPromptService::kOk, CPromptService::kIconInformation).m_icon,
                 QMessageBox::Information);
    }

    void boxWithoutAnIconGetsOneFromItsButtons()
    {
        // As the framework's message boxes: OK boxes warn, Yes/No boxes ask.
        CShownBox shown = ShowWithRealService("Unholy Error", CPromptService::kOk, CPromptService::kIconNone);
        QCOMPARE(shown.m_icon, QMessageBox::Warning);
        QCOMPARE(shown.m_strText, QString("Unholy Error"));
        QCOMPARE(shown.m_buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        shown = ShowWithRealService("Stop?", CPromptService::kOkCancel, CPromptService::kIconNone);
        QCOMPARE(shown.m_icon, QMessageBox::Warning);
        QCOMPARE(shown.m_buttons, QMessageBox::StandardButtons(QMessageBox::Ok | QMessageBox::Cancel));
        shown = ShowWithRealService("Save?", CPromptService::kYesNo, CPromptService::kIconNone);
        QCOMPARE(shown.m_icon, QMessageBox::Question);
        QCOMPARE(shown.m_buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
        QCOMPARE(ShowWithRealService("Save?", CPromptService::kYesNoCancel, CPromptService::kIconNone).m_icon,
                 QMessageBox::Question);
    }

    void unholyErrorComesWithAWarningIcon()
    {
        CProjectFixture fixture;
        auto* pUntitled =
            dynamic_cast<CSyntaxWindowDoc*>(fixture.App().FindTemplate("JavaDocument")->OpenDocumentFile(QString()));
        QVERIFY(pUntitled);
        pUntitled->FirstView()->OnCommand(kCompile);
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Unholy Error"});
        QCOMPARE(fixture.Prompts().m_icons, QList<int>{CPromptService::kIconWarning});
    }

    void failedToStartProcessComesWithAWarningIcon()
    {
        CProjectFixture fixture;
        fixture.App().Settings().m_strJavaBin = fixture.TempPath("no-jdk").toStdString();
        QVERIFY(fixture.OpenProject());
        QVERIFY(fixture.App().Router().Execute(kBuild));
        QCOMPARE(fixture.Prompts().m_messages, QStringList{"Failed to start process"});
        QCOMPARE(fixture.Prompts().m_icons, QList<int>{CPromptService::kIconWarning});
    }

    void fileDialogFiltersNameEachPatternOnce()
    {
        CProjectFixture fixture;
        QVERIFY(fixture.OpenProject());
        fixture.App().Router().Execute(kAddJavaFiles);
        fixture.App().Router().Execute(kAddHtmlFile);
        fixture.App().Router().Execute(kCreateJar);
        fixture.App().Router().Execute(kShowArchiveContents);
        fixture.App().Router().Execute(kOpenProject);
        fixture.App().Router().Execute(kFileOpen);
        QCOMPARE(fixture.Prompts().m_fileFilters,
                 (QStringList{"Java Source Files (*.jav *.java);;All Files (*)", "HTML Files (*.htm *.html)",
                              "Java Archives (*.jar)", "Java Archives (*.jar)", "Java Project Files (*.jpr)",
                              "Java Source Files (*.java);;Java Project Files (*.jpr);;HTML Files (*.html);;All "
                              "Files (*)"}));
    }
};

QTEST_MAIN(PromptIconsTest)
#include "PromptIconsTest.moc"
