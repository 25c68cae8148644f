#pragma once

#include "ui/prefs/FontGroup.h"
#include "ui/prefs/PrefsPage.h"

class CFontFamilyList;

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

    QComboBox* FaceCombo() const { return m_pFontGroup->FaceCombo(); }
    QLineEdit* SizeEdit() const { return m_pFontGroup->SizeEdit(); }

private:
    CFontGroup* m_pFontGroup;
};
