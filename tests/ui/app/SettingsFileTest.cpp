#include "core/settings/IniSettingsStore.h"
#include "settings/QtSettingsStore.h"
#include "tests/ui/support/AppFixture.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Strings QSettings has its own ways with: list commas, quotes, escapes,
// blanks at the ends, comment and key characters, text beyond ASCII.
const QStringList kSpread = {"",
                             "plain",
                             "/home/u/a,b/P.jpr",
                             "a, b, c",
                             ",",
                             "\"quoted\"",
                             "say \"hi\"",
                             "back\\slash\\",
                             "C:\\dir\\file",
                             "  leading",
                             "trailing  ",
                             " both ",
                             "\ttab",
                             "key=value",
                             "=",
                             "semi;colon",
                             ";starts like a comment",
                             "#hash",
                             "[group]",
                             "line\nbreak",
                             "cr\rlf\r\n",
                             "@at",
                             "@@at",
                             "caf\u00e9 \u20ac \u4e2d\u6587",
                             "\u00e9\u00e8",
                             "percent %41 %",
                             "x\\x41",
                             "bell\a",
                             QString("nul") + QChar(0) + "1"};

QByteArray FileBytes(const QString& strPath)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void whatQSettingsWroteReadsBackEqual()
    {
        QTemporaryDir dir;
        const QString strIni = dir.filePath("Tarnwick.conf");
        {
            QSettings settings(strIni, QSettings::IniFormat);
            for (int i = 0; i < kSpread.size(); ++i)
                settings.setValue(QString("OPTIONS/S%1").arg(i), kSpread[i]);
            settings.setValue("OPTIONS/FONTSIZE", 100);
            settings.setValue("OPTIONS/NEGATIVE", -42);
            settings.setValue("Tip/FilePos", 2147483647);
            settings.sync();
            QCOMPARE(settings.status(), QSettings::NoError);
        }
        CIniSettingsStore store(QFile::encodeName(strIni).toStdString());
        for (int i = 0; i < kSpread.size(); ++i) {
            const std::string strRead = store.GetProfileString("OPTIONS", "S" + std::to_string(i), "absent");
            QCOMPARE(QByteArray::fromStdString(strRead), kSpread[i].toUtf8());
        }
        QCOMPARE(store.GetProfileInt("OPTIONS", "FONTSIZE", 0), 100);
        QCOMPARE(store.GetProfileString("OPTIONS", "FONTSIZE", ""), std::string("100"));
        QCOMPARE(store.GetProfileInt("OPTIONS", "NEGATIVE", 0), -42);
        QCOMPARE(store.GetProfileInt("Tip", "FilePos", 0), 2147483647);
    }

    void whatTheStoreWritesQSettingsReadsEqual()
    {
        QTemporaryDir dir;
        const QString strIni = dir.filePath("Tarnwick.conf");
        {
            CQtSettingsStore store(strIni);
            for (int i = 0; i < kSpread.size(); ++i)
                store.WriteProfileString("OPTIONS", "S" + std::to_string(i), kSpread[i].toUtf8().toStdString());
            store.WriteProfileInt("OPTIONS", "FONTSIZE", 100);
            store.WriteProfileInt("OPTIONS", "NEGATIVE", -42);
            QVERIFY(store.Sync());
        }
        QSettings settings(strIni, QSettings::IniFormat);
        for (int i = 0; i < kSpread.size(); ++i)
            QCOMPARE(settings.value(QString("OPTIONS/S%1").arg(i)).toString(), kSpread[i]);
        QCOMPARE(settings.value("OPTIONS/FONTSIZE").toInt(), 100);
        QCOMPARE(settings.value("OPTIONS/NEGATIVE").toInt(), -42);
        // Integers in the text QSettings gives them.
        QVERIFY(FileBytes(strIni).contains("\nFONTSIZE=100\n"));
    }

    // Settings the IDE did not change keep their bytes; a path that is no
    // UTF-8 and one with a comma (unquoted, as an editor may leave it) come
    // back whole.
    void theIdeKeepsTheBytesOfWhatItDidNotChange()
    {
        CAppFixture fixture;
        const QByteArray original = "[OPTIONS]\n"
                                    "LOADLAST=0\n"
                                    "RECENTSIZE=2\n"
                                    "RECENT0=/tmp/caf\xe9/A.jpr\n"
                                    "RECENT1=/tmp/x,y/B.jpr\n"
                                    "LASTOPEN=\n"
                                    "; a note of the user's\n"
                                    "\n"
                                    "[Tip]\n"
                                    "StartUp=1\n";
        const QString strIni = fixture.WriteFile("settings.ini", original);
        QVERIFY(fixture.Start({}, false));
        QCOMPARE(fixture.App().RecentProjects(), (std::vector<std::string>{"/tmp/caf\xe9/A.jpr", "/tmp/x,y/B.jpr"}));
        fixture.Close();
        QVERIFY(fixture.App().SyncSettings());
        const QByteArray after = FileBytes(strIni);
        // Whatever the IDE stored joins the file; nothing that was there changed.
        QVERIFY2(after.startsWith(original), after.constData());
    }
};

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
