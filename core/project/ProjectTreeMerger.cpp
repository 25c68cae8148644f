#include "core/project/ProjectTreeMerger.h"

#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/TarnwickFile.h"

#include <algorithm>
#include <cctype>
#include <vector>

using Item = IProjectTreeNodes::Item;

void CProjectTreeMerger::Rebuild(CJavaProjectCore& project, IProjectTreeNodes& tree)
{
    Item pSelected = tree.GetCaret();
    tree.SelectItem(nullptr);
    MergeJavaFiles(project, tree);
    MergeHtmlFiles(project, tree);
    Prune(project, tree);
    tree.SortChildren(nullptr);
    // Pruning may have deleted the selected item; a stale handle must not
    // be selected again.
    if (pSelected && Contains(tree, nullptr, pSelected))
        tree.SelectItem(pSelected);
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

Item CProjectTreeMerger::FindOrInsert(IProjectTreeNodes& tree, Item pParent, const std::string& strText, int nImage,
                                      int nSelectedImage)
{
    if (Item pItem = FindSibling(tree, tree.FirstChild(pParent), strText))
        return pItem;
    return tree.InsertLast(pParent, strText, nImage, nSelectedImage);
}

void CProjectTreeMerger::MergeJavaFiles(CJavaProjectCore& project, IProjectTreeNodes& tree)
{
    const CJavaFileList& files = project.GetJavaFiles();
    for (int nFile = 0; nFile < files.GetCount(); ++nFile) {
        const CJavaFile* pFile = files.GetAt(nFile);
        const std::string strName = pFile->GetFileName();
        Item pFileItem = FindOrInsert(tree, nullptr, strName, IProjectTreeNodes::kImageJavaFile,
                                      IProjectTreeNodes::kImageJavaFileSelected);
        if (project.IsMainFile(strName))
            tree.SetImages(pFileItem, IProjectTreeNodes::kImageMainFile, IProjectTreeNodes::kImageMainFileSelected);
        else
            tree.SetImages(pFileItem, IProjectTreeNodes::kImageJavaFile, IProjectTreeNodes::kImageJavaFileSelected);
        const CJavaClassList& classes = pFile->GetClasses();
        for (int nClass = 0; nClass < classes.GetCount(); ++nClass)
            MergeClass(tree, pFileItem, *classes.GetAt(nClass));
        tree.SetHasChildren(pFileItem);
        tree.SortChildren(pFileItem);
    }
}

void CProjectTreeMerger::MergeClass(IProjectTreeNodes& tree, Item pFileItem, const CJavaClass& javaClass)
{
    Item pClassItem = FindOrInsert(tree, pFileItem, javaClass.GetName(), IProjectTreeNodes::kImageClass,
                                   IProjectTreeNodes::kImageClassSelected);
    for (const std::string& strMember : javaClass.GetMembers())
        FindOrInsert(tree, pClassItem, strMember, IProjectTreeNodes::kImageMember,
                     IProjectTreeNodes::kImageMemberSelected);
    const CJavaClassList& nested = javaClass.GetNestedClasses();
    for (int nNested = 0; nNested < nested.GetCount(); ++nNested) {
        const CJavaClass* pNested = nested.GetAt(nNested);
        Item pNestedItem = FindOrInsert(tree, pClassItem, pNested->GetName(), IProjectTreeNodes::kImageClass,
                                        IProjectTreeNodes::kImageClassSelected);
        for (const std::string& strMember : pNested->GetMembers())
            FindOrInsert(tree, pNestedItem, strMember, IProjectTreeNodes::kImageMember,
                         IProjectTreeNodes::kImageMemberSelected);
        tree.SetHasChildren(pNestedItem);
    }
    tree.SetHasChildren(pClassItem);
    tree.SortChildren(pClassItem);
}

void CProjectTreeMerger::MergeHtmlFiles(CJavaProjectCore& project, IProjectTreeNodes& tree)
{
    const CTarnwickFileList& files = project.GetHtmlFiles();
    if (files.GetCount() == 0)
        return;
    // The search starts at the root item that was first before any HTML
    // file was added in this pass.
    Item pFirst = tree.FirstChild(nullptr);
    for (int nFile = 0; nFile < files.GetCount(); ++nFile) {
        const std::string strName = files.GetAt(nFile)->GetFileName();
        if (!FindSibling(tree, pFirst, strName))
            tree.InsertLast(nullptr, strName, IProjectTreeNodes::kImageHtmlFile,
                            IProjectTreeNodes::kImageHtmlFileSelected);
    }
}

void CProjectTreeMerger::Prune(CJavaProjectCore& project, IProjectTreeNodes& tree)
{
    for (Item pItem = tree.FirstChild(nullptr); pItem;) {
        Item pNext = tree.NextSibling(pItem);
        const std::string strText = tree.GetText(pItem);
        if (project.GetJavaFiles().HasFileName(strText))
            PruneJavaFile(project, tree, pItem);
        else if (project.GetHtmlFilePath(strText).empty())
            tree.DeleteItem(pItem);
        pItem = pNext;
    }
}

void CProjectTreeMerger::PruneJavaFile(CJavaProjectCore& project, IProjectTreeNodes& tree, Item pFileItem)
{
    const std::string strPath = project.GetFilePath(tree.GetText(pFileItem));
    if (strPath == CJavaProjectCore::NoFile)
        return;
    const CJavaFile* pFile = project.GetJavaFiles().FindByPathName(strPath);
    if (!pFile)
        return;
    const CJavaClassList& classes = pFile->GetClasses();
    for (Item pClassItem = tree.FirstChild(pFileItem); pClassItem;) {
        Item pNext = tree.NextSibling(pClassItem);
        const CJavaClass* pClass = classes.FindClass(tree.GetText(pClassItem));
        if (!pClass)
            tree.DeleteItem(pClassItem);
        else
            PruneClass(tree, pClassItem, *pClass);
        pClassItem = pNext;
    }
}

void CProjectTreeMerger::PruneClass(IProjectTreeNodes& tree, Item pClassItem, const CJavaClass& javaClass)
{
    for (Item pItem = tree.FirstChild(pClassItem); pItem;) {
        Item pNext = tree.NextSibling(pItem);
        const std::string strText = tree.GetText(pItem);
        if (const CJavaClass* pNested = javaClass.FindNestedClass(strText)) {
            for (Item pMember = tree.FirstChild(pItem); pMember;) {
                Item pNextMember = tree.NextSibling(pMember);
                if (!pNested->HasMember(tree.GetText(pMember)))
                    tree.DeleteItem(pMember);
                pMember = pNextMember;
            }
        } else if (!javaClass.HasMember(strText)) {
            tree.DeleteItem(pItem);
        }
        pItem = pNext;
    }
}

bool CProjectTreeMerger::Contains(IProjectTreeNodes& tree, Item pParent, Item pItem)
{
    // Depth-first without recursion; the tree is four levels deep at most,
    // but a handle must be compared against every item once.
    std::vector<Item> pending;
    for (Item pChild = tree.FirstChild(pParent); pChild; pChild = tree.NextSibling(pChild))
        pending.push_back(pChild);
    while (!pending.empty()) {
        Item pCurrent = pending.back();
        pending.pop_back();
        if (pCurrent == pItem)
            return true;
        for (Item pChild = tree.FirstChild(pCurrent); pChild; pChild = tree.NextSibling(pChild))
            pending.push_back(pChild);
    }
    return false;
}
