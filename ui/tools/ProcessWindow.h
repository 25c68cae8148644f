#pragma once

#include <QStringDecoder>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class CExternalProcess;
class CProcessOutputEdit;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Shows the captured run's output while it grows, animates progress while
// the tool runs, stops the tool on request, and reports double-clicked
// output lines to whoever wants to open the source line they name.
class CProcessWindow : public QWidget {
    Q_OBJECT
public:
    using LineNotify = std::function<void(int nLineIndex)>;

    explicit CProcessWindow(QWidget* pParent = nullptr);
    ~CProcessWindow() override;

    // First showing: takes the run (may be null) and the receiver of double-clicks.
    void Create(std::unique_ptr<CExternalProcess> pRunner, LineNotify notify);
    // A new run in the existing window.
    bool Attach(std::unique_ptr<CExternalProcess> pRunner, LineNotify notify);

    bool IsWatching() const { return m_timer.isActive(); }
    bool HoldsRunner() const { return m_pRunner != nullptr; }
    QString OutputText() const;
    QString TitleText() const;
    int ProgressPosition() const;
    QPushButton* StopButton() const { return m_pStop; }
    CProcessOutputEdit* OutputEdit() const { return m_pOutput; }

    static constexpr int kTimerInterval = 200;
    // The most output one tick adds to the window.
    static constexpr std::size_t kTickBytes = 128 * 1024;
    static constexpr int kOutputTop = 22;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void OnTick();
    void OnStop();
    void ShowWholeOutput();
    void AppendOutput(const std::string& strTail);
    void SetStatusText(const QString& strText);

    QPushButton* m_pStop;
    QProgressBar* m_pProgress;
    QLineEdit* m_pTitle;
    CProcessOutputEdit* m_pOutput;
    QTimer m_timer;
    bool m_bAnimation = false;
    std::unique_ptr<CExternalProcess> m_pRunner;
    LineNotify m_notify;
    std::size_t m_nShownLength = 0;
    QStringDecoder m_decoder;
};
