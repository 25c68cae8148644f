#include "ui/app/AboutDlg.h"

#include "core/CoreVersion.h"
#include "ui/app/CommandIcons.h"
#include "ui/framework/PromptService.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(CPromptService& prompts, QWidget* pParent) : QDialog(pParent), m_prompts(prompts)
{
    setWindowTitle("About Tarnwick");
    setObjectName("AboutDlg");

    auto* pLogo = new QLabel(this);
    pLogo->setPixmap(AboutBitmap());
    pLogo->setAlignment(Qt::AlignTop);

    auto* pVersion = new QLabel(QStringLiteral("Tarnwick Version %1").arg(TarnwickVersion()), this);
    pVersion->setObjectName("VersionLine");
    QFont bold = pVersion->font();
    bold.setBold(true);
    pVersion->setFont(bold);
    auto* pUsage = new QLabel("A small, fast IDE for Java and the JDK.\n"
                              "Edit, build (F7), compile (Ctrl+M) and run (F5) your\n"
                              "projects; double-click a compiler message to find its line.",
                              this);
    auto* pAddress = new QLabel(WebAddress(), this);
    pAddress->setObjectName("WebAddress");
    pAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* pButtons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* pOk = pButtons->addButton(QDialogButtonBox::Ok);
    pOk->setDefault(true);
    QPushButton* pVisit = pButtons->addButton("Visit Web Site", QDialogButtonBox::ActionRole);
    pVisit->setObjectName("VisitWebSite");
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(pVisit, &QPushButton::clicked, this, &CAboutDlg::OnVisitWebSite);

    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(pLogo, 0, 0, 3, 1);
    pLayout->addWidget(pVersion, 0, 1);
    pLayout->addWidget(pUsage, 1, 1);
    pLayout->addWidget(pAddress, 2, 1);
    pLayout->addWidget(pButtons, 0, 2, 3, 1);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::WebAddress()
{
    return QStringLiteral("https://tarnwick.vellorand.org/");
}

void CAboutDlg::OnVisitWebSite()
{
    m_prompts.OpenUrl(WebAddress());
}
