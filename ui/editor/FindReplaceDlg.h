#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The Find and the Replace dialog of the editors. The buttons ask the
// owner to act through the signals; the dialog only holds the choices.
class CFindReplaceDlg : public QDialog {
    Q_OBJECT
public:
    // What the last search looked for; Repeat (Ctrl+H) searches it again.
    struct CSearch {
        QString m_strFindWhat;
        QString m_strReplaceWith;
        bool m_bMatchCase = false;
        bool m_bWholeWord = false;
    };
    static CSearch& LastSearch();

    CFindReplaceDlg(bool bReplace, const QString& strFindWhat, QWidget* pParent);

    CSearch Search() const;
    QLineEdit* FindEdit() const { return m_pFindWhat; }
    QLineEdit* ReplaceEdit() const { return m_pReplaceWith; }

signals:
    void FindNext();
    void ReplaceOne();
    void ReplaceAll();

private:
    void Remember();

    QLineEdit* m_pFindWhat = nullptr;
    QLineEdit* m_pReplaceWith = nullptr;
    QCheckBox* m_pWholeWord = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
};
