#include "ui/editor/GoToLineDlg.h"

#include "core/editor/GoToLine.h"
#include "ui/framework/PromptService.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CGoToLineDlg::CGoToLineDlg(std::size_t nLineCount, std::size_t nCurrentLine, CPromptService& prompts, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts), m_nLineCount(nLineCount)
{
    setWindowTitle(QStringLiteral("Go to Line"));
    setObjectName(QStringLiteral("GoToLineDlg"));
    auto* pLayout = new QVBoxLayout(this);
    auto* pLabel = new QLabel(QString::fromStdString(CGoToLine::Label(nLineCount)));
    pLabel->setObjectName(QStringLiteral("lineLabel"));
    m_pNumber = new QLineEdit(QString::number(nCurrentLine + 1));
    m_pNumber->setObjectName(QStringLiteral("lineNumber"));
    m_pNumber->selectAll();
    pLabel->setBuddy(m_pNumber);
    pLayout->addWidget(pLabel);
    pLayout->addWidget(m_pNumber);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pLayout->addWidget(pButtons);
    setSizeGripEnabled(false);
    setMinimumWidth(260);
}

void CGoToLineDlg::accept()
{
    std::optional<std::size_t> line = CGoToLine::Parse(m_pNumber->text().toStdString(), m_nLineCount);
    if (!line) {
        m_prompts.MessageBox(this, QString::fromStdString(CGoToLine::RangeMessage(m_nLineCount)));
        m_pNumber->setFocus();
        m_pNumber->selectAll();
        return;
    }
    m_nLine = *line;
    QDialog::accept();
}
