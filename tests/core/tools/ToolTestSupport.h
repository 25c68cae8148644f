#pragma once

#include "core/tools/ExternalProcess.h"
#include "core/tools/ToolCommand.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

// A fresh folder under the system's temporary folder, removed afterwards,
// with helpers to write and read the files in it.
class CScratchFolder {
public:
    const std::string& Path() const { return m_folder.Path(); }
    std::string File(const std::string& strName) const { return m_folder.PathOf(strName); }

    void Write(const std::string& strName, const std::string& strText, bool bExecutable = false) const
    {
        {
            std::ofstream file(File(strName), std::ios::binary | std::ios::trunc);
            file << strText;
        }
        if (bExecutable)
            chmod(File(strName).c_str(), 0755);
    }
    std::string Read(const std::string& strName) const
    {
        std::ifstream file(File(strName), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

private:
    CTempFolder m_folder{"tarnwick-tools"};
};

// Polls until the runner's run is over; false on timeout.
inline bool WaitForCapturedRun(const CExternalProcess& runner,
                               std::chrono::milliseconds timeout = std::chrono::seconds(20))
{
    const auto tpGiveUp = std::chrono::steady_clock::now() + timeout;
    while (runner.IsRunning()) {
        if (std::chrono::steady_clock::now() >= tpGiveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Polls until the runner's output holds strPart; false on timeout.
inline bool WaitForOutputContaining(const CExternalProcess& runner, const std::string& strPart,
                                    std::chrono::milliseconds timeout = std::chrono::seconds(20))
{
    const auto tpGiveUp = std::chrono::steady_clock::now() + timeout;
    while (runner.GetOutput().find(strPart) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= tpGiveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Runs a tool command to its end and returns the whole output text, or
// "<not started>" / "<timed out>".
inline std::string RunCaptured(const CToolCommand& cmd)
{
    CExternalProcess runner;
    if (!runner.Start(cmd))
        return "<not started>";
    if (!WaitForCapturedRun(runner, std::chrono::seconds(60)))
        return "<timed out>";
    return runner.GetOutput();
}

// Runs a /bin/sh script on the runner and returns the whole output text, or
// "<not started>" / "<timed out>".
inline std::string RunShellCaptured(CExternalProcess& runner, const std::string& strScript,
                                    const std::string& strFolder = std::string())
{
    if (!runner.Start("/bin/sh", {"sh", "-c", strScript}, strFolder))
        return "<not started>";
    if (!WaitForCapturedRun(runner))
        return "<timed out>";
    return runner.GetOutput();
}
