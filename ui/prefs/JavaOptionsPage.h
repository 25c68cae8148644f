#pragma once

#include "ui/prefs/PrefsPage.h"

class QLineEdit;

// "Java": the switches new projects start with.
class CJavaOptionsPage : public CPrefsPage {
    Q_OBJECT
public:
    CJavaOptionsPage(CPromptService& prompts, CPreferencesValues& values, QWidget* pParent);

    void LoadControls() override;
    bool SaveControls() override;

    QLineEdit* RunSwitchesEdit() const { return m_pRunSwitches; }
    QLineEdit* CompileSwitchesEdit() const { return m_pCompileSwitches; }

private:
    QLineEdit* m_pRunSwitches;
    QLineEdit* m_pCompileSwitches;
};
