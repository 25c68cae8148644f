#include "core/app/CommandIds.h"
#include "core/settings/MemorySettingsStore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/app/TipDlg.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace CommandIds;

namespace {
const char* const kTips = "; comment\n\nFirst tip.\n  indented\nSecond tip.\n";

QString WriteTips(const QTemporaryDir& dir, const QByteArray& bytes)
{
    QFile file(dir.filePath("tips.dat"));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

int StoredInt(CMemorySettingsStore& store, const char* pszEntry)
{
    auto value = store.Find("Tip", pszEntry);
    return value ? std::get<int>(*value) : -1;
}

// The first tip line of the tips file the program ships.
QString FirstShippedTip()
{
    QFile file(QStringLiteral(TARNWICK_TEST_APP_FOLDER) + "/help/tips.dat");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    while (!file.atEnd()) {
        const QString strLine = QString::fromUtf8(file.readLine());
        if (!strLine.isEmpty() && !QString(" \t\r\n;").contains(strLine.front()))
            return strLine;
    }
    return QString();
}
} // namespace

class TipOfTheDayTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheFirstTipUnderTheBulb()
    {
        QTemporaryDir dir;
        CMemorySettingsStore store;
        CScriptedPrompts prompts;
        CTipDlg dialog(prompts, store, WriteTips(dir, kTips).toStdString());
        QCOMPARE(dialog.windowTitle(), QString("Tip of the Day"));
        QCOMPARE(dialog.TipText(), QString("First tip.\n"));
        QCOMPARE(dialog.StartUpCheck()->text(), QString("&Show Tips on StartUp"));
        QVERIFY(dialog.StartUpCheck()->isChecked());
        QCOMPARE(dialog.NextTipButton()->text(), QString("&Next Tip"));
        QVERIFY(dialog.NextTipButton()->isEnabled());
        QCOMPARE(dialog.CloseButton()->text(), QString("&Close"));
        QVERIFY(dialog.CloseButton()->isDefault());

        // The heading is painted: white, the bulb's yellow at the left.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget* pHeading = dialog.findChild<QWidget*>("TipHeading");
        QVERIFY(pHeading);
        const QImage heading = pHeading->grab().toImage();
        QCOMPARE(heading.pixelColor(heading.width() - 2, 2), QColor(Qt::white));
        bool bYellow = false;
        for (int x = 0; x < 40 && !bYellow; ++x)
            for (int y = 0; y < 48 && !bYellow; ++y) {
                const QColor colour = heading.pixelColor(x, y);
                bYellow = colour.red() > 200 && colour.green() > 180 && colour.blue() < 120;
            }
        QVERIFY(bYellow);
        // The tip is drawn on white.
        QLabel* pTip = dialog.findChild<QLabel*>("TipText");
        const QImage tip = pTip->grab().toImage();
        QCOMPARE(tip.pixelColor(tip.width() - 2, tip.height() - 2), QColor(Qt::white));
    }

    void nextTipWalksAndWraps()
    {
        QTemporaryDir dir;
        CMemorySettingsStore store;
        CScriptedPrompts prompts;
        const std::string strPath = WriteTips(dir, kTips).toStdString();
        {
            CTipDlg dialog(prompts, store, strPath);
            dialog.NextTipButton()->click();
            QCOMPARE(dialog.TipText(), QString("Second tip.\n"));
            dialog.NextTipButton()->click();
            QCOMPARE(dialog.TipText(), QString("First tip.\n"));
        }
        // The next dialog goes on after the tip shown last.
        CTipDlg next(prompts, store, strPath);
        QCOMPARE(next.TipText(), QString("Second tip.\n"));
    }

    void closeStoresTheCheckBoxEscapeNothing()
    {
        QTemporaryDir dir;
        CMemorySettingsStore store;
        CScriptedPrompts prompts;
        const std::string strPath = WriteTips(dir, kTips).toStdString();
        {
            CTipDlg dialog(prompts, store, strPath);
            dialog.show();
            dialog.StartUpCheck()->click();
            dialog.CloseButton()->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(StoredInt(store, "StartUp"), 1);
        {
            CTipDlg dialog(prompts, store, strPath);
            QVERIFY(!dialog.ShowsAtStartUp());
            QVERIFY(!dialog.StartUpCheck()->isChecked());
            dialog.show();
            dialog.StartUpCheck()->click();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(StoredInt(store, "StartUp"), 1);
        {
            CTipDlg dialog(prompts, store, strPath);
            dialog.StartUpCheck()->setChecked(true);
            dialog.CloseButton()->click();
        }
        QCOMPARE(StoredInt(store, "StartUp"), 0);
    }

    void aMissingTipsFileIsSaid()
    {
        QTemporaryDir dir;
        CMemorySettingsStore store;
        CScriptedPrompts prompts;
        {
            CTipDlg dialog(prompts, store, dir.filePath("absent.dat").toStdString());
            QCOMPARE(dialog.TipText(), QString("The tips file is missing from the Tarnwick application folder."));
            QVERIFY(!dialog.NextTipButton()->isEnabled());
        }
        QVERIFY(!store.Find("Tip", "FilePos"));
    }

    void aBadPositionIsReportedInAMessageBox()
    {
        QTemporaryDir dir;
        CMemorySettingsStore store;
        CScriptedPrompts prompts;
        const std::string strPath = WriteTips(dir, kTips).toStdString();
        {
            CTipDlg first(prompts, store, strPath);
        }
        store.WriteProfileInt("Tip", "FilePos", -1);
        CTipDlg dialog(prompts, store, strPath);
        QCOMPARE(prompts.m_messages, QStringList{"Trouble reading the tips file"});
        QCOMPARE(dialog.TipText(), QString());
    }

    void theCommandShowsTheShippedTips()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QVERIFY(fixture.App().Router().Update(kTipOfTheDay).m_bEnabled);
        QString strShown;
        fixture.Prompts().m_onDialog = [&strShown](QDialog& dialog) {
            strShown = dynamic_cast<CTipDlg&>(dialog).TipText();
            return int(QDialog::Rejected);
        };
        QVERIFY(fixture.App().ExecuteCommand(kTipOfTheDay));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Tip of the Day"});
        QVERIFY(!FirstShippedTip().isEmpty());
        QCOMPARE(strShown, FirstShippedTip());
        QVERIFY(fixture.Stored("Tip/FilePos").toInt() > 0);
        QVERIFY(!fixture.Stored("Tip/TimeStamp").toString().isEmpty());
    }

    void startUpShowsATipUnlessSwitchedOff()
    {
        {
            CAppFixture fixture;
            fixture.m_bShowTipAtStartup = true;
            QVERIFY(fixture.Start());
            QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Tip of the Day"});
            QVERIFY(fixture.Stored("Tip/FilePos").toInt() > 0);
        }
        {
            // Switched off: no dialog, but the tip is still taken.
            CAppFixture fixture;
            fixture.m_bShowTipAtStartup = true;
            fixture.PresetSettings().setValue("Tip/StartUp", 1);
            QVERIFY(fixture.Start());
            QVERIFY(fixture.Prompts().m_dialogTitles.isEmpty());
            QVERIFY(fixture.Stored("Tip/FilePos").toInt() > 0);
        }
        {
            // A file named on the command line: no tip at all.
            CAppFixture fixture;
            fixture.m_bShowTipAtStartup = true;
            const QString strFile = fixture.WriteFile("A.java", "class A {}\n");
            QVERIFY(fixture.Start({strFile}));
            QVERIFY(fixture.Prompts().m_dialogTitles.isEmpty());
            QVERIFY(!fixture.Stored("Tip/FilePos").isValid());
        }
        {
            // Tests and timed starts never meet the dialog.
            CAppFixture fixture;
            QVERIFY(fixture.Start());
            QVERIFY(fixture.Prompts().m_dialogTitles.isEmpty());
            QVERIFY(!fixture.Stored("Tip/FilePos").isValid());
        }
    }
};

QTEST_MAIN(TipOfTheDayTest)
#include "TipOfTheDayTest.moc"
