#pragma once

#include "core/tools/FinishedRun.h"
#include "core/tools/OutputDisplay.h"

#include <QStringDecoder>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>

class CExternalProcess;
class CInputSender;
class CProgramInputEdit;
class IAppServices;
class CProcessOutputEdit;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Shows the captured run's output while it grows, animates progress while
// the tool runs, stops the tool on request, and reports double-clicked
// output lines to whoever wants to open the source line they name. What it
// shows, display lines and the newest output only, with the note once older
// output is gone, COutputDisplay decides (the limit the settings give, in
// characters). Line indexes are those of the display lines. A run given an input pipe gets an input line under
// the output while it runs: Enter sends the line to the program and echoes
// it into the output, Ctrl+D ends the input; what the program does not read
// yet waits in a queue the timer keeps writing, so typing never blocks.
class CProcessWindow : public QWidget {
    Q_OBJECT
public:
    using LineNotify = std::function<void(int nLineIndex)>;

    // Without services (tests, benchmarks) it keeps its default font and
    // limit, tells no status bar, and Stop stops without asking.
    explicit CProcessWindow(IAppServices* pServices = nullptr, QWidget* pParent = nullptr);
    ~CProcessWindow() override;

    // First showing: the runner whose output it shows and whose tool Stop
    // stops, and the receiver of double-clicks. The window follows the
    // runner until its run is over, so the runner must last that long.
    void Create(CExternalProcess& runner, LineNotify notify);
    // A new run in the existing window, shown, in place of the last one's
    // output or, with bAfterShown, on the lines after it.
    bool Attach(CExternalProcess& runner, LineNotify notify, bool bAfterShown = false);

    bool IsWatching() const { return m_timer.isActive(); }
    // Whether it still follows a run; it lets go of the runner once the run is over.
    bool HoldsRunner() const { return m_pRunner != nullptr; }
    QString OutputText() const;
    // The text of a display line; empty past the last.
    QString LineText(int nLineIndex) const;
    // Most characters kept, from the next output on: the run's limit in
    // bytes, the settings' by default, yet never more than kMostShownChars.
    void SetOutputLimit(std::size_t nLimit) { m_display.SetLimit(std::min(nLimit, kMostShownChars)); }
    std::size_t OutputLimit() const { return m_display.Limit(); }
    QString TitleText() const;
    int ProgressPosition() const;
    QPushButton* StopButton() const { return m_pStop; }
    CProcessOutputEdit* OutputEdit() const { return m_pOutput; }
    CProgramInputEdit* InputEdit() const { return m_pInput; }
    // Whether the input line is shown: the run it follows has an input pipe.
    bool TakesInput() const;
    // Input typed and not yet taken by the program.
    std::size_t PendingInput() const;

    static constexpr int kTimerInterval = 200;
    // The status pane's text once a run is over.
    static constexpr const char* kCompleteText = "External process complete";

signals:
    // The run it followed is over and all its output is shown: the run as
    // its runner hands it over (empty when it had none to hand over).
    void RunEnded(const CFinishedRun& run);

public:
    // The most output one tick adds to the window.
    static constexpr std::size_t kTickBytes = 128 * 1024;
    static constexpr int kOutputTop = 22;
    static constexpr int kDisplayLineChars = static_cast<int>(COutputDisplay::kLineChars);
    // A character shown costs the edit about ten bytes, so it shows no more
    // than this even when the run keeps more.
    static constexpr std::size_t kMostShownChars = std::size_t(8) << 20;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    // Follows runner's run from its output so far; Create and Attach.
    void Follow(CExternalProcess& runner, LineNotify notify, bool bAfterShown);
    // Lets go of the runner, whose run is over, and hands its run on.
    void HandOverRun();
    void OnTick();
    void OnStop();
    // The input line, shown for a run with an input pipe, hidden otherwise.
    void ShowInputLine(bool bShow);
    void OnSendInput();
    // Sends complete lines (each ending in '\n') to the program, echoed in the output.
    void SendInput(const QString& strLines);
    void OnEndOfInput();
    void DisableInputLine();
    // At the run's end: closes its input, dropping what waits, and hides the line.
    void EndInput();
    void LayOut();
    // Shows all the run has kept, in place of what is shown or after it;
    // whether it was still running when read.
    bool ShowWholeOutput(bool bAfterShown = false);
    void ClearOutput();
    void AppendOutput(const std::string& strTail);
    // Drops the oldest lines once past the limit, and says so.
    void KeepWithinLimit();
    void ShowDroppedNote();
    void SetStatusText(const QString& strText);

    IAppServices* m_pServices;
    QPushButton* m_pStop;
    QProgressBar* m_pProgress;
    QLineEdit* m_pTitle;
    CProcessOutputEdit* m_pOutput;
    CProgramInputEdit* m_pInput;
    std::unique_ptr<CInputSender> m_pSender; // while the run followed takes input
    bool m_bFocusInputWhenShown = false;     // the run began before the window was shown
    QTimer m_timer;
    bool m_bAnimation = true;
    CExternalProcess* m_pRunner = nullptr; // not owned
    LineNotify m_notify;
    std::size_t m_nShownLength = 0; // the run's output offset shown up to
    COutputDisplay m_display;       // what of the output is shown
    QStringDecoder m_decoder;
};
