#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectTreeMerger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {
// A tree control in memory: owning nodes, a caret, and counts of the changes
// made, so a test sees both the result and how much the merge touched.
class CMemoryTree : public IProjectTreeNodes
{
public:
    struct CNode {
        std::string m_strText;
        int m_nImage = -1;
        int m_nSelectedImage = -1;
        bool m_bHasChildren = false;
        CNode* m_pParent = nullptr;
        std::vector<std::unique_ptr<CNode>> m_children;
    };

    Item FirstChild(Item pParent) override
    {
        auto& children = ChildrenOf(pParent);
        return children.empty() ? nullptr : children.front().get();
    }
    Item NextSibling(Item pItem) override
    {
        CNode* pNode = Node(pItem);
        auto& siblings = ChildrenOf(pNode->m_pParent);
        for (std::size_t i = 0; i + 1 < siblings.size(); ++i)
            if (siblings[i].get() == pNode)
                return siblings[i + 1].get();
        return nullptr;
    }
    Item Parent(Item pItem) override { return Node(pItem)->m_pParent; }
    std::string GetText(Item pItem) override { return Node(pItem)->m_strText; }
    Item InsertLast(Item pParent, const std::string& strText, int nImage, int nSelectedImage) override
    {
        auto pNode = std::make_unique<CNode>();
        pNode->m_strText = strText;
        pNode->m_nImage = nImage;
        pNode->m_nSelectedImage = nSelectedImage;
        pNode->m_pParent = Node(pParent);
        ChildrenOf(pParent).push_back(std::move(pNode));
        ++m_nInserted;
        return ChildrenOf(pParent).back().get();
    }
    void SetImages(Item pItem, int nImage, int nSelectedImage) override
    {
        Node(pItem)->m_nImage = nImage;
        Node(pItem)->m_nSelectedImage = nSelectedImage;
    }
    void SetHasChildren(Item pItem) override { Node(pItem)->m_bHasChildren = true; }
    void SortChildren(Item pParent) override
    {
        auto& children = ChildrenOf(pParent);
        std::stable_sort(children.begin(), children.end(), [](const auto& pLeft, const auto& pRight) {
            return CProjectTreeMerger::TextLess(pLeft->m_strText, pRight->m_strText);
        });
    }
    void DeleteItem(Item pItem) override
    {
        CNode* pNode = Node(pItem);
        auto& siblings = ChildrenOf(pNode->m_pParent);
        siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                    [pNode](const auto& pChild) { return pChild.get() == pNode; }));
        ++m_nDeleted;
    }
    Item GetCaret() override { return m_pCaret; }
    void SelectItem(Item pItem) override { m_pCaret = pItem; }

    // One line per item, indented two blanks a level: text, images, and "+"
    // for an expand button.
    std::vector<std::string> Dump() const
    {
        std::vector<std::string> lines;
        DumpChildren(m_root, 0, lines);
        return lines;
    }
    Item Find(const std::vector<std::string>& path)
    {
        Item pItem = nullptr;
        for (const std::string& strText : path)
            if (!(pItem = CProjectTreeMerger::FindSibling(*this, FirstChild(pItem), strText)))
                return nullptr;
        return pItem;
    }

    int m_nInserted = 0;
    int m_nDeleted = 0;

private:
    static CNode* Node(Item pItem) { return static_cast<CNode*>(pItem); }
    std::vector<std::unique_ptr<CNode>>& ChildrenOf(Item pParent)
    {
        return pParent ? Node(pParent)->m_children : m_root;
    }
    static void DumpChildren(const std::vector<std::unique_ptr<CNode>>& children, int nLevel,
                             std::vector<std::string>& lines)
    {
        for (const auto& pChild : children) {
            lines.push_back(std::string(nLevel * 2, ' ') + pChild->m_strText + " " + std::to_string(pChild->m_nImage) +
                            "/" + std::to_string(pChild->m_nSelectedImage) + (pChild->m_bHasChildren ? " +" : ""));
            DumpChildren(pChild->m_children, nLevel + 1, lines);
        }
    }

    std::vector<std::unique_ptr<CNode>> m_root;
    Item m_pCaret = nullptr;
};

using Lines = std::vector<std::string>;

// A project with Shapes.java (classes Square and Circle) and Util.java (no
// classes) and a page.
class ProjectTreeMerge : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_project.AddJavaFile("/src/Shapes.java");
        m_project.AddJavaFile("/src/Util.java");
        m_project.AddHtmlFile("/web/index.html");
        m_project.AddClass("/src/Shapes.java", "Square");
        m_project.AddMember("/src/Shapes.java", "Square", "side");
        m_project.AddMember("/src/Shapes.java", "Square", "area()");
        m_project.AddClass("/src/Shapes.java", "Circle");
        m_project.AddNestedClass("/src/Shapes.java", "Circle", "Centre");
        m_project.AddNestedMember("/src/Shapes.java", "Circle", "Centre", "x");
        m_project.AddNestedMember("/src/Shapes.java", "Circle", "Centre", "y");
        m_project.AddMember("/src/Shapes.java", "Circle", "radius");
    }

    void Rebuild() { CProjectTreeMerger::Rebuild(m_project, m_tree); }

    CJavaProjectCore m_project;
    CMemoryTree m_tree;
};
} // namespace

TEST_F(ProjectTreeMerge, FirstBuildSortsEveryLevelAndMarksExpandableItems)
{
    m_project.SetMainFile("Util.java");
    Rebuild();
    EXPECT_EQ(m_tree.Dump(), (Lines{"index.html 4/5",
                                    "Shapes.java 0/1 +",
                                    "  Circle 6/7 +",
                                    "    Centre 6/7 +",
                                    "      x 8/9",
                                    "      y 8/9",
                                    "    radius 8/9",
                                    "  Square 6/7 +",
                                    "    area() 8/9",
                                    "    side 8/9",
                                    "Util.java 2/3 +"}));
    EXPECT_EQ(m_tree.m_nInserted, 11);
    EXPECT_EQ(m_tree.m_nDeleted, 0);
}

TEST_F(ProjectTreeMerge, EmptyProjectGivesEmptyTree)
{
    CJavaProjectCore empty;
    CProjectTreeMerger::Rebuild(empty, m_tree);
    EXPECT_TRUE(m_tree.Dump().empty());
    EXPECT_EQ(m_tree.GetCaret(), nullptr);
}

TEST_F(ProjectTreeMerge, RebuildInsertsOnlyWhatIsNew)
{
    Rebuild();
    m_tree.m_nInserted = 0;
    Rebuild();
    EXPECT_EQ(m_tree.m_nInserted, 0);
    EXPECT_EQ(m_tree.m_nDeleted, 0);

    m_project.AddClass("/src/Util.java", "Strings");
    Rebuild();
    EXPECT_EQ(m_tree.m_nInserted, 1);
    Rebuild();
    EXPECT_EQ(m_tree.m_nInserted, 1);
    EXPECT_NE(m_tree.Find({"Util.java", "Strings"}), nullptr);
}

TEST_F(ProjectTreeMerge, RescanThatDropsAClassRemovesItWithItsMembers)
{
    Rebuild();
    m_project.ClearFileClasses("/src/Shapes.java");
    m_project.AddClass("/src/Shapes.java", "Square");
    m_project.AddMember("/src/Shapes.java", "Square", "side");
    Rebuild();
    EXPECT_EQ(m_tree.Dump(), (Lines{"index.html 4/5", "Shapes.java 0/1 +", "  Square 6/7 +", "    side 8/9",
                                    "Util.java 0/1 +"}));
    // Circle with its three items below it is one deletion, area() another.
    EXPECT_EQ(m_tree.m_nDeleted, 2);
}

TEST_F(ProjectTreeMerge, NestedMembersArePrunedAlone)
{
    Rebuild();
    m_project.ClearFileClasses("/src/Shapes.java");
    m_project.AddClass("/src/Shapes.java", "Circle");
    m_project.AddNestedClass("/src/Shapes.java", "Circle", "Centre");
    m_project.AddNestedMember("/src/Shapes.java", "Circle", "Centre", "y");
    m_project.AddMember("/src/Shapes.java", "Circle", "radius");
    Rebuild();
    EXPECT_EQ(m_tree.Dump(), (Lines{"index.html 4/5", "Shapes.java 0/1 +", "  Circle 6/7 +", "    Centre 6/7 +",
                                    "      y 8/9", "    radius 8/9", "Util.java 0/1 +"}));
}

TEST_F(ProjectTreeMerge, MainFileImagesFollowTheProject)
{
    m_project.SetMainFile("Shapes.java");
    Rebuild();
    EXPECT_EQ(m_tree.Dump()[1], "Shapes.java 2/3 +");
    m_project.SetMainFile("Util.java");
    Rebuild();
    EXPECT_EQ(m_tree.Dump()[1], "Shapes.java 0/1 +");
    EXPECT_EQ(m_tree.Dump().back(), "Util.java 2/3 +");
}

TEST_F(ProjectTreeMerge, RemovedFilesAndStrayItemsArePruned)
{
    Rebuild();
    m_tree.InsertLast(nullptr, "Stray", 0, 1);
    m_project.RemoveFile("/web/index.html");
    m_project.RemoveFile("/src/Shapes.java");
    Rebuild();
    EXPECT_EQ(m_tree.Dump(), (Lines{"Util.java 0/1 +"}));
}

TEST_F(ProjectTreeMerge, SelectionSurvivesOnlyWithItsItem)
{
    Rebuild();
    IProjectTreeNodes::Item pRadius = m_tree.Find({"Shapes.java", "Circle", "radius"});
    ASSERT_NE(pRadius, nullptr);
    m_tree.SelectItem(pRadius);
    m_project.AddClass("/src/Util.java", "Strings");
    Rebuild();
    EXPECT_EQ(m_tree.GetCaret(), pRadius);

    m_project.ClearFileClasses("/src/Shapes.java");
    Rebuild();
    EXPECT_EQ(m_tree.GetCaret(), nullptr);
    EXPECT_EQ(m_tree.Find({"Shapes.java", "Circle"}), nullptr);
}

TEST_F(ProjectTreeMerge, ItemsAreMatchedByExactText)
{
    Rebuild();
    // A stale item whose text differs only in case is not the class.
    m_tree.InsertLast(m_tree.Find({"Shapes.java"}), "square", 6, 7);
    Rebuild();
    EXPECT_EQ(m_tree.Find({"Shapes.java", "square"}), nullptr);
    EXPECT_NE(m_tree.Find({"Shapes.java", "Square"}), nullptr);
}

TEST(ProjectTreeOrder, AlphabeticalWithoutRegardToCase)
{
    EXPECT_TRUE(CProjectTreeMerger::TextLess("alpha", "Beta"));
    EXPECT_FALSE(CProjectTreeMerger::TextLess("Beta", "alpha"));
    EXPECT_TRUE(CProjectTreeMerger::TextLess("Main", "main"));
    EXPECT_FALSE(CProjectTreeMerger::TextLess("main", "Main"));
    EXPECT_TRUE(CProjectTreeMerger::TextLess("run", "run()"));
    EXPECT_FALSE(CProjectTreeMerger::TextLess("x", "x"));
}
