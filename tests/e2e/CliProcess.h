#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// tarnwick-cli run as a user runs it: in a folder, in a process group of its
// own (as a shell's job), with standard output and error each going to a
// file, so neither can block the other and either can be read while it runs.
class CCliProcess {
public:
    struct CResult {
        int m_nExit = -1; // the exit status, or 128 + the signal that ended it
        std::string m_strOut;
        std::string m_strErr;
    };

    // Runs to the end.
    static CResult Run(const std::vector<std::string>& args, const std::string& strFolder);

    // Starts without waiting; false when it could not start. With
    // bInputPipe its standard input is a pipe the test writes to (WriteInput,
    // CloseInput); otherwise it is the test's own.
    bool Start(const std::vector<std::string>& args, const std::string& strFolder, bool bInputPipe = false);
    // Writes all of strText to the input pipe; false when it cannot.
    bool WriteInput(const std::string& strText) const;
    void CloseInput();
    pid_t Pid() const { return m_pid; }
    // What it has written to standard output so far.
    std::string OutputSoFar() const;
    // Waits for the end.
    CResult Wait();

private:
    pid_t m_pid = -1;
    std::string m_strOutPath;
    std::string m_strErrPath;
    int m_nInputFd = -1; // our end of its input pipe
};
