#pragma once

class CJavaEditor;
class CPromptService;
class QPrinter;
class QWidget;

// Printing and print preview of an editor's text with half-inch (720 twip)
// margins on every side. The dialogs run through the prompt service.
class CEditorPrinting {
public:
    // pSetup, when given, supplies the paper and orientation of Print Setup.
    CEditorPrinting(CJavaEditor& editor, QPrinter* pSetup, CPromptService& prompts)
        : m_editor(editor), m_pSetup(pSetup), m_prompts(prompts)
    {}

    // Returns whether anything was printed (false when the user cancelled).
    bool Print(QWidget* pParent);
    void Preview(QWidget* pParent);

private:
    CJavaEditor& m_editor;
    QPrinter* m_pSetup;
    CPromptService& m_prompts;
};
