#pragma once

#include "core/settings/Settings.h"

class ISettingsStore;
class QWidget;

// Runs "Tarnwick Preferences" on nStartPage over the settings record. OK
// takes every value back into the record and writes all eighteen values to
// the store; Cancel changes nothing. True on OK.
bool EditPreferences(QWidget* pParent, CSettings& settings, ISettingsStore& store, int nStartPage = 0);
