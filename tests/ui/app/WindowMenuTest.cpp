#include "core/app/CommandIds.h"
#include "tests/ui/support/ShownAppFixture.h"
#include "tests/ui/support/JavaFiles.h"
#include "ui/app/MainFrame.h"
#include "ui/editor/java/SyntaxWindowDoc.h"
#include "ui/framework/MdiChildFrame.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace CommandIds;

namespace {
// With the Window menu read as it is about to be shown.
class CWindowFixture : public CShownAppFixture {
public:
    // Opened with its window's events run.
    CMdiChildFrame* Open(const QString& strName)
    {
        CMdiChildFrame* pFrame = CShownAppFixture::Open(strName);
        QCoreApplication::processEvents();
        return pFrame;
    }

    QMenu* WindowMenu()
    {
        for (QAction* pAction : Frame().menuBar()->actions())
            if (pAction->text() == "&Window")
                return pAction->menu();
        return nullptr;
    }

    // The menu's visible items as it is about to be shown: "-" for a
    // separator, "[x] " before a checked item, "[ ] " before an unchecked
    // checkable one (an empty box).
    QStringList WindowMenuItems()
    {
        QMenu* pMenu = WindowMenu();
        if (!pMenu)
            return {"no Window menu"};
        emit pMenu->aboutToShow();
        QStringList items;
        for (QAction* pAction : pMenu->actions()) {
            if (!pAction->isVisible())
                continue;
            if (pAction->isSeparator())
                items << "-";
            else if (pAction->isCheckable())
                items << (pAction->isChecked() ? "[x] " : "[ ] ") + pAction->text();
            else
                items << pAction->text();
        }
        return items;
    }

    QAction* WindowMenuItem(const QString& strText)
    {
        for (QAction* pAction : WindowMenu()->actions())
            if (pAction->text() == strText)
                return pAction;
        return nullptr;
    }
};

const QStringList kCommands{"&New Window", "C&lose Window\tCtrl+W", "&Cascade", "&Tile", "&Arrange Icons"};
} // namespace

class WindowMenuTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheOpenWindowsWithTheActiveChecked()
    {
        CWindowFixture fixture;
        CMdiChildFrame* pA = fixture.Open("A.java");
        fixture.Open("B.java");
        fixture.Open("C.java");
        QCOMPARE(fixture.WindowMenuItems(), (kCommands + QStringList{"-", "&1 A.java", "&2 B.java", "[x] &3 C.java"}));
        // Picking an entry activates its window.
        fixture.WindowMenuItem("&1 A.java")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pA);
        QCOMPARE(fixture.WindowMenuItems(), (kCommands + QStringList{"-", "[x] &1 A.java", "&2 B.java", "&3 C.java"}));
        // A closed window leaves the list.
        fixture.App().Router().Execute(kFileClose);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        const QString strActive = fixture.Frame().ActiveChildFrame()->windowTitle();
        QCOMPARE(fixture.WindowMenuItems(),
                 (kCommands + QStringList{"-", QString(strActive == "B.java" ? "[x] " : "") + "&1 B.java",
                                          QString(strActive == "C.java" ? "[x] " : "") + "&2 C.java"}));
    }

    void secondWindowOfADocumentIsNumbered()
    {
        CWindowFixture fixture;
        fixture.Open("A.java");
        fixture.App().Router().Execute(kWindowNew);
        QCoreApplication::processEvents();
        QCOMPARE(fixture.WindowMenuItems(), (kCommands + QStringList{"-", "&1 A.java:1", "[x] &2 A.java:2"}));
    }

    void moreThanNineWindowsOfferTheListDialog()
    {
        CWindowFixture fixture;
        QList<CMdiChildFrame*> frames;
        for (int i = 1; i <= 11; ++i)
            frames << fixture.Open(QStringLiteral("F%1.java").arg(i, 2, 10, QChar('0')));
        QStringList expected = kCommands + QStringList{"-"};
        for (int i = 1; i <= 9; ++i)
            expected << QStringLiteral("&%1 F%2.java").arg(i).arg(i, 2, 10, QChar('0'));
        expected << "&More Windows...";
        QCOMPARE(fixture.WindowMenuItems(), expected);
        // The dialog lists all eleven, the active one chosen; picking the
        // tenth activates it.
        QStringList listed;
        int nCurrentRow = -1;
        fixture.Prompts().m_onDialog = [&](QDialog& dialog) {
            auto* pList = dialog.findChild<QListWidget*>();
            if (!pList)
                return int(QDialog::Rejected);
            for (int i = 0; i < pList->count(); ++i)
                listed << pList->item(i)->text();
            nCurrentRow = pList->currentRow();
            pList->setCurrentRow(9);
            return int(QDialog::Accepted);
        };
        fixture.WindowMenuItem("&More Windows...")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(fixture.Prompts().m_dialogTitles, QStringList{"Select Window"});
        QCOMPARE(listed.size(), 11);
        QCOMPARE(listed.front(), QString("F01.java"));
        QCOMPARE(listed.back(), QString("F11.java"));
        QCOMPARE(nCurrentRow, 10);
        QCOMPARE(fixture.Frame().ActiveChildFrame(), frames[9]);
        // Cancel changes nothing.
        fixture.Prompts().m_onDialog = [](QDialog& dialog) {
            dialog.findChild<QListWidget*>()->setCurrentRow(0);
            return int(QDialog::Rejected);
        };
        fixture.WindowMenuItem("&More Windows...")->trigger();
        QCOMPARE(fixture.Frame().ActiveChildFrame(), frames[9]);
    }

    void ctrlF6CyclesThroughTheChildren()
    {
        CWindowFixture fixture;
        CMdiChildFrame* pA = fixture.Open("A.java");
        CMdiChildFrame* pB = fixture.Open("B.java");
        CMdiChildFrame* pC = fixture.Open("C.java");
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pC);
        fixture.PressKey(Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pA);
        fixture.PressKey(Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pB);
        fixture.PressKey(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pA);
        fixture.PressKey(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fixture.Frame().ActiveChildFrame(), pC);
        // The focus goes along, so typing reaches the window now active.
        QVERIFY(pC->isAncestorOf(QApplication::focusWidget()));
    }
};

QTEST_MAIN(WindowMenuTest)
#include "WindowMenuTest.moc"
