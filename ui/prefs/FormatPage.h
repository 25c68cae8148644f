#pragma once

#include "ui/prefs/FontGroup.h"
#include "ui/prefs/PrefsPage.h"

#include <QFont>

class CColourSample;
class CFontFamilyList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Source Windows": the editor font, the tab rules and the syntax colours,
// each colour with a sample drawn in it.
class CFormatPage : public CPrefsPage {
    Q_OBJECT
public:
    static constexpr const char* kKeywordSample = "public static final int";
    static constexpr const char* kCommentSample = "// sample comment";
    static constexpr const char* kStringSample = "\"This is a string\"";
    static constexpr const char* kTagSample = "<HTML TAG>";

    CFormatPage(CPromptService& prompts, CPreferencesValues& values, const CFontFamilyList& fonts, QWidget* pParent);

    void LoadControls() override;
    bool SaveControls() override;

    QComboBox* FaceCombo() const { return m_pFontGroup->FaceCombo(); }
    QLineEdit* SizeEdit() const { return m_pFontGroup->SizeEdit(); }
    QLineEdit* TabWidthEdit() const { return m_pTabWidth; }
    QCheckBox* SpaceTabsCheck() const { return m_pSpaceTabs; }
    QPushButton* KeywordButton() const { return m_pKeywordButton; }
    QPushButton* CommentButton() const { return m_pCommentButton; }
    QPushButton* TagButton() const { return m_pTagButton; }
    CColourSample* KeywordSample() const { return m_pKeywordSample; }
    CColourSample* CommentSample() const { return m_pCommentSample; }
    CColourSample* StringSample() const { return m_pStringSample; }
    CColourSample* TagSample() const { return m_pTagSample; }

private:
    void ChooseColour(COLORREF& crColour);
    void UpdateSamples();

    CFontGroup* m_pFontGroup;
    QLineEdit* m_pTabWidth;
    QCheckBox* m_pSpaceTabs;
    QPushButton* m_pKeywordButton;
    QPushButton* m_pCommentButton;
    QPushButton* m_pStringButton;
    QPushButton* m_pTagButton;
    CColourSample* m_pKeywordSample;
    CColourSample* m_pCommentSample;
    CColourSample* m_pStringSample;
    CColourSample* m_pTagSample;
    // The samples' font: the face and size the page started with. Only
    // colours are previewed.
    QFont m_sampleFont;
};
