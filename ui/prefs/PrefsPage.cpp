#include "ui/prefs/PrefsPage.h"

#include "core/settings/IntegerField.h"
#include "ui/framework/PromptService.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CPrefsPage::CPrefsPage(CPromptService& prompts, CPreferencesValues& values, QWidget* pParent)
    : QWidget(pParent), m_values(values), m_prompts(prompts)
{}

bool CPrefsPage::CheckInteger(QLineEdit* pEdit, int nMin, int nMax, int& nValue)
{
    int nChecked = 0;
    const CIntegerField::EResult eResult = CIntegerField::Check(pEdit->text().toStdString(), nMin, nMax, nChecked);
    if (eResult == CIntegerField::kValid) {
        nValue = nChecked;
        return true;
    }
    const std::string strText = eResult == CIntegerField::kNotInteger ? CIntegerField::NotIntegerText()
                                                                      : CIntegerField::OutOfRangeText(nMin, nMax);
    Prompts().MessageBox(pEdit->window(), QString::fromStdString(strText), CPromptService::kOk,
                         CPromptService::kIconWarning);
    // Back to the box with its text selected, ready to be typed over.
    pEdit->setFocus(Qt::OtherFocusReason);
    pEdit->selectAll();
    return false;
}

QLineEdit* CPrefsPage::MakeNumberEdit(QWidget* pParent, const QString& strObjectName)
{
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setObjectName(strObjectName);
    // Typing gives digits only; pasted text is still checked on leaving.
    pEdit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), pEdit));
    pEdit->setMaxLength(5);
    pEdit->setFixedWidth(pEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    return pEdit;
}
