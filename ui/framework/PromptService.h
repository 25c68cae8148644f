#pragma once

#include <QString>
#include <QStringList>

class QColor;
class QDialog;
class QWidget;

// Every message box and file prompt goes through here, so tests can read
// what the program asked and answer it. The application is handed one and
// passes it on to its windows and dialogs.
class CPromptService {
public:
    // kOverwriteReloadCancel: a file changed both here and on disk; its
    // answers are kAnswerOverwrite, kAnswerReload and kAnswerCancel.
    enum EButtons { kOk, kOkCancel, kYesNoCancel, kYesNo, kOverwriteReloadCancel };
    enum EAnswer {
        kAnswerOk = 1,
        kAnswerCancel = 2,
        kAnswerYes = 6,
        kAnswerNo = 7,
        kAnswerOverwrite = 101,
        kAnswerReload = 102
    };
    enum EIcon { kIconNone, kIconInformation, kIconQuestion, kIconWarning, kIconError };

    virtual ~CPromptService() = default;

    // strCaption empty: the program's name. A box given no icon gets the
    // one its buttons call for (IconFor).
    int MessageBox(QWidget* pParent, const QString& strText, EButtons buttons = kOk, EIcon icon = kIconNone,
                   const QString& strCaption = QString());
    // The icon a box shows: the one given, else a warning for OK and
    // OK/Cancel boxes and a question for Yes/No ones, as the framework's
    // message boxes do.
    static EIcon IconFor(EButtons buttons, EIcon icon);
    // An empty string when the user cancels. The dialogs start in
    // strStartFolder when one is given, else where the toolkit starts them.
    virtual QString GetOpenFileName(QWidget* pParent, const QString& strTitle, const QString& strFilter,
                                    const QString& strStartFolder = QString());
    virtual QStringList GetOpenFileNames(QWidget* pParent, const QString& strTitle, const QString& strFilter,
                                         const QString& strStartFolder = QString());
    virtual QString GetSaveFileName(QWidget* pParent, const QString& strTitle, const QString& strFilter,
                                    const QString& strDefaultName, const QString& strStartFolder = QString());
    // Runs a modal dialog; returns QDialog::Accepted or Rejected.
    virtual int RunDialog(QDialog& dialog);
    // Opens a URL or file with the desktop's handler.
    virtual bool OpenUrl(const QString& strUrl);
    // The colour chooser, fully open, starting at initial; an invalid colour when the user cancels.
    virtual QColor GetColor(QWidget* pParent, const QColor& initial);
    // The folder browser, starting in strStartFolder when it is one; empty when the user cancels.
    virtual QString GetExistingFolder(QWidget* pParent, const QString& strTitle, const QString& strStartFolder);

    // The caption of every message box.
    static QString Caption() { return QStringLiteral("Tarnwick"); }

protected:
    // Shows the box with its icon decided.
    virtual int ShowMessageBox(QWidget* pParent, const QString& strText, EButtons buttons, EIcon icon,
                               const QString& strCaption);
};
