#pragma once

#include "ui/prefs/PrefsPage.h"

class CFontFamilyList;
class QComboBox;
class QLineEdit;

// "Process Window": the font of the tool output window.
class CProcessFontPage : public CPrefsPage {
    Q_OBJECT
public:
    static constexpr const char* kReopenNote =
        "Changes will not be visible until the Process Window has been closed and reopened.";

    CProcessFontPage(CPromptService& prompts, CPreferencesValues& values, const CFontFamilyList& fonts,
                     QWidget* pParent);

    void LoadControls() override;
    bool SaveControls() override;

    QComboBox* FaceCombo() const { return m_pFace; }
    QLineEdit* SizeEdit() const { return m_pSize; }

private:
    QComboBox* m_pFace;
    QLineEdit* m_pSize;
};
