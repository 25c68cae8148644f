#pragma once

#include "ui/search/FindInFilesChoice.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class CPromptService;
class CSearchPattern;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Find in Files dialog: the text and how to match it, and where to look
// (the open project's files, or a folder's files by pattern). Find closes it
// only when the search can run; otherwise a message says why and the
// dialog stays.
class CFindInFilesDlg : public QDialog {
    Q_OBJECT
public:
    // bProjectOpen: "Project files" can be chosen (and is, when start says so).
    CFindInFilesDlg(CPromptService& prompts, const CFindInFilesChoice& start, bool bProjectOpen,
                    QWidget* pParent = nullptr);
    ~CFindInFilesDlg() override;

    CFindInFilesChoice Choice() const;
    // The pattern compiled when Find was accepted.
    std::unique_ptr<CSearchPattern> TakePattern();
    // The file patterns of the folder search, split at ';'.
    static std::vector<std::string> SplitPatterns(const QString& strPatterns);

private:
    void OnFind();
    void OnBrowse();
    void UpdateWhere();

    CPromptService& m_prompts;
    std::unique_ptr<CSearchPattern> m_pPattern;
    QLineEdit* m_pText = nullptr;
    QCheckBox* m_pRegex = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
    QCheckBox* m_pWholeWord = nullptr;
    QRadioButton* m_pProjectFiles = nullptr;
    QRadioButton* m_pFolder = nullptr;
    QLineEdit* m_pFolderPath = nullptr;
    QPushButton* m_pBrowse = nullptr;
    QLineEdit* m_pPatterns = nullptr;
};
