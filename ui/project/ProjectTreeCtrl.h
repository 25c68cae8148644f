#pragma once

#include "core/project/ProjectTreeNodes.h"

#include <QIcon>
#include <QTreeWidget>

#include <array>

// The project tree. Mouse and keys become requests to the window that hosts
// it; the items are reached by the merge through IProjectTreeNodes.
class CProjectTreeCtrl : public QTreeWidget, public IProjectTreeNodes {
    Q_OBJECT
public:
    // Where an item keeps the index of its picture and selected picture.
    static constexpr int kImageRole = Qt::UserRole;
    static constexpr int kSelectedImageRole = Qt::UserRole + 1;
    // Where a Java file item keeps the merge's stamp.
    static constexpr int kMergeStampRole = Qt::UserRole + 2;

    explicit CProjectTreeCtrl(QWidget* pParent = nullptr);

    // IProjectTreeNodes
    Item FirstChild(Item pParent) override;
    Item NextSibling(Item pItem) override;
    Item Parent(Item pItem) override;
    std::string GetText(Item pItem) override;
    Item InsertLast(Item pParent, const std::string& strText, int nImage, int nSelectedImage) override;
    void SetImages(Item pItem, int nImage, int nSelectedImage) override;
    void SetHasChildren(Item pItem) override;
    void SortChildren(Item pParent) override;
    void DeleteItem(Item pItem) override;
    Item GetCaret() override { return currentItem(); }
    void SelectItem(Item pItem) override;
    bool GetMergeStamp(Item pItem, std::uint64_t& nStamp) override;
    void SetMergeStamp(Item pItem, std::uint64_t nStamp) override;
    void ClearMergeStamp(Item pItem) override;

    // The whole text of the item at a viewport point when the window shows
    // only part of it; empty when it is shown whole or nothing is there.
    QString InfoTipAt(const QPoint& ptViewport) const;

signals:
    // A double-click or Enter: open the selected item.
    void OpenRequested();
    // A right-click at a screen position; the host decides what is there.
    void ContextMenuRequested(const QPoint& ptScreen);
    // The context-menu key: the menu of the selected item.
    void ContextMenuKeyPressed();
    // Delete (remove) and F8 (set as main) while the tree has the focus.
    void CommandRequested(int nCommandId);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    bool viewportEvent(QEvent* pEvent) override;

private:
    static QTreeWidgetItem* Node(Item pItem) { return static_cast<QTreeWidgetItem*>(pItem); }
    QIcon IconFor(int nImage);
    // Changes made through IProjectTreeNodes keep the stamps; any other
    // change at or below a file item drops that item's stamp.
    void WatchForeignChanges();
    void ForgetStampOf(const QModelIndex& index);
    void ForgetAllStamps();

    std::array<QIcon, kImageCount> m_icons;
    // Set while the tree changes on the merge's behalf.
    bool m_bOwnChange = false;

    // The item NextSibling or FirstChild answered last and its place among
    // its siblings; only ever compared, never dereferenced.
    const QTreeWidgetItem* m_pLastSibling = nullptr;
    int m_nLastSiblingIndex = 0;
};
