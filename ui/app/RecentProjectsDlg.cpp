#include "ui/app/RecentProjectsDlg.h"

#include "core/settings/RecentProjects.h"
#include "ui/framework/PromptService.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CRecentProjectsDlg::CRecentProjectsDlg(CPromptService& prompts, std::vector<std::string>& recentProjects,
                                       QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts), m_recentProjects(recentProjects)
{
    setWindowTitle("Recent Projects");
    setObjectName("RecentProjectsDlg");

    m_pList = new QListWidget(this);
    m_pList->setObjectName("RecentList");
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setMinimumWidth(420);
    for (const std::string& strPath : m_recentProjects)
        m_pList->addItem(QString::fromStdString(strPath));
    auto* pNote = new QLabel("Choose a recent project from the list above", this);

    // OK and Cancel at the top, Remove under them.
    m_pOk = new QPushButton("OK", this);
    m_pOk->setDefault(true);
    auto* pCancel = new QPushButton("Cancel", this);
    m_pRemove = new QPushButton("Remove", this);
    m_pRemove->setObjectName("Remove");
    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(m_pOk);
    pButtons->addWidget(pCancel);
    pButtons->addSpacing(12);
    pButtons->addWidget(m_pRemove);
    pButtons->addStretch(1);
    connect(m_pOk, &QPushButton::clicked, this, &CRecentProjectsDlg::OnOk);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_pRemove, &QPushButton::clicked, this, &CRecentProjectsDlg::OnRemove);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, &CRecentProjectsDlg::UpdateOk);
    // Double-clicks on empty space too, where no item reports them.
    m_pList->viewport()->installEventFilter(this);

    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(m_pList, 0, 0);
    pLayout->addWidget(pNote, 1, 0);
    pLayout->addLayout(pButtons, 0, 1, 2, 1);

    if (m_pList->count() > 0)
        m_pList->setCurrentRow(0);
    m_pList->setFocus();
    UpdateOk();
}

bool CRecentProjectsDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The press before it has already selected the line under the mouse.
    if (pWatched == m_pList->viewport() && pEvent->type() == QEvent::MouseButtonDblClick)
        OnDoubleClick();
    return QDialog::eventFilter(pWatched, pEvent);
}

void CRecentProjectsDlg::OnDoubleClick()
{
    if (m_pList->selectedItems().isEmpty()) {
        m_prompts.MessageBox(this, ChooseItemText);
        return;
    }
    OnOk();
}

void CRecentProjectsDlg::OnOk()
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    // OK stays disabled without a line; an empty path could only fail.
    if (selected.isEmpty())
        return;
    m_strPath = selected.front()->text();
    accept();
}

void CRecentProjectsDlg::OnRemove()
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty())
        return;
    QListWidgetItem* pItem = selected.front();
    if (RemoveRecentProject(m_recentProjects, pItem->text().toStdString()))
        m_bRemoved = true;
    delete m_pList->takeItem(m_pList->row(pItem));
    m_pList->clearSelection();
    m_pList->setCurrentRow(-1);
    UpdateOk();
}

void CRecentProjectsDlg::UpdateOk()
{
    m_pOk->setEnabled(!m_pList->selectedItems().isEmpty());
}
