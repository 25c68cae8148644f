#pragma once

#include <QDialog>

class CPromptService;

// "About Tarnwick": logo, version, a usage note, the web address, OK and
// "Visit Web Site".
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // Visit Web Site opens the address through prompts.
    explicit CAboutDlg(CPromptService& prompts, QWidget* pParent = nullptr);

    static QString WebAddress();

private:
    void OnVisitWebSite();

    CPromptService& m_prompts;
};
