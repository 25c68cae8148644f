#include "core/app/CommandIds.h"
#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/Mouse.h"
#include "ui/app/RecentProjectsDlg.h"
#include "ui/framework/Document.h"
#include "ui/framework/OpenProject.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace CommandIds;

namespace {
QString WriteProject(CAppFixture& fixture, const QString& strName)
{
    CJavaProjectCore core("", "");
    std::string strError;
    core.SaveAs(fixture.TempPath(strName).toStdString(), strError);
    return fixture.TempPath(strName);
}

void PresetRecent(CAppFixture& fixture, const QStringList& paths, const QString& strLastOpen)
{
    fixture.PresetSettings().setValue("OPTIONS/RECENTSIZE", paths.size());
    for (int i = 0; i < paths.size(); ++i)
        fixture.PresetSettings().setValue(QString("OPTIONS/RECENT%1").arg(i), paths[i]);
    fixture.PresetSettings().setValue("OPTIONS/LASTOPEN", strLastOpen);
}

QStringList Lines(QListWidget* pList)
{
    QStringList lines;
    for (int i = 0; i < pList->count(); ++i)
        lines << pList->item(i)->text();
    return lines;
}

std::vector<std::string> Paths(const QStringList& paths)
{
    std::vector<std::string> result;
    for (const QString& strPath : paths)
        result.push_back(strPath.toStdString());
    return result;
}
} // namespace

class RecentProjectsTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheProjectsInStoredOrderWithTheFirstSelected()
    {
        CScriptedPrompts prompts;
        std::vector<std::string> recent{"/p/C.jpr", "/p/A.jpr", "/p/B.jpr"};
        CRecentProjectsDlg dialog(prompts, recent);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("Recent Projects"));
        QCOMPARE(Lines(dialog.List()), (QStringList{"/p/C.jpr", "/p/A.jpr", "/p/B.jpr"}));
        QCOMPARE(dialog.List()->selectedItems().size(), 1);
        QCOMPARE(dialog.List()->selectedItems().front()->text(), QString("/p/C.jpr"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.List()));
        QVERIFY(dialog.findChild<QLabel*>()->text() == "Choose a recent project from the list above");
        QCOMPARE(dialog.RemoveButton()->text(), QString("Remove"));
        QVERIFY(dialog.OkButton()->isEnabled());

        dialog.List()->item(1)->setSelected(true);
        dialog.OkButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Path(), QString("/p/A.jpr"));
    }

    void removeTakesTheSelectedEntryAndLeavesNoSelection()
    {
        CScriptedPrompts prompts;
        std::vector<std::string> recent{"/p/C.jpr", "/p/A.jpr", "/p/B.jpr"};
        CRecentProjectsDlg dialog(prompts, recent);
        dialog.show();
        dialog.List()->item(1)->setSelected(true);
        dialog.RemoveButton()->click();
        QCOMPARE(Lines(dialog.List()), (QStringList{"/p/C.jpr", "/p/B.jpr"}));
        QCOMPARE(recent, (std::vector<std::string>{"/p/C.jpr", "/p/B.jpr"}));
        QVERIFY(dialog.Removed());
        QVERIFY(dialog.List()->selectedItems().isEmpty());
        // Without a line OK cannot be pressed, and Remove does nothing.
        QVERIFY(!dialog.OkButton()->isEnabled());
        dialog.RemoveButton()->click();
        QCOMPARE(recent.size(), std::size_t(2));

        // A double-click with no line selected asks for one and stays.
        DoubleClick(dialog.List()->viewport(),
                    QPoint(dialog.List()->viewport()->width() - 5, dialog.List()->viewport()->height() - 5));
        QCOMPARE(prompts.m_messages, QStringList{"Please choose an item from the list"});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        // A double-click on a line chooses it.
        const QRect rect = dialog.List()->visualItemRect(dialog.List()->item(1));
        DoubleClick(dialog.List()->viewport(), rect.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Path(), QString("/p/B.jpr"));
        QCOMPARE(prompts.m_messages.size(), 1);
    }

    void anEmptyListOffersNothingToChoose()
    {
        CScriptedPrompts prompts;
        std::vector<std::string> recent;
        CRecentProjectsDlg dialog(prompts, recent);
        dialog.show();
        QCOMPARE(dialog.List()->count(), 0);
        QVERIFY(!dialog.OkButton()->isEnabled());
        DoubleClick(dialog.List()->viewport(), QPoint(10, 10));
        QCOMPARE(prompts.m_messages, QStringList{"Please choose an item from the list"});
        QVERIFY(dialog.isVisible());
    }

    void aRemovalIsStoredEvenWhenTheDialogIsCancelled()
    {
        CAppFixture fixture;
        PresetRecent(fixture, {"/p/C.jpr", "/p/A.jpr", "/p/B.jpr"}, "/p/C.jpr");
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.App().Router().Update(kRecentProjects).m_bEnabled);
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            auto& recent = dynamic_cast<CRecentProjectsDlg&>(dialog);
            recent.List()->item(0)->setSelected(true);
            recent.RemoveButton()->click();
            return int(QDialog::Rejected);
        };
        QVERIFY(fixture.App().ExecuteCommand(kRecentProjects));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Recent Projects"});
        QCOMPARE(fixture.App().RecentProjects(), Paths({"/p/A.jpr", "/p/B.jpr"}));
        QCOMPARE(fixture.Stored("OPTIONS/RECENTSIZE").toInt(), 2);
        QCOMPARE(fixture.Stored("OPTIONS/RECENT0").toString(), QString("/p/A.jpr"));
        QCOMPARE(fixture.Stored("OPTIONS/RECENT1").toString(), QString("/p/B.jpr"));
        // The project to reopen is not the list's business.
        QCOMPARE(fixture.Stored("OPTIONS/LASTOPEN").toString(), QString("/p/C.jpr"));
        QVERIFY(!fixture.App().GetProjectDoc());
    }

    void choosingAnEntryOpensIt()
    {
        CAppFixture fixture;
        const QString strA = WriteProject(fixture, "A.jpr");
        const QString strB = WriteProject(fixture, "B.jpr");
        PresetRecent(fixture, {strB, strA}, "");
        QVERIFY(fixture.Start({}, false));
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            auto& recent = dynamic_cast<CRecentProjectsDlg&>(dialog);
            recent.List()->item(1)->setSelected(true);
            recent.OkButton()->click();
            return recent.result();
        };
        QVERIFY(fixture.App().ExecuteCommand(kRecentProjects));
        QVERIFY(fixture.App().GetProjectDoc());
        QCOMPARE(fixture.App().GetProjectDoc()->ProjectDocument().GetPathName(), strA);
        QVERIFY(fixture.Prompts().m_messages.isEmpty());
        // Nothing removed: the stored list is not touched.
        QCOMPARE(fixture.Stored("OPTIONS/RECENT0").toString(), strB);
    }

    void aMissingProjectClosesTheOpenOneThenSaysSoOnce()
    {
        CAppFixture fixture;
        const QString strOpen = WriteProject(fixture, "Open.jpr");
        const QString strGone = fixture.TempPath("Gone.jpr");
        PresetRecent(fixture, {strGone}, "");
        QVERIFY(fixture.Start({}, false));
        QVERIFY(fixture.App().OpenDocumentFile(strOpen));
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            auto& recent = dynamic_cast<CRecentProjectsDlg&>(dialog);
            recent.OkButton()->click();
            return recent.result();
        };
        QVERIFY(fixture.App().ExecuteCommand(kRecentProjects));
        QCOMPARE(fixture.Prompts().m_messages,
                 (QStringList{"Do you want to close the current project?",
                              strGone + "\nCannot find this file.\nPlease verify that the correct path and file name "
                                        "are given."}));
        QVERIFY(!fixture.App().GetProjectDoc());
        // The missing entry stays; the closed project joined the front.
        QCOMPARE(fixture.App().RecentProjects(), Paths({strOpen, strGone}));
    }
};

QTEST_MAIN(RecentProjectsTest)
#include "RecentProjectsTest.moc"
