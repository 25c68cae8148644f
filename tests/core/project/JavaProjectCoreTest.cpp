#include "core/editor/OutlineScanner.h"
#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectPath.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Settings.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

static const std::string kSep(1, CProjectPath::kNativeSeparator);

static std::vector<std::string> FilePaths(const CTarnwickFileList& files)
{
    std::vector<std::string> paths;
    for (int nIndex = 0; nIndex < files.GetCount(); ++nIndex)
        paths.push_back(files.GetAt(nIndex)->GetPathName());
    return paths;
}

TEST(JavaProjectCoreFiles, AddJavaFileIgnoresSamePathAndRepointsSameName)
{
    CJavaProjectCore project;
    EXPECT_TRUE(project.AddJavaFile("C:\\b\\Foo.java"));
    EXPECT_FALSE(project.AddJavaFile("C:\\b\\Foo.java"));
    EXPECT_TRUE(project.AddJavaFile("C:\\a\\Foo.java"));
    EXPECT_TRUE(project.AddJavaFile("/src/Bar.java"));
    EXPECT_EQ(FilePaths(project.GetJavaFiles()), (std::vector<std::string>{"C:\\a\\Foo.java", "/src/Bar.java"}));
    EXPECT_EQ(project.GetJavaFiles().GetAt(0)->GetFileName(), "Foo.java");
    // The caller decides about the flag.
    EXPECT_FALSE(project.IsModified());
}

#ifndef _WIN32
// A backslash is a character of a name here; only a project written on
// Windows (drive or backslash first) has backslash folders.
TEST(JavaProjectCoreFiles, BackslashIsPartOfANameOnPosix)
{
    CJavaProjectCore project;
    project.SetPathName("/home/u/P.jpr");
    EXPECT_TRUE(project.AddJavaFile("/home/u/x\\Hello.java"));
    EXPECT_TRUE(project.AddJavaFile("/home/u/a\\b/C.java"));
    EXPECT_TRUE(project.AddJavaFile("/home/u/Hello.java"));
    ASSERT_EQ(project.GetJavaFiles().GetCount(), 3);
    EXPECT_EQ(project.GetJavaFiles().GetAt(0)->GetFileName(), "x\\Hello.java");
    EXPECT_EQ(project.GetJavaFiles().GetAt(1)->GetFileName(), "C.java");
    EXPECT_EQ(project.GetJavaFiles().GetAt(2)->GetFileName(), "Hello.java");
    project.SetMainFile("x\\Hello.java");
    EXPECT_EQ(project.GetMainFolder(), "/home/u");
    EXPECT_EQ(project.GetFilePath("x\\Hello.java"), "/home/u/x\\Hello.java");
    EXPECT_EQ(project.GetFilePath("Hello.java"), "/home/u/Hello.java");

    // Stored and read back, then opened where the project has moved to.
    CJavaProjectCore loaded;
    std::string strError;
    ASSERT_TRUE(loaded.LoadBytes(project.WriteBytes(), strError)) << strError;
    EXPECT_EQ(loaded.GetJavaFiles().GetAt(0)->GetFileName(), "x\\Hello.java");
    loaded.SetPathName("/home/v/P.jpr");
    EXPECT_EQ(loaded.GetFilePath("x\\Hello.java"), "/home/v/x\\Hello.java");
    EXPECT_EQ(loaded.GetFilePath("C.java"), "/home/v/a\\b/C.java");
    EXPECT_EQ(loaded.GetMainFolder(), "/home/u");
}

TEST(JavaProjectCoreFiles, ProjectWrittenOnWindowsStillRebases)
{
    CJavaProjectCore windows;
    windows.SetPathName("C:\\old\\P.jpr");
    windows.AddJavaFile("C:\\old\\src\\A.java");
    windows.AddHtmlFile("\\\\server\\old\\Page.html");
    windows.SetMainFile("A.java");
    EXPECT_EQ(windows.GetMainFolder(), "C:\\old\\src");

    CJavaProjectCore loaded;
    std::string strError;
    ASSERT_TRUE(loaded.LoadBytes(windows.WriteBytes(), strError)) << strError;
    EXPECT_EQ(loaded.GetJavaFiles().GetAt(0)->GetFileName(), "A.java");
    EXPECT_EQ(loaded.GetHtmlFiles().GetAt(0)->GetFileName(), "Page.html");
    loaded.SetPathName("/new/P.jpr");
    EXPECT_EQ(loaded.GetFilePath("A.java"), "/new/src/A.java");
    // Outside the old project folder: left as stored.
    EXPECT_EQ(loaded.GetFilePath("Page.html"), "\\\\server\\old\\Page.html");
}
#endif

TEST(JavaProjectCoreFiles, NewEntriesRecordTheProjectPath)
{
    CJavaProjectCore project;
    project.AddJavaFile("/w/Early.java");
    project.SetPathName("/w/P.jpr");
    project.AddJavaFile("/w/Late.java");
    project.AddHtmlFile("/w/Page.html");
    EXPECT_EQ(project.GetJavaFiles().GetAt(0)->GetProjectPath(), "");
    EXPECT_EQ(project.GetJavaFiles().GetAt(1)->GetProjectPath(), "/w/P.jpr");
    EXPECT_EQ(project.GetHtmlFiles().GetAt(0)->GetProjectPath(), "/w/P.jpr");
}

TEST(JavaProjectCoreFiles, FullJavaListDropsTheFileButReportsAdded)
{
    CJavaProjectCore project;
    for (int nIndex = 0; nIndex < 255; ++nIndex)
        ASSERT_TRUE(project.AddJavaFile("/p/F" + std::to_string(nIndex) + ".java"));
    EXPECT_TRUE(project.AddJavaFile("/p/Extra.java"));
    EXPECT_EQ(project.GetJavaFiles().GetCount(), 255);
    EXPECT_EQ(project.GetFilePath("Extra.java"), "NOFILE");
}

TEST(JavaProjectCoreFiles, CheckedHtmlAdditionRefusesPathThenName)
{
    CJavaProjectCore project;
    int nUpdates = 0;
    project.SetUpdateViewsHandler([&nUpdates] { ++nUpdates; });
    std::string strMessage;
    EXPECT_TRUE(project.AddHtmlFileChecked("/a/Page.html", strMessage));
    EXPECT_EQ(strMessage, "");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(nUpdates, 1);

    project.SetModifiedFlag(false);
    EXPECT_FALSE(project.AddHtmlFileChecked("/a/Page.html", strMessage));
    EXPECT_EQ(strMessage, "File is already in project.");
    EXPECT_FALSE(project.AddHtmlFileChecked("/b/Page.html", strMessage));
    EXPECT_EQ(strMessage, "You cannot add two HTML files with the same name to a project.");
    EXPECT_FALSE(project.IsModified());
    EXPECT_EQ(nUpdates, 1);
    EXPECT_EQ(FilePaths(project.GetHtmlFiles()), (std::vector<std::string>{"/a/Page.html"}));

    // The unchecked addition of new projects takes anything.
    project.AddHtmlFile("/b/Page.html");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(project.GetHtmlFiles().GetCount(), 2);
    EXPECT_EQ(nUpdates, 1);
}

TEST(JavaProjectCoreFiles, RemoveFileTakesFirstHtmlAndJavaEntryAndKeepsMainNames)
{
    CJavaProjectCore project;
    int nUpdates = 0;
    project.SetUpdateViewsHandler([&nUpdates] { ++nUpdates; });
    project.AddJavaFile("/p/A.java");
    project.AddJavaFile("/p/B.java");
    project.AddHtmlFile("/p/A.java"); // odd, but the removal looks in both lists
    project.AddHtmlFile("/p/Index.html");
    project.SetMainFile("A.java");
    project.SetModifiedFlag(false);
    nUpdates = 0;

    project.RemoveFile("/p/A.java");
    EXPECT_EQ(FilePaths(project.GetJavaFiles()), (std::vector<std::string>{"/p/B.java"}));
    EXPECT_EQ(FilePaths(project.GetHtmlFiles()), (std::vector<std::string>{"/p/Index.html"}));
    EXPECT_EQ(project.GetMainFile(), "A.java");
    EXPECT_EQ(project.GetFilePath("A.java"), "NOFILE");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(nUpdates, 1);

    // A path no list holds still counts as a change.
    project.SetModifiedFlag(false);
    project.RemoveFile("/nowhere/X.java");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(nUpdates, 2);
}

TEST(JavaProjectCoreMainFiles, MainFolderFollowsTheMainFile)
{
    CJavaProjectCore project;
    project.AddJavaFile("/work/demo/Hello.java");
    project.AddJavaFile("/work/lib/Util.java");
    project.SetMainFile("Hello.java");
    EXPECT_EQ(project.GetMainFile(), "Hello.java");
    EXPECT_EQ(project.GetMainFolder(), "/work/demo");
    EXPECT_TRUE(project.IsMainFile("Hello.java"));
    EXPECT_FALSE(project.IsMainFile("Util.java"));
    EXPECT_TRUE(project.IsModified());

    project.SetMainFile("Util.java");
    EXPECT_EQ(project.GetMainFolder(), "/work/lib");
    project.SetMainFile("Missing.java");
    EXPECT_EQ(project.GetMainFile(), "Missing.java");
    EXPECT_EQ(project.GetMainFolder(), "");

    project.SetModifiedFlag(false);
    project.SetMainHtmlFile("Page.html");
    EXPECT_EQ(project.GetMainHtmlFile(), "Page.html");
    EXPECT_TRUE(project.IsModified());
}

TEST(JavaProjectCoreMainFiles, SwitchesStartFromSettingsAndSetWithoutModifying)
{
    CSettings settings;
    settings.m_strJavaOptions = "-Xmx64m";
    settings.m_strJavac = "-g -deprecation";
    CJavaProjectCore project(settings);
    EXPECT_EQ(project.GetJavaSwitches(), "-Xmx64m");
    EXPECT_EQ(project.GetJavacSwitches(), "-g -deprecation");
    project.SetJavaSwitches(" -ea ");
    project.SetJavacSwitches("");
    EXPECT_EQ(project.GetJavaSwitches(), " -ea ");
    EXPECT_EQ(project.GetJavacSwitches(), "");
    EXPECT_FALSE(project.IsModified());
    EXPECT_EQ(CJavaProjectCore().GetJavaSwitches(), "");
}

TEST(JavaProjectCoreLookups, FilePathsResolveJavaFirstAndRebase)
{
    CJavaProjectCore project;
    project.SetPathName("C:\\Old\\P.jpr");
    project.AddJavaFile("C:\\Old\\src\\Same.java");
    project.AddHtmlFile("C:\\Old\\Same.java");
    project.AddHtmlFile("C:\\Old\\Page.html");
    EXPECT_EQ(project.GetFilePath("Same.java"), "C:\\Old\\src\\Same.java");
    EXPECT_EQ(project.GetFilePath("Nope.java"), "NOFILE");
    EXPECT_EQ(project.GetHtmlFilePath("Nope.html"), "");

    project.SetPathName("/new/P.jpr");
    EXPECT_EQ(project.GetHtmlFilePath("Page.html"), "C:\\Old\\Page.html");
    EXPECT_EQ(project.GetFilePath("Page.html"), "/new" + kSep + "Page.html");
    EXPECT_EQ(project.GetHtmlFilePath("Page.html"), "/new" + kSep + "Page.html");
    EXPECT_EQ(project.GetFilePath("Same.java"), "/new" + kSep + "src" + kSep + "Same.java");
}

TEST(JavaProjectCoreLookups, NavigationTargets)
{
    CJavaProjectCore project;
    project.SetPathName("/p/P.jpr");
    project.AddJavaFile("/p/One.java");
    project.AddJavaFile("/p/Two.java");
    project.AddClass("/p/Two.java", "Shared");
    project.AddClass("/p/One.java", "Shared");
    project.AddClass("/p/Two.java", "OnlyTwo");

    const auto shared = project.FindClassTarget("Shared");
    ASSERT_TRUE(shared);
    EXPECT_EQ(shared->m_strPath, "/p/One.java");
    EXPECT_EQ(shared->m_strFindText, "Shared");
    EXPECT_EQ(project.FindClassTarget("OnlyTwo")->m_strPath, "/p/Two.java");
    EXPECT_FALSE(project.FindClassTarget("Absent"));

    const auto member = project.FindMemberTarget("Two.java", "OnlyTwo.Inner", "run()");
    ASSERT_TRUE(member);
    EXPECT_EQ(member->m_strPath, "/p/Two.java");
    EXPECT_EQ(member->m_strFindText, "OnlyTwo.Inner.run()");
    EXPECT_FALSE(project.FindMemberTarget("Three.java", "X", "y()"));
}

TEST(JavaProjectCoreLookups, ProjectFolderPathRepointsListedFilesOnly)
{
    CJavaProjectCore project;
    project.AddJavaFile("/elsewhere/Foo.java");
    EXPECT_EQ(project.GetProjectFolderPath("Foo.java"), "");
    EXPECT_FALSE(project.MoveToProjectFolder("Foo.java"));

    project.SetPathName("/proj/P.jpr");
    EXPECT_EQ(project.GetProjectFolderPath("Bar.java"), "");
    EXPECT_EQ(project.GetProjectFolderPath("Foo.java"), "/proj" + kSep + "Foo.java");
    EXPECT_FALSE(project.IsModified());
    EXPECT_TRUE(project.MoveToProjectFolder("Foo.java"));
    EXPECT_EQ(project.GetJavaFiles().GetAt(0)->GetPathName(), "/proj" + kSep + "Foo.java");
    EXPECT_TRUE(project.IsModified());
}

TEST(JavaProjectCoreLookups, ErrorLineResolvesThroughTheFileList)
{
    CJavaProjectCore project;
    project.SetPathName("/tmp/x/P.jpr");
    project.AddJavaFile("/tmp/x/Hello.java");
    const std::string strOutput = "Building\r\n/tmp/x/Hello.java:5: error: ';' expected\r\n1 error\r\n";
    const auto location = project.FindErrorLine(strOutput, 1);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->m_strFileName, "Hello.java");
    EXPECT_EQ(location->m_strPath, "/tmp/x/Hello.java");
    EXPECT_EQ(location->m_nLineNumber, 5);
    EXPECT_FALSE(project.FindErrorLine(strOutput, 0));
    EXPECT_FALSE(project.FindErrorLine(strOutput, 3));
}

TEST(JavaProjectCoreClassInfo, ScanFillsOnlyTheMatchingFile)
{
    CJavaProjectCore project;
    project.AddJavaFile("/p/A.java");
    project.AddClass("/p/B.java", "Ghost");
    EXPECT_FALSE(project.IsModified());

    project.AddClass("/p/A.java", "A");
    project.AddClass("/p/A.java", "A");
    EXPECT_TRUE(project.IsModified());
    project.SetModifiedFlag(false);
    project.AddMember("/p/A.java", "A", "run()");
    project.AddMember("/p/A.java", "A", "run()");
    project.AddMember("/p/A.java", "Missing", "x()");
    project.AddNestedClass("/p/A.java", "A", "Inner");
    project.AddNestedClass("/p/A.java", "A", "Inner");
    project.AddNestedClass("/p/A.java", "Missing", "Inner");
    project.AddNestedMember("/p/A.java", "A", "Inner", "go(int n)");
    project.AddNestedMember("/p/A.java", "A", "Inner", "go(int n)");
    EXPECT_TRUE(project.IsModified());
    EXPECT_TRUE(project.TakeMessages().empty());

    const CJavaClassList& classes = project.GetJavaFiles().GetAt(0)->GetClasses();
    ASSERT_EQ(classes.GetCount(), 1);
    const CJavaClass* pA = classes.GetAt(0);
    EXPECT_EQ(pA->GetName(), "A");
    EXPECT_EQ(pA->GetMembers(), (std::vector<std::string>{"run()"}));
    ASSERT_EQ(pA->GetNestedClasses().GetCount(), 1);
    EXPECT_EQ(pA->GetNestedClasses().GetAt(0)->GetMembers(), (std::vector<std::string>{"go(int n)"}));

    project.ClearFileClasses("/p/A.java");
    EXPECT_EQ(project.GetJavaFiles().GetAt(0)->GetClasses().GetCount(), 0);
}

TEST(JavaProjectCoreClassInfo, MemberOfUnreportedNestedClassAsksForTheParseMessage)
{
    CJavaProjectCore project;
    project.AddJavaFile("/p/A.java");
    project.AddClass("/p/A.java", "A");
    project.SetModifiedFlag(false);
    project.AddNestedMember("/p/A.java", "A", "Never", "x()");
    project.AddNestedMember("/p/A.java", "Unlisted", "Never", "x()");
    EXPECT_FALSE(project.IsModified());
    EXPECT_EQ(project.TakeMessages(), (std::vector<std::string>{"Error parsing file"}));
    EXPECT_TRUE(project.TakeMessages().empty());
}

TEST(JavaProjectCoreClassInfo, OutlineScanFillsTheProject)
{
    CJavaProjectCore project;
    int nUpdates = 0;
    project.SetUpdateViewsHandler([&nUpdates] { ++nUpdates; });
    project.AddJavaFile("/p/Shapes.java");
    project.AddClass("/p/Shapes.java", "Stale");
    const std::string strText = "public class Shapes\r\n{\r\n\tpublic void draw(int n)\r\n\t{\r\n\t}\r\n"
                                "\tclass Corner\r\n\t{\r\n\t\tvoid turn()\r\n\t\t{\r\n\t\t}\r\n\t}\r\n}\r\n";
    COutlineScanner scanner;
    scanner.ScanClasses(strText, &project, "/p/Shapes.java");
    EXPECT_EQ(nUpdates, 1);
    const CJavaClassList& classes = project.GetJavaFiles().GetAt(0)->GetClasses();
    ASSERT_EQ(classes.GetCount(), 1);
    EXPECT_EQ(classes.GetAt(0)->GetName(), "Shapes");
    EXPECT_EQ(classes.GetAt(0)->GetMembers(), (std::vector<std::string>{"draw(int n)"}));
    ASSERT_EQ(classes.GetAt(0)->GetNestedClasses().GetCount(), 1);
    EXPECT_EQ(classes.GetAt(0)->GetNestedClasses().GetAt(0)->GetName(), "Corner");
    EXPECT_EQ(classes.GetAt(0)->GetNestedClasses().GetAt(0)->GetMembers(), (std::vector<std::string>{"turn()"}));
}

TEST(JavaProjectCoreStorage, BytesFollowTheFileOrder)
{
    CJavaProjectCore project("-ea", "-g");
    project.SetPathName("C:\\Work\\Demo\\Demo.jpr");
    project.AddJavaFile("C:\\Work\\Demo\\Hello.java");
    project.AddClass("C:\\Work\\Demo\\Hello.java", "Hello");
    project.AddMember("C:\\Work\\Demo\\Hello.java", "Hello", "main(String args[])");
    project.AddHtmlFile("C:\\Work\\Demo\\Hello.html");
    project.SetMainFile("Hello.java");
    project.SetMainHtmlFile("Hello.html");
    const std::string strBytes = project.WriteBytes();
    ASSERT_EQ(strBytes.size(), 197u + 3 + 2);
    EXPECT_EQ(strBytes.substr(0x9F), std::string("\x0AHello.java\x0C"
                                                 "C:\\Work\\Demo\x00\x0AHello.html\x03-ea\x02-g",
                                                 1 + 10 + 1 + 12 + 1 + 1 + 10 + 4 + 3));

    CJavaProjectCore loaded;
    std::string strError;
    ASSERT_TRUE(loaded.LoadBytes(strBytes, strError));
    EXPECT_EQ(loaded.WriteBytes(), strBytes);
    EXPECT_EQ(loaded.GetMainFolder(), "C:\\Work\\Demo");
    EXPECT_EQ(loaded.GetJavaSwitches(), "-ea");

    EXPECT_FALSE(loaded.LoadBytes(strBytes.substr(0, strBytes.size() - 1), strError));
    EXPECT_EQ(strError, "Unexpected file format.");
    EXPECT_EQ(loaded.WriteBytes(), strBytes);
}

TEST(JavaProjectCoreStorage, EmptyProjectIsFourteenBytes)
{
    EXPECT_EQ(CJavaProjectCore().WriteBytes(), std::string(14, '\0'));
}

TEST(JavaProjectCoreStorage, RecordCloseListsAndStoresThePath)
{
    CMemorySettingsStore store;
    std::vector<std::string> recent{"/b/B.jpr", "/a/A.jpr"};
    CJavaProjectCore project;
    project.SetPathName("/a/A.jpr");
    project.RecordClose(recent, store);
    EXPECT_EQ(recent, (std::vector<std::string>{"/b/B.jpr", "/a/A.jpr"}));
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "LASTOPEN")), "/a/A.jpr");

    project.SetPathName("/c/C.jpr");
    project.RecordClose(recent, store);
    EXPECT_EQ(recent.front(), "/c/C.jpr");
    EXPECT_EQ(std::get<int>(*store.Find("OPTIONS", "RECENTSIZE")), 3);
    EXPECT_EQ(std::get<std::string>(*store.Find("OPTIONS", "RECENT0")), "/c/C.jpr");
}

class JavaProjectCoreFile : public ::testing::Test {
protected:
    static struct stat StatOf(const std::string& strPath)
    {
        struct stat info {};
        EXPECT_EQ(::stat(strPath.c_str(), &info), 0) << strPath;
        return info;
    }
    CTempFolder m_folder{"tarnwick-jprcore"};
    const std::string m_strDir = m_folder.Path();
};

TEST_F(JavaProjectCoreFile, LoadingAndOpeningClearTheModifiedFlag)
{
    CJavaProjectCore source("-ea", "-g");
    source.AddHtmlFile("/w/page.html");
    const std::string strPath = m_strDir + "/P.jpr";
    std::string strError;
    ASSERT_TRUE(source.SaveAs(strPath, strError)) << strError;

    CJavaProjectCore project;
    project.SetModifiedFlag(true);
    ASSERT_TRUE(project.LoadBytes(source.WriteBytes(), strError)) << strError;
    EXPECT_FALSE(project.IsModified());

    project.AddHtmlFile("/w/other.html");
    ASSERT_TRUE(project.IsModified());
    ASSERT_TRUE(project.Open(strPath, strError)) << strError;
    EXPECT_FALSE(project.IsModified());
    EXPECT_EQ(project.GetPathName(), strPath);
    EXPECT_EQ(project.WriteBytes(), source.WriteBytes());

    // A refused file changes neither the project nor its flag.
    project.SetModifiedFlag(true);
    EXPECT_FALSE(project.LoadBytes("\x01", strError));
    EXPECT_TRUE(project.IsModified());
}

TEST_F(JavaProjectCoreFile, SavingTheBytesTheFileHoldsDoesNotWrite)
{
    CJavaProjectCore project("-ea", "-g");
    project.AddHtmlFile("/w/page.html");
    const std::string strPath = m_strDir + "/P.jpr";
    std::string strError;
    ASSERT_TRUE(project.SaveAs(strPath, strError)) << strError;
    const struct stat first = StatOf(strPath);

    // Marked modified without a change, as closing a project does: the save
    // succeeds and clears the flag, but the file is the same file as before.
    project.SetModifiedFlag(true);
    ASSERT_TRUE(project.Save(strError)) << strError;
    EXPECT_FALSE(project.IsModified());
    const struct stat unchanged = StatOf(strPath);
    EXPECT_EQ(unchanged.st_ino, first.st_ino);
    EXPECT_EQ(unchanged.st_mtim.tv_sec, first.st_mtim.tv_sec);
    EXPECT_EQ(unchanged.st_mtim.tv_nsec, first.st_mtim.tv_nsec);

    // A real change is written (a new file replaces the old).
    project.SetJavaSwitches("-verbose");
    ASSERT_TRUE(project.Save(strError)) << strError;
    EXPECT_NE(StatOf(strPath).st_ino, first.st_ino);
    CJavaProjectCore reread;
    ASSERT_TRUE(reread.Open(strPath, strError)) << strError;
    EXPECT_EQ(reread.GetJavaSwitches(), "-verbose");
}

TEST_F(JavaProjectCoreFile, FailedSaveNamesTheFileAndTheReason)
{
    CJavaProjectCore project;
    project.SetModifiedFlag(true);
    const std::string strPath = m_strDir + "/Gone/P.jpr";
    std::string strError;
    EXPECT_FALSE(project.SaveAs(strPath, strError));
    EXPECT_EQ(strError, "Failed to save document.\n\n" + strPath + ": No such file or directory");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(project.GetPathName(), "");

    // A path under a plain file fails the same way for root too.
    ASSERT_TRUE(project.SaveAs(m_strDir + "/File", strError)) << strError;
    project.SetModifiedFlag(true);
    EXPECT_FALSE(project.SaveAs(m_strDir + "/File/P.jpr", strError));
    EXPECT_EQ(strError, "Failed to save document.\n\n" + m_strDir + "/File/P.jpr: Not a directory");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(project.GetPathName(), m_strDir + "/File");
}
