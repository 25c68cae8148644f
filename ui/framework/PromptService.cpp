#include "ui/framework/PromptService.h"

#include <QPushButton>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

int CPromptService::MessageBox(QWidget* pParent, const QString& strText, EButtons buttons, EIcon icon,
                               const QString& strCaption)
{
    return ShowMessageBox(pParent, strText, buttons, IconFor(buttons, icon), strCaption);
}

CPromptService::EIcon CPromptService::IconFor(EButtons buttons, EIcon icon)
{
    if (icon != kIconNone)
        return icon;
    return buttons == kOk || buttons == kOkCancel ? kIconWarning : kIconQuestion;
}

int CPromptService::ShowMessageBox(QWidget* pParent, const QString& strText, EButtons buttons, EIcon icon,
                                   const QString& strCaption)
{
    QMessageBox box(pParent);
    box.setWindowTitle(strCaption.isEmpty() ? Caption() : strCaption);
    box.setText(strText);
    switch (icon) {
    case kIconInformation: box.setIcon(QMessageBox::Information); break;
    case kIconQuestion: box.setIcon(QMessageBox::Question); break;
    case kIconWarning: box.setIcon(QMessageBox::Warning); break;
    case kIconError: box.setIcon(QMessageBox::Critical); break;
    case kIconNone: break;
    }
    switch (buttons) {
    case kOk: box.setStandardButtons(QMessageBox::Ok); break;
    case kOkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case kYesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case kYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case kOverwriteReloadCancel: {
        QAbstractButton* pOverwrite = box.addButton(QStringLiteral("Overwrite"), QMessageBox::AcceptRole);
        QAbstractButton* pReload = box.addButton(QStringLiteral("Reload"), QMessageBox::DestructiveRole);
        box.setDefaultButton(box.addButton(QMessageBox::Cancel));
        box.exec();
        if (box.clickedButton() == pOverwrite)
            return kAnswerOverwrite;
        return box.clickedButton() == pReload ? kAnswerReload : kAnswerCancel;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return kAnswerOk;
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    default: return kAnswerCancel;
    }
}

QString CPromptService::GetOpenFileName(QWidget* pParent, const QString& strTitle, const QString& strFilter,
                                        const QString& strStartFolder)
{
    return QFileDialog::getOpenFileName(pParent, strTitle, strStartFolder, strFilter);
}

QStringList CPromptService::GetOpenFileNames(QWidget* pParent, const QString& strTitle, const QString& strFilter,
                                             const QString& strStartFolder)
{
    return QFileDialog::getOpenFileNames(pParent, strTitle, strStartFolder, strFilter);
}

QString CPromptService::GetSaveFileName(QWidget* pParent, const QString& strTitle, const QString& strFilter,
                                        const QString& strDefaultName, const QString& strStartFolder)
{
    const QString strStart = strStartFolder.isEmpty() ? strDefaultName : QDir(strStartFolder).filePath(strDefaultName);
    return QFileDialog::getSaveFileName(pParent, strTitle, strStart, strFilter);
}

int CPromptService::RunDialog(QDialog& dialog)
{
    return dialog.exec();
}

bool CPromptService::OpenUrl(const QString& strUrl)
{
    QUrl url(strUrl);
    if (url.scheme().isEmpty())
        url = QUrl::fromLocalFile(strUrl);
    return QDesktopServices::openUrl(url);
}

QColor CPromptService::GetColor(QWidget* pParent, const QColor& initial)
{
    return QColorDialog::getColor(initial, pParent);
}

QString CPromptService::GetExistingFolder(QWidget* pParent, const QString& strTitle, const QString& strStartFolder)
{
    return QFileDialog::getExistingDirectory(pParent, strTitle, strStartFolder);
}
