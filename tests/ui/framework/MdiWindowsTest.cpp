#include "core/app/CommandIds.h"
#include "core/app/WindowTiling.h"
#include "core/project/JavaProjectCore.h"
#include "tests/ui/support/ShownAppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/project/JavaProjectDoc.h"
#include "ui/project/ProjectTreeCtrl.h"
#include "ui/project/ProjectTreeDlg.h"

#include <QMdiArea>
#include <QTreeWidgetItem>
#include <QtTest>

using namespace CommandIds;

namespace {
// With the main window's area and a project at hand.
class CMdiFixture : public CShownAppFixture {
public:
    QMdiArea& Area() { return *Frame().MdiArea(); }
    QRect AreaRect() { return Area().viewport()->rect(); }

    // A saved project listing the files, opened.
    CJavaProjectDoc* OpenProject(const QStringList& javaFiles)
    {
        CJavaProjectCore core("", "");
        QString strPath = TempPath("Demo.jpr");
        core.SetPathName(strPath.toStdString());
        for (const QString& strJava : javaFiles)
            core.AddJavaFile(WriteFile(strJava, "class X {}\n").toStdString());
        std::string strError;
        core.SaveAs(strPath.toStdString(), strError);
        return dynamic_cast<CJavaProjectDoc*>(App().OpenDocumentFile(strPath));
    }

    void Settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

QTreeWidgetItem* TopItem(CProjectTreeCtrl* pTree, const QString& strText)
{
    for (int i = 0; i < pTree->topLevelItemCount(); ++i)
        if (pTree->topLevelItem(i)->text(0) == strText)
            return pTree->topLevelItem(i);
    return nullptr;
}
} // namespace

class MdiWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void hidingTheProjectWindowKeepsTheActiveChild()
    {
        CMdiFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"A.java", "B.java"});
        QVERIFY(pProject);
        CMdiChildFrame* pA = fixture.Open("A.java");
        CMdiChildFrame* pB = fixture.Open("B.java");
        QVERIFY(pA && pB);
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pB);
        // A click on a tree item gives the tree the focus.
        CProjectTreeCtrl* pTree = pProject->ProjectTree()->Tree();
        QTreeWidgetItem* pItem = TopItem(pTree, "A.java");
        QVERIFY(pItem);
        QRect rect = pTree->visualItemRect(pItem);
        QTest::mouseClick(pTree->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 3, rect.center().y()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(pTree));
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pB);
        // The toolbar button hides the window; the active child stays.
        fixture.Frame().CommandAction(kProjectWindowButton)->trigger();
        fixture.Settle();
        QVERIFY(!pProject->ProjectBar()->isVisible());
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pB);
        QVERIFY(pB->isAncestorOf(QApplication::focusWidget()));
        // Shown again and hidden from the menu: the same.
        fixture.Frame().CommandAction(kProjectWindowButton)->trigger();
        pTree->setFocus();
        fixture.Frame().CommandAction(kProjectWindowButton)->trigger();
        fixture.Settle();
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pB);
    }

    void titleHasOneFormInEveryState()
    {
        CMdiFixture fixture;
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick"));
        CMdiChildFrame* pHello = fixture.Open("Hello.java");
        fixture.Settle();
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick - Hello.java"));
        pHello->showMaximized();
        fixture.Settle();
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick - Hello.java"));
        // Another window opened while maximized, then activation back.
        CMdiChildFrame* pWorld = fixture.Open("World.java");
        fixture.Settle();
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick - World.java"));
        pHello->ActivateFrame();
        fixture.Settle();
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick - Hello.java"));
        pHello->showNormal();
        fixture.Settle();
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick - Hello.java"));
        pWorld->ActivateFrame();
        pWorld->showMaximized();
        fixture.Settle();
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick - World.java"));
        fixture.App().Router().Execute(kFileClose);
        fixture.Settle();
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick - Hello.java"));
        fixture.App().Router().Execute(kFileClose);
        fixture.Settle();
        QCOMPARE(fixture.FrameCount(), 0);
        QCOMPARE(fixture.Frame().windowTitle(), QString("Tarnwick"));
    }

    void closingAMaximizedChildKeepsTheNextMaximized()
    {
        CMdiFixture fixture;
        CMdiChildFrame* pA = fixture.Open("A.java");
        CMdiChildFrame* pB = fixture.Open("B.java");
        CMdiChildFrame* pC = fixture.Open("C.java");
        pC->showMaximized();
        fixture.Settle();
        fixture.App().Router().Execute(kFileClose);
        fixture.Settle();
        QCOMPARE(fixture.FrameCount(), 2);
        CMdiChildFrame* pNext = fixture.Frame().ActiveChildFrame();
        QVERIFY(pNext == pA || pNext == pB);
        QVERIFY(pNext->isMaximized());
        QCOMPARE(pNext->geometry(), fixture.AreaRect());
        // Restored, the next close leaves the last one as it was.
        pNext->showNormal();
        fixture.Settle();
        fixture.App().Router().Execute(kFileClose);
        fixture.Settle();
        QVERIFY(!fixture.Frame().ActiveChildFrame()->isMaximized());
    }

    void closingTheProjectKeepsTheNextMaximized()
    {
        CMdiFixture fixture;
        QVERIFY(fixture.OpenProject({"A.java"}));
        CMdiChildFrame* pA = fixture.Open("A.java");
        fixture.Settle();
        QVERIFY(pA);
        // The project's window, maximized and active, goes with the project.
        CMdiChildFrame* pProjectFrame = nullptr;
        for (QMdiSubWindow* pWindow : fixture.Area().subWindowList())
            if (pWindow != pA)
                pProjectFrame = qobject_cast<CMdiChildFrame*>(pWindow);
        QVERIFY(pProjectFrame);
        pProjectFrame->ActivateFrame();
        pProjectFrame->showMaximized();
        fixture.Settle();
        QVERIFY(fixture.App().Router().Execute(kCloseProject));
        fixture.Settle();
        QCOMPARE(fixture.FrameCount(), 1);
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pA);
        QVERIFY(pA->isMaximized());
        QCOMPARE(pA->geometry(), fixture.AreaRect());
    }

    void newWindowsOpenInsideTheArea()
    {
        CMdiFixture fixture;
        fixture.Frame().resize(800, 600);
        fixture.Settle();
        const QRect area = fixture.AreaRect();
        for (const char* pszName : {"A.java", "B.java", "C.java", "D.java", "E.java", "F.java"}) {
            CMdiChildFrame* pFrame = fixture.Open(pszName);
            fixture.Settle();
            QVERIFY2(area.contains(pFrame->geometry()), pszName);
            QVERIFY(!pFrame->isMaximized());
            // The caption carries the program's picture: a child window
            // without an icon of its own shows the toolkit's logo instead.
            QVERIFY(pFrame->testAttribute(Qt::WA_SetWindowIcon));
            QCOMPARE(pFrame->windowIcon().pixmap(16).toImage(), fixture.Frame().windowIcon().pixmap(16).toImage());
        }
    }

    void aFileOpenedFromTheTreeComesToTheFrontOverTheMaximizedProject()
    {
        CMdiFixture fixture;
        CJavaProjectDoc* pProject = fixture.OpenProject({"A.java", "B.java"});
        QVERIFY(pProject);
        CMdiChildFrame* pForm = fixture.Frame().ActiveChildFrame();
        QVERIFY(pForm);
        pForm->showMaximized();
        fixture.Settle();
        // As the user does it: a double-click on the file in the project window.
        CProjectTreeCtrl* pTree = pProject->ProjectTree()->Tree();
        for (const QString& strName : {QString("A.java"), QString("B.java")}) {
            QTreeWidgetItem* pItem = TopItem(pTree, strName);
            QVERIFY(pItem);
            const QPoint point(pTree->visualItemRect(pItem).left() + 3, pTree->visualItemRect(pItem).center().y());
            QTest::mouseClick(pTree->viewport(), Qt::LeftButton, {}, point);
            QTest::mouseDClick(pTree->viewport(), Qt::LeftButton, {}, point);
            fixture.Settle();
            CMdiChildFrame* pActive = fixture.Frame().ActiveChildFrame();
            QVERIFY(pActive && pActive != pForm);
            QCOMPARE(pActive->windowTitle(), strName);
            // The file's window is the one shown, maximized on top of the others.
            QCOMPARE(fixture.Area().subWindowList(QMdiArea::StackingOrder).last(), pActive);
            QVERIFY(pActive->isMaximized());
        }
    }

    void newWindowsOpenMaximizedWhileTheActiveIs()
    {
        CMdiFixture fixture;
        CMdiChildFrame* pA = fixture.Open("A.java");
        pA->showMaximized();
        fixture.Settle();
        CMdiChildFrame* pB = fixture.Open("B.java");
        fixture.Settle();
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pB);
        QVERIFY(pB->isMaximized());
        QCOMPARE(pB->geometry(), fixture.AreaRect());
    }

    void cascadeGivesEachWindowTwoThirdsOfTheArea()
    {
        CMdiFixture fixture;
        fixture.Frame().resize(800, 600);
        fixture.Settle();
        QList<CMdiChildFrame*> frames;
        for (const char* pszName : {"A.java", "B.java", "C.java", "D.java"})
            frames << fixture.Open(pszName);
        frames.front()->showMaximized();
        fixture.Settle();
        fixture.App().Router().Execute(kWindowCascade);
        fixture.Settle();
        const QRect area = fixture.AreaRect();
        const QSize expected(area.width() * 2 / 3, area.height() * 2 / 3);
        // Bottom of the stack first, so the active window ends in front.
        const QList<QMdiSubWindow*> stack = fixture.Area().subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(stack.back(), fixture.Frame().ActiveChildFrame());
        QPoint previous(-1, -1);
        for (QMdiSubWindow* pWindow : stack) {
            QVERIFY(!pWindow->isMaximized());
            QCOMPARE(pWindow->size(), expected);
            QVERIFY(area.contains(pWindow->geometry()));
            // Each one lower and further right than the one before.
            QVERIFY(pWindow->x() > previous.x() && pWindow->y() > previous.y());
            previous = pWindow->pos();
        }
        QCOMPARE(stack.front()->pos(), QPoint(0, 0));
        QCOMPARE(fixture.Frame().ActiveChildFrame(), frames.front());
    }

    // Tiling shares out the area the main window has; it never makes the
    // main window bigger, however many windows there are.
    void tileKeepsTheMainWindowsSize()
    {
        for (int nCount : {8, 4}) {
            CMdiFixture fixture;
            fixture.Frame().resize(1000, 700);
            if (nCount == 4) {
                // A tall process window leaves the area little height.
                CJavaProjectDoc* pProject = fixture.OpenProject({"A.java"});
                QVERIFY(pProject);
                pProject->ShowProcessWindow(fixture.App().ToolRunner());
                fixture.Settle();
                fixture.Frame().resizeDocks({pProject->ProcessBar()}, {400}, Qt::Vertical);
            }
            fixture.Settle();
            for (int i = 0; i < nCount; ++i)
                fixture.Open(QStringLiteral("T%1.java").arg(i));
            fixture.Settle();
            const QSize mainSize = fixture.Frame().size();
            const QRect area = fixture.AreaRect();
            // Window > Tile from the keyboard.
            fixture.PressKey(Qt::Key_W, Qt::AltModifier);
            QVERIFY(QApplication::activePopupWidget());
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_T);
            fixture.Settle();
            QCOMPARE(fixture.Frame().size(), mainSize);
            QCOMPARE(fixture.AreaRect(), area);
            // Every window in its place of the grid, the active one first.
            QList<QMdiSubWindow*> windows = fixture.Area().subWindowList(QMdiArea::StackingOrder);
            std::reverse(windows.begin(), windows.end());
            const std::vector<CTileRect> tiles = TileWindows(int(windows.size()), area.width(), area.height());
            QCOMPARE(int(tiles.size()), windows.size());
            for (std::size_t i = 0; i < tiles.size(); ++i)
                QCOMPARE(windows[qsizetype(i)]->geometry(),
                         QRect(tiles[i].m_nX, tiles[i].m_nY, tiles[i].m_nWidth, tiles[i].m_nHeight));
        }
    }

    void cascadeKeepsAUsableMinimumInASmallArea()
    {
        CMdiFixture fixture;
        fixture.Frame().resize(420, 330);
        fixture.Settle();
        for (const char* pszName : {"A.java", "B.java"})
            fixture.Open(pszName);
        fixture.App().Router().Execute(kWindowCascade);
        fixture.Settle();
        for (QMdiSubWindow* pWindow : fixture.Area().subWindowList()) {
            QVERIFY(pWindow->width() >= qMin(240, fixture.AreaRect().width()));
            QVERIFY(pWindow->height() >= qMin(160, fixture.AreaRect().height()));
            QVERIFY(fixture.AreaRect().contains(pWindow->geometry()));
        }
    }
};

QTEST_MAIN(MdiWindowsTest)
#include "MdiWindowsTest.moc"
