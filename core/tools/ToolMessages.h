#pragma once

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
};
