#pragma once

#include "core/jdk/JdkCandidates.h"
#include "ui/prefs/PrefsPage.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "IDE": start-up and build choices, the JDK folder and the help path.
class CIDEPage : public CPrefsPage {
    Q_OBJECT
public:
    static constexpr const char* kFolderBrowserTitle = "Find the JDK Folder:";
    static constexpr const char* kHelpFilter =
        "JDK Documentation (index.html);;HTML Files (*.html *.htm);;Help Files (*.hlp);;All Files (*)";

    CIDEPage(CPromptService& prompts, CPreferencesValues& values, std::vector<CJdkCandidate> jdks, QWidget* pParent);

    void LoadControls() override;
    bool SaveControls() override;

    QLineEdit* JdkEdit() const { return m_pJdkEdit; }
    QLineEdit* HelpEdit() const { return m_pHelpEdit; }
    QComboBox* JdkList() const { return m_pJdkList; }
    QPushButton* JdkBrowseButton() const { return m_pJdkBrowse; }
    QPushButton* HelpBrowseButton() const { return m_pHelpBrowse; }

    // The "..." buttons.
    void OnBrowseJdk();
    void OnBrowseHelp();

private:
    void OnJdkPicked(int nIndex);

    std::vector<CJdkCandidate> m_jdks;
    QCheckBox* m_pSaveComp;
    QCheckBox* m_pLoadLast;
    QLineEdit* m_pJdkEdit;
    QPushButton* m_pJdkBrowse;
    QComboBox* m_pJdkList;
    QCheckBox* m_pShowArgs;
    QCheckBox* m_pBuildBeforeRun;
    QLineEdit* m_pHelpEdit;
    QPushButton* m_pHelpBrowse;
    QCheckBox* m_pShowDrops;
};
