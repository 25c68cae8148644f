#include "ui/app/NewProjectDlg.h"

#include "ui/framework/PromptService.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CNewProjectDlg::CNewProjectDlg(CPromptService& prompts, QWidget* pParent) : QDialog(pParent), m_prompts(prompts)
{
    setWindowTitle("New Project");
    setObjectName("NewProjectDlg");

    auto* pNameLabel = new QLabel("Class name (for main class)", this);
    m_pClassName = new QLineEdit(this);
    m_pClassName->setObjectName("ClassName");
    pNameLabel->setBuddy(m_pClassName);

    auto* pGroup = new QGroupBox("New Project Type", this);
    auto* pGroupLayout = new QVBoxLayout(pGroup);
    const char* const kTypeNames[] = {"Empty Project", "Application Project", "Applet Project"};
    for (int i = 0; i < 3; ++i) {
        m_pTypes[i] = new QRadioButton(kTypeNames[i], pGroup);
        pGroupLayout->addWidget(m_pTypes[i]);
    }

    auto* pButtons = new QDialogButtonBox(Qt::Vertical, this);
    m_pOk = pButtons->addButton(QDialogButtonBox::Ok);
    m_pOk->setDefault(true);
    QPushButton* pCancel = pButtons->addButton(QDialogButtonBox::Cancel);
    connect(m_pOk, &QPushButton::clicked, this, &CNewProjectDlg::OnOk);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(pNameLabel, 0, 0);
    pLayout->addWidget(m_pClassName, 1, 0);
    pLayout->addWidget(pGroup, 2, 0);
    pLayout->addWidget(pButtons, 0, 1, 3, 1, Qt::AlignTop);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    SetClassName(CNewProject::DefaultClassName);
    SetProjectType(ENewProjectType::Empty);
}

void CNewProjectDlg::SetClassName(const QString& strName)
{
    m_strClassName = strName;
    m_pClassName->setText(strName);
    // The name is selected and has the focus, so typing replaces it.
    m_pClassName->selectAll();
    m_pClassName->setFocus();
}

void CNewProjectDlg::SetProjectType(ENewProjectType eType)
{
    m_eType = eType;
    m_pTypes[static_cast<int>(eType)]->setChecked(true);
}

QRadioButton* CNewProjectDlg::TypeButton(ENewProjectType eType) const
{
    return m_pTypes[static_cast<int>(eType)];
}

ENewProjectType CNewProjectDlg::CheckedType() const
{
    for (int i = 0; i < 3; ++i)
        if (m_pTypes[i]->isChecked())
            return static_cast<ENewProjectType>(i);
    return ENewProjectType::Empty;
}

void CNewProjectDlg::OnOk()
{
    const QString strName = m_pClassName->text();
    const ENewProjectType eType = CheckedType();
    const std::string strRefusal = CNewProject::CheckClassName(eType, strName.toStdString());
    if (!strRefusal.empty()) {
        m_prompts.MessageBox(this, QString::fromStdString(strRefusal), CPromptService::kOk,
                             CPromptService::kIconWarning);
        if (strName.isEmpty())
            m_pClassName->setText(CNewProject::DefaultClassName);
        m_pClassName->selectAll();
        m_pClassName->setFocus();
        return;
    }
    m_strClassName = strName;
    m_eType = eType;
    accept();
}
