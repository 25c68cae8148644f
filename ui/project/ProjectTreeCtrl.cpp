#include "ui/project/ProjectTreeCtrl.h"

#include "core/app/CommandIds.h"
#include "core/project/ProjectTreeMerger.h"
#include "ui/project/ProjectTreeImages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QToolTip>

namespace {
// Siblings sort as the tree control always sorted them: alphabetically,
// without regard to case.
class CProjectTreeItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        return CProjectTreeMerger::TextLess(text(0).toStdString(), other.text(0).toStdString());
    }
};
} // namespace

CProjectTreeCtrl::CProjectTreeCtrl(QWidget* pParent) : QTreeWidget(pParent)
{
    setObjectName("ProjectTree");
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setExpandsOnDoubleClick(false);
    setIconSize(QSize(CProjectTreeImages::kWidth, CProjectTreeImages::kHeight));
    // Right-clicks reach the mouse handlers below, never a context menu event.
    setContextMenuPolicy(Qt::PreventContextMenu);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    WatchForeignChanges();
}

void CProjectTreeCtrl::WatchForeignChanges()
{
    // The merge skips the items below a file whose stamp still matches, so
    // a stamp must not outlive a change the merge did not make itself.
    QAbstractItemModel* pModel = model();
    auto belowParent = [this](const QModelIndex& parent, int, int) {
        if (!m_bOwnChange && parent.isValid())
            ForgetStampOf(parent);
    };
    connect(pModel, &QAbstractItemModel::rowsInserted, this, belowParent);
    connect(pModel, &QAbstractItemModel::rowsAboutToBeRemoved, this, belowParent);
    connect(pModel, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
                if (m_bOwnChange)
                    return;
                if (topLeft.parent().isValid()) {
                    ForgetStampOf(topLeft);
                    return;
                }
                // A file item's own picture or stamp is not its contents,
                // but a new text makes it another file's item.
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole))
                    return;
                for (int nRow = topLeft.row(); nRow <= bottomRight.row(); ++nRow)
                    ForgetStampOf(topLeft.siblingAtRow(nRow));
            });
    connect(pModel, &QAbstractItemModel::rowsMoved, this, [this] {
        if (!m_bOwnChange)
            ForgetAllStamps();
    });
    connect(pModel, &QAbstractItemModel::layoutChanged, this, [this] {
        if (!m_bOwnChange)
            ForgetAllStamps();
    });
}

void CProjectTreeCtrl::ForgetStampOf(const QModelIndex& index)
{
    QTreeWidgetItem* pItem = itemFromIndex(index);
    if (!pItem)
        return;
    while (pItem->parent())
        pItem = pItem->parent();
    ClearMergeStamp(pItem);
}

void CProjectTreeCtrl::ForgetAllStamps()
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        ClearMergeStamp(topLevelItem(i));
}

bool CProjectTreeCtrl::GetMergeStamp(Item pItem, std::uint64_t& nStamp)
{
    const QVariant stamp = Node(pItem)->data(0, kMergeStampRole);
    if (!stamp.isValid())
        return false;
    nStamp = stamp.toULongLong();
    return true;
}

void CProjectTreeCtrl::SetMergeStamp(Item pItem, std::uint64_t nStamp)
{
    QTreeWidgetItem* pNode = Node(pItem);
    const QVariant stamp = pNode->data(0, kMergeStampRole);
    if (stamp.isValid() && stamp.toULongLong() == nStamp)
        return;
    QScopedValueRollback<bool> ownChange(m_bOwnChange, true);
    pNode->setData(0, kMergeStampRole, QVariant::fromValue<qulonglong>(nStamp));
}

void CProjectTreeCtrl::ClearMergeStamp(Item pItem)
{
    QTreeWidgetItem* pNode = Node(pItem);
    if (!pNode->data(0, kMergeStampRole).isValid())
        return;
    QScopedValueRollback<bool> ownChange(m_bOwnChange, true);
    pNode->setData(0, kMergeStampRole, QVariant());
}

IProjectTreeNodes::Item CProjectTreeCtrl::FirstChild(Item pParent)
{
    QTreeWidgetItem* pNode = pParent ? Node(pParent) : invisibleRootItem();
    QTreeWidgetItem* pFirst = pNode->childCount() > 0 ? pNode->child(0) : nullptr;
    m_pLastSibling = pFirst;
    m_nLastSiblingIndex = 0;
    return pFirst;
}

IProjectTreeNodes::Item CProjectTreeCtrl::NextSibling(Item pItem)
{
    QTreeWidgetItem* pNode = Node(pItem);
    QTreeWidgetItem* pParent = pNode->parent() ? pNode->parent() : invisibleRootItem();
    // Items know their parent but not their place in it, and searching the
    // parent's list on every step makes a walk quadratic. Walks go sibling
    // by sibling, so the place of the item answered last (or the one before
    // it, when that item was just deleted) is tried first; the check against
    // the parent's list makes a stale guess harmless.
    int nIndex = -1;
    if (pNode == m_pLastSibling) {
        for (int nGuess : {m_nLastSiblingIndex, m_nLastSiblingIndex - 1})
            if (nGuess >= 0 && nGuess < pParent->childCount() && pParent->child(nGuess) == pNode) {
                nIndex = nGuess;
                break;
            }
    }
    if (nIndex < 0)
        nIndex = pParent->indexOfChild(pNode);
    const int nNext = nIndex + 1;
    QTreeWidgetItem* pNext = nNext < pParent->childCount() ? pParent->child(nNext) : nullptr;
    m_pLastSibling = pNext;
    m_nLastSiblingIndex = nNext;
    return pNext;
}

IProjectTreeNodes::Item CProjectTreeCtrl::Parent(Item pItem)
{
    return Node(pItem)->parent();
}

std::string CProjectTreeCtrl::GetText(Item pItem)
{
    // The merge reads every item's text on each rebuild; Java names are
    // nearly always ASCII, which needs no UTF-8 encoder and no second copy.
    const QString strText = Node(pItem)->text(0);
    std::string strResult(static_cast<std::size_t>(strText.size()), '\0');
    const char16_t* pChars = reinterpret_cast<const char16_t*>(strText.utf16());
    for (qsizetype i = 0; i < strText.size(); ++i) {
        if (pChars[i] >= 0x80)
            return strText.toStdString();
        strResult[static_cast<std::size_t>(i)] = static_cast<char>(pChars[i]);
    }
    return strResult;
}

IProjectTreeNodes::Item CProjectTreeCtrl::InsertLast(Item pParent, const std::string& strText, int nImage,
                                                     int nSelectedImage)
{
    auto* pItem = new CProjectTreeItem(QStringList{QString::fromStdString(strText)});
    SetImages(pItem, nImage, nSelectedImage);
    QScopedValueRollback<bool> ownChange(m_bOwnChange, true);
    (pParent ? Node(pParent) : invisibleRootItem())->addChild(pItem);
    return pItem;
}

void CProjectTreeCtrl::SetImages(Item pItem, int nImage, int nSelectedImage)
{
    QTreeWidgetItem* pNode = Node(pItem);
    if (pNode->data(0, kImageRole) == nImage && pNode->data(0, kSelectedImageRole) == nSelectedImage)
        return;
    QScopedValueRollback<bool> ownChange(m_bOwnChange, true);
    pNode->setData(0, kImageRole, nImage);
    pNode->setData(0, kSelectedImageRole, nSelectedImage);
    // The pictures of a pair are the same, so one icon serves both states.
    pNode->setIcon(0, IconFor(nImage));
}

QIcon CProjectTreeCtrl::IconFor(int nImage)
{
    // Drawing a picture costs far more than inserting the item; every item
    // of a kind shares one icon.
    if (nImage < 0 || nImage >= kImageCount)
        return CProjectTreeImages::Icon(nImage);
    if (m_icons[nImage].isNull())
        m_icons[nImage] = CProjectTreeImages::Icon(nImage);
    return m_icons[nImage];
}

void CProjectTreeCtrl::SetHasChildren(Item pItem)
{
    QScopedValueRollback<bool> ownChange(m_bOwnChange, true);
    Node(pItem)->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
}

void CProjectTreeCtrl::SortChildren(Item pParent)
{
    QScopedValueRollback<bool> ownChange(m_bOwnChange, true);
    (pParent ? Node(pParent) : invisibleRootItem())->sortChildren(0, Qt::AscendingOrder);
}

void CProjectTreeCtrl::DeleteItem(Item pItem)
{
    QScopedValueRollback<bool> ownChange(m_bOwnChange, true);
    delete Node(pItem);
}

void CProjectTreeCtrl::SelectItem(Item pItem)
{
    if (!pItem) {
        clearSelection();
        setCurrentItem(nullptr);
        return;
    }
    // Reselecting must not scroll to the item: scrolling would expand its
    // collapsed parents, and the merge keeps every expansion state.
    const bool bAutoScroll = hasAutoScroll();
    setAutoScroll(false);
    setCurrentItem(Node(pItem));
    setAutoScroll(bAutoScroll);
}

void CProjectTreeCtrl::mousePressEvent(QMouseEvent* pEvent)
{
    // The right button acts on release, through the host.
    if (pEvent->button() == Qt::RightButton) {
        pEvent->accept();
        return;
    }
    QTreeWidget::mousePressEvent(pEvent);
}

void CProjectTreeCtrl::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::RightButton) {
        pEvent->accept();
        emit ContextMenuRequested(pEvent->globalPosition().toPoint());
        return;
    }
    QTreeWidget::mouseReleaseEvent(pEvent);
}

void CProjectTreeCtrl::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    // Not passed on: a double-click opens the item and never expands or
    // collapses it.
    pEvent->accept();
    if (pEvent->button() == Qt::LeftButton)
        emit OpenRequested();
}

void CProjectTreeCtrl::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->modifiers() == Qt::NoModifier || pEvent->modifiers() == Qt::KeypadModifier) {
        switch (pEvent->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: emit OpenRequested(); return;
        case Qt::Key_Menu: emit ContextMenuKeyPressed(); return;
        case Qt::Key_Delete: emit CommandRequested(CommandIds::kRemoveFile); return;
        case Qt::Key_F8: emit CommandRequested(CommandIds::kSetMainFile); return;
        default: break;
        }
    }
    QTreeWidget::keyPressEvent(pEvent);
}

QString CProjectTreeCtrl::InfoTipAt(const QPoint& ptViewport) const
{
    const QModelIndex index = indexAt(ptViewport);
    if (!index.isValid())
        return QString();
    // The column is as wide as the widest item, so the item's own extent is
    // its place plus what it asks for, not the cell.
    const QRect rect = visualRect(index);
    const int nRight = rect.left() + sizeHintForIndex(index).width();
    if (rect.left() >= 0 && nRight <= viewport()->width())
        return QString();
    return index.data(Qt::DisplayRole).toString();
}

bool CProjectTreeCtrl::viewportEvent(QEvent* pEvent)
{
    // Items cut off by the window's edge show their whole text as a tip.
    if (pEvent->type() == QEvent::ToolTip) {
        auto* pHelp = static_cast<QHelpEvent*>(pEvent);
        const QString strTip = InfoTipAt(pHelp->pos());
        if (strTip.isEmpty()) {
            QToolTip::hideText();
            pEvent->ignore();
        } else {
            const QRect rect = visualRect(indexAt(pHelp->pos()));
            QToolTip::showText(pHelp->globalPos(), strTip, viewport(), rect);
        }
        return true;
    }
    return QTreeWidget::viewportEvent(pEvent);
}
