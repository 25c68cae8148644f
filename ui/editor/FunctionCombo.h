#pragma once

#include <QComboBox>

// The drop-down of a Java window's function bar. It tells its owner before
// the list opens, so the outline can be rebuilt first.
class CFunctionCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CFunctionCombo(QWidget* pParent = nullptr);

    void showPopup() override;

signals:
    void DroppingDown();
};
