#pragma once

#include <QDialog>
#include <string>
#include <vector>

class CPromptService;
class QListWidget;
class QPushButton;

// "Recent Projects": the recently closed projects, newest first. Remove
// takes an entry out of the list it was given; OK chooses the selected one.
class CRecentProjectsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* ChooseItemText = "Please choose an item from the list";

    // Its message goes through prompts.
    CRecentProjectsDlg(CPromptService& prompts, std::vector<std::string>& recentProjects, QWidget* pParent = nullptr);

    // The chosen project once the dialog ended with OK.
    QString Path() const { return m_strPath; }
    // Whether Remove took anything out.
    bool Removed() const { return m_bRemoved; }

    QListWidget* List() const { return m_pList; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* RemoveButton() const { return m_pRemove; }

    // A double-click in the list: chooses the selected line, or asks for one.
    void OnDoubleClick();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void OnOk();
    void OnRemove();
    void UpdateOk();

    CPromptService& m_prompts;
    std::vector<std::string>& m_recentProjects;
    QListWidget* m_pList;
    QPushButton* m_pOk;
    QPushButton* m_pRemove;
    QString m_strPath;
    bool m_bRemoved = false;
};
