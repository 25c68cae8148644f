#include "ui/prefs/FormatPage.h"

#include "core/settings/Settings.h"
#include "ui/framework/PromptService.h"
#include "ui/prefs/ColourSample.h"
#include "ui/prefs/FontGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFormatPage::CFormatPage(CPromptService& prompts, CPreferencesValues& values, const CFontFamilyList& fonts,
                         QWidget* pParent)
    : CPrefsPage(prompts, values, pParent)
{
    setObjectName("FormatPage");

    m_pFontGroup = new CFontGroup("Source Editor Font:", "Source", fonts, m_values.m_strFontName, this);

    auto* pTabsGroup = new QGroupBox("Tabs", this);
    m_pTabWidth = MakeNumberEdit(pTabsGroup, "TabWidth");
    m_pSpaceTabs = new QCheckBox("Generate spaces instead of tabs", pTabsGroup);
    m_pSpaceTabs->setObjectName("SpaceTabs");
    auto* pTabsLayout = new QGridLayout(pTabsGroup);
    pTabsLayout->addWidget(new QLabel("Character width of tabs:", pTabsGroup), 0, 0);
    pTabsLayout->addWidget(m_pTabWidth, 0, 1, Qt::AlignLeft);
    pTabsLayout->addWidget(m_pSpaceTabs, 1, 0, 1, 2);
    pTabsLayout->setColumnStretch(1, 1);

    auto* pColourGroup = new QGroupBox("Syntax Coloring", this);
    auto* pColourLayout = new QGridLayout(pColourGroup);
    auto addRow = [&](int nRow, const QString& strText, const QString& strName, QPushButton*& pButton,
                      CColourSample*& pSample) {
        pButton = new QPushButton(strText, pColourGroup);
        pButton->setObjectName(strName + "Button");
        pButton->setAutoDefault(false);
        pSample = new CColourSample(strName + "Sample", pColourGroup);
        pColourLayout->addWidget(pButton, nRow, 0);
        pColourLayout->addWidget(pSample, nRow, 1);
    };
    addRow(0, "Keywords", "Keyword", m_pKeywordButton, m_pKeywordSample);
    addRow(1, "Comments", "Comment", m_pCommentButton, m_pCommentSample);
    addRow(2, "Strings", "String", m_pStringButton, m_pStringSample);
    addRow(3, "HTML Tags", "Tag", m_pTagButton, m_pTagSample);
    pColourLayout->setColumnStretch(1, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pFontGroup);
    pLayout->addWidget(pTabsGroup);
    pLayout->addWidget(pColourGroup);
    pLayout->addStretch(1);

    connect(m_pKeywordButton, &QPushButton::clicked, this, [this] { ChooseColour(m_values.m_crKeyword); });
    connect(m_pCommentButton, &QPushButton::clicked, this, [this] { ChooseColour(m_values.m_crComment); });
    connect(m_pStringButton, &QPushButton::clicked, this, [this] { ChooseColour(m_values.m_crString); });
    connect(m_pTagButton, &QPushButton::clicked, this, [this] { ChooseColour(m_values.m_crTag); });

    // The keyword, comment and string samples use the editor's face and size
    // as the page starts; the tag sample keeps the dialog's font.
    m_sampleFont = QFont(QString::fromStdString(m_values.m_strFontName));
    m_sampleFont.setPointSize(m_values.m_nFontPoints > 0 ? m_values.m_nFontPoints : 10);
    m_pKeywordSample->setFont(m_sampleFont);
    m_pCommentSample->setFont(m_sampleFont);
    m_pStringSample->setFont(m_sampleFont);
}

void CFormatPage::LoadControls()
{
    m_pFontGroup->LoadControls(m_values.m_nFontPoints);
    m_pTabWidth->setText(QString::number(m_values.m_nTabWidth));
    m_pSpaceTabs->setChecked(m_values.m_bSpaceTabs);
    UpdateSamples();
}

bool CFormatPage::SaveControls()
{
    // Checked in the order of the page; nothing is taken unless all pass.
    int nPoints = 0;
    int nTabWidth = 0;
    if (!CheckInteger(m_pFontGroup->SizeEdit(), kMinFontSize / 10, kMaxFontSize / 10, nPoints))
        return false;
    if (!CheckInteger(m_pTabWidth, kMinTabWidth, kMaxTabWidth, nTabWidth))
        return false;
    m_values.m_nFontPoints = nPoints;
    m_values.m_nTabWidth = nTabWidth;
    m_values.m_bSpaceTabs = m_pSpaceTabs->isChecked();
    return true;
}

void CFormatPage::ChooseColour(COLORREF& crColour)
{
    const QColor chosen = Prompts().GetColor(this, CColourSample::ToQColor(crColour));
    if (!chosen.isValid())
        return;
    crColour = CColourSample::FromQColor(chosen);
    UpdateSamples();
}

void CFormatPage::UpdateSamples()
{
    m_pKeywordSample->SetColour(m_values.m_crKeyword);
    m_pKeywordSample->setText(kKeywordSample);
    m_pCommentSample->SetColour(m_values.m_crComment);
    m_pCommentSample->setText(kCommentSample);
    m_pStringSample->SetColour(m_values.m_crString);
    m_pStringSample->setText(kStringSample);
    m_pTagSample->SetColour(m_values.m_crTag);
    m_pTagSample->setText(kTagSample);
    for (CColourSample* pSample : {m_pKeywordSample, m_pCommentSample, m_pStringSample, m_pTagSample})
        pSample->setCursorPosition(0);
}
