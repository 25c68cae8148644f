#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>

// A real double-click at point: press, release, the double-click, release,
// in the order a mouse sends them.
inline void DoubleClick(QWidget* pWidget, const QPoint& point)
{
    QTest::mousePress(pWidget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(pWidget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(pWidget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(pWidget, Qt::LeftButton, {}, point);
}
