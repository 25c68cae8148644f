#pragma once

#include <string>

class CExternalProcess;
class CToolCommand;
class IAppServices;

// Puts what a finished javac run said on the open Java editors. A Build
// brings every open Java file up to date (no message: its marks go); a
// Compile its own file and every file the output names. Other runs leave
// the marks alone.
class CCompilerMessagesRun {
public:
    // Names the command about to be started captured, for as long as it
    // lives; a command that fails to start is thus forgotten.
    class CStarting {
    public:
        CStarting(CCompilerMessagesRun& run, const CToolCommand& command);
        ~CStarting();
        CStarting(const CStarting&) = delete;
        CStarting& operator=(const CStarting&) = delete;

    private:
        CCompilerMessagesRun& m_run;
    };

    // A captured run has started and its window follows it: it is the
    // command named by a CStarting, else not javac's.
    void RunFollowed();
    // The run's output is complete: reads the tool's part of it as javac's
    // messages, in the folder javac ran in, and hands each open Java
    // document those for its file.
    void RunEnded(const CExternalProcess& runner, IAppServices& services);

private:
    const CToolCommand* m_pStarting = nullptr;
    bool m_bJavac = false;
    std::string m_strFolder;
    std::string m_strCompiledFile;
};
