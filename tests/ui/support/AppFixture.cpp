#include "tests/ui/support/AppFixture.h"

#include "tests/ui/support/TextTestDocument.h"
#include "ui/app/MainFrame.h"
#include "core/settings/IniSettingsStore.h"
#include "settings/QtSettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QTest>

CAppFixture::CAppFixture()
    : m_strIni(m_dir.filePath("settings.ini")), m_pPreset(std::make_unique<QSettings>(m_strIni, QSettings::IniFormat))
{}

CAppFixture::~CAppFixture()
{
    m_pApp.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool CAppFixture::Start(const QStringList& arguments, bool bRegisterTestKinds)
{
    m_pPreset->sync();
    m_pApp = std::make_unique<CTarnwickApp>(std::make_unique<CQtSettingsStore>(m_strIni), m_prompts);
    CTarnwickApp::CStartOptions options;
    options.m_arguments = arguments;
    options.m_strApplicationFolder = TARNWICK_TEST_APP_FOLDER;
    options.m_strDefaultJdk = "/opt/test-jdk";
    options.m_bShowTipAtStartup = m_bShowTipAtStartup;
    if (bRegisterTestKinds)
        options.m_afterKindsRegistered = RegisterTestKinds;
    return m_pApp->InitInstance(options);
}

bool CAppFixture::StartWithArgv(const std::vector<std::string>& argumentBytes)
{
    m_pPreset->sync();
    m_pApp = std::make_unique<CTarnwickApp>(std::make_unique<CQtSettingsStore>(m_strIni), m_prompts);
    CTarnwickApp::CStartOptions options;
    for (const std::string& strArgument : argumentBytes)
        options.m_arguments << QString::fromLocal8Bit(strArgument);
    options.m_argumentBytes = argumentBytes;
    options.m_strApplicationFolder = TARNWICK_TEST_APP_FOLDER;
    options.m_strDefaultJdk = "/opt/test-jdk";
    return m_pApp->InitInstance(options);
}

bool CAppFixture::ShowActive()
{
    CMainFrame* pFrame = m_pApp->MainFrame();
    pFrame->show();
    pFrame->activateWindow();
    return QTest::qWaitForWindowActive(pFrame);
}

void CAppFixture::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // The key goes up where the focus is then: a key that moved the focus
    // lets go in the new place.
    auto focused = [this]() -> QWidget* {
        return QApplication::focusWidget() ? QApplication::focusWidget() : m_pApp->MainFrame();
    };
    QTest::keyPress(focused(), key, modifiers);
    QTest::keyRelease(focused(), key, modifiers);
    QCoreApplication::processEvents();
}

void CAppFixture::Close()
{
    m_pApp->MainFrame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QVariant CAppFixture::Stored(const QString& strKey)
{
    m_pApp->SyncSettings();
    // Read afresh from the file, as the next start would.
    const CIniSettingsStore stored(QFile::encodeName(m_strIni).toStdString());
    const auto value = stored.Find(strKey.section('/', 0, 0).toStdString(), strKey.section('/', 1).toStdString());
    return value ? QVariant(QString::fromStdString(*value)) : QVariant();
}

QString CAppFixture::WriteFile(const QString& strName, const QByteArray& bytes)
{
    QString strPath = m_dir.filePath(strName);
    QFile file(strPath);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return strPath;
}

int CAppFixture::FrameCount() const
{
    return static_cast<int>(m_pApp->MainFrame()->MdiArea()->subWindowList().size());
}
