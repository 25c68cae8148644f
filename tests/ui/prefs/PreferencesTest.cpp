#include "core/app/CommandIds.h"
#include "core/jdk/JdkCandidates.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Preferences.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "tests/ui/support/ScriptedPrompts.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/editor/java/SyntaxWindowView.h"
#include "ui/prefs/ColourSample.h"
#include "ui/prefs/EditPreferences.h"
#include "ui/prefs/FormatPage.h"
#include "ui/prefs/IdePage.h"
#include "ui/prefs/JavaOptionsPage.h"
#include "ui/prefs/PrefsSheet.h"
#include "ui/prefs/ProcessFontPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace CommandIds;

namespace {
CPreferencesValues DefaultValues()
{
    return CopyToPreferences(CSettings());
}

QStringList TabTexts(QTabWidget* pTabs)
{
    QStringList texts;
    for (int i = 0; i < pTabs->count(); ++i)
        texts << pTabs->tabText(i);
    return texts;
}

// Every text a page shows: labels, group titles, check boxes and buttons.
QStringList Texts(QWidget* pPage)
{
    QStringList texts;
    for (QGroupBox* pGroup : pPage->findChildren<QGroupBox*>())
        texts << "group: " + pGroup->title();
    for (QLabel* pLabel : pPage->findChildren<QLabel*>())
        if (!pLabel->text().isEmpty())
            texts << "label: " + pLabel->text();
    for (QCheckBox* pCheck : pPage->findChildren<QCheckBox*>())
        texts << "check: " + pCheck->text();
    for (QPushButton* pButton : pPage->findChildren<QPushButton*>())
        texts << "button: " + pButton->text();
    texts.sort();
    return texts;
}

// Shows the sheet and waits until it is the active window.
bool ShowSheet(CPrefsSheet& sheet)
{
    sheet.show();
    return QTest::qWaitForWindowActive(&sheet);
}

// A JDK folder: bin/javac executable, and a release file naming strVersion.
QString MakeJdk(const QTemporaryDir& dir, const QString& strName, const QString& strVersion)
{
    QDir(dir.path()).mkpath(strName + "/bin");
    const QString strFolder = dir.filePath(strName);
    QFile javac(strFolder + "/bin/javac");
    javac.open(QIODevice::WriteOnly);
    javac.write("#!/bin/sh\n");
    javac.close();
    javac.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile release(strFolder + "/release");
    release.open(QIODevice::WriteOnly);
    release.write("JAVA_VERSION=\"" + strVersion.toUtf8() + "\"\n");
    return strFolder;
}

const std::vector<std::string> kWriteOrder = {
    "OPTIONS/TABWIDTH",    "OPTIONS/FONTNAME",    "OPTIONS/FONTSIZE",   "OPTIONS/KEYCOLOR",  "OPTIONS/COMMENTCOLOR",
    "OPTIONS/STRINGCOLOR", "OPTIONS/TAGCOLOR",    "OPTIONS/SPACETABS",  "PATHS/JAVABIN",     "OPTIONS/JAVAC",
    "OPTIONS/SAVECOMP",    "OPTIONS/LOADLAST",    "OPTIONS/SHOWARGS",   "OPTIONS/SHOWDROPS", "PATHS/HELPPATH",
    "OPTIONS/DLGFONTNAME", "OPTIONS/DLGFONTSIZE", "OPTIONS/JAVAOPTIONS", "OPTIONS/BUILDBEFORERUN"};
} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void preferencesOpensTheSheetOnTheIdePage()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QVERIFY(fixture.App().Router().Update(kPreferences).m_bEnabled);
        QStringList tabs;
        int nCurrent = -1;
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto* pSheet = qobject_cast<CPrefsSheet*>(&dialog);
            if (!pSheet)
                return int(QDialog::Rejected);
            tabs = TabTexts(pSheet->Tabs());
            nCurrent = pSheet->Tabs()->currentIndex();
            return int(QDialog::Rejected);
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Tarnwick Preferences"});
        QCOMPARE(tabs, (QStringList{"IDE", "Source Windows", "Process Window", "Java"}));
        QCOMPARE(nCurrent, 0);
    }

    void everyPageShowsItsTexts()
    {
        CScriptedPrompts prompts;
        CPrefsSheet sheet(prompts, DefaultValues(), {}, CPrefsSheet::kIDEPage);
        QCOMPARE(sheet.windowTitle(), QString("Tarnwick Preferences"));
        QCOMPARE(sheet.OkButton()->text(), QString("OK"));
        QCOMPARE(sheet.CancelButton()->text(), QString("Cancel"));
        QCOMPARE(Texts(sheet.IDEPage()),
                 (QStringList{"button: ...", "button: ...", "check: Ask for input before running Applications",
                              "check: Build before running", "check: Load last open project on startup", "check: Save all files before compiling",
                              "check: Show function drop-downs in source windows", "group: Help path",
                              "group: JDK Location", "label: Enter the full path to the JDK folder on your hard drive:",
                              "label: Path to JDK help files in WinHelp format"}));
        QCOMPARE(Texts(sheet.FormatPage()),
                 (QStringList{
                     "button: Comments", "button: HTML Tags", "button: Keywords", "button: Strings",
                     "check: Generate spaces instead of tabs", "group: Font", "group: Syntax Coloring", "group: Tabs",
                     "label: Character width of tabs:", "label: Font size (points):", "label: Source Editor Font:"}));
        QCOMPARE(Texts(sheet.ProcessFontPage()),
                 (QStringList{"group: Font",
                              "label: Changes will not be visible until the Process Window has been closed and "
                              "reopened.",
                              "label: Font size (points):", "label: Process Window Font:"}));
        QCOMPARE(Texts(sheet.JavaOptionsPage()),
                 (QStringList{"group: Default Java (Run) Options", "group: Default Javac (Compile) Options",
                              "label: Enter default switches for the Java runner to use. You can edit these "
                              "settings for each project in the Project Window.",
                              "label: Enter switches for the Java compiler to use. You can edit these settings for "
                              "each project in the Project Window."}));
        // The samples, each in its colour.
        QCOMPARE(sheet.FormatPage()->KeywordSample()->text(), QString("public static final int"));
        QCOMPARE(sheet.FormatPage()->CommentSample()->text(), QString("// sample comment"));
        QCOMPARE(sheet.FormatPage()->StringSample()->text(), QString("\"This is a string\""));
        QCOMPARE(sheet.FormatPage()->TagSample()->text(), QString("<HTML TAG>"));
        QCOMPARE(sheet.FormatPage()->KeywordSample()->Colour(), QColor(0, 0, 0xDD));
        QCOMPARE(sheet.FormatPage()->CommentSample()->Colour(), QColor(0xDD, 0, 0));
        QCOMPARE(sheet.FormatPage()->StringSample()->Colour(), QColor(0, 0x66, 0));
        QCOMPARE(sheet.FormatPage()->TagSample()->Colour(), QColor(0x77, 0x11, 0));
        QVERIFY(sheet.FormatPage()->KeywordSample()->isReadOnly());
    }

    void theRecordIsCopiedIntoThePages()
    {
        CScriptedPrompts prompts;
        CPreferencesValues values = DefaultValues();
        values.m_bSaveComp = false;
        values.m_bLoadLast = true;
        values.m_bShowArgs = true;
        values.m_bShowDrops = false;
        values.m_strJavaBin = "/opt/jdk";
        values.m_strHelpPath = "/opt/jdk/docs/api";
        values.m_nTabWidth = 7;
        values.m_nFontPoints = 12;
        values.m_bSpaceTabs = true;
        values.m_nDlgFontPoints = 14;
        values.m_strJavaOptions = "-Xmx64m";
        values.m_strJavac = "-g -deprecation";
        CPrefsSheet sheet(prompts, values, {}, CPrefsSheet::kIDEPage);
        QCOMPARE(sheet.IDEPage()->findChild<QCheckBox*>("SaveComp")->isChecked(), false);
        QCOMPARE(sheet.IDEPage()->findChild<QCheckBox*>("LoadLast")->isChecked(), true);
        QCOMPARE(sheet.IDEPage()->findChild<QCheckBox*>("ShowArgs")->isChecked(), true);
        QCOMPARE(sheet.IDEPage()->findChild<QCheckBox*>("ShowDrops")->isChecked(), false);
        QCOMPARE(sheet.IDEPage()->JdkEdit()->text(), QString("/opt/jdk"));
        QCOMPARE(sheet.IDEPage()->HelpEdit()->text(), QString("/opt/jdk/docs/api"));
        QCOMPARE(sheet.FormatPage()->TabWidthEdit()->text(), QString("7"));
        QCOMPARE(sheet.FormatPage()->SizeEdit()->text(), QString("12"));
        QCOMPARE(sheet.FormatPage()->SpaceTabsCheck()->isChecked(), true);
        QCOMPARE(sheet.ProcessFontPage()->SizeEdit()->text(), QString("14"));
        QCOMPARE(sheet.JavaOptionsPage()->RunSwitchesEdit()->text(), QString("-Xmx64m"));
        QCOMPARE(sheet.JavaOptionsPage()->CompileSwitchesEdit()->text(), QString("-g -deprecation"));
        // A page opened on another start page.
        CPrefsSheet onJava(prompts, values, {}, CPrefsSheet::kJavaOptionsPage);
        QCOMPARE(onJava.Tabs()->currentIndex(), 3);
    }

    void rangeChecks_data()
    {
        QTest::addColumn<int>("nPage");
        QTest::addColumn<QString>("strEdit");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<QString>("strMessage");
        const QString strTabs = "Please enter an integer between 2 and 10.";
        const QString strSizes = "Please enter an integer between 6 and 24.";
        QTest::newRow("tab width 1") << 1 << "TabWidth"
                                     << "1" << strTabs;
        QTest::newRow("tab width 11") << 1 << "TabWidth"
                                      << "11" << strTabs;
        QTest::newRow("tab width 2") << 1 << "TabWidth"
                                     << "2"
                                     << "";
        QTest::newRow("tab width 10") << 1 << "TabWidth"
                                      << "10"
                                      << "";
        QTest::newRow("tab width empty") << 1 << "TabWidth"
                                         << ""
                                         << "Please enter an integer.";
        QTest::newRow("tab width 3x") << 1 << "TabWidth"
                                      << "3x"
                                      << "Please enter an integer.";
        QTest::newRow("source size 5") << 1 << "SourceSize"
                                       << "5" << strSizes;
        QTest::newRow("source size 25") << 1 << "SourceSize"
                                        << "25" << strSizes;
        QTest::newRow("source size 6") << 1 << "SourceSize"
                                       << "6"
                                       << "";
        QTest::newRow("source size 24") << 1 << "SourceSize"
                                        << "24"
                                        << "";
        QTest::newRow("process size 5") << 2 << "ProcessSize"
                                        << "5" << strSizes;
        QTest::newRow("process size 25") << 2 << "ProcessSize"
                                         << "25" << strSizes;
        QTest::newRow("process size 6") << 2 << "ProcessSize"
                                        << "6"
                                        << "";
        QTest::newRow("process size 24") << 2 << "ProcessSize"
                                         << "24"
                                         << "";
        QTest::newRow("process size 1.5") << 2 << "ProcessSize"
                                          << "1.5"
                                          << "Please enter an integer.";
    }

    void rangeChecks()
    {
        QFETCH(int, nPage);
        QFETCH(QString, strEdit);
        QFETCH(QString, strText);
        QFETCH(QString, strMessage);
        CScriptedPrompts prompts;
        CPrefsSheet sheet(prompts, DefaultValues(), {}, nPage);
        QVERIFY(ShowSheet(sheet));
        auto* pEdit = sheet.Tabs()->widget(nPage)->findChild<QLineEdit*>(strEdit);
        QVERIFY(pEdit);
        pEdit->setText(strText);
        sheet.OkButton()->click();
        if (strMessage.isEmpty()) {
            QCOMPARE(prompts.m_messages, QStringList());
            QCOMPARE(sheet.result(), int(QDialog::Accepted));
            const CPreferencesValues& values = sheet.Values();
            const int nStored = strEdit == "TabWidth"     ? values.m_nTabWidth
                                : strEdit == "SourceSize" ? values.m_nFontPoints
                                                          : values.m_nDlgFontPoints;
            QCOMPARE(nStored, strText.toInt());
            return;
        }
        QCOMPARE(prompts.m_messages, QStringList{strMessage});
        QCOMPARE(prompts.m_icons, QList<int>{CPromptService::kIconWarning});
        // The sheet stays open on the page, with the box active and nothing taken.
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(sheet.Tabs()->currentIndex(), nPage);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pEdit));
        QCOMPARE(pEdit->selectedText(), strText);
        QCOMPARE(sheet.Values().m_nTabWidth, 3);
        QCOMPARE(sheet.Values().m_nFontPoints, 10);
        QCOMPARE(sheet.Values().m_nDlgFontPoints, 9);
    }

    void handEditedOutOfRangeValuesArriveInRange()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/TABWIDTH", 50);
        fixture.PresetSettings().setValue("OPTIONS/DLGFONTSIZE", 300);
        QVERIFY(fixture.Start());
        QString strTabShown;
        QString strSizeShown;
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            strTabShown = sheet.FormatPage()->TabWidthEdit()->text();
            strSizeShown = sheet.ProcessFontPage()->SizeEdit()->text();
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kFormatPage);
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kProcessFontPage);
            sheet.OkButton()->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        QCOMPARE(strTabShown, QString("10"));
        QCOMPARE(strSizeShown, QString("24"));
        QCOMPARE(fixture.Stored("OPTIONS/TABWIDTH").toInt(), 10);
        QCOMPARE(fixture.Stored("OPTIONS/DLGFONTSIZE").toInt(), 240);
    }

    void leavingAPageWithABadNumberKeepsItShown()
    {
        CScriptedPrompts prompts;
        CPrefsSheet sheet(prompts, DefaultValues(), {}, CPrefsSheet::kFormatPage);
        QVERIFY(ShowSheet(sheet));
        sheet.FormatPage()->TabWidthEdit()->setText("12");
        sheet.FormatPage()->SizeEdit()->setText("11");
        QTest::mouseClick(sheet.Tabs()->tabBar(), Qt::LeftButton, {},
                          sheet.Tabs()->tabBar()->tabRect(CPrefsSheet::kJavaOptionsPage).center());
        QCOMPARE(prompts.m_messages, QStringList{"Please enter an integer between 2 and 10."});
        QCOMPARE(sheet.Tabs()->currentIndex(), int(CPrefsSheet::kFormatPage));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(sheet.FormatPage()->TabWidthEdit()));
        // Nothing of the page was taken, not even the good size.
        QCOMPARE(sheet.Values().m_nFontPoints, 10);
        // Corrected, the page can be left and its values are taken.
        sheet.FormatPage()->TabWidthEdit()->setText("4");
        QTest::mouseClick(sheet.Tabs()->tabBar(), Qt::LeftButton, {},
                          sheet.Tabs()->tabBar()->tabRect(CPrefsSheet::kJavaOptionsPage).center());
        QCOMPARE(sheet.Tabs()->currentIndex(), int(CPrefsSheet::kJavaOptionsPage));
        QCOMPARE(prompts.m_messages.size(), 1);
        QCOMPARE(sheet.Values().m_nTabWidth, 4);
        QCOMPARE(sheet.Values().m_nFontPoints, 11);
    }

    void sizesPassThroughWholePoints()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/FONTSIZE", 105);
        fixture.PresetSettings().setValue("OPTIONS/DLGFONTSIZE", 87);
        QVERIFY(fixture.Start());
        QString strShown;
        QString strDlgShown;
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            strShown = sheet.FormatPage()->SizeEdit()->text();
            strDlgShown = sheet.ProcessFontPage()->SizeEdit()->text();
            sheet.OkButton()->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(strShown, QString("10"));
        QCOMPARE(strDlgShown, QString("8"));
        QCOMPARE(fixture.Stored("OPTIONS/FONTSIZE").toInt(), 100);
        QCOMPARE(fixture.Stored("OPTIONS/DLGFONTSIZE").toInt(), 80);
        QCOMPARE(fixture.App().Settings().m_nFontSize, 100);
        QCOMPARE(fixture.App().Settings().m_nDlgFontSize, 80);
    }

    void aChosenColourRecoloursItsSampleAndCancelKeepsTheStore()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/KEYCOLOR", 0x112233);
        QVERIFY(fixture.Start());
        fixture.Prompts().m_colors = {QColor(0x10, 0x80, 0xF0)};
        QColor sampleAfter;
        QColor commentAfter;
        COLORREF keywordDuring = 0;
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kFormatPage);
            sheet.FormatPage()->KeywordButton()->click();
            sampleAfter = sheet.FormatPage()->KeywordSample()->Colour();
            // A chooser the user cancels changes nothing.
            sheet.FormatPage()->CommentButton()->click();
            commentAfter = sheet.FormatPage()->CommentSample()->Colour();
            keywordDuring = sheet.Values().m_crKeyword;
            sheet.CancelButton()->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(fixture.Prompts().m_colorInitials, (QList<QColor>{QColor(0x33, 0x22, 0x11), QColor(0xDD, 0, 0)}));
        QCOMPARE(sampleAfter, QColor(0x10, 0x80, 0xF0));
        QCOMPARE(commentAfter, QColor(0xDD, 0, 0));
        QCOMPARE(keywordDuring, COLORREF(0xF08010));
        QCOMPARE(fixture.Stored("OPTIONS/KEYCOLOR").toInt(), 0x112233);
        QCOMPARE(fixture.App().Settings().m_crKeyword, COLORREF(0x112233));
        QVERIFY(!fixture.Stored("OPTIONS/TABWIDTH").isValid());

        // Chosen again and confirmed, it is stored.
        fixture.Prompts().m_colors = {QColor(0x10, 0x80, 0xF0)};
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            sheet.FormatPage()->KeywordButton()->click();
            sheet.OkButton()->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(fixture.Stored("OPTIONS/KEYCOLOR").toInt(), 0xF08010);
        QCOMPARE(fixture.App().Settings().m_crKeyword, COLORREF(0xF08010));
    }

    void choosingAFaceLeavesTheSampleFont()
    {
        CScriptedPrompts prompts;
        CPreferencesValues values = DefaultValues();
        CPrefsSheet sheet(prompts, values, {}, CPrefsSheet::kFormatPage);
        QVERIFY(ShowSheet(sheet));
        QComboBox* pFace = sheet.FormatPage()->FaceCombo();
        if (pFace->count() < 2)
            QSKIP("needs two font families");
        const QFont sampleFont = sheet.FormatPage()->KeywordSample()->font();
        pFace->setFocus();
        QTest::keyClick(pFace, Qt::Key_Down);
        const QString strPicked = pFace->currentText();
        QVERIFY(!strPicked.isEmpty());
        QCOMPARE(QString::fromStdString(sheet.Values().m_strFontName), strPicked);
        QCOMPARE(sheet.FormatPage()->KeywordSample()->font(), sampleFont);
        QCOMPARE(sheet.FormatPage()->KeywordSample()->font().family(), sampleFont.family());
        sheet.OkButton()->click();
        QCOMPARE(QString::fromStdString(sheet.Values().m_strFontName), strPicked);
    }

    void aFaceNoEntryBeginsWithLeavesNoSelectionAndStays()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/FONTNAME", "Zz Uninstalled Face");
        fixture.PresetSettings().setValue("OPTIONS/DLGFONTNAME", "Zz Other Face");
        QVERIFY(fixture.Start());
        int nSourceIndex = 0;
        int nProcessIndex = 0;
        QString strSourceShown;
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            nSourceIndex = sheet.FormatPage()->FaceCombo()->currentIndex();
            nProcessIndex = sheet.ProcessFontPage()->FaceCombo()->currentIndex();
            strSourceShown = sheet.FormatPage()->FaceCombo()->placeholderText();
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kFormatPage);
            sheet.OkButton()->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(nSourceIndex, -1);
        QCOMPARE(nProcessIndex, -1);
        QCOMPARE(strSourceShown, QString("Zz Uninstalled Face"));
        QCOMPARE(fixture.Stored("OPTIONS/FONTNAME").toString(), QString("Zz Uninstalled Face"));
        QCOMPARE(fixture.Stored("OPTIONS/DLGFONTNAME").toString(), QString("Zz Other Face"));
    }

    void aFaceIsSelectedByItsBeginningIgnoringCase()
    {
        CScriptedPrompts prompts;
        CPreferencesValues values = DefaultValues();
        CPrefsSheet probe(prompts, values, {}, 0);
        QComboBox* pFace = probe.FormatPage()->FaceCombo();
        if (pFace->count() == 0)
            QSKIP("needs a font family");
        const QString strFull = pFace->itemText(pFace->count() - 1);
        values.m_strFontName = strFull.left(qMax(1, strFull.size() - 1)).toLower().toStdString();
        CPrefsSheet sheet(prompts, values, {}, 0);
        const int nIndex = sheet.FormatPage()->FaceCombo()->currentIndex();
        QVERIFY(nIndex >= 0);
        QVERIFY(sheet.FormatPage()->FaceCombo()->itemText(nIndex).startsWith(
            QString::fromStdString(values.m_strFontName), Qt::CaseInsensitive));
        // Selecting is not choosing: the value stays as stored.
        QCOMPARE(sheet.Values().m_strFontName, values.m_strFontName);
    }

    void okWritesAllEighteenValuesInOrderAndCancelWritesNone()
    {
        CScriptedPrompts prompts;
        CMemorySettingsStore store;
        CSettings settings;
        settings.m_strJavaBin = "/opt/jdk";
        settings.m_nTabWidth = 5;
        prompts.m_onDialog = [](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            sheet.CancelButton()->click();
            return dialog.result();
        };
        QVERIFY(!EditPreferences(nullptr, prompts, settings, store));
        QVERIFY(store.WriteLog().empty());
        QCOMPARE(settings.m_nTabWidth, 5);

        prompts.m_onDialog = [](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kFormatPage);
            sheet.FormatPage()->TabWidthEdit()->setText("8");
            sheet.OkButton()->click();
            return dialog.result();
        };
        QVERIFY(EditPreferences(nullptr, prompts, settings, store));
        QCOMPARE(store.WriteLog(), kWriteOrder);
        QCOMPARE(settings.m_nTabWidth, 8);
        QCOMPARE(std::get<int>(*store.Find("OPTIONS", "TABWIDTH")), 8);
        QCOMPARE(std::get<std::string>(*store.Find("PATHS", "JAVABIN")), std::string("/opt/jdk"));
        QVERIFY(prompts.m_messages.isEmpty());
    }

    void cancelLeavesTheStoredSettingsUntouched()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/TABWIDTH", 4);
        QVERIFY(fixture.Start());
        fixture.Prompts().m_colors = {QColor(1, 2, 3)};
        fixture.Prompts().m_folderNames = {"/somewhere/else"};
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            sheet.IDEPage()->JdkBrowseButton()->click();
            sheet.IDEPage()->findChild<QCheckBox*>("LoadLast")->setChecked(false);
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kFormatPage);
            sheet.FormatPage()->TabWidthEdit()->setText("9");
            sheet.FormatPage()->TagButton()->click();
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kJavaOptionsPage);
            sheet.JavaOptionsPage()->CompileSwitchesEdit()->setText("-g");
            sheet.CancelButton()->click();
            return dialog.result();
        };
        const CSettings before = fixture.App().Settings();
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        QCOMPARE(fixture.Stored("OPTIONS/TABWIDTH").toInt(), 4);
        for (const char* pszKey : {"OPTIONS/LOADLAST", "OPTIONS/TAGCOLOR", "OPTIONS/JAVAC", "PATHS/JAVABIN",
                                   "OPTIONS/FONTSIZE", "OPTIONS/JAVAOPTIONS"})
            QVERIFY2(!fixture.Stored(pszKey).isValid(), pszKey);
        const CSettings& after = fixture.App().Settings();
        QCOMPARE(after.m_nTabWidth, before.m_nTabWidth);
        QCOMPARE(after.m_bLoadLast, before.m_bLoadLast);
        QCOMPARE(after.m_crTag, before.m_crTag);
        QCOMPARE(after.m_strJavac, before.m_strJavac);
        QCOMPARE(after.m_strJavaBin, before.m_strJavaBin);
    }

    void aJdkFolderWithoutJavacIsWarnedAboutOnOk()
    {
        QTemporaryDir dir;
        const QString strGood = MakeJdk(dir, "jdk-21", "21.0.1");
        QDir(dir.path()).mkpath("jre/bin");
        const QString strBad = dir.filePath("jre");
        const std::string strWarning = CJdkCandidates::MissingJavacText(strBad.toStdString());

        CScriptedPrompts prompts;
        CPreferencesValues values = DefaultValues();
        values.m_strJavaBin = "/opt/whatever-was-stored";
        CPrefsSheet sheet(prompts, values, {}, CPrefsSheet::kIDEPage);
        QVERIFY(ShowSheet(sheet));
        sheet.IDEPage()->JdkEdit()->setText(strBad);
        sheet.Tabs()->setCurrentIndex(CPrefsSheet::kJavaOptionsPage);
        // No: back to the IDE page with the folder active.
        prompts.m_answers = {CPromptService::kAnswerNo};
        sheet.OkButton()->click();
        QCOMPARE(prompts.m_messages, QStringList{QString::fromStdString(strWarning)});
        QCOMPARE(prompts.m_icons, QList<int>{CPromptService::kIconWarning});
        QVERIFY(sheet.isVisible());
        QCOMPARE(sheet.result(), int(QDialog::Rejected));
        QCOMPARE(sheet.Tabs()->currentIndex(), int(CPrefsSheet::kIDEPage));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(sheet.IDEPage()->JdkEdit()));
        // Yes: kept as typed.
        prompts.m_answers = {CPromptService::kAnswerYes};
        sheet.OkButton()->click();
        QCOMPARE(prompts.m_messages.size(), 2);
        QCOMPARE(sheet.result(), int(QDialog::Accepted));
        QCOMPARE(sheet.Values().m_strJavaBin, strBad.toStdString());

        // A folder with bin/javac passes without a word.
        CScriptedPrompts quiet;
        CPrefsSheet good(quiet, values, {}, CPrefsSheet::kIDEPage);
        good.IDEPage()->JdkEdit()->setText(strGood);
        good.OkButton()->click();
        QCOMPARE(quiet.m_messages, QStringList());
        QCOMPARE(good.result(), int(QDialog::Accepted));
        QCOMPARE(good.Values().m_strJavaBin, strGood.toStdString());

        // An unchanged folder is not the user's doing now: no warning.
        CScriptedPrompts unchanged;
        CPrefsSheet same(unchanged, values, {}, CPrefsSheet::kIDEPage);
        same.OkButton()->click();
        QCOMPARE(unchanged.m_messages, QStringList());
        QCOMPARE(same.result(), int(QDialog::Accepted));
    }

    void theJdksFoundArePickedFromTheList()
    {
        QTemporaryDir dir;
        const QString strJdk17 = MakeJdk(dir, "java-17", "17.0.2");
        const QString strJdk21 = MakeJdk(dir, "jdk-21", "21.0.1");
        CScriptedPrompts prompts;
        CPrefsSheet sheet(prompts, DefaultValues(),
                          {{strJdk17.toStdString(), "17.0.2"}, {strJdk21.toStdString(), "21.0.1"}},
                          CPrefsSheet::kIDEPage);
        QVERIFY(ShowSheet(sheet));
        QComboBox* pList = sheet.IDEPage()->JdkList();
        QVERIFY(pList->isEnabled());
        QCOMPARE(pList->count(), 2);
        QCOMPARE(pList->itemText(0), "17.0.2  " + strJdk17);
        QCOMPARE(pList->itemText(1), "21.0.1  " + strJdk21);
        QCOMPARE(pList->currentIndex(), -1);
        pList->setFocus();
        QTest::keyClick(pList, Qt::Key_Down);
        QTest::keyClick(pList, Qt::Key_Down);
        QCOMPARE(sheet.IDEPage()->JdkEdit()->text(), strJdk21);
        sheet.OkButton()->click();
        QCOMPARE(prompts.m_messages, QStringList());
        QCOMPARE(sheet.Values().m_strJavaBin, strJdk21.toStdString());

        // The JDK in use is shown selected.
        CPreferencesValues using17 = DefaultValues();
        using17.m_strJavaBin = strJdk17.toStdString();
        CPrefsSheet selected(prompts, using17, {{strJdk17.toStdString(), "17.0.2"}, {strJdk21.toStdString(), "21.0.1"}},
                             CPrefsSheet::kIDEPage);
        QCOMPARE(selected.IDEPage()->JdkList()->currentIndex(), 0);
        QCOMPARE(selected.IDEPage()->JdkList()->currentText(), "17.0.2  " + strJdk17);

        CPrefsSheet none(prompts, DefaultValues(), {}, CPrefsSheet::kIDEPage);
        QVERIFY(!none.IDEPage()->JdkList()->isEnabled());
        QCOMPARE(none.IDEPage()->JdkList()->placeholderText(), QString("No JDK found on this machine"));
    }

    void theBrowseButtonsFillTheirBoxes()
    {
        CScriptedPrompts prompts;
        CPreferencesValues values = DefaultValues();
        values.m_strJavaBin = "/opt/jdk";
        values.m_strHelpPath = "/old/help";
        CPrefsSheet sheet(prompts, values, {}, CPrefsSheet::kIDEPage);
        // Cancelled choosers change nothing.
        sheet.IDEPage()->JdkBrowseButton()->click();
        sheet.IDEPage()->HelpBrowseButton()->click();
        QCOMPARE(sheet.IDEPage()->JdkEdit()->text(), QString("/opt/jdk"));
        QCOMPARE(sheet.IDEPage()->HelpEdit()->text(), QString("/old/help"));
        QCOMPARE(prompts.m_folderTitles, QStringList{"Find the JDK Folder:"});

        prompts.m_folderNames = {"/usr/lib/jvm/jdk-21"};
        sheet.IDEPage()->JdkBrowseButton()->click();
        QCOMPARE(sheet.IDEPage()->JdkEdit()->text(), QString("/usr/lib/jvm/jdk-21"));
        // The folder follows at the next exchange, not before.
        QCOMPARE(sheet.Values().m_strJavaBin, std::string("/opt/jdk"));

        prompts.m_fileNames = {"/usr/share/doc/openjdk-21-doc/api/index.html"};
        sheet.IDEPage()->HelpBrowseButton()->click();
        QCOMPARE(sheet.IDEPage()->HelpEdit()->text(), QString("/usr/share/doc/openjdk-21-doc/api/index.html"));
        QCOMPARE(prompts.m_fileFilters.last(), QString(CIDEPage::kHelpFilter));
        // The help chooser pulls every box of the page at once.
        QCOMPARE(sheet.Values().m_strHelpPath, std::string("/usr/share/doc/openjdk-21-doc/api/index.html"));
        QCOMPARE(sheet.Values().m_strJavaBin, std::string("/usr/lib/jvm/jdk-21"));
    }

    void newWindowsTakeTheNewSettingsOpenOnesKeepTheirs()
    {
        CAppFixture fixture;
        fixture.PresetSettings().setValue("OPTIONS/TABWIDTH", 3);
        QVERIFY(fixture.Start({}, false));
        CSyntaxWindowDoc* pBefore = OpenJava(fixture, "Before.java", "class Before {\n}\n");
        QVERIFY(pBefore && pBefore->FirstView());
        QCOMPARE(pBefore->FirstView()->tabWidth(), 3);
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kFormatPage);
            sheet.FormatPage()->TabWidthEdit()->setText("8");
            sheet.OkButton()->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        CSyntaxWindowDoc* pAfter = OpenJava(fixture, "After.java", "class After {\n}\n");
        QVERIFY(pAfter && pAfter->FirstView());
        QCOMPARE(pAfter->FirstView()->tabWidth(), 8);
        QCOMPARE(pBefore->FirstView()->tabWidth(), 3);
    }

    void okTakesEveryPageBackIntoTheRecord()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start());
        QTemporaryDir dir;
        const QString strJdk = MakeJdk(dir, "jdk-17", "17.0.2");
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto& sheet = static_cast<CPrefsSheet&>(dialog);
            sheet.IDEPage()->findChild<QCheckBox*>("SaveComp")->setChecked(false);
            sheet.IDEPage()->findChild<QCheckBox*>("ShowArgs")->setChecked(true);
            // On unless switched off: it starts checked.
            if (sheet.IDEPage()->findChild<QCheckBox*>("BuildBeforeRun")->isChecked())
                sheet.IDEPage()->findChild<QCheckBox*>("BuildBeforeRun")->setChecked(false);
            sheet.IDEPage()->JdkEdit()->setText(strJdk);
            sheet.IDEPage()->HelpEdit()->setText("/docs/api");
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kFormatPage);
            sheet.FormatPage()->SpaceTabsCheck()->setChecked(true);
            sheet.FormatPage()->SizeEdit()->setText("14");
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kProcessFontPage);
            sheet.ProcessFontPage()->SizeEdit()->setText("12");
            sheet.Tabs()->setCurrentIndex(CPrefsSheet::kJavaOptionsPage);
            sheet.JavaOptionsPage()->RunSwitchesEdit()->setText("-ea");
            sheet.JavaOptionsPage()->CompileSwitchesEdit()->setText("-Xlint");
            sheet.OkButton()->click();
            return dialog.result();
        };
        QVERIFY(fixture.App().Router().Execute(kPreferences));
        QCOMPARE(fixture.Prompts().m_messages, QStringList());
        const CSettings& settings = fixture.App().Settings();
        QCOMPARE(settings.m_bSaveComp, false);
        QCOMPARE(settings.m_bShowArgs, true);
        QCOMPARE(settings.m_bBuildBeforeRun, false);
        QCOMPARE(settings.m_strJavaBin, strJdk.toStdString());
        QCOMPARE(settings.m_strHelpPath, std::string("/docs/api"));
        QCOMPARE(settings.m_bSpaceTabs, true);
        QCOMPARE(settings.m_nFontSize, 140);
        QCOMPARE(settings.m_nDlgFontSize, 120);
        QCOMPARE(settings.m_strJavaOptions, std::string("-ea"));
        QCOMPARE(settings.m_strJavac, std::string("-Xlint"));
        QCOMPARE(fixture.Stored("OPTIONS/SAVECOMP").toInt(), 0);
        QCOMPARE(fixture.Stored("OPTIONS/SHOWARGS").toInt(), 1);
        QCOMPARE(fixture.Stored("OPTIONS/BUILDBEFORERUN").toInt(), 0);
        QCOMPARE(fixture.Stored("PATHS/JAVABIN").toString(), strJdk);
        QCOMPARE(fixture.Stored("PATHS/HELPPATH").toString(), QString("/docs/api"));
        QCOMPARE(fixture.Stored("OPTIONS/JAVAOPTIONS").toString(), QString("-ea"));
        QCOMPARE(fixture.Stored("OPTIONS/JAVAC").toString(), QString("-Xlint"));
        QCOMPARE(fixture.Stored("OPTIONS/DLGFONTSIZE").toInt(), 120);
    }
};

QTEST_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
