#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectTreeMerger.h"
#include "core/project/ProjectTreeNodes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {
// A tree control in memory: each node owns its children in a vector and
// knows its place among its siblings, so walking the tree costs what it
// costs in a real control and the merge's own work is what gets measured.
// Like the window's tree it keeps merge stamps; nothing but the merge
// changes it, so no stamp ever needs dropping.
class CBenchTree : public IProjectTreeNodes {
public:
    struct CNode {
        std::string m_strText;
        int m_nImage = -1;
        int m_nSelectedImage = -1;
        bool m_bHasChildren = false;
        bool m_bStamped = false;
        std::uint64_t m_nStamp = 0;
        CNode* m_pParent = nullptr;
        std::size_t m_nIndex = 0;
        std::vector<std::unique_ptr<CNode>> m_children;
    };

    Item FirstChild(Item pParent) override
    {
        auto& children = NodeOrRoot(pParent)->m_children;
        return children.empty() ? nullptr : children.front().get();
    }
    Item NextSibling(Item pItem) override
    {
        CNode* pNode = Node(pItem);
        auto& siblings = NodeOrRoot(pNode->m_pParent)->m_children;
        return pNode->m_nIndex + 1 < siblings.size() ? siblings[pNode->m_nIndex + 1].get() : nullptr;
    }
    Item Parent(Item pItem) override { return Node(pItem)->m_pParent; }
    std::string GetText(Item pItem) override { return Node(pItem)->m_strText; }
    Item InsertLast(Item pParent, const std::string& strText, int nImage, int nSelectedImage) override
    {
        auto& children = NodeOrRoot(pParent)->m_children;
        auto pNode = std::make_unique<CNode>();
        pNode->m_strText = strText;
        pNode->m_nImage = nImage;
        pNode->m_nSelectedImage = nSelectedImage;
        pNode->m_pParent = Node(pParent);
        pNode->m_nIndex = children.size();
        children.push_back(std::move(pNode));
        return children.back().get();
    }
    void SetImages(Item pItem, int nImage, int nSelectedImage) override
    {
        Node(pItem)->m_nImage = nImage;
        Node(pItem)->m_nSelectedImage = nSelectedImage;
    }
    void SetHasChildren(Item pItem) override { Node(pItem)->m_bHasChildren = true; }
    void SortChildren(Item pParent) override
    {
        auto& children = NodeOrRoot(pParent)->m_children;
        std::stable_sort(children.begin(), children.end(), [](const auto& pLeft, const auto& pRight) {
            return CProjectTreeMerger::TextLess(pLeft->m_strText, pRight->m_strText);
        });
        Renumber(children, 0);
    }
    void DeleteItem(Item pItem) override
    {
        CNode* pNode = Node(pItem);
        auto& siblings = NodeOrRoot(pNode->m_pParent)->m_children;
        const std::size_t nIndex = pNode->m_nIndex;
        siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(nIndex));
        Renumber(siblings, nIndex);
    }
    Item GetCaret() override { return m_pCaret; }
    void SelectItem(Item pItem) override { m_pCaret = pItem; }
    bool GetMergeStamp(Item pItem, std::uint64_t& nStamp) override
    {
        nStamp = Node(pItem)->m_nStamp;
        return Node(pItem)->m_bStamped;
    }
    void SetMergeStamp(Item pItem, std::uint64_t nStamp) override
    {
        Node(pItem)->m_bStamped = true;
        Node(pItem)->m_nStamp = nStamp;
    }
    void ClearMergeStamp(Item pItem) override { Node(pItem)->m_bStamped = false; }

    // Every item under the root, at any depth.
    std::size_t CountItems() const { return CountUnder(m_root); }

private:
    static CNode* Node(Item pItem) { return static_cast<CNode*>(pItem); }
    CNode* NodeOrRoot(Item pItem) { return pItem ? Node(pItem) : &m_root; }
    static void Renumber(std::vector<std::unique_ptr<CNode>>& children, std::size_t nFrom)
    {
        for (std::size_t i = nFrom; i < children.size(); ++i)
            children[i]->m_nIndex = i;
    }
    static std::size_t CountUnder(const CNode& node)
    {
        std::size_t nCount = node.m_children.size();
        for (const auto& pChild : node.m_children)
            nCount += CountUnder(*pChild);
        return nCount;
    }

    CNode m_root;
    Item m_pCaret = nullptr;
};

constexpr int kFiles = 255;
constexpr int kClasses = 20;
constexpr int kMembers = 20;
// Files, their classes and the classes' members.
constexpr std::size_t kItems = kFiles + kFiles * kClasses + kFiles * kClasses * kMembers;

std::string FilePath(int nFile)
{
    return "/home/ann/work/big/src/pkg/File" + std::to_string(nFile) + ".java";
}

// Reports one file's classes the way the outline scan does; with bExtra the
// class in the middle of the file has one member more.
void ScanFile(CJavaProjectCore& project, int nFile, bool bExtra)
{
    const std::string strPath = FilePath(nFile);
    project.ClearFileClasses(strPath);
    for (int c = 0; c < kClasses; ++c) {
        const std::string strClass = "Class" + std::to_string(c);
        project.AddClass(strPath, strClass);
        for (int m = 0; m < kMembers; ++m)
            project.AddMember(strPath, strClass, "method" + std::to_string(m) + "(String strName, int nCount)");
        if (bExtra && c == kClasses / 2)
            project.AddMember(strPath, strClass, "added(int nValue)");
    }
}

void FillProject(CJavaProjectCore& project)
{
    for (int f = 0; f < kFiles; ++f) {
        project.AddJavaFile(FilePath(f));
        ScanFile(project, f, false);
    }
    project.SetMainFile("File0.java");
}
} // namespace

// The first build of the tree, from empty: every item is inserted.
static void BM_ProjectTreeFirstBuild(benchmark::State& state)
{
    CJavaProjectCore project;
    FillProject(project);
    for (auto _ : state) {
        state.PauseTiming();
        auto pTree = std::make_unique<CBenchTree>();
        state.ResumeTiming();
        CProjectTreeMerger::Rebuild(project, *pTree);
        state.PauseTiming();
        if (pTree->CountItems() != kItems)
            state.SkipWithError("wrong item count");
        pTree.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProjectTreeFirstBuild)->Unit(benchmark::kMillisecond);

// The rebuild after an edit of one class: it gains a member, then loses it
// again, so every iteration inserts or prunes one item.
static void BM_ProjectTreeRebuildOneClassChanged(benchmark::State& state)
{
    CJavaProjectCore project;
    FillProject(project);
    CBenchTree tree;
    CProjectTreeMerger::Rebuild(project, tree);
    bool bExtra = false;
    const int nChangedFile = kFiles / 2;
    for (auto _ : state) {
        state.PauseTiming();
        bExtra = !bExtra;
        ScanFile(project, nChangedFile, bExtra);
        state.ResumeTiming();
        CProjectTreeMerger::Rebuild(project, tree);
        state.PauseTiming();
        if (tree.CountItems() != kItems + (bExtra ? 1 : 0))
            state.SkipWithError("wrong item count");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProjectTreeRebuildOneClassChanged)->Unit(benchmark::kMillisecond);

// The stamps of every file of the big project: what a rebuild pays before
// it knows which files to merge.
static void BM_ProjectTreeClassStamps(benchmark::State& state)
{
    CJavaProjectCore project;
    FillProject(project);
    const CJavaFileList& files = project.GetJavaFiles();
    for (auto _ : state) {
        std::uint64_t nAll = 0;
        for (int f = 0; f < files.GetCount(); ++f)
            nAll ^= CProjectTreeMerger::ClassStamp(files.GetAt(f)->GetFileName(), files.GetAt(f)->GetClasses());
        benchmark::DoNotOptimize(nAll);
    }
}
BENCHMARK(BM_ProjectTreeClassStamps)->Unit(benchmark::kMillisecond);
