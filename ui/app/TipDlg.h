#pragma once

#include <QDialog>
#include <memory>
#include <string>

class CPromptService;
class CTipsWalk;
class ISettingsStore;
class QCheckBox;
class QLabel;
class QPushButton;

// "Tip of the Day": the next tip of the tips file under a light bulb. Each
// dialog built takes one tip, shown or not; Close keeps the check box's
// choice for the next start.
class CTipDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* HeadingText = "Did you know...";

    // Trouble reading the tips file is told through prompts.
    CTipDlg(CPromptService& prompts, ISettingsStore& store, const std::string& strTipsPath, QWidget* pParent = nullptr);
    ~CTipDlg() override;

    // Whether the settings ask for the tip at start-up.
    bool ShowsAtStartUp() const { return m_bStartup; }
    QString TipText() const;

    QCheckBox* StartUpCheck() const { return m_pStartUp; }
    QPushButton* NextTipButton() const { return m_pNextTip; }
    QPushButton* CloseButton() const { return m_pClose; }

private:
    void OnNextTip();
    void OnClose();
    void ShowWalkMessages();

    CPromptService& m_prompts;
    ISettingsStore& m_store;
    std::unique_ptr<CTipsWalk> m_pWalk;
    bool m_bStartup = true;
    QLabel* m_pTip;
    QCheckBox* m_pStartUp;
    QPushButton* m_pNextTip;
    QPushButton* m_pClose;
};
