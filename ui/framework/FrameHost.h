#pragma once

#include <QString>

class CMdiChildFrame;
class QMainWindow;
class QWidget;

// What documents, views and panels need from the main window.
class IFrameHost {
public:
    virtual ~IFrameHost() = default;
    virtual void AddChildFrame(CMdiChildFrame* pFrame) = 0;
    // The child window whose menus are in force; null when there is none.
    virtual CMdiChildFrame* ActiveChildFrame() const = 0;
    virtual void AddToRecentFileList(const QString& strPath) = 0;
    // The parent of messages and dialogs.
    virtual QWidget* MainWidget() = 0;
    // Where docking bars dock.
    virtual QMainWindow& DockHost() = 0;
    virtual void SetStatusPaneText(const QString& strText) = 0;
    virtual void SetLinePaneText(const QString& strText) = 0;
    virtual void SetColumnPaneText(const QString& strText) = 0;
    // Re-reads every command's state, after something changed what is enabled.
    virtual void UpdateCommandStates() = 0;
};
