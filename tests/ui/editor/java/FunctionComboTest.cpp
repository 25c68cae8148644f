#include "ui/editor/java/FunctionCombo.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QtTest>

// The pop-up of the function drop-down: a fixed number of rows with a scroll
// bar, however long the file's outline.
class FunctionComboTest : public QObject {
    Q_OBJECT
private slots:
    void popupShowsSixteenRowsAndScrolls()
    {
        QWidget host;
        host.resize(500, 300);
        auto* pCombo = new CFunctionCombo(&host);
        pCombo->setGeometry(2, 2, 480, 24);
        QStringList entries;
        for (int i = 0; i < 20000; ++i)
            entries << QString("Big.method%1(int a)").arg(i);
        pCombo->SetEntries(entries);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        pCombo->showPopup();
        QAbstractItemView* pList = pCombo->view();
        QTRY_VERIFY(pList->isVisible());
        const int nRow = pList->sizeHintForRow(0);
        QVERIFY(nRow > 0);
        // Exactly sixteen whole rows in view, the rest behind the scroll bar.
        QCOMPARE(pList->viewport()->height() / nRow, 16);
        QVERIFY(pList->window()->height() < 17 * nRow + 2 * 8);
        QTRY_VERIFY(pList->verticalScrollBar()->isVisible());
        QCOMPARE(pList->verticalScrollBar()->maximum(), 20000 - 16); // a row per step
        QCOMPARE(pCombo->maxVisibleItems(), CFunctionCombo::kVisibleEntries);
        QCOMPARE(CFunctionCombo::kVisibleEntries, 16);
        pCombo->hidePopup();

        // A short outline is shown whole.
        pCombo->SetEntries({"A", "A.f()", "A.g()"});
        pCombo->showPopup();
        QTRY_VERIFY(pList->isVisible());
        QVERIFY(pList->viewport()->height() >= 3 * pList->sizeHintForRow(0));
        QVERIFY(pList->viewport()->height() < 5 * pList->sizeHintForRow(0));
        pCombo->hidePopup();
    }
};

QTEST_MAIN(FunctionComboTest)
#include "FunctionComboTest.moc"
