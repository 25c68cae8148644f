#include "core/project/JavaProjectCore.h"
#include "core/tools/StaleClasses.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>

namespace {
// Sets a file's modification time, seconds and nanoseconds.
void Touch(const std::string& strPath, time_t nSeconds, long nNanoseconds = 0)
{
    const timespec times[2] = {{nSeconds, nNanoseconds}, {nSeconds, nNanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, strPath.c_str(), times, 0), 0) << strPath;
}
} // namespace

TEST(ToolsStaleClasses, ASourceWrittenAfterItsClassOrChangedInAnEditorIsStale)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    CJavaProjectCore project("", "");
    project.SetPathName(folder.File("P.jpr"));
    for (const char* pszName : {"Main.java", "Util.java", "Unused.java"}) {
        folder.Write(pszName, "class X {}\n");
        project.AddJavaFile(folder.File(pszName));
    }
    project.SetMainFile("Main.java");
    EXPECT_EQ(CStaleClasses::ClassFileOf("/p/com/x/App.java"), "/p/com/x/App.class");
    EXPECT_EQ(CStaleClasses::ClassFileOf("/p/App.JAVA"), "");

    // The main file that no build has reached yet.
    EXPECT_EQ(CStaleClasses::FirstStaleSource(project, {}), folder.File("Main.java"));

    // Built: every class written after its source. A file no build has
    // reached (Unused.java) is none of the program's.
    folder.Write("Main.class", "");
    folder.Write("Util.class", "");
    for (const char* pszName : {"Main.java", "Util.java", "Unused.java"})
        Touch(folder.File(pszName), 1000000, 500);
    Touch(folder.File("Main.class"), 1000000, 500);
    Touch(folder.File("Util.class"), 1000001);
    EXPECT_EQ(CStaleClasses::FirstStaleSource(project, {}), "");

    // A source saved after the build, by a nanosecond.
    Touch(folder.File("Util.java"), 1000001, 1);
    EXPECT_EQ(CStaleClasses::FirstStaleSource(project, {}), folder.File("Util.java"));
    Touch(folder.File("Util.java"), 1000000);

    // Changed in an editor, not saved: the disk says nothing of it yet.
    EXPECT_EQ(CStaleClasses::FirstStaleSource(project, {"/else/Main.java", folder.File("Main.java")}),
              folder.File("Main.java"));
    EXPECT_EQ(CStaleClasses::FirstStaleSource(project, {folder.File("Elsewhere.java")}), "");
}
