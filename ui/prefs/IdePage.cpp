#include "ui/prefs/IdePage.h"

#include "ui/framework/PromptService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* MakeBrowseButton(QWidget* pParent, const QString& strObjectName)
{
    auto* pButton = new QPushButton(QStringLiteral("..."), pParent);
    pButton->setObjectName(strObjectName);
    pButton->setFixedWidth(pButton->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 20);
    pButton->setAutoDefault(false);
    return pButton;
}
} // namespace

CIDEPage::CIDEPage(CPromptService& prompts, CPreferencesValues& values, std::vector<CJdkCandidate> jdks,
                   QWidget* pParent)
    : CPrefsPage(prompts, values, pParent), m_jdks(std::move(jdks))
{
    setObjectName("IDEPage");
    m_pSaveComp = new QCheckBox("Save all files before compiling", this);
    m_pSaveComp->setObjectName("SaveComp");
    m_pLoadLast = new QCheckBox("Load last open project on startup", this);
    m_pLoadLast->setObjectName("LoadLast");

    auto* pJdkGroup = new QGroupBox("JDK Location", this);
    m_pJdkEdit = new QLineEdit(pJdkGroup);
    m_pJdkEdit->setObjectName("JdkFolder");
    m_pJdkBrowse = MakeBrowseButton(pJdkGroup, "JdkBrowse");
    m_pJdkList = new QComboBox(pJdkGroup);
    m_pJdkList->setObjectName("JdkList");
    for (const CJdkCandidate& jdk : m_jdks)
        m_pJdkList->addItem(QString::fromStdString(CJdkCandidates::DisplayText(jdk)),
                            QString::fromStdString(jdk.m_strFolder));
    m_pJdkList->setPlaceholderText(m_jdks.empty() ? "No JDK found on this machine"
                                                  : "Pick a JDK found on this machine");
    m_pJdkList->setEnabled(!m_jdks.empty());
    auto* pJdkLayout = new QGridLayout(pJdkGroup);
    pJdkLayout->addWidget(new QLabel("Enter the full path to the JDK folder on your hard drive:", pJdkGroup), 0, 0, 1,
                          2);
    pJdkLayout->addWidget(m_pJdkEdit, 1, 0);
    pJdkLayout->addWidget(m_pJdkBrowse, 1, 1);
    pJdkLayout->addWidget(m_pJdkList, 2, 0, 1, 2);

    m_pShowArgs = new QCheckBox("Ask for input before running Applications", this);
    m_pShowArgs->setObjectName("ShowArgs");
    m_pBuildBeforeRun = new QCheckBox("Build before running", this);
    m_pBuildBeforeRun->setObjectName("BuildBeforeRun");

    auto* pHelpGroup = new QGroupBox("Help path", this);
    m_pHelpEdit = new QLineEdit(pHelpGroup);
    m_pHelpEdit->setObjectName("HelpPath");
    m_pHelpBrowse = MakeBrowseButton(pHelpGroup, "HelpBrowse");
    auto* pHelpLayout = new QGridLayout(pHelpGroup);
    pHelpLayout->addWidget(new QLabel("Path to JDK help files in WinHelp format", pHelpGroup), 0, 0, 1, 2);
    pHelpLayout->addWidget(m_pHelpEdit, 1, 0);
    pHelpLayout->addWidget(m_pHelpBrowse, 1, 1);

    m_pShowDrops = new QCheckBox("Show function drop-downs in source windows", this);
    m_pShowDrops->setObjectName("ShowDrops");

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pSaveComp);
    pLayout->addWidget(m_pLoadLast);
    pLayout->addWidget(pJdkGroup);
    pLayout->addWidget(m_pShowArgs);
    pLayout->addWidget(m_pBuildBeforeRun);
    pLayout->addWidget(pHelpGroup);
    pLayout->addWidget(m_pShowDrops);
    pLayout->addStretch(1);

    connect(m_pJdkBrowse, &QPushButton::clicked, this, &CIDEPage::OnBrowseJdk);
    connect(m_pHelpBrowse, &QPushButton::clicked, this, &CIDEPage::OnBrowseHelp);
    connect(m_pJdkList, &QComboBox::activated, this, &CIDEPage::OnJdkPicked);
}

void CIDEPage::LoadControls()
{
    m_pSaveComp->setChecked(m_values.m_bSaveComp);
    m_pLoadLast->setChecked(m_values.m_bLoadLast);
    m_pJdkEdit->setText(QString::fromStdString(m_values.m_strJavaBin));
    // The list shows which found JDK is in use, when one is.
    m_pJdkList->setCurrentIndex(m_pJdkList->findData(QString::fromStdString(m_values.m_strJavaBin)));
    m_pShowArgs->setChecked(m_values.m_bShowArgs);
    m_pBuildBeforeRun->setChecked(m_values.m_bBuildBeforeRun);
    m_pHelpEdit->setText(QString::fromStdString(m_values.m_strHelpPath));
    m_pShowDrops->setChecked(m_values.m_bShowDrops);
}

bool CIDEPage::SaveControls()
{
    m_values.m_bSaveComp = m_pSaveComp->isChecked();
    m_values.m_bLoadLast = m_pLoadLast->isChecked();
    m_values.m_strJavaBin = m_pJdkEdit->text().toStdString();
    m_values.m_bShowArgs = m_pShowArgs->isChecked();
    m_values.m_bBuildBeforeRun = m_pBuildBeforeRun->isChecked();
    m_values.m_strHelpPath = m_pHelpEdit->text().toStdString();
    m_values.m_bShowDrops = m_pShowDrops->isChecked();
    return true;
}

void CIDEPage::OnBrowseJdk()
{
    const QString strCurrent = m_pJdkEdit->text();
    const QString strStart = QFileInfo(strCurrent).isDir() ? strCurrent : QString();
    const QString strFolder = Prompts().GetExistingFolder(this, kFolderBrowserTitle, strStart);
    if (!strFolder.isEmpty())
        m_pJdkEdit->setText(strFolder);
}

void CIDEPage::OnBrowseHelp()
{
    const QString strPath = Prompts().GetOpenFileName(this, QStringLiteral("Open"), kHelpFilter);
    if (strPath.isEmpty())
        return;
    m_pHelpEdit->setText(strPath);
    SaveControls();
}

void CIDEPage::OnJdkPicked(int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_jdks.size()))
        return;
    m_pJdkEdit->setText(QString::fromStdString(m_jdks[static_cast<std::size_t>(nIndex)].m_strFolder));
}
