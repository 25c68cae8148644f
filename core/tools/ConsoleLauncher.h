#pragma once

#include "core/tools/ToolCommand.h"

#include <array>
#include <string>
#include <vector>

// Runs a tool in a terminal window of its own, untracked: the user's
// terminal shows the tool and waits for Enter before it closes.
class CConsoleLauncher {
public:
    enum class ELaunch {
        Launched,
        NoProgram,  // the tool is not an executable file
        NoTerminal, // no terminal program was found
        NotStarted, // the terminal could not be started
    };

    // Looked for on PATH, in this order, after $TERMINAL.
    static constexpr std::array<const char*, 5> kKnownTerminals{"x-terminal-emulator", "gnome-terminal", "konsole",
                                                                "xfce4-terminal", "xterm"};

    // The terminal to use: $TERMINAL, then kKnownTerminals; names are looked
    // up on PATH. Empty when none is found.
    static std::string FindTerminal();

    // For the user when FindTerminal found nothing: what was tried, and how
    // to name a terminal.
    static std::string NoTerminalText();

    // The terminal's argv: its option for running a command ("--" for
    // gnome-terminal, "-x" for xfce4-terminal, "-e" otherwise), then a fixed
    // /bin/sh script that changes to the folder, runs the program with the
    // words after the first and waits for Enter. The words are the script's
    // positional parameters, so no shell ever reads their text.
    static std::vector<std::string> BuildTerminalArgs(const std::string& strTerminal, const std::string& strProgram,
                                                      const std::vector<std::string>& vecWords,
                                                      const std::string& strFolder);

    static ELaunch Launch(const CToolCommand& cmd);
    // What follows kFailedToLaunch when a launch failed: the terminals tried
    // and how to name one when none was found, else kCouldNotLocateJava.
    static std::string FailureText(ELaunch eLaunch);

    static constexpr const char* kWaitScript =
        "cd -- \"$1\" || exit 1; shift; \"$@\"; printf '\\n%s' 'Press Enter to close this window.'; read tarnwick_key";
};
