#include "core/project/ProjectTreeMerger.h"

#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/TarnwickFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <deque>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

using Item = IProjectTreeNodes::Item;

namespace {
template <typename Texts>
bool InTextOrder(const Texts& texts)
{
    return std::adjacent_find(texts.begin(), texts.end(), [](const std::string& strLeft, const std::string& strRight) {
               return CProjectTreeMerger::TextLess(strRight, strLeft);
           }) == texts.end();
}

// The children of one item, read from the tree once and kept up to date with
// the items inserted through it. A look-up answers what a sibling search from
// the first child would, without asking the tree for every text again. Valid
// only while nothing else changes these children.
class CChildIndex {
public:
    CChildIndex(IProjectTreeNodes& tree, Item pParent) : m_tree(tree), m_pParent(pParent)
    {
        for (Item pItem = tree.FirstChild(pParent); pItem; pItem = tree.NextSibling(pItem))
            Add(pItem, tree.GetText(pItem));
    }

    bool IsEmpty() const { return m_texts.empty(); }

    Item Find(std::string_view strText) const
    {
        auto it = m_first.find(strText);
        return it == m_first.end() ? nullptr : it->second;
    }

    Item Insert(const std::string& strText, int nImage, int nSelectedImage)
    {
        Item pItem = m_tree.InsertLast(m_pParent, strText, nImage, nSelectedImage);
        Add(pItem, strText);
        return pItem;
    }

    Item FindOrInsert(std::string_view strText, int nImage, int nSelectedImage)
    {
        if (Item pItem = Find(strText))
            return pItem;
        return Insert(std::string(strText), nImage, nSelectedImage);
    }

    // The tree's sort is stable, so children already in order stay as they
    // are; skipping it spares the control a pass over every sibling.
    void Sort()
    {
        if (!InTextOrder(m_texts))
            m_tree.SortChildren(m_pParent);
    }

private:
    void Add(Item pItem, std::string strText)
    {
        m_texts.push_back(std::move(strText));
        // The first item of a text wins, as in a sibling search.
        m_first.try_emplace(std::string_view(m_texts.back()), pItem);
    }

    IProjectTreeNodes& m_tree;
    Item m_pParent;
    // A deque keeps its elements in place as it grows, so the map's views
    // of them stay valid.
    std::deque<std::string> m_texts;
    std::unordered_map<std::string_view, Item> m_first;
};

// The Java file list's name and path searches, answered from one copy of
// the names and paths taken per pass instead of a copy of every entry's
// strings per search. Only GetFilePath changes a path during a pass, and
// only that of the first entry of the name it resolves.
class CJavaFileLookup {
public:
    explicit CJavaFileLookup(const CJavaFileList& files) : m_files(files)
    {
        m_paths.reserve(static_cast<std::size_t>(files.GetCount()));
        for (int nFile = 0; nFile < files.GetCount(); ++nFile) {
            m_paths.push_back(files.GetAt(nFile)->GetPathName());
            m_firstByName.try_emplace(files.GetAt(nFile)->GetFileName(), nFile);
        }
        IndexPaths();
    }

    bool HasFileName(const std::string& strName) const { return m_firstByName.count(strName) != 0; }

    // What FindByPathName(strPath) answers right after GetFilePath(strName)
    // gave strPath.
    const CJavaFile* FindResolved(const std::string& strName, const std::string& strPath)
    {
        auto itName = m_firstByName.find(strName);
        if (itName != m_firstByName.end() && m_paths[static_cast<std::size_t>(itName->second)] != strPath) {
            // Rebased just now: take the entry's path as it stands.
            m_paths[static_cast<std::size_t>(itName->second)] = m_files.GetAt(itName->second)->GetPathName();
            IndexPaths();
        }
        auto itPath = m_firstByPath.find(strPath);
        return itPath == m_firstByPath.end() ? nullptr : m_files.GetAt(itPath->second);
    }

private:
    void IndexPaths()
    {
        m_firstByPath.clear();
        for (std::size_t i = 0; i < m_paths.size(); ++i)
            m_firstByPath.try_emplace(std::string_view(m_paths[i]), static_cast<int>(i));
    }

    const CJavaFileList& m_files;
    std::vector<std::string> m_paths;
    std::unordered_map<std::string, int> m_firstByName;
    // Views of m_paths, whose elements stay in place: the vector never grows.
    std::unordered_map<std::string_view, int> m_firstByPath;
};

// One rebuild: merge, prune, sort, reselect.
class CRebuildPass {
public:
    CRebuildPass(CJavaProjectCore& project, IProjectTreeNodes& tree) : m_project(project), m_tree(tree) {}

    void Run()
    {
        Item pSelected = m_tree.GetCaret();
        // Only pruning deletes items, and an item goes with everything under
        // it: the selection survives unless it or an ancestor is deleted.
        for (Item pItem = pSelected; pItem; pItem = m_tree.Parent(pItem))
            m_selectedPath.push_back(pItem);
        m_tree.SelectItem(nullptr);
        {
            CChildIndex roots(m_tree, nullptr);
            MergeJavaFiles(roots);
            MergeHtmlFiles(roots);
        }
        const std::vector<std::string> rootTexts = Prune();
        if (!InTextOrder(rootTexts))
            m_tree.SortChildren(nullptr);
        if (pSelected && !m_bSelectedDeleted)
            m_tree.SelectItem(pSelected);
    }

private:
    void MergeJavaFiles(CChildIndex& roots)
    {
        const CJavaFileList& files = m_project.GetJavaFiles();
        // Files sharing a name share an item; only an item that gets one
        // file's classes can be told apart by that file's stamp.
        std::unordered_map<std::string, int> nameCounts;
        for (int nFile = 0; nFile < files.GetCount(); ++nFile)
            ++nameCounts[files.GetAt(nFile)->GetFileName()];
        for (int nFile = 0; nFile < files.GetCount(); ++nFile) {
            const CJavaFile* pFile = files.GetAt(nFile);
            const std::string strName = pFile->GetFileName();
            Item pFileItem = roots.FindOrInsert(strName, IProjectTreeNodes::kImageJavaFile,
                                                IProjectTreeNodes::kImageJavaFileSelected);
            if (m_project.IsMainFile(strName))
                m_tree.SetImages(pFileItem, IProjectTreeNodes::kImageMainFile,
                                 IProjectTreeNodes::kImageMainFileSelected);
            else
                m_tree.SetImages(pFileItem, IProjectTreeNodes::kImageJavaFile,
                                 IProjectTreeNodes::kImageJavaFileSelected);
            CFileMerge merge{pFile};
            if (nameCounts[strName] == 1) {
                merge.m_bStampable = true;
                merge.m_nStamp = CProjectTreeMerger::ClassStamp(strName, pFile->GetClasses());
                std::uint64_t nStored = 0;
                merge.m_bSkipped = m_tree.GetMergeStamp(pFileItem, nStored) && nStored == merge.m_nStamp;
            }
            m_merged[pFileItem] = merge;
            if (merge.m_bSkipped)
                m_tree.SetHasChildren(pFileItem);
            else
                MergeFile(pFileItem, *pFile);
        }
    }

    void MergeFile(Item pFileItem, const CJavaFile& file)
    {
        CChildIndex classItems(m_tree, pFileItem);
        const CJavaClassList& classes = file.GetClasses();
        for (int nClass = 0; nClass < classes.GetCount(); ++nClass)
            MergeClass(classItems, *classes.GetAt(nClass));
        m_tree.SetHasChildren(pFileItem);
        classItems.Sort();
    }

    void MergeClass(CChildIndex& classItems, const CJavaClass& javaClass)
    {
        Item pClassItem = classItems.FindOrInsert(javaClass.GetName(), IProjectTreeNodes::kImageClass,
                                                  IProjectTreeNodes::kImageClassSelected);
        CChildIndex children(m_tree, pClassItem);
        for (std::string_view strMember : javaClass.GetMembers())
            children.FindOrInsert(strMember, IProjectTreeNodes::kImageMember, IProjectTreeNodes::kImageMemberSelected);
        const CJavaClassList& nested = javaClass.GetNestedClasses();
        for (int nNested = 0; nNested < nested.GetCount(); ++nNested) {
            const CJavaClass* pNested = nested.GetAt(nNested);
            Item pNestedItem = children.FindOrInsert(pNested->GetName(), IProjectTreeNodes::kImageClass,
                                                     IProjectTreeNodes::kImageClassSelected);
            CChildIndex nestedChildren(m_tree, pNestedItem);
            for (std::string_view strMember : pNested->GetMembers())
                nestedChildren.FindOrInsert(strMember, IProjectTreeNodes::kImageMember,
                                            IProjectTreeNodes::kImageMemberSelected);
            m_tree.SetHasChildren(pNestedItem);
        }
        m_tree.SetHasChildren(pClassItem);
        children.Sort();
    }

    void MergeHtmlFiles(CChildIndex& roots)
    {
        const CTarnwickFileList& files = m_project.GetHtmlFiles();
        if (files.GetCount() == 0)
            return;
        // The search starts at the root item that was first before any HTML
        // file was added in this pass; with none, nothing is found.
        const bool bSearch = !roots.IsEmpty();
        for (int nFile = 0; nFile < files.GetCount(); ++nFile) {
            const std::string strName = files.GetAt(nFile)->GetFileName();
            if (!bSearch || !roots.Find(strName))
                roots.Insert(strName, IProjectTreeNodes::kImageHtmlFile, IProjectTreeNodes::kImageHtmlFileSelected);
        }
    }

    // Returns the texts of the root items left, in their order.
    std::vector<std::string> Prune()
    {
        std::vector<std::string> survivors;
        CJavaFileLookup javaFiles(m_project.GetJavaFiles());
        for (Item pItem = m_tree.FirstChild(nullptr); pItem;) {
            Item pNext = m_tree.NextSibling(pItem);
            std::string strText = m_tree.GetText(pItem);
            if (javaFiles.HasFileName(strText)) {
                PruneJavaFile(pItem, strText, javaFiles);
                survivors.push_back(std::move(strText));
            } else if (m_project.GetHtmlFilePath(strText).empty()) {
                Delete(pItem);
            } else {
                survivors.push_back(std::move(strText));
            }
            pItem = pNext;
        }
        return survivors;
    }

    void PruneJavaFile(Item pFileItem, const std::string& strText, CJavaFileLookup& javaFiles)
    {
        auto itMerge = m_merged.find(pFileItem);
        const CFileMerge* pMerge = itMerge == m_merged.end() ? nullptr : &itMerge->second;
        // Resolving may rebase the entry's stored path, so it is done for
        // every file item, skipped or not.
        const std::string strPath = m_project.GetFilePath(strText);
        const CJavaFile* pFile =
            strPath == CJavaProjectCore::kNoFile ? nullptr : javaFiles.FindResolved(strText, strPath);
        if (pMerge && pMerge->m_bSkipped) {
            // Merged and pruned against these very classes before, and
            // untouched since: pruning again would delete nothing.
            if (pFile == pMerge->m_pFile)
                return;
            // The name now leads to another entry: do the merge that was
            // skipped, then prune against that entry as usual.
            MergeFile(pFileItem, *pMerge->m_pFile);
        }
        if (pMerge && pMerge->m_bStampable && pFile == pMerge->m_pFile)
            m_tree.SetMergeStamp(pFileItem, pMerge->m_nStamp);
        else
            m_tree.ClearMergeStamp(pFileItem);
        if (!pFile)
            return;
        const CJavaClassList& classes = pFile->GetClasses();
        for (Item pClassItem = m_tree.FirstChild(pFileItem); pClassItem;) {
            Item pNext = m_tree.NextSibling(pClassItem);
            const CJavaClass* pClass = classes.FindClass(m_tree.GetText(pClassItem));
            if (!pClass)
                Delete(pClassItem);
            else
                PruneClass(pClassItem, *pClass);
            pClassItem = pNext;
        }
    }

    void PruneClass(Item pClassItem, const CJavaClass& javaClass)
    {
        for (Item pItem = m_tree.FirstChild(pClassItem); pItem;) {
            Item pNext = m_tree.NextSibling(pItem);
            const std::string strText = m_tree.GetText(pItem);
            if (const CJavaClass* pNested = javaClass.FindNestedClass(strText)) {
                for (Item pMember = m_tree.FirstChild(pItem); pMember;) {
                    Item pNextMember = m_tree.NextSibling(pMember);
                    if (!pNested->HasMember(m_tree.GetText(pMember)))
                        Delete(pMember);
                    pMember = pNextMember;
                }
            } else if (!javaClass.HasMember(strText)) {
                Delete(pItem);
            }
            pItem = pNext;
        }
    }

    void Delete(Item pItem)
    {
        if (std::find(m_selectedPath.begin(), m_selectedPath.end(), pItem) != m_selectedPath.end())
            m_bSelectedDeleted = true;
        m_tree.DeleteItem(pItem);
    }

    // What the merge did for one Java file item in this pass.
    struct CFileMerge {
        const CJavaFile* m_pFile = nullptr;
        // The item got this one file's classes, whose stamp is m_nStamp.
        bool m_bStampable = false;
        std::uint64_t m_nStamp = 0;
        // The item's stamp matched: its classes were not merged.
        bool m_bSkipped = false;
    };

    CJavaProjectCore& m_project;
    IProjectTreeNodes& m_tree;
    // Keyed by the file items merged in this pass; prune looks them up
    // before it deletes any root item.
    std::unordered_map<Item, CFileMerge> m_merged;
    // The selected item, then its parent and so on up to a root item.
    std::vector<Item> m_selectedPath;
    bool m_bSelectedDeleted = false;
};
} // namespace

void CProjectTreeMerger::Rebuild(CJavaProjectCore& project, IProjectTreeNodes& tree)
{
    CRebuildPass(project, tree).Run();
}

Item CProjectTreeMerger::FindSibling(IProjectTreeNodes& tree, Item pStart, const std::string& strText)
{
    for (Item pItem = pStart; pItem; pItem = tree.NextSibling(pItem))
        if (tree.GetText(pItem) == strText)
            return pItem;
    return nullptr;
}

namespace {
// Chains 64-bit values so that order matters and nearby inputs spread
// (the finaliser of splitmix64).
class CStampHash {
public:
    void Add(std::uint64_t nValue)
    {
        std::uint64_t n = m_nState + nValue + 0x9e3779b97f4a7c15ULL;
        n = (n ^ (n >> 30)) * 0xbf58476d1ce4e5b9ULL;
        n = (n ^ (n >> 27)) * 0x94d049bb133111ebULL;
        m_nState = n ^ (n >> 31);
    }
    // One value a text; with every list preceded by its count the sequence
    // reads back one way only.
    void Add(std::string_view strText) { Add(static_cast<std::uint64_t>(std::hash<std::string_view>{}(strText))); }
    void AddMembers(const CJavaClass& javaClass)
    {
        const CMemberList& members = javaClass.GetMembers();
        Add(static_cast<std::uint64_t>(members.size()));
        for (std::string_view strMember : members)
            Add(strMember);
    }
    std::uint64_t Value() const { return m_nState; }

private:
    std::uint64_t m_nState = 0;
};
} // namespace

std::uint64_t CProjectTreeMerger::ClassStamp(const std::string& strFileName, const CJavaClassList& classes)
{
    // Only what the merge and the prune read: classes, their members, their
    // nested classes and those classes' members, in order.
    CStampHash hash;
    hash.Add(std::string_view(strFileName));
    hash.Add(static_cast<std::uint64_t>(classes.GetCount()));
    for (int nClass = 0; nClass < classes.GetCount(); ++nClass) {
        const CJavaClass& javaClass = *classes.GetAt(nClass);
        hash.Add(std::string_view(javaClass.GetName()));
        hash.AddMembers(javaClass);
        const CJavaClassList& nested = javaClass.GetNestedClasses();
        hash.Add(static_cast<std::uint64_t>(nested.GetCount()));
        for (int nNested = 0; nNested < nested.GetCount(); ++nNested) {
            const CJavaClass& nestedClass = *nested.GetAt(nNested);
            hash.Add(std::string_view(nestedClass.GetName()));
            hash.AddMembers(nestedClass);
        }
    }
    return hash.Value();
}

bool CProjectTreeMerger::TextLess(const std::string& strLeft, const std::string& strRight)
{
    const std::size_t nLength = std::min(strLeft.size(), strRight.size());
    for (std::size_t i = 0; i < nLength; ++i) {
        const int nLeft = std::tolower(static_cast<unsigned char>(strLeft[i]));
        const int nRight = std::tolower(static_cast<unsigned char>(strRight[i]));
        if (nLeft != nRight)
            return nLeft < nRight;
    }
    if (strLeft.size() != strRight.size())
        return strLeft.size() < strRight.size();
    return strLeft < strRight;
}
