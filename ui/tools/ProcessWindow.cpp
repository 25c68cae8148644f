#include "ui/tools/ProcessWindow.h"

#include "core/tools/ExternalProcess.h"
#include "ui/app/MainFrame.h"
#include "ui/app/TarnwickApp.h"
#include "ui/framework/PromptService.h"
#include "ui/tools/ProcessOutputEdit.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int kProgressMaximum = 100;
}

CProcessWindow::CProcessWindow(QWidget* pParent)
    : QWidget(pParent),
      m_pStop(new QPushButton("stop", this)),
      m_pProgress(new QProgressBar(this)),
      m_pTitle(new QLineEdit(this)),
      m_pOutput(new CProcessOutputEdit(this)),
      m_decoder(QStringDecoder::Utf8)
{
    setObjectName("ProcessWindow");
    m_pStop->setObjectName("StopButton");
    m_pProgress->setObjectName("Progress");
    m_pTitle->setObjectName("RunTitle");
    m_pOutput->setObjectName("Output");
    m_pStop->setGeometry(2, 1, 36, 20);
    m_pProgress->setGeometry(42, 4, 134, 14);
    m_pProgress->setTextVisible(false);
    m_pProgress->setRange(0, kProgressMaximum);
    m_pTitle->setReadOnly(true);
    m_pTitle->setGeometry(179, 1, 380, 20);
    m_pStop->setEnabled(false);

    m_timer.setInterval(kTimerInterval);
    connect(&m_timer, &QTimer::timeout, this, &CProcessWindow::OnTick);
    connect(m_pStop, &QPushButton::clicked, this, &CProcessWindow::OnStop);
    connect(m_pOutput, &CProcessOutputEdit::LineDoubleClicked, this, [this](int nLineIndex) {
        if (m_notify)
            m_notify(nLineIndex);
    });

    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.0);
    if (CTarnwickApp* pApp = CTarnwickApp::Instance()) {
        font.setFamily(QString::fromStdString(pApp->Settings().m_strDlgFontName));
        font.setPointSizeF(pApp->Settings().m_nDlgFontSize / 10.0);
    }
    m_pOutput->setFont(font);
    resize(600, 150);
}

CProcessWindow::~CProcessWindow() = default;

void CProcessWindow::Create(std::unique_ptr<CExternalProcess> pRunner, LineNotify notify)
{
    m_pRunner = std::move(pRunner);
    m_notify = std::move(notify);
    ShowWholeOutput();
    if (CExternalProcess::IsRunning()) {
        m_bAnimation = true;
        m_timer.start(kTimerInterval);
    }
    // A tool that prints nothing for a while can still be stopped.
    m_pStop->setEnabled(CExternalProcess::IsRunning());
    m_pProgress->setValue(0);
    if (CTarnwickApp* pApp = CTarnwickApp::Instance())
        m_pTitle->setText(pApp->GetProcessTitle());
}

bool CProcessWindow::Attach(std::unique_ptr<CExternalProcess> pRunner, LineNotify notify)
{
    show();
    if (CTarnwickApp* pApp = CTarnwickApp::Instance())
        m_pTitle->setText(pApp->GetProcessTitle());
    m_pProgress->setValue(0);
    m_pRunner = std::move(pRunner);
    m_notify = std::move(notify);
    ShowWholeOutput();
    if (CExternalProcess::IsRunning())
        m_timer.start(kTimerInterval);
    m_pStop->setEnabled(CExternalProcess::IsRunning());
    return true;
}

void CProcessWindow::ShowWholeOutput()
{
    std::string strOutput = CExternalProcess::GetOutput();
    m_decoder = QStringDecoder(QStringDecoder::Utf8);
    m_pOutput->clear();
    m_nShownLength = 0;
    AppendOutput(strOutput);
    m_nShownLength = strOutput.size();
}

void CProcessWindow::AppendOutput(const std::string& strTail)
{
    if (strTail.empty())
        return;
    // The text's line breaks are CR LF; the edit's lines are its blocks.
    QString strText = m_decoder.decode(QByteArrayView(strTail.data(), static_cast<qsizetype>(strTail.size())));
    strText.remove('\r');
    QTextCursor cursor = m_pOutput->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(strText);
    m_pOutput->setTextCursor(cursor);
    m_pOutput->ensureCursorVisible();
}

void CProcessWindow::SetStatusText(const QString& strText)
{
    if (CTarnwickApp* pApp = CTarnwickApp::Instance(); pApp && pApp->MainFrame())
        pApp->MainFrame()->SetStatusPaneText(strText);
}

void CProcessWindow::OnTick()
{
    SetStatusText(m_bAnimation ? "External process in progress --" : "External process in progress +");
    m_bAnimation = !m_bAnimation;
    int nStep = m_pProgress->value() + 1;
    m_pProgress->setValue(nStep > kProgressMaximum ? 0 : nStep);

    bool bStillRunning = false;
    std::string strTail = CExternalProcess::GetOutputTail(m_nShownLength, bStillRunning, kTickBytes);
    // A tool pouring out output is shown a slice per tick, ticking again at
    // once, so the window stays responsive while it catches up.
    const bool bBehind = strTail.size() == kTickBytes;
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
        SetStatusText("External process complete");
        m_timer.stop();
        m_pRunner.reset();
        // Compile and Run wait for the run to end; let them know it has.
        if (CTarnwickApp* pApp = CTarnwickApp::Instance(); pApp && pApp->MainFrame())
            pApp->MainFrame()->UpdateCommandStates();
    }
}

void CProcessWindow::OnStop()
{
    if (!CExternalProcess::IsRunning())
        return;
    if (Prompts().MessageBox(this, "The process is still running, do you wish to abort it?",
                             CPromptService::kOkCancel, CPromptService::kIconQuestion) != CPromptService::kAnswerOk)
        return;
    if (m_pRunner) {
        CExternalProcess::Terminate(CExternalProcess::s_nUserStopCode);
        m_pRunner.reset();
    }
}

void CProcessWindow::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    m_pOutput->setGeometry(0, kOutputTop, width(), qMax(0, height() - kOutputTop));
    m_pTitle->setGeometry(179, 1, qMax(40, width() - 181), 20);
}

QString CProcessWindow::OutputText() const { return m_pOutput->toPlainText(); }
QString CProcessWindow::TitleText() const { return m_pTitle->text(); }
int CProcessWindow::ProgressPosition() const { return m_pProgress->value(); }
