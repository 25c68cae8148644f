#include "core/settings/RecentProjects.h"

#include "core/settings/SettingNames.h"
#include "core/settings/Settings.h"

#include <algorithm>

using namespace SettingNames;

void AddRecentProject(std::vector<std::string>& recentProjects, const std::string& strPath)
{
    if (strPath.empty())
        return;
    if (std::find(recentProjects.begin(), recentProjects.end(), strPath) != recentProjects.end())
        return;
    recentProjects.insert(recentProjects.begin(), strPath);
}

void SaveRecentProjects(ISettingsStore& store, const std::vector<std::string>& recentProjects,
                        const std::string& strLastOpen)
{
    store.WriteProfileString(kOptions, kLastOpen, strLastOpen);
    int nCount = static_cast<int>(std::min<std::size_t>(recentProjects.size(), kMaxStoredRecentProjects));
    store.WriteProfileInt(kOptions, kRecentSize, nCount);
    for (int i = 0; i < nCount; ++i)
        store.WriteProfileString(kOptions, kRecentPrefix + std::to_string(i), recentProjects[i]);
}

bool RemoveRecentProject(std::vector<std::string>& recentProjects, const std::string& strPath)
{
    auto it = std::find(recentProjects.begin(), recentProjects.end(), strPath);
    if (it == recentProjects.end())
        return false;
    recentProjects.erase(it);
    return true;
}
