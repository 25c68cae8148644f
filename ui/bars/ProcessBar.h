#pragma once

#include "ui/bars/SizingControlBar.h"

// The bar of the process window: docks at the top or bottom, first at the bottom.
class CProcessBar : public CSizingControlBar {
    Q_OBJECT
public:
    explicit CProcessBar(QMainWindow& frame)
        : CSizingControlBar("Process Window", frame, Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea,
                            Qt::BottomDockWidgetArea, 150)
    {
        setObjectName("ProcessBar");
    }
};
