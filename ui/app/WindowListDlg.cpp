#include "ui/app/WindowListDlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

CWindowListDlg::CWindowListDlg(const QStringList& titles, int nCurrent, QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle("Select Window");
    setObjectName("WindowListDlg");
    m_pList = new QListWidget(this);
    m_pList->setObjectName("WindowList");
    m_pList->addItems(titles);
    m_pList->setCurrentRow(nCurrent);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double-click picks the window as OK does.
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pList);
    pLayout->addWidget(pButtons);
    resize(320, 240);
}

int CWindowListDlg::Chosen() const
{
    return m_pList->currentRow();
}
