#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Starts a program without a shell: posix_spawn with the given argv words,
// standard input from /dev/null unless an input is given, and the working
// folder set for the child only (the calling process never changes its own
// folder).
class CProcessSpawner {
public:
    // nOutputFd >= 0: standard output and error both go there; -1 keeps ours.
    // bNewSession: the child leads a session of its own, detached from ours
    // (terminal windows); otherwise it leads a process group of its own, so
    // the tool and its children can be stopped together. An empty argv gets the
    // program path as its first word. False when the program or the folder
    // cannot be used. nInputFd > STDERR_FILENO becomes the standard input;
    // -1 gives /dev/null.
    static bool Spawn(const std::string& strProgram, const std::vector<std::string>& vecArgs,
                      const std::string& strFolder, int nOutputFd, bool bNewSession, pid_t& pid,
                      int nInputFd = -1);

    // Whether strPath is a regular file we may execute.
    static bool IsExecutableFile(const std::string& strPath);

    // Reaps pid on a thread of its own, for children nobody waits for.
    static void ReapInBackground(pid_t pid);
};
