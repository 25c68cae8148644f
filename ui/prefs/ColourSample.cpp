#include "ui/prefs/ColourSample.h"

CColourSample::CColourSample(const QString& strObjectName, QWidget* pParent) : QLineEdit(pParent)
{
    setObjectName(strObjectName);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("public static final int")) + 24);
}

void CColourSample::SetColour(COLORREF crColour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, ToQColor(crColour));
    palette.setColor(QPalette::Base, Qt::white);
    setPalette(palette);
}

QColor CColourSample::Colour() const
{
    return palette().color(QPalette::Text);
}

QColor CColourSample::ToQColor(COLORREF crColour)
{
    return QColor(static_cast<int>(crColour & 0xFF), static_cast<int>((crColour >> 8) & 0xFF),
                  static_cast<int>((crColour >> 16) & 0xFF));
}

COLORREF CColourSample::FromQColor(const QColor& colour)
{
    return static_cast<COLORREF>(colour.red()) | (static_cast<COLORREF>(colour.green()) << 8) |
           (static_cast<COLORREF>(colour.blue()) << 16);
}
