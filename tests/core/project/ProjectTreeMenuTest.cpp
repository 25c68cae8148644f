#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectTreeMenu.h"

#include <gtest/gtest.h>

namespace {
std::vector<std::string> Texts(const std::vector<CProjectTreeMenu::CEntry>& entries)
{
    std::vector<std::string> texts;
    for (const auto& entry : entries)
        texts.push_back(std::to_string(entry.m_nCommandId) + " " + entry.m_strText);
    return texts;
}

class ProjectTreeMenuEntries : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_project.AddJavaFile("/src/Main.java");
        m_project.AddHtmlFile("/web/page.html");
        m_project.AddClass("/src/Main.java", "Main");
    }
    CJavaProjectCore m_project;
};
} // namespace

TEST_F(ProjectTreeMenuEntries, KindsFollowThePathsTheProjectKnows)
{
    EXPECT_EQ(CProjectTreeMenu::KindOf(m_project, "Main.java"), CProjectTreeMenu::kJavaFile);
    EXPECT_EQ(CProjectTreeMenu::KindOf(m_project, "page.html"), CProjectTreeMenu::kHtmlFile);
    EXPECT_EQ(CProjectTreeMenu::KindOf(m_project, "Main"), CProjectTreeMenu::kClassOrMember);
    EXPECT_EQ(CProjectTreeMenu::KindOf(m_project, "main.java"), CProjectTreeMenu::kClassOrMember);
}

TEST_F(ProjectTreeMenuEntries, JavaFileMenu)
{
    EXPECT_EQ(Texts(CProjectTreeMenu::EntriesFor(m_project, "Main.java")),
              (std::vector<std::string>{"32800 Open", "32774 Compile", "32773 Set as Main", "32772 Remove",
                                        "32777 Properties...", "0 ", "32771 Add Java Source Files...",
                                        "32796 Add HTML File..."}));
}

TEST_F(ProjectTreeMenuEntries, HtmlFileMenu)
{
    EXPECT_EQ(Texts(CProjectTreeMenu::EntriesFor(m_project, "page.html")),
              (std::vector<std::string>{"32800 Open", "32836 Run Applet", "32810 Open in Web Browser", "32772 Remove",
                                        "32777 Properties...", "0 ", "32771 Add Java Source Files...",
                                        "32796 Add HTML File..."}));
}

TEST_F(ProjectTreeMenuEntries, ClassOrMemberMenu)
{
    EXPECT_EQ(
        Texts(CProjectTreeMenu::EntriesFor(m_project, "Main")),
        (std::vector<std::string>{"32800 Open", "0 ", "32771 Add Java Source Files...", "32796 Add HTML File..."}));
}
