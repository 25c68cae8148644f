#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"
#include "ui/project/ProjectTreeDlg.h"

#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <vector>

// Times the project window's rebuild on a large project in the real tree.
// Timings are only printed (machines differ); what is checked is that the
// tree holds exactly what the model holds.
namespace {
constexpr int kFiles = 255;
constexpr int kClasses = 20;
constexpr int kMembers = 20;
constexpr int kItems = kFiles + kFiles * kClasses + kFiles * kClasses * kMembers;
constexpr int kRebuilds = 10;

// Paths in the fixture's folder; the files themselves are never read.
std::string FilePath(CAppFixture& fixture, int nFile)
{
    return fixture.TempPath(QStringLiteral("File%1.java").arg(nFile)).toStdString();
}

// Reports one file's classes as the outline scan does; with bExtra the class
// in the middle of the file has one member more.
void ScanFile(CJavaProjectCore& core, const std::string& strPath, bool bExtra)
{
    core.ClearFileClasses(strPath);
    for (int c = 0; c < kClasses; ++c) {
        const std::string strClass = "Class" + std::to_string(c);
        core.AddClass(strPath, strClass);
        for (int m = 0; m < kMembers; ++m)
            core.AddMember(strPath, strClass, "method" + std::to_string(m) + "(String strName, int nCount)");
        if (bExtra && c == kClasses / 2)
            core.AddMember(strPath, strClass, "added(int nValue)");
    }
}

int CountItems(QTreeWidgetItem* pParent)
{
    int nCount = pParent->childCount();
    for (int i = 0; i < pParent->childCount(); ++i)
        nCount += CountItems(pParent->child(i));
    return nCount;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
} // namespace

class ProjectTreeTimingTest : public QObject {
    Q_OBJECT
private slots:
    void rebuildAfterOneClassChanged()
    {
        CAppFixture fixture;
        QVERIFY(fixture.Start({}, false));
        CJavaProjectCore core("", "");
        const QString strProject = fixture.TempPath("Big.jpr");
        core.SetPathName(strProject.toStdString());
        for (int f = 0; f < kFiles; ++f) {
            QVERIFY(core.AddJavaFile(FilePath(fixture, f)));
            ScanFile(core, FilePath(fixture, f), false);
        }
        core.SetMainFile("File0.java");
        std::string strError;
        QVERIFY(core.SaveAs(strProject.toStdString(), strError));

        // Opening shows the project window, which builds the tree from empty.
        QElapsedTimer timer;
        timer.start();
        auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(strProject));
        const double dOpenMs = timer.nsecsElapsed() / 1e6;
        QVERIFY(pProject);
        CProjectTreeDlg* pDlg = pProject->ProjectTree();
        QVERIFY(pDlg);
        CProjectTreeCtrl* pTree = pDlg->Tree();
        QCOMPARE(pTree->topLevelItemCount(), kFiles);
        QCOMPARE(CountItems(pTree->invisibleRootItem()), kItems);
        qInfo("open with first tree build: %.1f ms", dOpenMs);

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

        std::vector<double> rebuilds;
        for (int n = 0; n < kRebuilds; ++n) {
            const bool bExtra = n % 2 == 0;
            ScanFile(pProject->Core(), strChanged, bExtra);
            timer.restart();
            pDlg->RebuildTree();
            rebuilds.push_back(timer.nsecsElapsed() / 1e6);
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
        qInfo("rebuild after one class changed (%d items): median %.2f ms, min %.2f ms, max %.2f ms", kItems,
              Median(rebuilds), *std::min_element(rebuilds.begin(), rebuilds.end()),
              *std::max_element(rebuilds.begin(), rebuilds.end()));
    }
};

QTEST_MAIN(ProjectTreeTimingTest)
#include "ProjectTreeTimingTest.moc"
