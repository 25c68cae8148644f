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
    // A captured run of command has started; its end comes next.
    void RunStarted(const CToolCommand& command);
    // The run's output is complete: reads the tool's part of it as javac's
    // messages, in the folder javac ran in, and hands each open Java
    // document those for its file.
    void RunEnded(const CExternalProcess& runner, IAppServices& services);
    // The folder the last run started in, which its relative names are from.
    const std::string& RunFolder() const { return m_strFolder; }

private:
    bool m_bJavac = false;
    std::string m_strFolder;
    std::string m_strCompiledFile;
};
