#include "ui/prefs/EditPreferences.h"

#include "core/jdk/JdkCandidates.h"
#include "core/settings/Preferences.h"
#include "ui/framework/PromptService.h"
#include "ui/prefs/PrefsSheet.h"

bool EditPreferences(QWidget* pParent, CSettings& settings, ISettingsStore& store, int nStartPage)
{
    CPrefsSheet sheet(CopyToPreferences(settings), CJdkCandidates::Find(&CJdkLocator::ReadProcessEnvironment),
                      nStartPage, pParent);
    if (Prompts().RunDialog(sheet) != QDialog::Accepted)
        return false;
    ApplyPreferences(sheet.Values(), settings, store);
    return true;
}
