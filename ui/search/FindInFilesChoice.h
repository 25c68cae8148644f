#pragma once

#include <QString>

// What the Find in Files dialog asks for; the application keeps the last
// one to start the next dialog from.
struct CFindInFilesChoice {
    QString m_strText;
    bool m_bRegex = false;
    bool m_bMatchCase = false;
    bool m_bWholeWord = false;
    bool m_bProjectFiles = true; // else the folder
    QString m_strFolder;
    QString m_strPatterns = QStringLiteral("*.java;*.html");
};
