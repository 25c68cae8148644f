#pragma once

#include "ui/bars/SizingControlBar.h"

// The bar of the Find Results window: docks at the top or bottom, first at
// the bottom, as the process window does.
class CFindResultsBar : public CSizingControlBar {
    Q_OBJECT
public:
    explicit CFindResultsBar(QMainWindow& frame)
        : CSizingControlBar("Find Results", frame, Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea,
                            Qt::BottomDockWidgetArea, 150)
    {
        setObjectName("FindResultsBar");
    }
};
