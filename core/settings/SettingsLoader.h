#pragma once

#include "core/settings/Settings.h"
#include "core/settings/SettingsStore.h"

#include <string>

// Defaults that depend on the machine rather than on the store.
struct CSettingsDefaults {
    std::string m_strJdkFolder; // the detected JDK folder
    std::string m_strHelpPath;  // the help path used when "HELPPATH" is absent
};

// This machine's defaults: the JDK found in the environment (see
// CJdkLocator) and that JDK's API documentation.
CSettingsDefaults DetectSettingsDefaults();

// Reads the whole settings record, in the fixed order the program has always
// used, recent projects last.
CSettings LoadSettings(ISettingsStore& store, const CSettingsDefaults& defaults);

// The help path as the program holds it: cut to at most kMaxHelpPathLength
// bytes, and never inside a UTF-8 character.
std::string LimitHelpPath(const std::string& strHelpPath);
