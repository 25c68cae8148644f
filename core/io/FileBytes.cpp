#include "core/io/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
CFileBytes::EReadFailure FailureOf(int nError)
{
    switch (nError) {
    case ENOENT:
    case ENOTDIR: return CFileBytes::EReadFailure::Missing;
    case EACCES:
    case EPERM: return CFileBytes::EReadFailure::Denied;
    default: return CFileBytes::EReadFailure::Other;
    }
}
} // namespace

bool CFileBytes::ReadRegular(const std::string& strPath, std::string& strBytes, EReadFailure& eFailure,
                             std::string& strReason)
{
    strBytes.clear();
    eFailure = EReadFailure::None;
    strReason.clear();
    const int nFd = ::open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (nFd < 0) {
        eFailure = FailureOf(errno);
        strReason = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(nFd, &info) != 0) {
        eFailure = FailureOf(errno);
        strReason = std::strerror(errno);
        ::close(nFd);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        eFailure = EReadFailure::NotRegular;
        strReason = "not a regular file";
        ::close(nFd);
        return false;
    }
    // Back to blocking reads for the regular file itself.
    ::fcntl(nFd, F_SETFL, ::fcntl(nFd, F_GETFL) & ~O_NONBLOCK);
    if (info.st_size > 0)
        strBytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[64 * 1024];
    while (true) {
        const ssize_t nRead = ::read(nFd, buffer, sizeof buffer);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0) {
            eFailure = FailureOf(errno);
            strReason = std::strerror(errno);
            strBytes.clear();
            ::close(nFd);
            return false;
        }
        if (nRead == 0)
            break;
        strBytes.append(buffer, static_cast<std::size_t>(nRead));
    }
    ::close(nFd);
    return true;
}

bool CFileBytes::IsRegularFile(const std::string& strPath)
{
    struct stat info {};
    return ::stat(strPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
