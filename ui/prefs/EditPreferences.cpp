#include "ui/prefs/EditPreferences.h"

#include "core/jdk/JdkCandidates.h"
#include "core/settings/Preferences.h"
#include "ui/framework/PromptService.h"
#include "ui/prefs/PrefsSheet.h"

bool EditPreferences(QWidget* pParent, CPromptService& prompts, CSettings& settings, ISettingsStore& store,
                     int nStartPage)
{
    CPrefsSheet sheet(prompts, CopyToPreferences(settings), CJdkCandidates::Find(&CJdkLocator::ReadProcessEnvironment),
                      nStartPage, pParent);
    if (prompts.RunDialog(sheet) != QDialog::Accepted)
        return false;
    ApplyPreferences(sheet.Values(), settings, store);
    return true;
}
