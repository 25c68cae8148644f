#pragma once

#include "ui/framework/PromptService.h"

#include <QColor>
#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

// Answers message boxes and file prompts from queues and remembers what was
// asked. Handed to the application, or to the dialog, under test.
class CScriptedPrompts : public CPromptService {
public:
    int ShowMessageBox(QWidget*, const QString& strText, EButtons buttons, EIcon icon,
                       const QString& strCaption) override
    {
        m_messages << strText;
        m_icons << icon;
        m_captions << (strCaption.isEmpty() ? Caption() : strCaption);
        if (!m_answers.empty()) {
            int nAnswer = m_answers.front();
            m_answers.pop_front();
            return nAnswer;
        }
        return buttons == kOk || buttons == kOkCancel ? kAnswerOk : kAnswerYes;
    }
    QString GetOpenFileName(QWidget*, const QString& strTitle, const QString& strFilter,
                            const QString& strStartFolder) override
    {
        m_fileStarts << strStartFolder;
        m_fileTitles << strTitle;
        m_fileFilters << strFilter;
        return NextFileName();
    }
    QStringList GetOpenFileNames(QWidget*, const QString& strTitle, const QString& strFilter,
                                 const QString& strStartFolder) override
    {
        m_fileStarts << strStartFolder;
        m_fileTitles << strTitle;
        m_fileFilters << strFilter;
        QString strName = NextFileName();
        return strName.isEmpty() ? QStringList() : strName.split('|');
    }
    QString GetSaveFileName(QWidget*, const QString& strTitle, const QString& strFilter, const QString& strDefaultName,
                            const QString& strStartFolder) override
    {
        m_fileStarts << strStartFolder;
        m_fileTitles << strTitle;
        m_fileFilters << strFilter;
        m_saveDefaults << strDefaultName;
        return NextFileName();
    }
    int RunDialog(QDialog& dialog) override
    {
        m_dialogTitles << dialog.windowTitle();
        if (m_onDialog)
            return m_onDialog(dialog);
        return QDialog::Rejected;
    }
    bool OpenUrl(const QString& strUrl) override
    {
        m_openedUrls << strUrl;
        return m_bOpenUrlWorks;
    }

    QColor GetColor(QWidget*, const QColor& initial) override
    {
        m_colorInitials << initial;
        if (m_colors.empty())
            return QColor();
        QColor chosen = m_colors.front();
        m_colors.pop_front();
        return chosen;
    }
    QString GetExistingFolder(QWidget*, const QString& strTitle, const QString& strStartFolder) override
    {
        m_folderTitles << strTitle;
        m_folderStarts << strStartFolder;
        if (m_folderNames.empty())
            return QString();
        QString strFolder = m_folderNames.front();
        m_folderNames.pop_front();
        return strFolder;
    }

    std::deque<int> m_answers;
    std::deque<QString> m_fileNames;
    std::function<int(QDialog&)> m_onDialog;
    QStringList m_messages;
    QStringList m_captions;
    QList<int> m_icons; // the icon each box was shown with
    QStringList m_fileTitles;
    QStringList m_fileFilters;
    QStringList m_fileStarts; // the folder each file prompt was to start in
    QStringList m_saveDefaults;
    QStringList m_dialogTitles;
    QStringList m_openedUrls;
    // Colour chooser answers (an empty queue cancels) and the colours it started at.
    std::deque<QColor> m_colors;
    QList<QColor> m_colorInitials;
    // Folder browser answers (an empty queue cancels), its titles and start folders.
    std::deque<QString> m_folderNames;
    QStringList m_folderTitles;
    QStringList m_folderStarts;
    // False: as if no browser could be started.
    bool m_bOpenUrlWorks = true;

private:
    QString NextFileName()
    {
        if (m_fileNames.empty())
            return QString();
        QString strName = m_fileNames.front();
        m_fileNames.pop_front();
        return strName;
    }
};
