#pragma once

#include "core/project/ProjectTreeNodes.h"

#include <cstdint>
#include <string>

class CJavaClassList;
class CJavaProjectCore;

// Brings the project tree in line with the project model without clearing
// it, so items that survive keep their expansion state and the selection.
class CProjectTreeMerger {
public:
    // Inserts what the model holds and the tree lacks, prunes what the model
    // no longer holds, sorts, and reselects the selected item if it is left.
    // Each item's text is read once per pass and siblings are found by hash,
    // so a rebuild costs time in proportion to the size of the tree. A file
    // item whose merge stamp still matches its file's classes is left as it
    // is below: only its own pictures, expand button and place are handled.
    static void Rebuild(CJavaProjectCore& project, IProjectTreeNodes& tree);

    // The first item from pStart on (following next-sibling links) whose text
    // equals strText exactly; null when there is none.
    static IProjectTreeNodes::Item FindSibling(IProjectTreeNodes& tree, IProjectTreeNodes::Item pStart,
                                               const std::string& strText);

    // A digest of what a file's items are merged from: the file name, then
    // each class's name and members and its nested classes' names and
    // members, in order. Equal lists give equal stamps.
    static std::uint64_t ClassStamp(const std::string& strFileName, const CJavaClassList& classes);

    // The order of sibling items: alphabetical without regard to case, as the
    // tree control sorts; texts equal but for case fall back to byte order.
    static bool TextLess(const std::string& strLeft, const std::string& strRight);
};
