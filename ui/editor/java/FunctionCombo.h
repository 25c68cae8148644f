#pragma once

#include <QComboBox>
#include <QStringList>

class QStringListModel;

// The drop-down of a Java window's function bar. It tells its owner before
// the list opens, so the outline can be rebuilt first.
class CFunctionCombo : public QComboBox {
    Q_OBJECT
public:
    explicit CFunctionCombo(QWidget* pParent = nullptr);

    // Replaces the entries, in order, selecting none.
    void SetEntries(const QStringList& entries);

    void showPopup() override;

    // Rows the open list shows at a time; more scroll.
    static constexpr int kVisibleEntries = 16;

signals:
    void DroppingDown();

private:
    // A plain list model: a file of 70,000 methods fills it at once.
    QStringListModel* m_pEntries;
};
