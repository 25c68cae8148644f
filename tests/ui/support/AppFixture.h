#pragma once

#include "tests/ui/support/ScriptedPrompts.h"
#include "ui/app/TarnwickApp.h"

#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A started application with its settings in a temporary INI file and its
// prompts scripted.
class CAppFixture {
public:
    CAppFixture();
    ~CAppFixture();

    // Whether Start shows the tip of the day as the program does; off so
    // that no test meets a dialog it did not ask for.
    bool m_bShowTipAtStartup = false;

    // Settings written before start-up.
    QSettings& PresetSettings() { return *m_pPreset; }
    bool Start(const QStringList& arguments = {}, bool bRegisterTestKinds = true);
    // Starts with arguments given as the system's bytes, as main() passes them.
    bool StartWithArgv(const std::vector<std::string>& argumentBytes);
    // Shows the main window and waits until it is the active window, as a
    // user's start leaves it; false when it did not become active.
    bool ShowActive();
    // Types a key as the keyboard does: down and up to the widget with the
    // focus at each moment (the main window when none has it), then lets the
    // events run.
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Ends the application as the user would: closes the main window.
    void Close();
    // Settings as stored now.
    QVariant Stored(const QString& strKey);

    CTarnwickApp& App() { return *m_pApp; }
    CScriptedPrompts& Prompts() { return m_prompts; }
    QString TempPath(const QString& strName) const { return m_dir.filePath(strName); }
    QString WriteFile(const QString& strName, const QByteArray& bytes);
    int FrameCount() const;

private:
    QTemporaryDir m_dir;
    QString m_strIni;
    std::unique_ptr<QSettings> m_pPreset;
    CScriptedPrompts m_prompts;
    std::unique_ptr<CTarnwickApp> m_pApp;
};
