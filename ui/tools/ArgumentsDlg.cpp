#include "ui/tools/ArgumentsDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CArgumentsDlg::CArgumentsDlg(QWidget* pParent) : QDialog(pParent), m_pEdit(new QLineEdit(this))
{
    setWindowTitle("Arguments");
    setObjectName("ArgumentsDlg");
    m_pEdit->setObjectName("Arguments");
    m_pEdit->setMinimumWidth(320);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel("Enter the arguments to pass to your program:", this));
    pLayout->addWidget(m_pEdit);
    pLayout->addWidget(pButtons);
}

QString CArgumentsDlg::Arguments() const
{
    return m_pEdit->text();
}
