// Times the project window on a large project (255 files of 20 classes of 20
// members, 107,355 items): opening it, which builds the tree from empty, and
// rebuilding it after one class of an open, expanded file gained or lost a
// member, as an outline scan does while editing. Prints the figures.
//
//   build/bench/ui/tarnwick_project_tree_bench [REBUILDS]
//
// Runs offscreen unless a platform is chosen.

#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/AppFixture.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"
#include "ui/project/ProjectTreeDlg.h"

#include "tests/ui/support/LargeProject.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace LargeProject;

namespace {
constexpr int kFiles = 255;
constexpr int kItems = LargeProject::ItemCount(kFiles);

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Fail(const char* pszWhat)
{
    std::fprintf(stderr, "%s\n", pszWhat);
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nRebuilds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    CAppFixture fixture;
    if (!fixture.Start({}, false))
        return Fail("the application did not start");
    if (!SaveProject(fixture, kFiles))
        return Fail("the project was not saved");

    QElapsedTimer timer;
    timer.start();
    auto* pProject = dynamic_cast<CJavaProjectDoc*>(fixture.App().OpenDocumentFile(fixture.TempPath("Big.jpr")));
    const double dOpenMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    CProjectTreeDlg* pDlg = pProject ? pProject->ProjectTree() : nullptr;
    if (!pDlg)
        return Fail("the project window did not open");
    CProjectTreeCtrl* pTree = pDlg->Tree();
    if (CountItems(pTree->invisibleRootItem()) != kItems)
        return Fail("the tree does not hold every item");

    // The changed file is open in the tree with a member selected.
    const std::string strChanged = FilePath(fixture, kFiles / 2);
    QTreeWidgetItem* pFileItem = nullptr;
    for (int i = 0; i < pTree->topLevelItemCount() && !pFileItem; ++i)
        if (pTree->topLevelItem(i)->text(0) == QStringLiteral("File%1.java").arg(kFiles / 2))
            pFileItem = pTree->topLevelItem(i);
    if (!pFileItem || pFileItem->childCount() != kClasses)
        return Fail("the changed file is not in the tree");
    pFileItem->setExpanded(true);
    pFileItem->child(0)->setExpanded(true);
    pTree->setCurrentItem(pFileItem->child(0)->child(0));
    QCoreApplication::processEvents();

    std::vector<double> rebuilds;
    for (int n = 0; n < nRebuilds; ++n) {
        const bool bExtra = n % 2 == 0;
        ScanFile(pProject->Core(), strChanged, bExtra);
        timer.restart();
        pDlg->RebuildTree();
        rebuilds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (CountItems(pTree->invisibleRootItem()) != kItems + (bExtra ? 1 : 0))
            return Fail("a rebuild lost or added items");
        QCoreApplication::processEvents();
    }
    std::printf("project of %d files, %d items\n", kFiles, kItems);
    std::printf("open with first tree build: %.1f ms\n", dOpenMs);
    std::printf("rebuild after one class changed, %d runs: median %.2f ms, min %.2f ms, max %.2f ms\n", nRebuilds,
                Median(rebuilds), *std::min_element(rebuilds.begin(), rebuilds.end()),
                *std::max_element(rebuilds.begin(), rebuilds.end()));
    return 0;
}
