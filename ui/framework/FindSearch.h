#pragma once

#include <QString>

// What a Find or Replace in an editor looks for.
struct CFindSearch {
    QString m_strFindWhat;
    QString m_strReplaceWith;
    bool m_bMatchCase = false;
    bool m_bWholeWord = false;
};
