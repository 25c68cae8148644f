#include "core/project/ProjectTreeMerger.h"

#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/TarnwickFile.h"

#include <algorithm>
#include <cctype>
#include <deque>
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
class CChildIndex
{
public:
    CChildIndex(IProjectTreeNodes& tree, Item pParent) : m_tree(tree), m_pParent(pParent)
    {
        for (Item pItem = tree.FirstChild(pParent); pItem; pItem = tree.NextSibling(pItem))
            Add(pItem, tree.GetText(pItem));
    }

    bool IsEmpty() const { return m_texts.empty(); }

    Item Find(const std::string& strText) const
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

    Item FindOrInsert(const std::string& strText, int nImage, int nSelectedImage)
    {
        if (Item pItem = Find(strText))
            return pItem;
        return Insert(strText, nImage, nSelectedImage);
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

// One rebuild: merge, prune, sort, reselect.
class CRebuildPass
{
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
        for (int nFile = 0; nFile < files.GetCount(); ++nFile) {
            const CJavaFile* pFile = files.GetAt(nFile);
            const std::string strName = pFile->GetFileName();
            Item pFileItem =
                roots.FindOrInsert(strName, IProjectTreeNodes::kImageJavaFile, IProjectTreeNodes::kImageJavaFileSelected);
            if (m_project.IsMainFile(strName))
                m_tree.SetImages(pFileItem, IProjectTreeNodes::kImageMainFile,
                                 IProjectTreeNodes::kImageMainFileSelected);
            else
                m_tree.SetImages(pFileItem, IProjectTreeNodes::kImageJavaFile,
                                 IProjectTreeNodes::kImageJavaFileSelected);
            CChildIndex classItems(m_tree, pFileItem);
            const CJavaClassList& classes = pFile->GetClasses();
            for (int nClass = 0; nClass < classes.GetCount(); ++nClass)
                MergeClass(classItems, *classes.GetAt(nClass));
            m_tree.SetHasChildren(pFileItem);
            classItems.Sort();
        }
    }

    void MergeClass(CChildIndex& classItems, const CJavaClass& javaClass)
    {
        Item pClassItem = classItems.FindOrInsert(javaClass.GetName(), IProjectTreeNodes::kImageClass,
                                                  IProjectTreeNodes::kImageClassSelected);
        CChildIndex children(m_tree, pClassItem);
        for (const std::string& strMember : javaClass.GetMembers())
            children.FindOrInsert(strMember, IProjectTreeNodes::kImageMember, IProjectTreeNodes::kImageMemberSelected);
        const CJavaClassList& nested = javaClass.GetNestedClasses();
        for (int nNested = 0; nNested < nested.GetCount(); ++nNested) {
            const CJavaClass* pNested = nested.GetAt(nNested);
            Item pNestedItem = children.FindOrInsert(pNested->GetName(), IProjectTreeNodes::kImageClass,
                                                     IProjectTreeNodes::kImageClassSelected);
            CChildIndex nestedChildren(m_tree, pNestedItem);
            for (const std::string& strMember : pNested->GetMembers())
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
        for (Item pItem = m_tree.FirstChild(nullptr); pItem;) {
            Item pNext = m_tree.NextSibling(pItem);
            std::string strText = m_tree.GetText(pItem);
            if (m_project.GetJavaFiles().HasFileName(strText)) {
                PruneJavaFile(pItem, strText);
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

    void PruneJavaFile(Item pFileItem, const std::string& strText)
    {
        const std::string strPath = m_project.GetFilePath(strText);
        if (strPath == CJavaProjectCore::NoFile)
            return;
        const CJavaFile* pFile = m_project.GetJavaFiles().FindByPathName(strPath);
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

    CJavaProjectCore& m_project;
    IProjectTreeNodes& m_tree;
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
