#pragma once

#include "core/settings/Settings.h"

#include <QColor>
#include <QLineEdit>

// A read-only line of sample text drawn in one syntax colour.
class CColourSample : public QLineEdit {
    Q_OBJECT
public:
    CColourSample(const QString& strObjectName, QWidget* pParent);

    void SetColour(COLORREF crColour);
    QColor Colour() const;

    // Colours are stored as 0x00BBGGRR.
    static QColor ToQColor(COLORREF crColour);
    static COLORREF FromQColor(const QColor& colour);
};
