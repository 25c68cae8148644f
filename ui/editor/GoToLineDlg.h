#pragma once

#include <QDialog>
#include <cstddef>

class CPromptService;
class QLineEdit;

// Edit > Go to Line: asks for a line number of a text of a given length.
// OK with something that is not one of its lines says so and keeps the
// dialog open with the field selected.
class CGoToLineDlg : public QDialog {
    Q_OBJECT
public:
    // nCurrentLine is 0-based, as the editor counts.
    CGoToLineDlg(std::size_t nLineCount, std::size_t nCurrentLine, CPromptService& prompts, QWidget* pParent);

    // The 0-based line chosen; valid once the dialog was accepted.
    std::size_t Line() const { return m_nLine; }

    void accept() override;

private:
    CPromptService& m_prompts;
    std::size_t m_nLineCount;
    std::size_t m_nLine = 0;
    QLineEdit* m_pNumber = nullptr;
};
