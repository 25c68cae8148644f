#pragma once

// Fixed texts of the tool commands. Core only returns them; the user interface
// shows them in a message box.
class CToolMessages {
public:
    static constexpr const char* s_szFailedToStart = "Failed to start process";
    static constexpr const char* s_szFailedToLaunch = "Failed to laumch external process.";
    static constexpr const char* s_szCouldNotLocateJava = "Couldn't locate Java.";
    static constexpr const char* s_szNoMainJavaFile = "Please specify a main Java file first";
    static constexpr const char* s_szUnholyError = "Unholy Error";
    static constexpr const char* s_szSaveTheFile = "Please save the file (path unreadable).";
};
