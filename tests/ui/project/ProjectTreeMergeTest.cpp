#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "tests/ui/support/LargeProject.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"
#include "ui/project/ProjectTreeDlg.h"

#include <QtTest>

// The project window's tree rebuilt by merging: it holds exactly what the
// model holds, and what the user expanded or selected survives. The timing of
// the same rebuild on a large project is bench/ui/ProjectTreeBench.cpp.
using namespace LargeProject;

namespace {
constexpr int kFiles = 9;
constexpr int kItems = LargeProject::ItemCount(kFiles);
constexpr int kRebuilds = 4;

QTreeWidgetItem* FindChild(QTreeWidgetItem* pParent, const QString& strText)
{
    for (int i = 0; i < pParent->childCount(); ++i)
        if (pParent->child(i)->text(0) == strText)
            return pParent->child(i);
    return nullptr;
}
} // namespace

class ProjectTreeMergeTest : public QObject {
    Q_OBJECT
private slots:
    void rebuildAfterOneClassChangedKeepsExpansionAndSelection()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(SaveProject(fixture, kFiles));

        // Opening shows the project window, which builds the tree from empty.
        auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("Big.jpr")));
        QVERIFY(pProject);
        CProjectTreeDlg* pDlg = pProject->ProjectTree();
        QVERIFY(pDlg);
        CProjectTreeCtrl* pTree = pDlg->Tree();
        QCOMPARE(pTree->topLevelItemCount(), kFiles);
        QCOMPARE(CountItems(pTree->invisibleRootItem()), kItems);

        // A file the user has open: its items are expanded, and one member is
        // selected, as while editing.
        const std::string strChanged = FilePath(fixture, kFiles / 2);
        QTreeWidgetItem* pFileItem = nullptr;
        for (int i = 0; i < pTree->topLevelItemCount() && !pFileItem; ++i)
            if (pTree->topLevelItem(i)->text(0) == QStringLiteral("File%1.java").arg(kFiles / 2))
                pFileItem = pTree->topLevelItem(i);
        QVERIFY(pFileItem);
        pFileItem->setExpanded(true);
        QCOMPARE(pFileItem->childCount(), kClasses);
        QTreeWidgetItem* pClassItem = pFileItem->child(0);
        pClassItem->setExpanded(true);
        pTree->setCurrentItem(pClassItem->child(0));
        QCoreApplication::processEvents();

        for (int n = 0; n < kRebuilds; ++n) {
            const bool bExtra = n % 2 == 0;
            ScanFile(pProject->Core(), strChanged, bExtra);
            pDlg->RebuildTree();
            QCOMPARE(CountItems(pTree->invisibleRootItem()), kItems + (bExtra ? 1 : 0));
            // The class that changed keeps its place and its expansion; the
            // selection survives.
            QVERIFY(pFileItem->isExpanded());
            QVERIFY(pClassItem->isExpanded());
            QCOMPARE(pClassItem->text(0), QStringLiteral("Class0"));
            QCOMPARE(pTree->currentItem(), pClassItem->child(0));
            QTreeWidgetItem* pMiddle = pFileItem->child(0);
            for (int i = 0; i < pFileItem->childCount(); ++i)
                if (pFileItem->child(i)->text(0) == QStringLiteral("Class%1").arg(kClasses / 2))
                    pMiddle = pFileItem->child(i);
            QCOMPARE(pMiddle->childCount(), kMembers + (bExtra ? 1 : 0));
            // "added(int nValue)" sorts first among the members.
            QCOMPARE(pMiddle->child(0)->text(0) == QStringLiteral("added(int nValue)"), bExtra);
            QCoreApplication::processEvents();
        }
    }

    // A rebuild leaves the items of unchanged files alone, so any change
    // the merge did not make below a file item must send that file through
    // the whole merge again.
    void changesMadeOutsideTheMergeAreUndone()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        QVERIFY(SaveProject(fixture, 3));
        auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("Big.jpr")));
        QVERIFY(pProject);
        CProjectTreeDlg* pDlg = pProject->ProjectTree();
        CProjectTreeCtrl* pTree = pDlg->Tree();
        const int nItems = 3 + 3 * kClasses + 3 * kClasses * kMembers;
        QCOMPARE(CountItems(pTree->invisibleRootItem()), nItems);
        QTreeWidgetItem* pFile = FindChild(pTree->invisibleRootItem(), "File1.java");
        QVERIFY(pFile);
        QVERIFY(pFile->data(0, CProjectTreeCtrl::kMergeStampRole).isValid());
        QTreeWidgetItem* pClass = FindChild(pFile, "Class3");
        QVERIFY(pClass);
        const QString strMember = "method7(String strName, int nCount)";

        // A stray item below a class.
        new QTreeWidgetItem(pClass, QStringList{"stray"});
        QVERIFY(!pFile->data(0, CProjectTreeCtrl::kMergeStampRole).isValid());
        pDlg->RebuildTree();
        QCOMPARE(FindChild(pClass, "stray"), nullptr);
        QCOMPARE(CountItems(pTree->invisibleRootItem()), nItems);
        QVERIFY(pFile->data(0, CProjectTreeCtrl::kMergeStampRole).isValid());

        // A member deleted.
        delete FindChild(pClass, strMember);
        pDlg->RebuildTree();
        QVERIFY(FindChild(pClass, strMember));
        QCOMPARE(CountItems(pTree->invisibleRootItem()), nItems);

        // A member renamed: pruned, and the real one inserted again.
        FindChild(pClass, strMember)->setText(0, "renamed()");
        pDlg->RebuildTree();
        QCOMPARE(FindChild(pClass, "renamed()"), nullptr);
        QVERIFY(FindChild(pClass, strMember));
        QCOMPARE(CountItems(pTree->invisibleRootItem()), nItems);

        // A class's items put in reverse order: sorted again.
        pClass->sortChildren(0, Qt::DescendingOrder);
        QVERIFY(!pFile->data(0, CProjectTreeCtrl::kMergeStampRole).isValid());
        pDlg->RebuildTree();
        QCOMPARE(pClass->child(0)->text(0), QStringLiteral("method0(String strName, int nCount)"));

        // A file item renamed to another file's name: it is pruned as that
        // file, and the file keeps only its own classes.
        QTreeWidgetItem* pOther = FindChild(pTree->invisibleRootItem(), "File2.java");
        QVERIFY(pOther);
        pOther->setText(0, "File9.java");
        new QTreeWidgetItem(pOther, QStringList{"Class99"});
        pOther->setText(0, "File2.java");
        pDlg->RebuildTree();
        QCOMPARE(FindChild(pOther, "Class99"), nullptr);
        QCOMPARE(CountItems(pTree->invisibleRootItem()), nItems);
    }
};

QTEST_MAIN(ProjectTreeMergeTest)
#include "ProjectTreeMergeTest.moc"
