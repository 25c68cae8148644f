#pragma once

#include "tests/ui/support/AppFixture.h"

class CMainFrame;
class CMdiChildFrame;

// A started application with the real document kinds, its main window shown
// and active as a user's start leaves it: the fixture of the tests that look
// at the main window's children, menus and activation.
class CShownAppFixture : public CAppFixture {
public:
    CShownAppFixture();

    CMainFrame& Frame() { return *App().MainFrame(); }
    // A Java file of that name, written and opened in a window of its own.
    CMdiChildFrame* Open(const QString& strName);
};
