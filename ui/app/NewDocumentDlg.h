#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// "New Tarnwick Document": which kind of document File New makes. The first
// kind is chosen at first; OK does nothing while none is.
class CNewDocumentDlg : public QDialog {
    Q_OBJECT
public:
    enum EKind { kJavaSource = 0, kProject = 1, kHtmlPage = 2 };

    explicit CNewDocumentDlg(QWidget* pParent = nullptr);

    // The chosen kind once the dialog ended with OK; -1 before.
    int Kind() const { return m_nKind; }
    QListWidget* KindList() const { return m_pList; }
    QPushButton* OkButton() const { return m_pOk; }

private:
    void OnOk();
    void OnDoubleClicked(QListWidgetItem* pItem);

    QListWidget* m_pList;
    QPushButton* m_pOk;
    int m_nKind = -1;
};
