#pragma once

#include "core/tools/ExternalProcess.h"

#include <string>

class CToolCommand;

// Fixed texts of the tool commands. Core only returns them; the user interface
// shows them in a message box.
class CToolMessages {
public:
    static constexpr const char* kFailedToStart = "Failed to start process";
    static constexpr const char* kFailedToLaunch = "Failed to laumch external process.";
    static constexpr const char* kCouldNotLocateJava = "Couldn't locate Java.";
    static constexpr const char* kNoMainJavaFile = "Please specify a main Java file first";
    static constexpr const char* kUnholyError = "Unholy Error";
    static constexpr const char* kSaveTheFile = "Please save the file (path unreadable).";

    // A captured tool asked for while another captured run holds the process
    // window, by the command that waits.
    static constexpr const char* kStillRunningBuild = "A program is still running. Stop it before building.";
    static constexpr const char* kStillRunningCompile = "A program is still running. Stop it before compiling.";
    static constexpr const char* kStillRunningRun =
        "A program is still running. Stop it before running the application.";
    static constexpr const char* kStillRunningApplet = "A program is still running. Stop it before running the applet.";
    static constexpr const char* kStillRunningCreateJar = "A program is still running. Stop it before creating a jar.";
    static constexpr const char* kStillRunningListArchive =
        "A program is still running. Stop it before listing an archive.";
    static constexpr const char* kStillRunningOther = "A program is still running. Stop it before starting another.";

    // Run Applet on a JDK of today (appletviewer went with JDK 11).
    static constexpr const char* kNoAppletViewer =
        "This JDK has no appletviewer: it was removed in JDK 11. Open In Web Browser shows the page.";

    // The message for a start that failed: for StillRunning the sentence of
    // the command that waits (Build, Compile, Run, Run Applet, Create Jar,
    // Show Archive Contents), else kNoAppletViewer or kFailedToStart.
    static std::string StartFailureText(CExternalProcess::EStart eStart, const CToolCommand& cmd);
};
