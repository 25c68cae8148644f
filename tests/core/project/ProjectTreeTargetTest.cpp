#include "core/project/ProjectTreeTarget.h"

#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectPath.h"

#include <gtest/gtest.h>

#include <filesystem>

using CTexts = std::vector<std::string>;
using EKind = CProjectTreeTarget::EKind;

namespace {
// The outline targets as "path|find text", in the order to try.
CTexts Tries(const CProjectTreeTarget& answer)
{
    CTexts tries;
    for (const CProjectTarget& target : answer.m_targets)
        tries.push_back(target.m_strPath + "|" + target.m_strFindText);
    return tries;
}

// Shapes.java declares Shape (with area() and the nested Corner with x()),
// Util.java declares Util; Page.html is the project's page.
CJavaProjectCore ShapesProject()
{
    CJavaProjectCore project;
    project.SetPathName("/p/Demo.jpr");
    project.AddJavaFile("/p/src/Shapes.java");
    project.AddJavaFile("/p/lib/Util.java");
    project.AddHtmlFile("/p/Page.html");
    project.AddClass("/p/src/Shapes.java", "Shape");
    project.AddMember("/p/src/Shapes.java", "Shape", "area()");
    project.AddNestedClass("/p/src/Shapes.java", "Shape", "Corner");
    project.AddNestedMember("/p/src/Shapes.java", "Shape", "Corner", "x()");
    project.AddClass("/p/lib/Util.java", "Util");
    return project;
}
} // namespace

TEST(ProjectTreeTarget, AListedFileOpensByItsPath)
{
    CJavaProjectCore project = ShapesProject();
    CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Shapes.java"});
    EXPECT_EQ(answer.m_eKind, EKind::File);
    EXPECT_EQ(answer.m_strText, "Shapes.java");
    EXPECT_EQ(answer.m_strPath, "/p/src/Shapes.java");
    EXPECT_EQ(Tries(answer), CTexts{});

    answer = CProjectTreeTarget::Resolve(project, {"Page.html"});
    EXPECT_EQ(answer.m_eKind, EKind::File);
    EXPECT_EQ(answer.m_strPath, "/p/Page.html");
}

TEST(ProjectTreeTarget, AMovedProjectOpensItsFilesWhereTheyAreNow)
{
    CJavaProjectCore project = ShapesProject();
    project.SetPathName("/moved/Demo.jpr");
    const CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Shapes.java"});
    EXPECT_EQ(answer.m_eKind, EKind::File);
    const std::string kSep(1, CProjectPath::kNativeSeparator);
    EXPECT_EQ(answer.m_strPath, "/moved" + kSep + "src" + kSep + "Shapes.java");
}

TEST(ProjectTreeTarget, AFileMissingFromDiskIsStillOpenedByItsListedPath)
{
    // Whether it is on disk shows on opening: the window then tries the
    // project folder, and the project knows where that is.
    CJavaProjectCore project = ShapesProject();
    ASSERT_FALSE(std::filesystem::exists("/p/lib/Util.java"));
    const CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Util.java"});
    EXPECT_EQ(answer.m_eKind, EKind::File);
    EXPECT_EQ(answer.m_strPath, "/p/lib/Util.java");
    EXPECT_EQ(project.GetProjectFolderPath(answer.m_strText),
              "/p" + std::string(1, CProjectPath::kNativeSeparator) + "Util.java");
}

TEST(ProjectTreeTarget, AClassIsFoundInTheFileThatDeclaresIt)
{
    CJavaProjectCore project = ShapesProject();
    CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Shapes.java", "Shape"});
    EXPECT_EQ(answer.m_eKind, EKind::Outline);
    EXPECT_FALSE(answer.m_bTopLevel);
    // Then as a member of the file name, which is not a class, and of
    // ".Shapes.java": the window stops at the first one found.
    EXPECT_EQ(Tries(answer), (CTexts{"/p/src/Shapes.java|Shape", "/p/src/Shapes.java|Shapes.java.Shape",
                                     "/p/src/Shapes.java|.Shapes.java.Shape"}));
}

TEST(ProjectTreeTarget, AMemberIsFoundUnderItsClass)
{
    CJavaProjectCore project = ShapesProject();
    const CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Shapes.java", "Shape", "area()"});
    EXPECT_EQ(answer.m_eKind, EKind::Outline);
    EXPECT_EQ(answer.m_strText, "area()");
    EXPECT_EQ(Tries(answer),
              (CTexts{"/p/src/Shapes.java|Shape.area()", "/p/src/Shapes.java|Shapes.java.Shape.area()"}));
}

TEST(ProjectTreeTarget, NestedClassesAndTheirMembersGoThroughTheOuterClass)
{
    CJavaProjectCore project = ShapesProject();
    // The nested class is no class of its own: it is a member of Shape.
    CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Shapes.java", "Shape", "Corner"});
    EXPECT_EQ(answer.m_eKind, EKind::Outline);
    EXPECT_EQ(Tries(answer),
              (CTexts{"/p/src/Shapes.java|Shape.Corner", "/p/src/Shapes.java|Shapes.java.Shape.Corner"}));

    answer = CProjectTreeTarget::Resolve(project, {"Shapes.java", "Shape", "Corner", "x()"});
    EXPECT_EQ(Tries(answer), (CTexts{"/p/src/Shapes.java|Corner.x()", "/p/src/Shapes.java|Shape.Corner.x()"}));
}

TEST(ProjectTreeTarget, ATopLevelItemThatIsNoFileHasNoParentToLookIn)
{
    CJavaProjectCore project = ShapesProject();
    // A class item at the top: only the class is tried.
    CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Util"});
    EXPECT_EQ(answer.m_eKind, EKind::Outline);
    EXPECT_TRUE(answer.m_bTopLevel);
    EXPECT_EQ(Tries(answer), CTexts{"/p/lib/Util.java|Util"});

    answer = CProjectTreeTarget::Resolve(project, {"Gone.java"});
    EXPECT_EQ(answer.m_eKind, EKind::Outline);
    EXPECT_TRUE(answer.m_bTopLevel);
    EXPECT_EQ(Tries(answer), CTexts{});

    answer = CProjectTreeTarget::Resolve(project, {});
    EXPECT_EQ(answer.m_eKind, EKind::Outline);
    EXPECT_TRUE(answer.m_bTopLevel);
    EXPECT_EQ(answer.m_strText, "");
}

TEST(ProjectTreeTarget, AnItemUnderAFileNoLongerListedCannotBeLocated)
{
    CJavaProjectCore project = ShapesProject();
    project.RemoveFile("/p/src/Shapes.java");
    const CProjectTreeTarget answer = CProjectTreeTarget::Resolve(project, {"Shapes.java", "Shape", "area()"});
    EXPECT_EQ(answer.m_eKind, EKind::Outline);
    EXPECT_FALSE(answer.m_bTopLevel);
    EXPECT_EQ(Tries(answer), CTexts{});
}
