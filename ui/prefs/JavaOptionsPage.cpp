#include "ui/prefs/JavaOptionsPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
QGroupBox* MakeSwitchesGroup(QWidget* pParent, const QString& strTitle, const QString& strNote, QLineEdit* pEdit)
{
    auto* pGroup = new QGroupBox(strTitle, pParent);
    auto* pNote = new QLabel(strNote, pGroup);
    pNote->setWordWrap(true);
    pEdit->setParent(pGroup);
    auto* pLayout = new QVBoxLayout(pGroup);
    pLayout->addWidget(pNote);
    pLayout->addWidget(pEdit);
    return pGroup;
}
} // namespace

CJavaOptionsPage::CJavaOptionsPage(CPromptService& prompts, CPreferencesValues& values, QWidget* pParent)
    : CPrefsPage(prompts, values, pParent)
{
    setObjectName("JavaOptionsPage");
    m_pRunSwitches = new QLineEdit(this);
    m_pRunSwitches->setObjectName("RunSwitches");
    m_pCompileSwitches = new QLineEdit(this);
    m_pCompileSwitches->setObjectName("CompileSwitches");

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(MakeSwitchesGroup(this, "Default Java (Run) Options",
                                         "Enter default switches for the Java runner to use. You can edit these "
                                         "settings for each project in the Project Window.",
                                         m_pRunSwitches));
    pLayout->addWidget(MakeSwitchesGroup(this, "Default Javac (Compile) Options",
                                         "Enter switches for the Java compiler to use. You can edit these settings "
                                         "for each project in the Project Window.",
                                         m_pCompileSwitches));
    pLayout->addStretch(1);
}

void CJavaOptionsPage::LoadControls()
{
    m_pRunSwitches->setText(QString::fromStdString(m_values.m_strJavaOptions));
    m_pCompileSwitches->setText(QString::fromStdString(m_values.m_strJavac));
}

bool CJavaOptionsPage::SaveControls()
{
    m_values.m_strJavaOptions = m_pRunSwitches->text().toStdString();
    m_values.m_strJavac = m_pCompileSwitches->text().toStdString();
    return true;
}
