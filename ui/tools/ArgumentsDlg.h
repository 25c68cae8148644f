#pragma once

#include <QDialog>

class QLineEdit;

// "Arguments": asks for the words to pass to the program before a run.
class CArgumentsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CArgumentsDlg(QWidget* pParent = nullptr);
    QString Arguments() const;

private:
    QLineEdit* m_pEdit;
};
