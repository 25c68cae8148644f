#include "ui/project/ProjectFormView.h"

#include "core/project/DropDownRules.h"
#include "core/project/JavaFile.h"
#include "core/settings/Settings.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"
#include "ui/project/JavaProjectDoc.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QFrame* HorizontalLine(QWidget* pParent)
{
    auto* pLine = new QFrame(pParent);
    pLine->setFrameShape(QFrame::HLine);
    pLine->setFrameShadow(QFrame::Sunken);
    return pLine;
}

QLineEdit* ReadOnlyField(QWidget* pParent, const char* pszName)
{
    auto* pField = new QLineEdit(pParent);
    pField->setObjectName(pszName);
    pField->setReadOnly(true);
    pField->setFrame(false);
    // Shown, copyable, but not where the keyboard lands when the window opens.
    pField->setFocusPolicy(Qt::ClickFocus);
    return pField;
}
} // namespace

CProjectFormView::CProjectFormView(CJavaProjectDoc& document)
    : m_document(document), m_pName(ReadOnlyField(this, "ProjectName")), m_pPath(ReadOnlyField(this, "FilePath")),
      m_pMainJava(new QComboBox(this)), m_pMainHtml(new QComboBox(this)), m_pJavaSwitches(new QLineEdit(this)),
      m_pJavacSwitches(new QLineEdit(this)), m_pSetJava(new QPushButton("Set", this)),
      m_pSetJavac(new QPushButton("Set", this)), m_pReset(new QPushButton("Reset to Defaults", this))
{
    setObjectName("ProjectFormView");
    m_pMainJava->setObjectName("MainJavaFile");
    m_pMainHtml->setObjectName("MainHtmlFile");
    m_pJavaSwitches->setObjectName("JavaSwitches");
    m_pJavacSwitches->setObjectName("JavacSwitches");
    m_pSetJava->setObjectName("SetJavaSwitches");
    m_pSetJavac->setObjectName("SetJavacSwitches");
    m_pReset->setObjectName("ResetToDefaults");

    auto* pGroup = new QGroupBox("Tarnwick Project Properties", this);
    auto* pGrid = new QGridLayout(pGroup);
    int nRow = 0;
    pGrid->addWidget(new QLabel("Project Name:", pGroup), nRow, 0);
    pGrid->addWidget(m_pName, nRow++, 1, 1, 2);
    pGrid->addWidget(new QLabel("File Path:", pGroup), nRow, 0);
    pGrid->addWidget(m_pPath, nRow++, 1, 1, 2);
    pGrid->addWidget(HorizontalLine(pGroup), nRow++, 0, 1, 3);
    pGrid->addWidget(new QLabel("Main Java File:", pGroup), nRow, 0);
    pGrid->addWidget(m_pMainJava, nRow++, 1);
    pGrid->addWidget(new QLabel("Main HTML File:", pGroup), nRow, 0);
    pGrid->addWidget(m_pMainHtml, nRow++, 1);
    pGrid->addWidget(HorizontalLine(pGroup), nRow++, 0, 1, 3);
    pGrid->addWidget(new QLabel("Advanced settings:", pGroup), nRow++, 0, 1, 3);
    pGrid->addWidget(new QLabel("Java Switches:", pGroup), nRow, 0);
    pGrid->addWidget(m_pJavaSwitches, nRow, 1);
    pGrid->addWidget(m_pSetJava, nRow++, 2);
    pGrid->addWidget(new QLabel("Javac Switches:", pGroup), nRow, 0);
    pGrid->addWidget(m_pJavacSwitches, nRow, 1);
    pGrid->addWidget(m_pSetJavac, nRow++, 2);
    pGrid->addWidget(m_pReset, nRow++, 1, 1, 1, Qt::AlignLeft);
    pGrid->setColumnStretch(1, 1);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pGroup);
    pLayout->addStretch(1);

    connect(m_pMainJava, &QComboBox::activated, this,
            [this](int nIndex) { m_document.SetMainFile(m_pMainJava->itemText(nIndex)); });
    connect(m_pMainHtml, &QComboBox::activated, this,
            [this](int nIndex) { m_document.SetMainHtmlFile(m_pMainHtml->itemText(nIndex)); });
    connect(m_pJavaSwitches, &QLineEdit::textChanged, this, [this] { m_pSetJava->setEnabled(true); });
    connect(m_pJavacSwitches, &QLineEdit::textChanged, this, [this] { m_pSetJavac->setEnabled(true); });
    connect(m_pSetJava, &QPushButton::clicked, this, &CProjectFormView::OnSetJava);
    connect(m_pSetJavac, &QPushButton::clicked, this, &CProjectFormView::OnSetJavac);
    connect(m_pReset, &QPushButton::clicked, this, &CProjectFormView::OnResetToDefaults);
}

CDocument* CProjectFormView::GetDocument() const
{
    return &m_document;
}

void CProjectFormView::OnInitialUpdate()
{
    OnUpdate();
    m_document.ShowProjectWindow();
    if (auto* pFrame = qobject_cast<CMdiChildFrame*>(parentWidget()))
        pFrame->showMaximized();
}

void CProjectFormView::FillList(QComboBox* pList, std::vector<std::string> names, const std::string& strMain)
{
    pList->clear();
    pList->setEnabled(!names.empty());
    names = CDropDownRules::Sorted(std::move(names));
    for (const std::string& strName : names)
        pList->addItem(QString::fromStdString(strName));
    pList->setCurrentIndex(CDropDownRules::FindPrefix(names, strMain));
}

void CProjectFormView::OnUpdate()
{
    CJavaProjectCore& core = m_document.Core();
    m_pName->setText(m_document.GetTitle());
    m_pPath->setText(m_document.GetPathName());

    std::vector<std::string> javaNames;
    for (int i = 0; i < core.GetJavaFiles().GetCount(); ++i)
        javaNames.push_back(core.GetJavaFiles().GetAt(i)->GetFileName());
    FillList(m_pMainJava, javaNames, core.GetMainFile());
    std::vector<std::string> htmlNames;
    for (int i = 0; i < core.GetHtmlFiles().GetCount(); ++i)
        htmlNames.push_back(core.GetHtmlFiles().GetAt(i)->GetFileName());
    FillList(m_pMainHtml, htmlNames, core.GetMainHtmlFile());

    m_pJavaSwitches->setText(QString::fromStdString(core.GetJavaSwitches()));
    m_pJavacSwitches->setText(QString::fromStdString(core.GetJavacSwitches()));
    m_pSetJava->setEnabled(false);
    m_pSetJavac->setEnabled(false);
}

void CProjectFormView::OnSetJava()
{
    m_document.Core().SetJavaSwitches(m_pJavaSwitches->text().toStdString());
    m_pSetJava->setEnabled(false);
}

void CProjectFormView::OnSetJavac()
{
    m_document.Core().SetJavacSwitches(m_pJavacSwitches->text().toStdString());
    m_pSetJavac->setEnabled(false);
}

void CProjectFormView::OnResetToDefaults()
{
    if (m_document.Prompts().MessageBox(this, "Reset switches to application defaults?", CPromptService::kOkCancel,
                                        CPromptService::kIconQuestion,
                                        "Reset to Defaults") != CPromptService::kAnswerOk)
        return;
    const CSettings& settings = m_document.Services().Settings();
    m_pJavaSwitches->setText(QString::fromStdString(settings.m_strJavaOptions));
    m_pJavacSwitches->setText(QString::fromStdString(settings.m_strJavac));
    OnSetJava();
    OnSetJavac();
}

void CProjectFormView::OnProcessLineDoubleClicked(int nLineIndex)
{
    m_document.GotoErrorLine(nLineIndex);
}
