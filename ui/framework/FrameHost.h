#pragma once

#include <QString>

class CMdiChildFrame;
class QWidget;

// What documents and templates need from the main window.
class IFrameHost {
public:
    virtual ~IFrameHost() = default;
    virtual void AddChildFrame(CMdiChildFrame* pFrame) = 0;
    virtual void AddToRecentFileList(const QString& strPath) = 0;
    virtual QWidget* MainWidget() = 0;
};
