#include "ui/search/FindResultsWindow.h"

#include "core/findinfiles/SearchJob.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"
#include "ui/search/FindResultsModel.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Lines added to the list at a time, between looks at the clock.
constexpr std::size_t kRowsPerStep = 4096;
} // namespace

CFindResultsWindow::CFindResultsWindow(IAppServices* pServices, QWidget* pParent)
    : QWidget(pParent), m_pServices(pServices)
{
    setObjectName("FindResultsWindow");
    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName("findResultsTitle");
    m_pTitle->setTextFormat(Qt::PlainText);
    m_pStop = new QPushButton(QStringLiteral("Stop"), this);
    m_pStop->setObjectName("stop");
    m_pStop->setEnabled(false);
    m_pList = new QListView(this);
    m_pList->setObjectName("findResultsList");
    // Uniform lines keep a hundred thousand of them as quick as ten.
    m_pList->setUniformItemSizes(true);
    // Laid out a batch at a time, so a long list never holds up the program.
    m_pList->setLayoutMode(QListView::Batched);
    m_pList->setBatchSize(2000);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pModel = new CFindResultsModel(m_results, this);
    m_pModel->SetBaseFont(m_pList->font());
    m_pList->setModel(m_pModel);
    m_pList->installEventFilter(this);

    auto* pTop = new QHBoxLayout;
    pTop->setContentsMargins(0, 0, 0, 0);
    pTop->addWidget(m_pStop);
    pTop->addWidget(m_pTitle, 1);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(2, 2, 2, 2);
    pLayout->setSpacing(2);
    pLayout->addLayout(pTop);
    pLayout->addWidget(m_pList, 1);

    connect(m_pStop, &QPushButton::clicked, this, [this] { Stop(); });
    connect(m_pList, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { GoToRow(static_cast<std::size_t>(index.row()), true); });
    m_timer.setInterval(kTimerInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] { OnTick(); });
}

CFindResultsWindow::~CFindResultsWindow()
{
    m_timer.stop();
    // The job's end waits for its thread.
    m_pJob.reset();
}

void CFindResultsWindow::Start(std::unique_ptr<CSearchJob> pJob, const QString& strTitle)
{
    m_timer.stop();
    m_pJob.reset();
    m_pending.clear();
    m_results.Clear();
    m_pModel->Reset();
    m_pTitle->setText(strTitle);
    m_pJob = std::move(pJob);
    m_pStop->setEnabled(true);
    SetStatusText(QString::fromStdString(CFindResults::ProgressText(0, m_pJob->FileCount())));
    m_timer.start();
}

void CFindResultsWindow::Stop()
{
    if (m_pJob)
        m_pJob->Stop();
}

void CFindResultsWindow::OnTick()
{
    if (!m_pJob) {
        m_timer.stop();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    // Read before taking: what was found before the end is then all taken.
    const bool bSearchOver = m_pJob->IsFinished();
    for (CFoundFile& file : m_pJob->TakeFound())
        m_pending.push_back(std::move(file));
    // A part at a time, as long as the tick's time lasts.
    while (!m_pending.empty() && clock.elapsed() < kTickBudgetMs) {
        m_results.Add(std::move(m_pending.front()));
        m_pending.pop_front();
    }
    const bool bFinished = bSearchOver && m_pending.empty();
    if (bFinished)
        m_results.Finish(m_pJob->WasStopped());
    while (m_pModel->Shown() < m_results.RowCount() && clock.elapsed() < kTickBudgetMs)
        m_pModel->ShowUpTo(m_pModel->Shown() + kRowsPerStep);
    // A file's line counts the parts added since it was shown.
    m_pList->viewport()->update();
    if (!bFinished) {
        SetStatusText(QString::fromStdString(CFindResults::ProgressText(m_pJob->FilesSearched(), m_pJob->FileCount())));
        return;
    }
    if (m_pModel->Shown() < m_results.RowCount())
        return; // the rest on the next ticks
    m_timer.stop();
    m_pJob.reset();
    m_pStop->setEnabled(false);
    SetStatusText(QString::fromStdString(m_results.RowText(m_results.RowCount() - 1)));
    emit SearchEnded();
}

void CFindResultsWindow::SetStatusText(const QString& strText)
{
    if (m_pServices)
        m_pServices->Frames().SetStatusPaneText(strText);
}

bool CFindResultsWindow::GoToNext(int nDirection)
{
    const int nCurrent = CurrentRow();
    const std::optional<std::size_t> nFrom =
        nCurrent < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(nCurrent));
    // Lines found but not listed yet are listed first.
    m_pModel->ShowUpTo(m_results.RowCount());
    const std::optional<std::size_t> nNext = m_results.NextHit(nFrom, nDirection);
    return nNext && GoToRow(*nNext, false);
}

bool CFindResultsWindow::GoToRow(std::size_t nRow, bool bFocusEditor)
{
    const std::optional<CFindResults::CLocation> location = m_results.Location(nRow);
    if (!location)
        return false;
    m_pModel->ShowUpTo(nRow + 1);
    const QModelIndex index = m_pModel->index(static_cast<int>(nRow));
    m_pList->setCurrentIndex(index);
    m_pList->scrollTo(index);
    if (m_navigate)
        m_navigate(*location, bFocusEditor);
    return true;
}

int CFindResultsWindow::ShownRows() const
{
    return m_pModel->rowCount();
}

int CFindResultsWindow::CurrentRow() const
{
    const QModelIndex index = m_pList->currentIndex();
    return index.isValid() ? index.row() : -1;
}

QString CFindResultsWindow::RowText(int nRow) const
{
    return m_pModel->data(m_pModel->index(nRow)).toString();
}

QString CFindResultsWindow::TitleText() const
{
    return m_pTitle->text();
}

bool CFindResultsWindow::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pList && pEvent->type() == QEvent::KeyPress) {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        if ((nKey == Qt::Key_Return || nKey == Qt::Key_Enter) && CurrentRow() >= 0) {
            GoToRow(static_cast<std::size_t>(CurrentRow()), true);
            return true;
        }
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
