#include "ui/editor/java/FunctionCombo.h"

#include <QAbstractItemView>
#include <QStringListModel>

CFunctionCombo::CFunctionCombo(QWidget* pParent) : QComboBox(pParent), m_pEntries(new QStringListModel(this))
{
    // A plain list pop-up: styles that open a menu-like one ignore the
    // number of rows and fill the screen with a long outline. Set before
    // the list is made, as the pop-up's kind is chosen then.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setModel(m_pEntries);
    setObjectName(QStringLiteral("functionList"));
    // Entries keep the order of the file.
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(40);
    // A list of so many rows with a scroll bar, however long the outline.
    setMaxVisibleItems(kVisibleEntries);
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
