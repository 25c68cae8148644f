#pragma once

#include <string>

class CAppFixture;
class CJavaProjectCore;
class QTreeWidgetItem;

// A project of many files with many classes and members, for the tree's
// merge tests and its timing.
namespace LargeProject {
inline constexpr int kClasses = 20;
inline constexpr int kMembers = 20;

// Items of a tree with nFiles such files, all expanded.
constexpr int ItemCount(int nFiles)
{
    return nFiles + nFiles * kClasses + nFiles * kClasses * kMembers;
}

// Paths in the fixture's folder; the files themselves are never read.
std::string FilePath(CAppFixture& fixture, int nFile);
// Reports one file's classes as the outline scan does; with bExtra the class
// in the middle of the file has one member more.
void ScanFile(CJavaProjectCore& core, const std::string& strPath, bool bExtra);
// Writes Big.jpr in the fixture's folder with nFiles such files.
bool SaveProject(CAppFixture& fixture, int nFiles);
// Items below pParent, at every depth.
int CountItems(QTreeWidgetItem* pParent);
} // namespace LargeProject
