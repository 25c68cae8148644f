#pragma once

#include <QStringList>

class QComboBox;

// The font families a font page offers: every family the font database
// knows except the private ones, fixed-pitch families first.
class CFontFamilyList {
public:
    CFontFamilyList();

    const QStringList& Names() const { return m_names; }

    // Fills a font page's face box (sorted) with the names.
    void Fill(QComboBox* pCombo) const;
    // Selects the first entry that begins with strFace, ignoring case; with
    // none, the box is left without a selection. Returns the index or -1.
    static int SelectFace(QComboBox* pCombo, const QString& strFace);

private:
    QStringList m_names;
};
