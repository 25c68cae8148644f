#include "core/io/FileBytes.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
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
    return ReadRegular(strPath, strBytes, eFailure, strReason, std::numeric_limits<std::size_t>::max());
}

bool CFileBytes::ReadRegular(const std::string& strPath, std::string& strBytes, EReadFailure& eFailure,
                             std::string& strReason, std::size_t nMaxBytes)
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
    const auto TooLarge = [&] {
        eFailure = EReadFailure::TooLarge;
        strReason = "larger than " + std::to_string(nMaxBytes) + " bytes";
        strBytes.clear();
        ::close(nFd);
        return false;
    };
    if (info.st_size > 0 && static_cast<std::uintmax_t>(info.st_size) > nMaxBytes)
        return TooLarge();
    // Back to blocking reads for the regular file itself.
    ::fcntl(nFd, F_SETFL, ::fcntl(nFd, F_GETFL) & ~O_NONBLOCK);
    if (info.st_size > 0)
        strBytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[64 * 1024];
    while (true) {
        // A file that grew since fstat is still cut off one byte past the bound.
        const std::size_t nRoom = nMaxBytes - strBytes.size();
        const std::size_t nWant = nRoom < sizeof buffer ? nRoom + 1 : sizeof buffer;
        const ssize_t nRead = ::read(nFd, buffer, nWant);
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
        if (static_cast<std::size_t>(nRead) > nRoom)
            return TooLarge();
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
