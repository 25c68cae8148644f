#pragma once

#include "core/settings/Preferences.h"

#include <QWidget>

class CPromptService;
class QLineEdit;

// One page of the preferences sheet. It works on the sheet's copy of the
// values: LoadControls shows them, SaveControls checks the controls and takes
// them back. Pages never touch the settings record or the store.
class CPrefsPage : public QWidget {
    Q_OBJECT
public:
    // Its messages and choosers go through prompts.
    CPrefsPage(CPromptService& prompts, CPreferencesValues& values, QWidget* pParent);

    // Values into the controls.
    virtual void LoadControls() = 0;
    // Controls into the values; false, with the message shown and the
    // offending control active, when a number is refused. Nothing is taken
    // then.
    virtual bool SaveControls() = 0;

    // A number box: digits only when typed, a few characters wide.
    static QLineEdit* MakeNumberEdit(QWidget* pParent, const QString& strObjectName);

protected:
    CPromptService& Prompts() const { return m_prompts; }
    // The check every number box gets: an integer from nMin to nMax.
    bool CheckInteger(QLineEdit* pEdit, int nMin, int nMax, int& nValue);

    CPreferencesValues& m_values;

private:
    CPromptService& m_prompts;
};
