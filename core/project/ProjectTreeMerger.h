#pragma once

#include "core/project/ProjectTreeNodes.h"

#include <string>

class CJavaClass;
class CJavaProjectCore;

// Brings the project tree in line with the project model without clearing
// it, so items that survive keep their expansion state and the selection.
class CProjectTreeMerger
{
public:
    // Inserts what the model holds and the tree lacks, prunes what the model
    // no longer holds, sorts, and reselects the selected item if it is left.
    static void Rebuild(CJavaProjectCore& project, IProjectTreeNodes& tree);

    // The first item from pStart on (following next-sibling links) whose text
    // equals strText exactly; null when there is none.
    static IProjectTreeNodes::Item FindSibling(IProjectTreeNodes& tree, IProjectTreeNodes::Item pStart,
                                               const std::string& strText);

    // The order of sibling items: alphabetical without regard to case, as the
    // tree control sorts; texts equal but for case fall back to byte order.
    static bool TextLess(const std::string& strLeft, const std::string& strRight);

private:
    static void MergeJavaFiles(CJavaProjectCore& project, IProjectTreeNodes& tree);
    static void MergeClass(IProjectTreeNodes& tree, IProjectTreeNodes::Item pFileItem, const CJavaClass& javaClass);
    static void MergeHtmlFiles(CJavaProjectCore& project, IProjectTreeNodes& tree);
    static void Prune(CJavaProjectCore& project, IProjectTreeNodes& tree);
    static void PruneJavaFile(CJavaProjectCore& project, IProjectTreeNodes& tree, IProjectTreeNodes::Item pFileItem);
    static void PruneClass(IProjectTreeNodes& tree, IProjectTreeNodes::Item pClassItem, const CJavaClass& javaClass);
    static IProjectTreeNodes::Item FindOrInsert(IProjectTreeNodes& tree, IProjectTreeNodes::Item pParent,
                                                const std::string& strText, int nImage, int nSelectedImage);
    static bool Contains(IProjectTreeNodes& tree, IProjectTreeNodes::Item pParent, IProjectTreeNodes::Item pItem);
};
