#include "core/io/FileLock.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// Two names for one file (a symbolic link, a relative path) must share one
// lock, so the lock sits beside the file the name resolves to.
std::string CFileLock::LockPathFor(const std::string& strPathOfFileToGuard)
{
    std::string strResolved = strPathOfFileToGuard;
    if (char* pszReal = ::realpath(strPathOfFileToGuard.c_str(), nullptr)) {
        strResolved = pszReal;
        std::free(pszReal);
    } else {
        // Not there yet (a new project): resolve its folder instead.
        const std::size_t nSlash = strPathOfFileToGuard.rfind('/');
        const std::string strFolder = nSlash == std::string::npos ? "."
                                      : nSlash == 0               ? "/"
                                                                  : strPathOfFileToGuard.substr(0, nSlash);
        const std::string strName =
            nSlash == std::string::npos ? strPathOfFileToGuard : strPathOfFileToGuard.substr(nSlash + 1);
        if (char* pszReal = ::realpath(strFolder.c_str(), nullptr)) {
            strResolved = std::string(pszReal) + (std::strcmp(pszReal, "/") == 0 ? "" : "/") + strName;
            std::free(pszReal);
        }
    }
    return strResolved + ".lock";
}

bool CFileLock::Acquire(const std::string& strPathOfFileToGuard, int nTimeoutMs, std::string& strReason)
{
    Release();
    const std::string strLockPath = LockPathFor(strPathOfFileToGuard);
    // O_NOFOLLOW: a planted link must not make us create or lock another file;
    // O_NONBLOCK: a FIFO planted under the name must not hang the open.
    const int nFd = ::open(strLockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
    if (nFd < 0) {
        strReason = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(nFd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(nFd);
        strReason = strLockPath + " is not a regular file";
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs < 0 ? 0 : nTimeoutMs);
    for (;;) {
        if (::flock(nFd, LOCK_EX | LOCK_NB) == 0) {
            m_nFd = nFd;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            strReason = std::strerror(errno);
            ::close(nFd);
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            strReason = "locked by another program";
            ::close(nFd);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void CFileLock::Release()
{
    if (m_nFd < 0)
        return;
    // Closing the only descriptor drops the flock.
    ::close(m_nFd);
    m_nFd = -1;
}

bool CFileLock::IsHeld() const
{
    return m_nFd >= 0;
}

CFileLock::~CFileLock()
{
    Release();
}
