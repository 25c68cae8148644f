#include "tests/e2e/CliProcess.h"

#include "tests/support/GoldenFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::atomic<int> s_nRunCount{0};
} // namespace

CCliProcess::CResult CCliProcess::Run(const std::vector<std::string>& args, const std::string& strFolder)
{
    CCliProcess process;
    if (!process.Start(args, strFolder))
        return CResult();
    return process.Wait();
}

bool CCliProcess::Start(const std::vector<std::string>& args, const std::string& strFolder, bool bInputPipe)
{
    int fdsInput[2] = {-1, -1};
    if (bInputPipe && ::pipe2(fdsInput, O_CLOEXEC) != 0)
        return false;
    const std::string strStem = strFolder + "/.cli" + std::to_string(s_nRunCount++);
    m_strOutPath = strStem + ".out";
    m_strErrPath = strStem + ".err";
    std::vector<std::string> words = args;
    words.insert(words.begin(), TARNWICK_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& strWord : words)
        argv.push_back(strWord.data());
    argv.push_back(nullptr);
    m_pid = ::fork();
    if (m_pid == 0) {
        const int fdOut = ::open(m_strOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int fdErr = ::open(m_strErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fdOut < 0 || fdErr < 0 || ::setpgid(0, 0) != 0 || ::chdir(strFolder.c_str()) != 0 || ::dup2(fdOut, 1) < 0 ||
            ::dup2(fdErr, 2) < 0 || (bInputPipe && ::dup2(fdsInput[0], 0) < 0))
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (bInputPipe) {
        ::close(fdsInput[0]);
        m_nInputFd = fdsInput[1];
    }
    return m_pid > 0;
}

bool CCliProcess::WriteInput(const std::string& strText) const
{
    std::size_t nDone = 0;
    while (nDone < strText.size()) {
        const ssize_t nWritten = ::write(m_nInputFd, strText.data() + nDone, strText.size() - nDone);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        nDone += static_cast<std::size_t>(nWritten);
    }
    return true;
}

void CCliProcess::CloseInput()
{
    if (m_nInputFd >= 0)
        ::close(m_nInputFd);
    m_nInputFd = -1;
}

std::string CCliProcess::OutputSoFar() const
{
    return GoldenFile::ReadBytes(m_strOutPath);
}

CCliProcess::CResult CCliProcess::Wait()
{
    CResult result;
    int nStatus = 0;
    while (::waitpid(m_pid, &nStatus, 0) < 0 && errno == EINTR) {
    }
    CloseInput();
    result.m_nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : 128 + WTERMSIG(nStatus);
    result.m_strOut = GoldenFile::ReadBytes(m_strOutPath);
    result.m_strErr = GoldenFile::ReadBytes(m_strErrPath);
    ::unlink(m_strOutPath.c_str());
    ::unlink(m_strErrPath.c_str());
    return result;
}
