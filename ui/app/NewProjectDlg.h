#pragma once

#include "core/project/NewProject.h"

#include <QDialog>

class CPromptService;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "New Project": the main class's name and the kind of project. Every kind
// but the empty project needs a name.
class CNewProjectDlg : public QDialog {
    Q_OBJECT
public:
    // A refused class name is told through prompts.
    explicit CNewProjectDlg(CPromptService& prompts, QWidget* pParent = nullptr);

    void SetClassName(const QString& strName);
    void SetProjectType(ENewProjectType eType);
    // The values the dialog ended with.
    QString ClassName() const { return m_strClassName; }
    ENewProjectType ProjectType() const { return m_eType; }

    QLineEdit* ClassNameEdit() const { return m_pClassName; }
    QRadioButton* TypeButton(ENewProjectType eType) const;
    QPushButton* OkButton() const { return m_pOk; }

private:
    void OnOk();
    ENewProjectType CheckedType() const;

    CPromptService& m_prompts;
    QLineEdit* m_pClassName;
    QRadioButton* m_pTypes[3];
    QPushButton* m_pOk;
    QString m_strClassName;
    ENewProjectType m_eType = ENewProjectType::Empty;
};
