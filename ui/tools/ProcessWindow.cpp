#include "ui/tools/ProcessWindow.h"

#include "core/tools/ExternalProcess.h"
#include "core/tools/InputSender.h"
#include "core/settings/Settings.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/PromptService.h"
#include "ui/tools/ProcessOutputEdit.h"
#include "ui/tools/ProgramInputEdit.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace {
constexpr int kProgressMaximum = 100;
constexpr int kProgressWidth = 134;
} // namespace

CProcessWindow::CProcessWindow(IAppServices* pServices, QWidget* pParent)
    : QWidget(pParent), m_pServices(pServices), m_pStop(new QPushButton("stop", this)),
      m_pProgress(new QProgressBar(this)), m_pTitle(new QLineEdit(this)), m_pOutput(new CProcessOutputEdit(this)),
      m_pInput(new CProgramInputEdit(this)),
      m_display(std::min(CExternalProcess::kDefaultOutputLimit, kMostShownChars)), m_decoder(QStringDecoder::Utf8)
{
    setObjectName("ProcessWindow");
    m_pStop->setObjectName("StopButton");
    m_pProgress->setObjectName("Progress");
    m_pTitle->setObjectName("RunTitle");
    m_pOutput->setObjectName("Output");
    m_pInput->setObjectName("ProgramInput");
    m_pInput->hide();
    m_pStop->setGeometry(2, 1, 36, 20);
    m_pProgress->setGeometry(42, 4, kProgressWidth, 14);
    m_pProgress->setTextVisible(false);
    m_pProgress->setRange(0, kProgressMaximum);
    m_pTitle->setReadOnly(true);
    // Not a stop for the focus when Stop is disabled at the end of a run:
    // the output takes it, where Ctrl+Home and Ctrl+End act.
    m_pTitle->setFocusPolicy(Qt::ClickFocus);
    m_pTitle->setGeometry(179, 1, 380, 20);
    m_pStop->setEnabled(false);

    m_timer.setInterval(kTimerInterval);
    connect(&m_timer, &QTimer::timeout, this, &CProcessWindow::OnTick);
    connect(m_pStop, &QPushButton::clicked, this, &CProcessWindow::OnStop);
    connect(m_pInput, &QLineEdit::returnPressed, this, &CProcessWindow::OnSendInput);
    connect(m_pInput, &CProgramInputEdit::EndOfInput, this, &CProcessWindow::OnEndOfInput);
    connect(m_pInput, &CProgramInputEdit::LinesPasted, this, &CProcessWindow::SendInput);
    connect(m_pOutput, &CProcessOutputEdit::LineDoubleClicked, this, [this](int nLineIndex) {
        if (m_notify)
            m_notify(nLineIndex);
    });

    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.0);
    if (m_pServices) {
        const CSettings& settings = m_pServices->Settings();
        font.setFamily(QString::fromStdString(settings.m_strDlgFontName));
        font.setPointSizeF(settings.m_nDlgFontSize / 10.0);
        SetOutputLimit(static_cast<std::size_t>(settings.m_nOutputLimitMB) << 20);
    }
    m_pOutput->setFont(font);
    m_pInput->setFont(font);
    resize(600, 150);
}

CProcessWindow::~CProcessWindow()
{
    // A program left running reads end of input rather than waiting for ever.
    if (m_pRunner && m_pSender)
        m_pSender->Drop();
}

void CProcessWindow::Create(CExternalProcess& runner, LineNotify notify)
{
    Follow(runner, std::move(notify), false);
}

bool CProcessWindow::Attach(CExternalProcess& runner, LineNotify notify, bool bAfterShown)
{
    show();
    Follow(runner, std::move(notify), bAfterShown);
    return true;
}

void CProcessWindow::Follow(CExternalProcess& runner, LineNotify notify, bool bAfterShown)
{
    if (m_pServices)
        m_pTitle->setText(m_pServices->GetProcessTitle());
    m_pProgress->setValue(0);
    m_pRunner = &runner;
    m_notify = std::move(notify);
    // Whether it runs is read with the output: a run ending in between
    // still has its last lines and verdict shown by the next tick.
    const bool bRunning = ShowWholeOutput(bAfterShown);
    // A tool that prints nothing for a while can still be stopped.
    m_pStop->setEnabled(bRunning);
    // The last run's input is gone with it: the runner closes it on a new start.
    m_pSender.reset();
    ShowInputLine(bRunning && runner.GetInputFd() >= 0);
    if (bRunning)
        m_timer.start(kTimerInterval);
    else
        HandOverRun(); // all there is to show is shown
}

void CProcessWindow::HandOverRun()
{
    const std::optional<CFinishedRun> run = m_pRunner->TakeFinishedRun();
    m_pRunner = nullptr;
    // Compile and Run wait for the run to end; let them know it has.
    if (m_pServices)
        m_pServices->Frames().UpdateCommandStates();
    emit RunEnded(run ? *run : CFinishedRun());
}

void CProcessWindow::ClearOutput()
{
    m_decoder = QStringDecoder(QStringDecoder::Utf8);
    m_pOutput->clear();
    m_pOutput->SetFollowsEnd(true);
    m_display.Clear();
}

bool CProcessWindow::ShowWholeOutput(bool bAfterShown)
{
    if (bAfterShown && !m_pOutput->document()->isEmpty()) {
        m_decoder = QStringDecoder(QStringDecoder::Utf8);
        AppendOutput("\n");
    } else {
        ClearOutput();
    }
    bool bStillRunning = false;
    std::size_t nStart = 0;
    std::string strOutput = m_pRunner->GetOutputTail(0, bStillRunning, std::string::npos, nStart);
    const std::size_t nLimit = m_display.Limit();
    if (strOutput.size() > nLimit) {
        nStart += strOutput.size() - nLimit;
        strOutput.erase(0, strOutput.size() - nLimit);
    }
    if (nStart > 0) {
        ShowDroppedNote();
        nStart += COutputDisplay::SkipToNextLine(strOutput);
    }
    AppendOutput(strOutput);
    m_nShownLength = nStart + strOutput.size();
    return bStillRunning;
}

void CProcessWindow::AppendOutput(const std::string& strTail)
{
    if (strTail.empty())
        return;
    // The text's line breaks are CR LF; the edit's lines are its blocks.
    const QString strText = m_decoder.decode(QByteArrayView(strTail.data(), static_cast<qsizetype>(strTail.size())));
    const std::u16string strLines =
        m_display.Lines(std::u16string_view(reinterpret_cast<const char16_t*>(strText.utf16()), strText.size()));
    const QString strShown = QString::fromUtf16(strLines.data(), static_cast<qsizetype>(strLines.size()));
    // Appended apart from the caret, so a user reading further up stays there.
    const bool bFollow = m_pOutput->FollowsEnd();
    QTextCursor cursor(m_pOutput->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(strShown);
    KeepWithinLimit();
    if (bFollow)
        m_pOutput->ShowEnd();
}

void CProcessWindow::KeepWithinLimit()
{
    const std::optional<COutputDisplay::CDrop> drop = m_display.Drop();
    if (!drop)
        return;
    QTextDocument* pDocument = m_pOutput->document();
    int nEnd = static_cast<int>(drop->m_nTo);
    if (drop->m_bToLineStart) {
        const QTextBlock block = pDocument->findBlock(nEnd);
        if (block.position() != nEnd)
            nEnd = block.next().position();
    }
    QTextCursor cursor(pDocument);
    cursor.beginEditBlock();
    cursor.setPosition(static_cast<int>(drop->m_nFrom));
    cursor.setPosition(nEnd, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    m_display.Dropped(static_cast<std::size_t>(nEnd) - drop->m_nFrom);
    ShowDroppedNote();
}

void CProcessWindow::ShowDroppedNote()
{
    const std::u16string strNote = m_display.Note();
    if (strNote.empty())
        return;
    QTextCursor cursor(m_pOutput->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(QString::fromUtf16(strNote.data(), static_cast<qsizetype>(strNote.size())));
}

QString CProcessWindow::LineText(int nLineIndex) const
{
    const QTextBlock block = m_pOutput->document()->findBlockByNumber(nLineIndex);
    return block.isValid() ? block.text() : QString();
}

void CProcessWindow::SetStatusText(const QString& strText)
{
    if (m_pServices)
        m_pServices->Frames().SetStatusPaneText(strText);
}

void CProcessWindow::OnTick()
{
    if (!m_pRunner) {
        m_timer.stop();
        return;
    }
    if (m_pSender && m_pSender->HoldsInput())
        m_pSender->Flush();
    // The program has gone from its input (or the input was ended): nothing more to type.
    if (m_pSender && !m_pSender->IsOpen() && m_pInput->isEnabled())
        DisableInputLine();
    SetStatusText(m_bAnimation ? "External process in progress --" : "External process in progress +");
    m_bAnimation = !m_bAnimation;
    int nStep = m_pProgress->value() + 1;
    m_pProgress->setValue(nStep > kProgressMaximum ? 0 : nStep);

    // A tool writing faster than the window can follow leaves it ever
    // further behind: once more than it keeps lies ahead, what it shows is
    // stale, so it starts afresh with the newest it can keep.
    const std::size_t nEnd = m_pRunner->GetOutputLength();
    const std::size_t nLimit = m_display.Limit();
    bool bAfresh = nEnd > m_nShownLength + nLimit;
    if (bAfresh)
        m_nShownLength = nEnd - nLimit;
    bool bStillRunning = false;
    std::size_t nStart = 0;
    std::string strTail = m_pRunner->GetOutputTail(m_nShownLength, bStillRunning, kTickBytes, nStart);
    // A tool pouring out output is shown a slice per tick, ticking again at
    // once, so the window stays responsive while it catches up.
    const bool bBehind = strTail.size() == kTickBytes;
    // Also when the run dropped output this window had not shown yet: what
    // it shows is older still.
    bAfresh = bAfresh || nStart > m_nShownLength;
    m_nShownLength = nStart;
    if (bAfresh) {
        ClearOutput();
        ShowDroppedNote();
        m_nShownLength += COutputDisplay::SkipToNextLine(strTail);
    }
    m_timer.setInterval(bBehind ? 0 : kTimerInterval);
    if (!strTail.empty()) {
        AppendOutput(strTail);
        m_nShownLength += strTail.size();
        m_pStop->setEnabled(bStillRunning);
    }
    if (bBehind)
        return;
    if (!bStillRunning) {
        m_pStop->setEnabled(false);
        m_pProgress->setValue(kProgressMaximum);
        SetStatusText(kCompleteText);
        m_timer.stop();
        EndInput();
        HandOverRun();
    }
}

void CProcessWindow::OnStop()
{
    if (!m_pRunner || !m_pRunner->IsRunning())
        return;
    // Asked through the application; a window made without one has nobody to ask.
    if (m_pServices && m_pServices->Prompts().MessageBox(this, "The process is still running, do you wish to abort it?",
                                                         CPromptService::kOkCancel,
                                                         CPromptService::kIconQuestion) != CPromptService::kAnswerOk)
        return;
    // The run may have ended while the question was up; then this does nothing.
    if (!m_pRunner)
        return;
    if (m_pSender) {
        m_pSender->Drop();
        DisableInputLine();
    }
    m_pRunner->Terminate(CExternalProcess::kUserStopCode);
}

bool CProcessWindow::TakesInput() const
{
    return !m_pInput->isHidden();
}

std::size_t CProcessWindow::PendingInput() const
{
    return m_pSender ? m_pSender->Pending() : 0;
}

void CProcessWindow::ShowInputLine(bool bShow)
{
    if (bShow) {
        m_pSender = std::make_unique<CInputSender>(*m_pRunner);
        m_pInput->clear();
        m_pInput->setEnabled(true);
        m_pInput->show();
        // The user can type at once; a window not shown yet (the first run)
        // hands the focus over when it is.
        m_bFocusInputWhenShown = !isVisible();
        m_pInput->setFocus();
    } else {
        m_pInput->hide();
        m_bFocusInputWhenShown = false;
    }
    LayOut();
}

void CProcessWindow::OnSendInput()
{
    if (!m_pRunner || !m_pSender || !m_pSender->IsOpen())
        return;
    SendInput(m_pInput->text() + '\n');
    m_pInput->clear();
}

void CProcessWindow::SendInput(const QString& strLines)
{
    if (!m_pRunner || !m_pSender || !m_pSender->IsOpen())
        return;
    const QByteArray lines = strLines.toUtf8();
    const std::string_view strBytes(lines.constData(), static_cast<std::size_t>(lines.size()));
    // Echoed when typed, as a console shows it, whether the program has read it yet or not.
    m_pRunner->EchoInput(strBytes);
    m_pSender->Send(strBytes);
    m_timer.start(0); // the echo shows now, not on the next tick
}

void CProcessWindow::OnEndOfInput()
{
    if (!m_pSender)
        return;
    // What waits is still written; then the program reads end of input.
    m_pSender->End();
    DisableInputLine();
}

void CProcessWindow::DisableInputLine()
{
    // Its focus goes to the output, not to whatever comes next.
    const bool bHadFocus = m_pInput->hasFocus();
    m_pInput->setEnabled(false);
    if (bHadFocus)
        m_pOutput->setFocus();
}

void CProcessWindow::EndInput()
{
    if (!m_pSender)
        return;
    // Input still queued for a program that has ended goes: nobody reads it.
    m_pSender->Drop();
    m_pSender.reset();
    const bool bHadFocus = m_pInput->hasFocus();
    m_pInput->hide();
    m_bFocusInputWhenShown = false;
    LayOut();
    if (bHadFocus)
        m_pOutput->setFocus();
}

void CProcessWindow::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    LayOut();
}

void CProcessWindow::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
    if (m_bFocusInputWhenShown && m_pInput->isEnabled() && !m_pInput->isHidden())
        m_pInput->setFocus();
    m_bFocusInputWhenShown = false;
}

void CProcessWindow::LayOut()
{
    // The input line, when shown, sits under the output; a window too low
    // for both keeps the input line.
    const int nInputHeight = m_pInput->isHidden() ? 0 : m_pInput->sizeHint().height();
    const int nOutputHeight = qMax(0, height() - kOutputTop - nInputHeight);
    m_pOutput->setGeometry(0, kOutputTop, width(), nOutputHeight);
    if (nInputHeight > 0)
        m_pInput->setGeometry(0, kOutputTop + nOutputHeight, width(), nInputHeight);
    // A narrow window, floating for one, shares the row beside Stop between
    // the progress bar and the run title, so neither is cut off.
    const int nRowLeft = 42;
    const int nRowWidth = qMax(0, width() - nRowLeft - 2);
    const int nProgressWidth = qMin(kProgressWidth, qMax(0, (nRowWidth - 3) / 2));
    m_pProgress->setGeometry(nRowLeft, 4, nProgressWidth, 14);
    const int nTitleLeft = nRowLeft + nProgressWidth + 3;
    m_pTitle->setGeometry(nTitleLeft, 1, qMax(0, width() - nTitleLeft - 2), 20);
}

QString CProcessWindow::OutputText() const
{
    return m_pOutput->toPlainText();
}
QString CProcessWindow::TitleText() const
{
    return m_pTitle->text();
}
int CProcessWindow::ProgressPosition() const
{
    return m_pProgress->value();
}
