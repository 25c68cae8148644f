#include "core/tools/ProcessSpawner.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

static bool PrepareFileActions(posix_spawn_file_actions_t& actions, const std::string& strFolder, int nOutputFd,
                               int nInputFd)
{
    if (!strFolder.empty() && posix_spawn_file_actions_addchdir_np(&actions, strFolder.c_str()) != 0)
        return false;
    // Output first: should the pipe be fd 0 (our own input closed), opening
    // /dev/null there must not replace it before it is copied.
    if (nOutputFd >= 0) {
        if (posix_spawn_file_actions_adddup2(&actions, nOutputFd, STDOUT_FILENO) != 0 ||
            posix_spawn_file_actions_adddup2(&actions, nOutputFd, STDERR_FILENO) != 0)
            return false;
    }
    // An input above fd 2 cannot have been replaced by the output's copies.
    if (nInputFd > STDERR_FILENO) {
        if (posix_spawn_file_actions_adddup2(&actions, nInputFd, STDIN_FILENO) != 0)
            return false;
    } else if (posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0) != 0)
        return false;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    // Whatever else the IDE has open (another tool's pipe, editor files)
    // must not keep living in the tool.
    if (posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1) != 0)
        return false;
#endif
    return true;
}

static bool PrepareAttributes(posix_spawnattr_t& attr, bool bNewSession)
{
    // The IDE may ignore or block signals (SIGPIPE, say); tools start clean.
    sigset_t setEmpty;
    sigset_t setAll;
    sigemptyset(&setEmpty);
    sigfillset(&setAll);
    short nFlags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    nFlags |= bNewSession ? POSIX_SPAWN_SETSID : POSIX_SPAWN_SETPGROUP;
    return posix_spawnattr_setsigmask(&attr, &setEmpty) == 0 && posix_spawnattr_setsigdefault(&attr, &setAll) == 0 &&
           (bNewSession || posix_spawnattr_setpgroup(&attr, 0) == 0) && posix_spawnattr_setflags(&attr, nFlags) == 0;
}

bool CProcessSpawner::Spawn(const std::string& strProgram, const std::vector<std::string>& vecArgs,
                            const std::string& strFolder, int nOutputFd, bool bNewSession, pid_t& pid,
                            int nInputFd)
{
    if (strProgram.empty())
        return false;
    std::vector<char*> vecArgv;
    vecArgv.reserve(vecArgs.size() + 2);
    if (vecArgs.empty())
        vecArgv.push_back(const_cast<char*>(strProgram.c_str()));
    for (const std::string& strArg : vecArgs)
        vecArgv.push_back(const_cast<char*>(strArg.c_str()));
    vecArgv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return false;
    posix_spawnattr_t attr;
    if (posix_spawnattr_init(&attr) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    pid_t pidChild = -1;
    const bool bStarted = PrepareFileActions(actions, strFolder, nOutputFd, nInputFd) && PrepareAttributes(attr, bNewSession) &&
                          posix_spawn(&pidChild, strProgram.c_str(), &actions, &attr, vecArgv.data(), environ) == 0;
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (bStarted)
        pid = pidChild;
    return bStarted;
}

void CProcessSpawner::ReapInBackground(pid_t pid)
{
    try {
        std::thread([pid] {
            int nStatus = 0;
            while (waitpid(pid, &nStatus, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the child stays a zombie until the IDE exits.
    }
}

bool CProcessSpawner::IsExecutableFile(const std::string& strPath)
{
    struct stat info {};
    return stat(strPath.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(strPath.c_str(), X_OK) == 0;
}
