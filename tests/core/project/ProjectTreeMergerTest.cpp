#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectTreeMerger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
// A tree control in memory: owning nodes, a caret, and counts of the changes
// made, so a test sees both the result and how much the merge touched.
class CMemoryTree : public IProjectTreeNodes {
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
class ProjectTreeMerge : public ::testing::Test {
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
    EXPECT_EQ(m_tree.Dump(), (Lines{"index.html 4/5", "Shapes.java 0/1 +", "  Circle 6/7 +", "    Centre 6/7 +",
                                    "      x 8/9", "      y 8/9", "    radius 8/9", "  Square 6/7 +", "    area() 8/9",
                                    "    side 8/9", "Util.java 2/3 +"}));
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
    EXPECT_EQ(m_tree.Dump(),
              (Lines{"index.html 4/5", "Shapes.java 0/1 +", "  Square 6/7 +", "    side 8/9", "Util.java 0/1 +"}));
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

namespace {
// The memory tree with merge stamps, counting the texts read below the root
// items, so a test sees which files a rebuild left alone.
class CStampedTree : public CMemoryTree {
public:
    std::string GetText(Item pItem) override
    {
        if (Parent(pItem))
            ++m_nReadsBelowFiles;
        return CMemoryTree::GetText(pItem);
    }
    void DeleteItem(Item pItem) override
    {
        // A new item may be given the address of a deleted one.
        m_stamps.erase(pItem);
        CMemoryTree::DeleteItem(pItem);
    }
    bool GetMergeStamp(Item pItem, std::uint64_t& nStamp) override
    {
        auto it = m_stamps.find(pItem);
        if (it == m_stamps.end())
            return false;
        nStamp = it->second;
        return true;
    }
    void SetMergeStamp(Item pItem, std::uint64_t nStamp) override { m_stamps[pItem] = nStamp; }
    void ClearMergeStamp(Item pItem) override { m_stamps.erase(pItem); }

    bool IsStamped(const std::string& strFileName) { return m_stamps.count(Find({strFileName})) != 0; }

    int m_nReadsBelowFiles = 0;

private:
    std::map<Item, std::uint64_t> m_stamps;
};

// The project of ProjectTreeMerge shown in a tree that keeps stamps, next to
// one that keeps none: both must always show the same.
class ProjectTreeStamps : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_project.AddJavaFile("/src/Shapes.java");
        m_project.AddJavaFile("/src/Util.java");
        m_project.AddHtmlFile("/web/index.html");
        ScanShapes(false);
        m_project.AddClass("/src/Util.java", "Strings");
        m_project.AddMember("/src/Util.java", "Strings", "trim(String s)");
    }

    // Shapes.java as the outline scan reports it; bEdited: Circle is gone,
    // Square has a new member and Centre has lost x.
    void ScanShapes(bool bEdited)
    {
        const std::string strPath = "/src/Shapes.java";
        m_project.ClearFileClasses(strPath);
        m_project.AddClass(strPath, "Square");
        m_project.AddMember(strPath, "Square", "side");
        if (bEdited)
            m_project.AddMember(strPath, "Square", "scale(int n)");
        m_project.AddMember(strPath, "Square", "area()");
        m_project.AddNestedClass(strPath, "Square", "Centre");
        if (!bEdited)
            m_project.AddNestedMember(strPath, "Square", "Centre", "x");
        m_project.AddNestedMember(strPath, "Square", "Centre", "y");
        if (!bEdited) {
            m_project.AddClass(strPath, "Circle");
            m_project.AddMember(strPath, "Circle", "radius");
        }
    }

    // Rebuilds both trees and returns the stamped tree's lines after
    // checking the plain tree shows the same.
    Lines Rebuild()
    {
        m_stamped.m_nReadsBelowFiles = 0;
        CProjectTreeMerger::Rebuild(m_project, m_stamped);
        CProjectTreeMerger::Rebuild(m_project, m_plain);
        EXPECT_EQ(m_stamped.Dump(), m_plain.Dump());
        return m_stamped.Dump();
    }

    CJavaProjectCore m_project;
    CStampedTree m_stamped;
    CMemoryTree m_plain;
};
} // namespace

TEST_F(ProjectTreeStamps, UnchangedFilesAreLeftUnread)
{
    Rebuild();
    EXPECT_TRUE(m_stamped.IsStamped("Shapes.java"));
    EXPECT_TRUE(m_stamped.IsStamped("Util.java"));
    EXPECT_FALSE(m_stamped.IsStamped("index.html"));
    m_stamped.m_nInserted = 0;
    Rebuild();
    EXPECT_EQ(m_stamped.m_nReadsBelowFiles, 0);
    EXPECT_EQ(m_stamped.m_nInserted, 0);
    EXPECT_EQ(m_stamped.m_nDeleted, 0);
}

TEST_F(ProjectTreeStamps, SkippedFileStillChangesImagesWithTheMainFile)
{
    Rebuild();
    m_project.SetMainFile("Shapes.java");
    EXPECT_EQ(Rebuild()[1], "Shapes.java 2/3 +");
    EXPECT_EQ(m_stamped.m_nReadsBelowFiles, 0);
    m_project.SetMainFile("Util.java");
    const Lines lines = Rebuild();
    EXPECT_EQ(lines[1], "Shapes.java 0/1 +");
    EXPECT_EQ(lines[lines.size() - 3], "Util.java 2/3 +");
    EXPECT_EQ(m_stamped.m_nReadsBelowFiles, 0);
}

TEST_F(ProjectTreeStamps, SkippedFileIsPrunedWhenRemoved)
{
    Rebuild();
    m_project.RemoveFile("/src/Shapes.java");
    EXPECT_EQ(Rebuild(), (Lines{"index.html 4/5", "Util.java 0/1 +", "  Strings 6/7 +", "    trim(String s) 8/9"}));
    EXPECT_EQ(m_stamped.m_nReadsBelowFiles, 0);
    // Added back with the same classes: a new item, merged in full.
    m_project.AddJavaFile("/src/Shapes.java");
    ScanShapes(false);
    EXPECT_EQ(Rebuild().size(), 13u);
    EXPECT_TRUE(m_stamped.IsStamped("Shapes.java"));
}

TEST_F(ProjectTreeStamps, ChangedFileIsMergedAndPrunedInFull)
{
    Rebuild();
    IProjectTreeNodes::Item pSide = m_stamped.Find({"Shapes.java", "Square", "side"});
    ScanShapes(true);
    EXPECT_EQ(Rebuild(), (Lines{"index.html 4/5", "Shapes.java 0/1 +", "  Square 6/7 +", "    area() 8/9",
                                "    Centre 6/7 +", "      y 8/9", "    scale(int n) 8/9", "    side 8/9",
                                "Util.java 0/1 +", "  Strings 6/7 +", "    trim(String s) 8/9"}));
    // Surviving items are the same items.
    EXPECT_EQ(m_stamped.Find({"Shapes.java", "Square", "side"}), pSide);
    EXPECT_TRUE(m_stamped.IsStamped("Shapes.java"));
    // Back as it was, then unchanged once more.
    ScanShapes(false);
    EXPECT_EQ(Rebuild().size(), 13u);
    EXPECT_GT(m_stamped.m_nReadsBelowFiles, 0);
    Rebuild();
    EXPECT_EQ(m_stamped.m_nReadsBelowFiles, 0);
}

TEST_F(ProjectTreeStamps, FileWithoutStampIsMergedAgain)
{
    Rebuild();
    IProjectTreeNodes::Item pShapes = m_stamped.Find({"Shapes.java"});
    // Something else changed the items below: it drops the stamp, and the
    // next rebuild puts the file's items right.
    m_stamped.InsertLast(pShapes, "square", 6, 7);
    m_stamped.ClearMergeStamp(pShapes);
    m_plain.InsertLast(m_plain.Find({"Shapes.java"}), "square", 6, 7);
    Rebuild();
    EXPECT_EQ(m_stamped.Find({"Shapes.java", "square"}), nullptr);
    EXPECT_TRUE(m_stamped.IsStamped("Shapes.java"));
}

TEST_F(ProjectTreeStamps, SelectionInASkippedFileSurvives)
{
    Rebuild();
    IProjectTreeNodes::Item pY = m_stamped.Find({"Shapes.java", "Square", "Centre", "y"});
    ASSERT_NE(pY, nullptr);
    m_stamped.SelectItem(pY);
    m_project.AddMember("/src/Util.java", "Strings", "pad(int n)");
    Rebuild();
    EXPECT_EQ(m_stamped.GetCaret(), pY);
}

TEST(ProjectTreeClassStamp, FollowsEveryTextAndItsPlace)
{
    auto stampOf = [](const std::function<void(CJavaProjectCore&)>& scan) {
        CJavaProjectCore project;
        project.AddJavaFile("/src/A.java");
        scan(project);
        return CProjectTreeMerger::ClassStamp("A.java", project.GetJavaFiles().GetAt(0)->GetClasses());
    };
    const std::string p = "/src/A.java";
    auto base = [&](CJavaProjectCore& project) {
        project.AddClass(p, "A");
        project.AddMember(p, "A", "x");
        project.AddMember(p, "A", "y");
        project.AddNestedClass(p, "A", "N");
        project.AddNestedMember(p, "A", "N", "z");
    };
    const std::uint64_t nBase = stampOf(base);
    EXPECT_EQ(stampOf(base), nBase);
    // Members swapped.
    EXPECT_NE(stampOf([&](CJavaProjectCore& project) {
                  project.AddClass(p, "A");
                  project.AddMember(p, "A", "y");
                  project.AddMember(p, "A", "x");
                  project.AddNestedClass(p, "A", "N");
                  project.AddNestedMember(p, "A", "N", "z");
              }),
              nBase);
    // The nested member made a member of the class.
    EXPECT_NE(stampOf([&](CJavaProjectCore& project) {
                  project.AddClass(p, "A");
                  project.AddMember(p, "A", "x");
                  project.AddMember(p, "A", "y");
                  project.AddMember(p, "A", "z");
                  project.AddNestedClass(p, "A", "N");
              }),
              nBase);
    // Two members run together into one text.
    EXPECT_NE(stampOf([&](CJavaProjectCore& project) {
                  project.AddClass(p, "A");
                  project.AddMember(p, "A", "xy");
                  project.AddNestedClass(p, "A", "N");
                  project.AddNestedMember(p, "A", "N", "z");
              }),
              nBase);
    // Same classes under another file name.
    CJavaProjectCore project;
    project.AddJavaFile(p);
    base(project);
    EXPECT_NE(CProjectTreeMerger::ClassStamp("B.java", project.GetJavaFiles().GetAt(0)->GetClasses()), nBase);
}
