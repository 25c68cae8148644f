#pragma once

#include "ui/framework/View.h"

#include <QWidget>

class CJavaProjectDoc;
class QComboBox;
class QLineEdit;
class QPushButton;

// The project's own window: its name and path, the main files, and the
// switches for the interpreter and the compiler. Also where double-clicked
// process output lines arrive.
class CProjectFormView : public QWidget, public CView {
    Q_OBJECT
public:
    explicit CProjectFormView(CJavaProjectDoc& document);

    CDocument* GetDocument() const override;
    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    void OnUpdate() override;

    // A double-click on line nLineIndex of the process output.
    void OnProcessLineDoubleClicked(int nLineIndex);

    QLineEdit* ProjectName() const { return m_pName; }
    QLineEdit* FilePath() const { return m_pPath; }
    QComboBox* MainJavaList() const { return m_pMainJava; }
    QComboBox* MainHtmlList() const { return m_pMainHtml; }
    QLineEdit* JavaSwitches() const { return m_pJavaSwitches; }
    QLineEdit* JavacSwitches() const { return m_pJavacSwitches; }
    QPushButton* SetJavaButton() const { return m_pSetJava; }
    QPushButton* SetJavacButton() const { return m_pSetJavac; }
    QPushButton* ResetButton() const { return m_pReset; }

private:
    void FillList(QComboBox* pList, std::vector<std::string> names, const std::string& strMain);
    void OnSetJava();
    void OnSetJavac();
    void OnResetToDefaults();

    CJavaProjectDoc& m_document;
    QLineEdit* m_pName;
    QLineEdit* m_pPath;
    QComboBox* m_pMainJava;
    QComboBox* m_pMainHtml;
    QLineEdit* m_pJavaSwitches;
    QLineEdit* m_pJavacSwitches;
    QPushButton* m_pSetJava;
    QPushButton* m_pSetJavac;
    QPushButton* m_pReset;
    bool m_bFilling = false;
};
