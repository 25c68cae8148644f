#include "ui/prefs/FontFamilyList.h"

#include <QComboBox>
#include <QFontDatabase>

CFontFamilyList::CFontFamilyList()
{
    QStringList proportional;
    for (const QString& strFamily : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(strFamily))
            continue;
        if (QFontDatabase::isFixedPitch(strFamily))
            m_names << strFamily;
        else
            proportional << strFamily;
    }
    m_names << proportional;
}

void CFontFamilyList::Fill(QComboBox* pCombo) const
{
    QStringList sorted = m_names;
    sorted.sort(Qt::CaseInsensitive);
    pCombo->clear();
    pCombo->addItems(sorted);
    pCombo->setCurrentIndex(-1);
}

int CFontFamilyList::SelectFace(QComboBox* pCombo, const QString& strFace)
{
    for (int i = 0; i < pCombo->count(); ++i) {
        if (pCombo->itemText(i).startsWith(strFace, Qt::CaseInsensitive)) {
            pCombo->setCurrentIndex(i);
            return i;
        }
    }
    pCombo->setCurrentIndex(-1);
    return -1;
}
