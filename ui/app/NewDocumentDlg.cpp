#include "ui/app/NewDocumentDlg.h"

#include "ui/app/DialogPictures.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

CNewDocumentDlg::CNewDocumentDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle("New Tarnwick Document");
    setObjectName("NewDocumentDlg");

    m_pList = new QListWidget(this);
    m_pList->setObjectName("KindList");
    m_pList->setViewMode(QListView::IconMode);
    m_pList->setIconSize(QSize(32, 32));
    m_pList->setGridSize(QSize(104, 64));
    m_pList->setMovement(QListView::Static);
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setWordWrap(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setMinimumSize(QSize(336, 150));
    const char* const kNames[] = {"Java Source File", "Tarnwick Project", "HTML Page"};
    for (int i = 0; i < 3; ++i)
        m_pList->addItem(new QListWidgetItem(QIcon(NewDocumentImage(i)), kNames[i]));
    // The first kind is chosen at the start, so Enter or OK makes a Java source.
    m_pList->setCurrentRow(kJavaSource);

    auto* pButtons = new QDialogButtonBox(Qt::Vertical, this);
    m_pOk = pButtons->addButton(QDialogButtonBox::Ok);
    m_pOk->setDefault(true);
    QPushButton* pCancel = pButtons->addButton(QDialogButtonBox::Cancel);
    connect(m_pOk, &QPushButton::clicked, this, &CNewDocumentDlg::OnOk);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CNewDocumentDlg::OnDoubleClicked);

    auto* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(m_pList, 1);
    pLayout->addWidget(pButtons);
}

void CNewDocumentDlg::OnOk()
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty())
        return;
    m_nKind = m_pList->row(selected.front());
    accept();
}

void CNewDocumentDlg::OnDoubleClicked(QListWidgetItem* pItem)
{
    pItem->setSelected(true);
    OnOk();
}
