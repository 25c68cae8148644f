#include "ui/app/TipDlg.h"

#include "core/settings/TipsWalk.h"
#include "ui/app/DialogPictures.h"
#include "ui/framework/PromptService.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The heading band: white, the bulb at its left, the heading beside it.
class CTipHeading : public QWidget {
public:
    explicit CTipHeading(QWidget* pParent) : QWidget(pParent), m_bulb(TipBulbBitmap())
    {
        setObjectName("TipHeading");
        QFont font = this->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        setFont(font);
        setMinimumHeight(m_bulb.height());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawPixmap(0, 0, m_bulb);
        QRect band(m_bulb.width() + 8, 0, width() - m_bulb.width() - 8, m_bulb.height());
        painter.setPen(Qt::black);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, CTipDlg::HeadingText);
    }

private:
    QPixmap m_bulb;
};
} // namespace

CTipDlg::CTipDlg(CPromptService& prompts, ISettingsStore& store, const std::string& strTipsPath, QWidget* pParent)
    : QDialog(pParent), m_prompts(prompts), m_store(store)
{
    setWindowTitle("Tip of the Day");
    setObjectName("TipDlg");

    m_bStartup = CTipsWalk::ShowsAtStartUp(m_store);
    m_pWalk = std::make_unique<CTipsWalk>(m_store, strTipsPath);

    auto* pFrame = new QFrame(this);
    pFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pFrame->setAutoFillBackground(true);
    QPalette white = pFrame->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    pFrame->setPalette(white);
    auto* pHeading = new CTipHeading(pFrame);
    m_pTip = new QLabel(pFrame);
    m_pTip->setObjectName("TipText");
    m_pTip->setTextFormat(Qt::PlainText);
    m_pTip->setWordWrap(true);
    m_pTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pTip->setMinimumSize(360, 110);
    m_pTip->setContentsMargins(48, 4, 8, 4);
    auto* pFrameLayout = new QVBoxLayout(pFrame);
    pFrameLayout->setContentsMargins(8, 8, 8, 8);
    pFrameLayout->addWidget(pHeading);
    pFrameLayout->addWidget(m_pTip, 1);

    m_pStartUp = new QCheckBox("&Show Tips on StartUp", this);
    m_pStartUp->setChecked(m_bStartup);
    m_pNextTip = new QPushButton("&Next Tip", this);
    m_pClose = new QPushButton("&Close", this);
    m_pClose->setDefault(true);
    m_pNextTip->setEnabled(m_pWalk->IsOpen());
    connect(m_pNextTip, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(m_pClose, &QPushButton::clicked, this, &CTipDlg::OnClose);

    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pStartUp);
    pBottom->addStretch(1);
    pBottom->addWidget(m_pNextTip);
    pBottom->addWidget(m_pClose);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pFrame, 1);
    pLayout->addLayout(pBottom);

    m_pTip->setText(QString::fromLocal8Bit(m_pWalk->Tip()));
    ShowWalkMessages();
}

CTipDlg::~CTipDlg() = default;

QString CTipDlg::TipText() const
{
    return m_pTip->text();
}

void CTipDlg::OnNextTip()
{
    m_pWalk->NextTip();
    m_pTip->setText(QString::fromLocal8Bit(m_pWalk->Tip()));
    ShowWalkMessages();
}

void CTipDlg::OnClose()
{
    CTipsWalk::SetShowAtStartUp(m_store, m_pStartUp->isChecked());
    accept();
}

void CTipDlg::ShowWalkMessages()
{
    for (const std::string& strMessage : m_pWalk->TakeMessages())
        m_prompts.MessageBox(parentWidget(), QString::fromStdString(strMessage), CPromptService::kOk,
                             CPromptService::kIconWarning);
}
