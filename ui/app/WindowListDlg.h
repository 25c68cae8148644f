#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// "Select Window": every open window by title, for the Window menu's
// "More Windows..." when the menu lists only the first nine.
class CWindowListDlg : public QDialog {
    Q_OBJECT
public:
    CWindowListDlg(const QStringList& titles, int nCurrent, QWidget* pParent = nullptr);

    // The chosen window's index in the list, -1 for none.
    int Chosen() const;

private:
    QListWidget* m_pList = nullptr;
};
