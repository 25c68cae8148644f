#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

// Shows a project file's name and full path, read-only.
class CFilePropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CFilePropertiesDlg(const QString& strFileName, const QString& strFullPath, QWidget* pParent = nullptr);

    QString FileName() const;
    QString FullPath() const;

private:
    QLineEdit* m_pFileName;
    QPlainTextEdit* m_pFullPath;
};
