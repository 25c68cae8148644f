#pragma once

#include "core/settings/Settings.h"

class CPromptService;
class ISettingsStore;
class QWidget;

// Runs "Tarnwick Preferences" on nStartPage over the settings record. OK
// takes every value back into the record and writes all eighteen values to
// the store; Cancel changes nothing. True on OK. The sheet runs through prompts.
bool EditPreferences(QWidget* pParent, CPromptService& prompts, CSettings& settings, ISettingsStore& store,
                     int nStartPage = 0);
