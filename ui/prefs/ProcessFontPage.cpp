#include "ui/prefs/ProcessFontPage.h"

#include "core/settings/Settings.h"
#include "ui/prefs/FontFamilyList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

CProcessFontPage::CProcessFontPage(CPromptService& prompts, CPreferencesValues& values, const CFontFamilyList& fonts,
                                   QWidget* pParent)
    : CPrefsPage(prompts, values, pParent)
{
    setObjectName("ProcessFontPage");

    auto* pFontGroup = new QGroupBox("Font", this);
    m_pFace = new QComboBox(pFontGroup);
    m_pFace->setObjectName("ProcessFace");
    m_pFace->setMinimumContentsLength(20);
    fonts.Fill(m_pFace);
    m_pSize = MakeNumberEdit(pFontGroup, "ProcessSize");
    auto* pFontLayout = new QGridLayout(pFontGroup);
    pFontLayout->addWidget(new QLabel("Process Window Font:", pFontGroup), 0, 0);
    pFontLayout->addWidget(m_pFace, 0, 1);
    pFontLayout->addWidget(new QLabel("Font size (points):", pFontGroup), 1, 0);
    pFontLayout->addWidget(m_pSize, 1, 1, Qt::AlignLeft);
    pFontLayout->setColumnStretch(1, 1);

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
    pLayout->addWidget(pFontGroup);
    pLayout->addLayout(pNoteLayout);
    pLayout->addStretch(1);

    connect(m_pFace, &QComboBox::activated, this,
            [this](int nIndex) { m_values.m_strDlgFontName = m_pFace->itemText(nIndex).toStdString(); });
}

void CProcessFontPage::LoadControls()
{
    // A face this machine lacks selects nothing; the box still says which face is kept.
    m_pFace->setPlaceholderText(QString::fromStdString(m_values.m_strDlgFontName));
    CFontFamilyList::SelectFace(m_pFace, QString::fromStdString(m_values.m_strDlgFontName));
    m_pSize->setText(QString::number(m_values.m_nDlgFontPoints));
}

bool CProcessFontPage::SaveControls()
{
    int nPoints = 0;
    if (!CheckInteger(m_pSize, kMinFontSize / 10, kMaxFontSize / 10, nPoints))
        return false;
    m_values.m_nDlgFontPoints = nPoints;
    return true;
}
