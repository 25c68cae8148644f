#pragma once

#include "core/findinfiles/FindResults.h"

#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class CFindResultsModel;
class CSearchJob;
class IAppServices;
class QLabel;
class QListView;
class QPushButton;

// The Find Results window: follows a running search, showing what it found
// a batch at a time so the program stays responsive however much it finds,
// with its progress in the status bar, a Stop button, and the way to each
// match (double-click, Enter, Next and Previous Result).
class CFindResultsWindow : public QWidget {
    Q_OBJECT
public:
    using Navigate = std::function<void(const CFindResults::CLocation&, bool bFocusEditor)>;

    // Without services (benchmarks) it tells no status bar.
    explicit CFindResultsWindow(IAppServices* pServices, QWidget* pParent = nullptr);
    ~CFindResultsWindow() override;

    // Who opens a match's file and selects it.
    void SetNavigator(Navigate navigate) { m_navigate = std::move(navigate); }
    // Follows a new search in place of the last one, which is stopped first.
    void Start(std::unique_ptr<CSearchJob> pJob, const QString& strTitle);
    // Asks the running search to stop; its end shows as usual.
    void Stop();
    bool IsRunning() const { return m_pJob != nullptr; }
    // Goes to the match after (nDirection > 0) or before the current line; false when there is none.
    bool GoToNext(int nDirection);
    // Goes to the match of a line (a file's line: its first match).
    bool GoToRow(std::size_t nRow, bool bFocusEditor);

    const CFindResults& Results() const { return m_results; }
    // The lines the list shows now, and the current one (-1: none).
    int ShownRows() const;
    int CurrentRow() const;
    QString RowText(int nRow) const;
    QString TitleText() const;
    QListView* List() const { return m_pList; }
    QPushButton* StopButton() const { return m_pStop; }

    static constexpr int kTimerInterval = 40;
    // How long one tick may add lines before it lets the program go on.
    static constexpr int kTickBudgetMs = 25;

signals:
    // The search it followed is over and every line is shown.
    void SearchEnded();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void OnTick();
    void SetStatusText(const QString& strText);

    IAppServices* m_pServices;
    QLabel* m_pTitle;
    QPushButton* m_pStop;
    QListView* m_pList;
    CFindResults m_results;
    CFindResultsModel* m_pModel;
    std::unique_ptr<CSearchJob> m_pJob;
    std::deque<CFoundFile> m_pending; // taken from the search, not yet in the results
    QTimer m_timer;
    Navigate m_navigate;
};
