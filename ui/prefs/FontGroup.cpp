#include "ui/prefs/FontGroup.h"

#include "ui/prefs/FontFamilyList.h"
#include "ui/prefs/PrefsPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

CFontGroup::CFontGroup(const QString& strFaceLabel, const QString& strName, const CFontFamilyList& fonts,
                       std::string& strFace, QWidget* pParent)
    : QGroupBox("Font", pParent), m_strFace(strFace)
{
    m_pFace = new QComboBox(this);
    m_pFace->setObjectName(strName + "Face");
    m_pFace->setMinimumContentsLength(20);
    fonts.Fill(m_pFace);
    m_pSize = CPrefsPage::MakeNumberEdit(this, strName + "Size");
    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(new QLabel(strFaceLabel, this), 0, 0);
    pLayout->addWidget(m_pFace, 0, 1);
    pLayout->addWidget(new QLabel("Font size (points):", this), 1, 0);
    pLayout->addWidget(m_pSize, 1, 1, Qt::AlignLeft);
    pLayout->setColumnStretch(1, 1);

    connect(m_pFace, &QComboBox::activated, this,
            [this](int nIndex) { m_strFace = m_pFace->itemText(nIndex).toStdString(); });
}

void CFontGroup::LoadControls(int nPoints)
{
    // A face this machine lacks selects nothing; the box still says which face is kept.
    m_pFace->setPlaceholderText(QString::fromStdString(m_strFace));
    CFontFamilyList::SelectFace(m_pFace, QString::fromStdString(m_strFace));
    m_pSize->setText(QString::number(nPoints));
}
