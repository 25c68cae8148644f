#include "ui/editor/FunctionCombo.h"

CFunctionCombo::CFunctionCombo(QWidget* pParent) : QComboBox(pParent)
{
    setObjectName(QStringLiteral("functionList"));
    // Entries keep the order of the file.
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(40);
    setMaxVisibleItems(20);
}

void CFunctionCombo::showPopup()
{
    emit DroppingDown();
    QComboBox::showPopup();
}
