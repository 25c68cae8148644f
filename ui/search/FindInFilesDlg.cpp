#include "ui/search/FindInFilesDlg.h"

#include "core/search/FileSearch.h"
#include "ui/framework/PromptService.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CFindInFilesDlg::CFindInFilesDlg(CPromptService& prompts, const CFindInFilesChoice& start, bool bProjectOpen,
                                 QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Find in Files"));
    auto* pGrid = new QGridLayout(this);

    m_pText = new QLineEdit(start.m_strText);
    m_pText->setObjectName("findWhat");
    m_pText->setMinimumWidth(280);
    auto* pTextLabel = new QLabel(QStringLiteral("Fi&nd what:"));
    pTextLabel->setBuddy(m_pText);
    pGrid->addWidget(pTextLabel, 0, 0);
    pGrid->addWidget(m_pText, 0, 1);

    auto* pOptions = new QHBoxLayout;
    m_pRegex = new QCheckBox(QStringLiteral("Regular e&xpression"));
    m_pRegex->setObjectName("regex");
    m_pRegex->setChecked(start.m_bRegex);
    m_pMatchCase = new QCheckBox(QStringLiteral("Match &case"));
    m_pMatchCase->setObjectName("matchCase");
    m_pMatchCase->setChecked(start.m_bMatchCase);
    m_pWholeWord = new QCheckBox(QStringLiteral("&Whole word"));
    m_pWholeWord->setObjectName("wholeWord");
    m_pWholeWord->setChecked(start.m_bWholeWord);
    pOptions->addWidget(m_pRegex);
    pOptions->addWidget(m_pMatchCase);
    pOptions->addWidget(m_pWholeWord);
    pOptions->addStretch();
    pGrid->addLayout(pOptions, 1, 1);

    auto* pWhere = new QGroupBox(QStringLiteral("Look in"));
    auto* pWhereGrid = new QGridLayout(pWhere);
    m_pProjectFiles = new QRadioButton(QStringLiteral("&Project files"));
    m_pProjectFiles->setObjectName("projectFiles");
    m_pProjectFiles->setEnabled(bProjectOpen);
    m_pFolder = new QRadioButton(QStringLiteral("F&older"));
    m_pFolder->setObjectName("folder");
    m_pFolderPath = new QLineEdit(start.m_strFolder);
    m_pFolderPath->setObjectName("folderPath");
    m_pBrowse = new QPushButton(QStringLiteral("&Browse..."));
    m_pBrowse->setObjectName("browse");
    m_pPatterns = new QLineEdit(start.m_strPatterns);
    m_pPatterns->setObjectName("filePatterns");
    auto* pPatternsLabel = new QLabel(QStringLiteral("File &types:"));
    pPatternsLabel->setBuddy(m_pPatterns);
    pWhereGrid->addWidget(m_pProjectFiles, 0, 0, 1, 3);
    pWhereGrid->addWidget(m_pFolder, 1, 0);
    pWhereGrid->addWidget(m_pFolderPath, 1, 1);
    pWhereGrid->addWidget(m_pBrowse, 1, 2);
    pWhereGrid->addWidget(pPatternsLabel, 2, 0);
    pWhereGrid->addWidget(m_pPatterns, 2, 1, 1, 2);
    pGrid->addWidget(pWhere, 2, 0, 1, 2);
    (bProjectOpen && start.m_bProjectFiles ? m_pProjectFiles : m_pFolder)->setChecked(true);
    connect(m_pProjectFiles, &QRadioButton::toggled, this, [this] { UpdateWhere(); });
    connect(m_pBrowse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    UpdateWhere();

    auto* pButtons = new QVBoxLayout;
    auto* pFind = new QPushButton(QStringLiteral("&Find"));
    pFind->setObjectName("find");
    pFind->setDefault(true);
    auto* pCancel = new QPushButton(QStringLiteral("Cancel"));
    pCancel->setObjectName("cancel");
    pButtons->addWidget(pFind);
    pButtons->addWidget(pCancel);
    pButtons->addStretch();
    pGrid->addLayout(pButtons, 0, 2, 3, 1);
    connect(pFind, &QPushButton::clicked, this, [this] { OnFind(); });
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_pText->selectAll();
    m_pText->setFocus();
}

CFindInFilesDlg::~CFindInFilesDlg() = default;

CFindInFilesChoice CFindInFilesDlg::Choice() const
{
    CFindInFilesChoice choice;
    choice.m_strText = m_pText->text();
    choice.m_bRegex = m_pRegex->isChecked();
    choice.m_bMatchCase = m_pMatchCase->isChecked();
    choice.m_bWholeWord = m_pWholeWord->isChecked();
    choice.m_bProjectFiles = m_pProjectFiles->isChecked();
    choice.m_strFolder = m_pFolderPath->text();
    choice.m_strPatterns = m_pPatterns->text();
    return choice;
}

std::unique_ptr<CSearchPattern> CFindInFilesDlg::TakePattern()
{
    return std::move(m_pPattern);
}

std::vector<std::string> CFindInFilesDlg::SplitPatterns(const QString& strPatterns)
{
    std::vector<std::string> patterns;
    for (const QString& strPattern : strPatterns.split(';', Qt::SkipEmptyParts))
        if (!strPattern.trimmed().isEmpty())
            patterns.push_back(strPattern.trimmed().toStdString());
    return patterns;
}

void CFindInFilesDlg::UpdateWhere()
{
    const bool bFolder = !m_pProjectFiles->isChecked();
    m_pFolderPath->setEnabled(bFolder);
    m_pBrowse->setEnabled(bFolder);
    m_pPatterns->setEnabled(bFolder);
}

void CFindInFilesDlg::OnBrowse()
{
    const QString strFolder =
        m_prompts.GetExistingFolder(this, QStringLiteral("Choose a Folder to Search"), m_pFolderPath->text());
    if (!strFolder.isEmpty())
        m_pFolderPath->setText(strFolder);
}

void CFindInFilesDlg::OnFind()
{
    const CFindInFilesChoice choice = Choice();
    auto refuse = [this](const QString& strText, QLineEdit* pField) {
        m_prompts.MessageBox(this, strText, CPromptService::kOk, CPromptService::kIconWarning);
        pField->setFocus();
        pField->selectAll();
    };
    if (choice.m_strText.isEmpty()) {
        refuse(QStringLiteral("Type the text to find."), m_pText);
        return;
    }
    if (!choice.m_bProjectFiles) {
        if (choice.m_strFolder.trimmed().isEmpty()) {
            refuse(QStringLiteral("Choose the folder to search."), m_pFolderPath);
            return;
        }
        if (!QFileInfo(choice.m_strFolder).isDir()) {
            refuse(QStringLiteral("The folder %1 does not exist.").arg(choice.m_strFolder), m_pFolderPath);
            return;
        }
    }
    CSearchOptions options;
    options.m_strPattern = choice.m_strText.toStdString();
    options.m_bRegex = choice.m_bRegex;
    options.m_bMatchCase = choice.m_bMatchCase;
    options.m_bWholeWord = choice.m_bWholeWord;
    std::string strError;
    m_pPattern = CSearchPattern::Compile(options, strError);
    if (!m_pPattern) {
        const QString strWhy = QString::fromStdString(strError);
        refuse(choice.m_bRegex ? QStringLiteral("The regular expression is not valid:\n%1").arg(strWhy)
                               : QStringLiteral("The text cannot be searched for:\n%1").arg(strWhy),
               m_pText);
        return;
    }
    accept();
}
