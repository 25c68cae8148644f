#pragma once

#include "ui/bars/SizingControlBar.h"

// The bar of the project window: docks left or right, first on the left.
class CProjectBar : public CSizingControlBar {
    Q_OBJECT
public:
    CProjectBar(const QString& strTitle, QMainWindow& frame)
        : CSizingControlBar(strTitle, frame, Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea, Qt::LeftDockWidgetArea,
                            175)
    {
        setObjectName("ProjectBar");
    }
};
