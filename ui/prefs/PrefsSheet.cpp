#include "ui/prefs/PrefsSheet.h"

#include "ui/framework/PromptService.h"
#include "ui/prefs/FontFamilyList.h"
#include "ui/prefs/FormatPage.h"
#include "ui/prefs/IdePage.h"
#include "ui/prefs/JavaOptionsPage.h"
#include "ui/prefs/ProcessFontPage.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CPrefsSheet::CPrefsSheet(CPromptService& prompts, const CPreferencesValues& values, std::vector<CJdkCandidate> jdks,
                         int nStartPage, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts), m_values(values), m_strJavaBinAtStart(values.m_strJavaBin),
      m_pFonts(std::make_unique<CFontFamilyList>())
{
    setWindowTitle(kCaption);
    setObjectName("PrefsSheet");

    m_pTabs = new QTabWidget(this);
    m_pJavaOptionsPage = new CJavaOptionsPage(m_prompts, m_values, m_pTabs);
    m_pIDEPage = new CIDEPage(m_prompts, m_values, std::move(jdks), m_pTabs);
    m_pFormatPage = new CFormatPage(m_prompts, m_values, *m_pFonts, m_pTabs);
    m_pProcessFontPage = new CProcessFontPage(m_prompts, m_values, *m_pFonts, m_pTabs);
    m_pTabs->addTab(m_pIDEPage, "IDE");
    m_pTabs->addTab(m_pFormatPage, "Source Windows");
    m_pTabs->addTab(m_pProcessFontPage, "Process Window");
    m_pTabs->addTab(m_pJavaOptionsPage, "Java");
    for (int i = 0; i < m_pTabs->count(); ++i)
        Page(i)->LoadControls();

    auto* pButtons = new QDialogButtonBox(this);
    m_pOk = pButtons->addButton(QDialogButtonBox::Ok);
    m_pOk->setDefault(true);
    m_pCancel = pButtons->addButton(QDialogButtonBox::Cancel);
    connect(m_pOk, &QPushButton::clicked, this, &CPrefsSheet::OnOk);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pTabs);
    pLayout->addWidget(pButtons);

    m_nCurrent = nStartPage >= 0 && nStartPage < m_pTabs->count() ? nStartPage : kIDEPage;
    m_bSwitching = true;
    m_pTabs->setCurrentIndex(m_nCurrent);
    m_bSwitching = false;
    connect(m_pTabs, &QTabWidget::currentChanged, this, &CPrefsSheet::OnPageChanged);
}

CPrefsSheet::~CPrefsSheet() = default;

CPrefsPage* CPrefsSheet::Page(int nIndex) const
{
    return static_cast<CPrefsPage*>(m_pTabs->widget(nIndex));
}

void CPrefsSheet::ShowPage(int nIndex)
{
    m_bSwitching = true;
    m_pTabs->setCurrentIndex(nIndex);
    m_bSwitching = false;
    m_nCurrent = nIndex;
}

void CPrefsSheet::OnPageChanged(int nIndex)
{
    if (m_bSwitching || nIndex == m_nCurrent)
        return;
    // The page being left must hold good values before another is shown.
    const int nLeaving = m_nCurrent;
    ShowPage(nLeaving);
    if (!Page(nLeaving)->SaveControls())
        return;
    Page(nIndex)->LoadControls();
    ShowPage(nIndex);
}

void CPrefsSheet::OnOk()
{
    if (!Page(m_nCurrent)->SaveControls())
        return;
    // Every build runs the JDK's javac: a folder without one must not slip in unnoticed.
    if (m_values.m_strJavaBin != m_strJavaBinAtStart && !CJdkCandidates::HasJavac(m_values.m_strJavaBin)) {
        const QString strText = QString::fromStdString(CJdkCandidates::MissingJavacText(m_values.m_strJavaBin));
        if (m_prompts.MessageBox(this, strText, CPromptService::kYesNo, CPromptService::kIconWarning) !=
            CPromptService::kAnswerYes) {
            Page(kIDEPage)->LoadControls();
            ShowPage(kIDEPage);
            m_pIDEPage->JdkEdit()->setFocus(Qt::OtherFocusReason);
            m_pIDEPage->JdkEdit()->selectAll();
            return;
        }
    }
    accept();
}
