#include "ui/project/ProjectTreeDlg.h"

#include "core/app/CommandIds.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectTreeMenu.h"
#include "core/project/ProjectTreeMerger.h"
#include "core/project/ProjectTreeTarget.h"
#include "ui/bars/ProjectBar.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/PromptService.h"
#include "ui/project/FilePropertiesDlg.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"

#include <QMenu>

#include <filesystem>
#include <system_error>

using namespace CommandIds;

namespace {
const QString kNoFile = QString::fromLatin1(CJavaProjectCore::kNoFile);
const QString kUnableToLocate =
    QStringLiteral("Unable to locate this item - try adding the file to the project again.");

bool FileExists(const std::string& strPath)
{
    std::error_code error;
    return !strPath.empty() && std::filesystem::exists(strPath, error);
}
} // namespace

CProjectTreeDlg::CProjectTreeDlg(CPromptService& prompts, QWidget* pParent)
    : QWidget(pParent), m_prompts(prompts), m_pTree(new CProjectTreeCtrl(this))
{
    setObjectName("ProjectTreeDlg");
    connect(m_pTree, &CProjectTreeCtrl::OpenRequested, this, [this] { OpenSelectedItem(); });
    connect(m_pTree, &CProjectTreeCtrl::ContextMenuRequested, this, &CProjectTreeDlg::ShowContextMenuAt);
    connect(m_pTree, &CProjectTreeCtrl::ContextMenuKeyPressed, this, &CProjectTreeDlg::OnContextMenuKey);
    connect(m_pTree, &CProjectTreeCtrl::CommandRequested, this, &CProjectTreeDlg::OnCommand);
    setFocusProxy(m_pTree);
}

void CProjectTreeDlg::SetDocument(CJavaProjectDoc* pDocument)
{
    if (m_pDocument)
        disconnect(m_pDocument, &CDocument::TitleChanged, this, nullptr);
    m_pDocument = pDocument;
    if (!m_pDocument)
        return;
    // An untitled project gets its name when first saved, and Save As gives
    // it another: the project window's heading shows the name it has now.
    connect(m_pDocument, &CDocument::TitleChanged, this, [this] {
        if (CProjectBar* pBar = m_pDocument->ProjectBar())
            pBar->setWindowTitle(m_pDocument->GetTitle());
    });
}

void CProjectTreeDlg::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    m_pTree->setGeometry(2, 0, qMax(0, width() - 4), qMax(0, height() - 8));
}

void CProjectTreeDlg::RebuildTree()
{
    if (!m_pDocument)
        return;
    // One repaint at the end instead of one per inserted or deleted item.
    m_pTree->setUpdatesEnabled(false);
    CProjectTreeMerger::Rebuild(m_pDocument->Core(), *m_pTree);
    m_pTree->setUpdatesEnabled(true);
    m_pTree->viewport()->update();
}

void CProjectTreeDlg::Message(const QString& strText)
{
    m_prompts.MessageBox(this, strText);
}

QString CProjectTreeDlg::SelectedText() const
{
    QTreeWidgetItem* pItem = m_pTree->currentItem();
    return pItem ? pItem->text(0) : QString();
}

bool CProjectTreeDlg::IsHtmlFileSelected() const
{
    QTreeWidgetItem* pItem = m_pTree->currentItem();
    return pItem && m_pDocument &&
           CProjectTreeMenu::KindOf(m_pDocument->Core(), pItem->text(0).toStdString()) == CProjectTreeMenu::kHtmlFile;
}

bool CProjectTreeDlg::OpenSelectedItem()
{
    QTreeWidgetItem* pItem = m_pTree->currentItem();
    if (!pItem) {
        Message("Item is NULL");
        return false;
    }
    if (!m_pDocument)
        return false;
    // Opening a source file rescans it and may rebuild this tree, so the
    // answer is worked out from the texts before the first document call.
    std::vector<std::string> texts;
    for (QTreeWidgetItem* pAbove = pItem; pAbove; pAbove = pAbove->parent())
        texts.insert(texts.begin(), pAbove->text(0).toStdString());
    const CProjectTreeTarget answer = CProjectTreeTarget::Resolve(m_pDocument->Core(), texts);
    const QString strText = QString::fromStdString(answer.m_strText);

    if (answer.m_eKind == CProjectTreeTarget::EKind::File) {
        // A file that is gone is said once, here, and not by each place
        // tried on the way: only paths that exist are opened.
        const std::string strFolderPath = m_pDocument->Core().GetProjectFolderPath(answer.m_strText);
        const bool bAtPath = FileExists(answer.m_strPath);
        const bool bInFolder = !strFolderPath.empty() && strFolderPath != answer.m_strPath && FileExists(strFolderPath);
        if ((bAtPath && m_pDocument->Services().OpenDocumentFile(QString::fromStdString(answer.m_strPath))) ||
            (bInFolder && m_pDocument->OpenFromProjectFolder(strText)))
            return true;
        Message(kUnableToLocate);
        m_pDocument->OnAddJavaFiles();
        return true;
    }
    for (const CProjectTarget& target : answer.m_targets)
        if (m_pDocument->OpenTarget(target))
            return true;
    if (answer.m_bTopLevel) {
        Message("Parent is NULL");
        return false;
    }
    Message(kUnableToLocate);
    m_pDocument->OnAddJavaFiles();
    return false;
}

void CProjectTreeDlg::ShowContextMenuAt(const QPoint& ptScreen)
{
    QTreeWidgetItem* pItem = m_pTree->itemAt(m_pTree->viewport()->mapFromGlobal(ptScreen));
    if (!pItem)
        return;
    m_pTree->setCurrentItem(pItem);
    ShowMenuFor(pItem, ptScreen);
}

void CProjectTreeDlg::OnContextMenuKey()
{
    QTreeWidgetItem* pItem = m_pTree->currentItem();
    if (!pItem)
        return;
    QRect rect = m_pTree->visualItemRect(pItem);
    ShowMenuFor(pItem, m_pTree->viewport()->mapToGlobal(QPoint(rect.left() + rect.height(), rect.bottom())));
}

void CProjectTreeDlg::ShowMenuFor(QTreeWidgetItem* pItem, const QPoint& ptScreen)
{
    if (!m_pDocument)
        return;
    QMenu menu(this);
    menu.setObjectName("ProjectTreeMenu");
    for (const CProjectTreeMenu::CEntry& entry :
         CProjectTreeMenu::EntriesFor(m_pDocument->Core(), pItem->text(0).toStdString())) {
        if (entry.m_nCommandId == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* pAction = menu.addAction(QString::fromStdString(entry.m_strText));
        pAction->setData(entry.m_nCommandId);
        if (entry.m_nCommandId == kOpenInWebBrowser || entry.m_nCommandId == kRunAppletHtml)
            pAction->setEnabled(IsHtmlFileSelected());
        if (entry.m_nCommandId == CProjectTreeMenu::kOpenSelectedItem) {
            QFont font = pAction->font();
            font.setBold(true);
            pAction->setFont(font);
            menu.setDefaultAction(pAction);
        }
    }
    QAction* pChosen = m_runMenu ? m_runMenu(menu, ptScreen) : menu.exec(ptScreen);
    if (pChosen && pChosen->isEnabled())
        OnCommand(pChosen->data().toInt());
}

void CProjectTreeDlg::OnCommand(int nCommandId)
{
    if (!m_pDocument)
        return;
    switch (nCommandId) {
    case CProjectTreeMenu::kOpenSelectedItem: OpenSelectedItem(); break;
    case kCompile: OnCompile(); break;
    case kSetMainFile: OnSetAsMain(); break;
    case kRemoveFile: OnRemove(); break;
    case kAddJavaFiles: m_pDocument->OnAddJavaFiles(); break;
    case kAddHtmlFile: m_pDocument->OnAddHtmlFile(); break;
    case CProjectTreeMenu::kFileProperties: OnProperties(); break;
    case kOpenInWebBrowser: OnOpenInWebBrowser(); break;
    case kRunAppletHtml: OnRunApplet(); break;
    default: break;
    }
}

void CProjectTreeDlg::OnCompile()
{
    if (!m_pTree->currentItem()) {
        Message("Item is NULL");
        return;
    }
    const QString strText = SelectedText();
    if (!m_pDocument->GetHtmlFilePath(strText).isEmpty()) {
        Message("Can't compile HTML File!");
        return;
    }
    const QString strPath = m_pDocument->GetFilePath(strText);
    if (strPath != kNoFile)
        m_pDocument->CompileFile(strPath.toStdString());
}

void CProjectTreeDlg::OnSetAsMain()
{
    const QString strText = SelectedText();
    QTreeWidgetItem* pItem = m_pTree->currentItem();
    if (!pItem || m_pDocument->GetFilePath(strText) == kNoFile || !m_pDocument->GetHtmlFilePath(strText).isEmpty()) {
        Message("Only Java files can be set as main");
        return;
    }
    // The rebuild that follows inserts the file again with its new pictures;
    // the selection goes with it rather than to a neighbour.
    delete pItem;
    m_pDocument->SetMainFile(strText);
    const QList<QTreeWidgetItem*> found = m_pTree->findItems(strText, Qt::MatchExactly);
    if (!found.isEmpty())
        m_pTree->setCurrentItem(found.front());
}

void CProjectTreeDlg::OnRemove()
{
    QTreeWidgetItem* pItem = m_pTree->currentItem();
    const QString strPath = m_pDocument->GetFilePath(SelectedText());
    if (!pItem || strPath == kNoFile) {
        Message("No files to remove.");
        return;
    }
    delete pItem;
    m_pDocument->RemoveFile(strPath);
}

void CProjectTreeDlg::OnProperties()
{
    const QString strText = SelectedText();
    CFilePropertiesDlg dialog(strText, m_pDocument->GetFilePath(strText), this);
    m_prompts.RunDialog(dialog);
}

void CProjectTreeDlg::OnOpenInWebBrowser()
{
    m_prompts.OpenUrl(m_pDocument->GetFilePath(SelectedText()));
}

void CProjectTreeDlg::OnRunApplet()
{
    m_pDocument->RunApplet(m_pDocument->GetFilePath(SelectedText()));
}
