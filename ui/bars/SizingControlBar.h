#pragma once

#include <QDockWidget>
#include <QSize>

class QMainWindow;

// A resizable tool-window bar that docks at the allowed edges of the main
// window or floats. It hosts one widget that always fills it.
class CSizingControlBar : public QDockWidget {
    Q_OBJECT
public:
    // nBaseSize sets the sizes the bar takes when first shown: nBaseSize
    // along the edge and nBaseSize plus the edge allowance across it.
    CSizingControlBar(const QString& strTitle, QMainWindow& frame, Qt::DockWidgetAreas allowedAreas,
                      Qt::DockWidgetArea initialArea, int nBaseSize);

    // Puts the hosted widget in and docks the bar at its first edge with its
    // first size. The bar does not own the widget's logic, only its window.
    void Create(QWidget* pHosted);
    QWidget* HostedWidget() const { return widget(); }

    // Shows a hidden bar with its size and contents, hides a shown one.
    void ToggleVisible();

    QSize DockedHorzSize() const { return m_sizeDockedHorz; }
    QSize DockedVertSize() const { return m_sizeDockedVert; }
    QSize FloatingSize() const { return m_sizeFloating; }
    static constexpr int kMinimumSize = 32;
    // The sizing edge and inset that the docked thickness adds.
    static constexpr int kEdgeAllowance = 9;

    // Docked across its edge, or floating, the size it takes; the main
    // window sizes a dock area it makes anew from this.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    // Keeps the thickness the user gave the docked bar for its next docking.
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void OnTopLevelChanged(bool bFloating);
    // Gives the bar its thickness at the edge it was docked at.
    void OnDockLocationChanged(Qt::DockWidgetArea area);
    static bool IsVertical(Qt::DockWidgetArea area)
    {
        return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
    }

    QMainWindow& m_frame;
    Qt::DockWidgetArea m_initialArea;
    QSize m_sizeDockedHorz;
    QSize m_sizeDockedVert;
    QSize m_sizeFloating;
    // The edge the bar was last given its thickness at; sizes seen at any
    // other edge are the main window's passing layout, not the user's.
    Qt::DockWidgetArea m_sizedArea = Qt::NoDockWidgetArea;
};
