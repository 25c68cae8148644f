#pragma once

#include "ui/framework/FindSearch.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The Find and the Replace dialog of the editors. The buttons ask the
// owner to act through the signals; the dialog only holds the choices.
class CFindReplaceDlg : public QDialog {
    Q_OBJECT
public:
    // Starts from lastSearch (strFindWhat, when given, replaces its text)
    // and stores the choices back there whenever a button acts on them.
    CFindReplaceDlg(bool bReplace, const QString& strFindWhat, CFindSearch& lastSearch, QWidget* pParent);

    CFindSearch Search() const;

signals:
    void FindNext();
    // Shift+Enter: the dialog has no direction of its own.
    void FindPrevious();
    void ReplaceOne();
    void ReplaceAll();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void Remember();

    CFindSearch& m_lastSearch;
    QLineEdit* m_pFindWhat = nullptr;
    QLineEdit* m_pReplaceWith = nullptr;
    QCheckBox* m_pWholeWord = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
};
