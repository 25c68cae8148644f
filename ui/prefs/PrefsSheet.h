#pragma once

#include "core/jdk/JdkCandidates.h"
#include "core/settings/Preferences.h"

#include <QDialog>
#include <memory>
#include <vector>

class CFontFamilyList;
class CFormatPage;
class CIDEPage;
class CJavaOptionsPage;
class CPrefsPage;
class CPromptService;
class CProcessFontPage;
class QPushButton;
class QTabWidget;

// "Tarnwick Preferences": four pages over a copy of the values. Leaving a
// page or pressing OK checks the page; Cancel drops the copy, so nothing the
// user did on the way (colours chosen included) reaches the caller.
class CPrefsSheet : public QDialog {
    Q_OBJECT
public:
    enum EPage { kIDEPage = 0, kFormatPage = 1, kProcessFontPage = 2, kJavaOptionsPage = 3 };
    static constexpr const char* kCaption = "Tarnwick Preferences";

    // Its pages' messages, and its own, go through prompts.
    CPrefsSheet(CPromptService& prompts, const CPreferencesValues& values, std::vector<CJdkCandidate> jdks,
                int nStartPage, QWidget* pParent = nullptr);
    ~CPrefsSheet() override;

    // What the pages hold; complete once the sheet ended with OK.
    const CPreferencesValues& Values() const { return m_values; }

    QTabWidget* Tabs() const { return m_pTabs; }
    CIDEPage* IDEPage() const { return m_pIDEPage; }
    CFormatPage* FormatPage() const { return m_pFormatPage; }
    CProcessFontPage* ProcessFontPage() const { return m_pProcessFontPage; }
    CJavaOptionsPage* JavaOptionsPage() const { return m_pJavaOptionsPage; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

    // OK: checks the page shown, warns about a JDK folder without javac,
    // and ends the sheet when all is well.
    void OnOk();

private:
    CPrefsPage* Page(int nIndex) const;
    void OnPageChanged(int nIndex);
    void ShowPage(int nIndex);

    CPromptService& m_prompts;
    CPreferencesValues m_values;
    const std::string m_strJavaBinAtStart;
    std::unique_ptr<CFontFamilyList> m_pFonts;
    // Declared as the program always had them; added to the tabs in page order.
    CJavaOptionsPage* m_pJavaOptionsPage;
    CIDEPage* m_pIDEPage;
    CFormatPage* m_pFormatPage;
    CProcessFontPage* m_pProcessFontPage;
    QTabWidget* m_pTabs;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    int m_nCurrent = 0;
    bool m_bSwitching = false;
};
