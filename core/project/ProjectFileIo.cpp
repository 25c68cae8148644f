#include "core/project/ProjectFileIo.h"

#include "core/io/FileBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CProjectFileIo::ReadAll(const std::string& strPath, std::string& strBytes)
{
    // Never blocks on a FIFO or a device: only a regular file is read.
    std::string strRead;
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    std::string strReason;
    if (!CFileBytes::ReadRegular(strPath, strRead, eFailure, strReason))
        return false;
    strBytes = std::move(strRead);
    return true;
}

bool CProjectFileIo::HoldsBytes(const std::string& strPath, std::string_view bytes)
{
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool bSame =
        ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) == bytes.size();
    char buffer[65536];
    std::size_t nDone = 0;
    while (bSame) {
        const ssize_t nRead = ::read(fd, buffer, sizeof buffer);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead <= 0) {
            bSame = nRead == 0 && nDone == bytes.size();
            break;
        }
        const auto nLength = static_cast<std::size_t>(nRead);
        bSame =
            nDone + nLength <= bytes.size() && bytes.compare(nDone, nLength, std::string_view(buffer, nLength)) == 0;
        nDone += nLength;
    }
    ::close(fd);
    return bSame;
}
