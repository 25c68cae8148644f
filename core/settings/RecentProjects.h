#pragma once

#include "core/settings/SettingsStore.h"

#include <string>
#include <vector>

// The list of recently closed projects, newest first, without duplicates.
// An empty path is ignored; a path already listed keeps its place.
void AddRecentProject(std::vector<std::string>& recentProjects, const std::string& strPath);

// Writes "LASTOPEN" and the first ten entries with their count. Stored
// entries past the count are left alone; they are never read.
void SaveRecentProjects(ISettingsStore& store, const std::vector<std::string>& recentProjects,
                        const std::string& strLastOpen);

// Removes the first entry equal to strPath; false when there is none.
bool RemoveRecentProject(std::vector<std::string>& recentProjects, const std::string& strPath);
