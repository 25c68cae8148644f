#include "ui/prefs/ProcessFontPage.h"

#include "core/settings/Settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

CProcessFontPage::CProcessFontPage(CPromptService& prompts, CPreferencesValues& values, const CFontFamilyList& fonts,
                                   QWidget* pParent)
    : CPrefsPage(prompts, values, pParent)
{
    setObjectName("ProcessFontPage");

    m_pFontGroup = new CFontGroup("Process Window Font:", "Process", fonts, m_values.m_strDlgFontName, this);

    auto* pPicture = new QLabel(this);
    pPicture->setObjectName("ProcessPicture");
    pPicture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* pNote = new QLabel(kReopenNote, this);
    pNote->setObjectName("ReopenNote");
    pNote->setWordWrap(true);
    auto* pNoteLayout = new QHBoxLayout;
    pNoteLayout->addWidget(pPicture, 0, Qt::AlignTop);
    pNoteLayout->addWidget(pNote, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pFontGroup);
    pLayout->addLayout(pNoteLayout);
    pLayout->addStretch(1);
}

void CProcessFontPage::LoadControls()
{
    m_pFontGroup->LoadControls(m_values.m_nDlgFontPoints);
}

bool CProcessFontPage::SaveControls()
{
    int nPoints = 0;
    if (!CheckInteger(m_pFontGroup->SizeEdit(), kMinFontSize / 10, kMaxFontSize / 10, nPoints))
        return false;
    m_values.m_nDlgFontPoints = nPoints;
    return true;
}
