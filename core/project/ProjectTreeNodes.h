#pragma once

#include <cstdint>
#include <string>

// The project tree as the merge sees it: items known only by their text,
// reached through first-child and next-sibling links. The window's tree
// control implements it; tests use a tree in memory.
class IProjectTreeNodes {
public:
    // An item of the tree; null means none (or, as a parent, the root).
    using Item = void*;

    // Image pairs (image, selected image) of the tree's image list.
    enum EImage {
        kImageJavaFile = 0,
        kImageJavaFileSelected = 1,
        kImageMainFile = 2,
        kImageMainFileSelected = 3,
        kImageHtmlFile = 4,
        kImageHtmlFileSelected = 5,
        kImageClass = 6,
        kImageClassSelected = 7,
        kImageMember = 8,
        kImageMemberSelected = 9,
        kImageCount = 10
    };

    virtual ~IProjectTreeNodes() = default;

    // pParent null: the first root item.
    virtual Item FirstChild(Item pParent) = 0;
    virtual Item NextSibling(Item pItem) = 0;
    virtual Item Parent(Item pItem) = 0;
    virtual std::string GetText(Item pItem) = 0;

    // Appends an item under pParent (null: a root item) and returns it.
    virtual Item InsertLast(Item pParent, const std::string& strText, int nImage, int nSelectedImage) = 0;
    virtual void SetImages(Item pItem, int nImage, int nSelectedImage) = 0;
    // Shows an expand button even while the item has no children.
    virtual void SetHasChildren(Item pItem) = 0;
    // Sorts the children of pParent (null: the root items) by text.
    virtual void SortChildren(Item pParent) = 0;
    // Deletes the item with everything under it.
    virtual void DeleteItem(Item pItem) = 0;

    virtual Item GetCaret() = 0;
    // pItem null: no item is selected.
    virtual void SelectItem(Item pItem) = 0;

    // A stamp the merge leaves on a Java file item once it has merged and
    // pruned that file's classes: while the stamp is there and matches the
    // file's classes, the items below are already what a merge would make.
    // A tree keeping stamps must drop one as soon as anything but the merge
    // inserts, deletes, reorders or renames an item at or below that file
    // item. The defaults keep none, so every rebuild merges every file.
    virtual bool GetMergeStamp(Item /*pItem*/, std::uint64_t& /*nStamp*/) { return false; }
    virtual void SetMergeStamp(Item /*pItem*/, std::uint64_t /*nStamp*/) {}
    virtual void ClearMergeStamp(Item /*pItem*/) {}
};
