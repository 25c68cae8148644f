#include "tests/ui/support/LargeProject.h"

#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"

#include <QTreeWidgetItem>

namespace LargeProject {
std::string FilePath(CAppFixture& fixture, int nFile)
{
    return fixture.TempPath(QStringLiteral("File%1.java").arg(nFile)).toStdString();
}

void ScanFile(CJavaProjectCore& core, const std::string& strPath, bool bExtra)
{
    core.ClearFileClasses(strPath);
    for (int c = 0; c < kClasses; ++c) {
        const std::string strClass = "Class" + std::to_string(c);
        core.AddClass(strPath, strClass);
        for (int m = 0; m < kMembers; ++m)
            core.AddMember(strPath, strClass, "method" + std::to_string(m) + "(String strName, int nCount)");
        if (bExtra && c == kClasses / 2)
            core.AddMember(strPath, strClass, "added(int nValue)");
    }
}

bool SaveProject(CAppFixture& fixture, int nFiles)
{
    CJavaProjectCore core("", "");
    const QString strProject = fixture.TempPath("Big.jpr");
    core.SetPathName(strProject.toStdString());
    for (int f = 0; f < nFiles; ++f) {
        if (!core.AddJavaFile(FilePath(fixture, f)))
            return false;
        ScanFile(core, FilePath(fixture, f), false);
    }
    core.SetMainFile("File0.java");
    std::string strError;
    return core.SaveAs(strProject.toStdString(), strError);
}

int CountItems(QTreeWidgetItem* pParent)
{
    int nCount = pParent->childCount();
    for (int i = 0; i < pParent->childCount(); ++i)
        nCount += CountItems(pParent->child(i));
    return nCount;
}
} // namespace LargeProject
