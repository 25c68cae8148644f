#include "ui/editor/FunctionCombo.h"

#include <QStringListModel>

CFunctionCombo::CFunctionCombo(QWidget* pParent) : QComboBox(pParent), m_pEntries(new QStringListModel(this))
{
    setModel(m_pEntries);
    setObjectName(QStringLiteral("functionList"));
    // Entries keep the order of the file.
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(40);
    setMaxVisibleItems(20);
}

void CFunctionCombo::SetEntries(const QStringList& entries)
{
    m_pEntries->setStringList(entries);
    // Filling the list selects nothing, as a fresh drop-down list shows.
    setCurrentIndex(-1);
}

void CFunctionCombo::showPopup()
{
    emit DroppingDown();
    QComboBox::showPopup();
}
