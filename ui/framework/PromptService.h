#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every message box and file prompt goes through here, so tests can read
// what the program asked and answer it.
class CPromptService {
public:
    enum EButtons { kOk, kOkCancel, kYesNoCancel, kYesNo };
    enum EAnswer { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };
    enum EIcon { kIconNone, kIconInformation, kIconQuestion, kIconWarning, kIconError };

    virtual ~CPromptService() = default;

    // strCaption empty: the program's name.
    virtual int MessageBox(QWidget* pParent, const QString& strText, EButtons buttons = kOk, EIcon icon = kIconNone,
                           const QString& strCaption = QString());
    // An empty string when the user cancels.
    virtual QString GetOpenFileName(QWidget* pParent, const QString& strTitle, const QString& strFilter);
    virtual QStringList GetOpenFileNames(QWidget* pParent, const QString& strTitle, const QString& strFilter);
    virtual QString GetSaveFileName(QWidget* pParent, const QString& strTitle, const QString& strFilter,
                                    const QString& strDefaultName);
    // Runs a modal dialog; returns QDialog::Accepted or Rejected.
    virtual int RunDialog(QDialog& dialog);
    // Opens a URL or file with the desktop's handler.
    virtual bool OpenUrl(const QString& strUrl);

    // The caption of every message box.
    static QString Caption() { return QStringLiteral("Tarnwick"); }
};

// The service in force; the real one unless a test installed another.
CPromptService& Prompts();
// Installs a service (nullptr restores the real one); the caller keeps ownership.
void SetPrompts(CPromptService* pService);
