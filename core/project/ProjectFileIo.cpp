#include "core/project/ProjectFileIo.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static bool ReadFully(int fd, std::string& strBytes)
{
    char buffer[65536];
    for (;;)
    {
        const ssize_t nRead = ::read(fd, buffer, sizeof buffer);
        if (nRead == 0)
            return true;
        if (nRead < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        strBytes.append(buffer, static_cast<std::size_t>(nRead));
    }
}

static bool WriteFully(int fd, const std::string& strBytes)
{
    std::size_t nDone = 0;
    while (nDone < strBytes.size())
    {
        const ssize_t nWritten = ::write(fd, strBytes.data() + nDone, strBytes.size() - nDone);
        if (nWritten < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        nDone += static_cast<std::size_t>(nWritten);
    }
    return true;
}

bool CProjectFileIo::ReadAll(const std::string& strPath, std::string& strBytes)
{
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool bOk = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    std::string strRead;
    if (bOk)
    {
        strRead.reserve(static_cast<std::size_t>(info.st_size));
        bOk = ReadFully(fd, strRead);
    }
    ::close(fd);
    if (bOk)
        strBytes = std::move(strRead);
    return bOk;
}

bool CProjectFileIo::Replace(const std::string& strPath, const std::string& strBytes)
{
    static std::atomic<unsigned> s_nSerial{0};
    std::string strTemp;
    int fd = -1;
    for (int nTry = 0; nTry < 100 && fd < 0; ++nTry)
    {
        strTemp = strPath + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(s_nSerial++);
        // 0666 less the umask, as for any newly created file.
        fd = ::open(strTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    // A project saved over keeps the permissions its owner gave it.
    struct stat existing {};
    bool bOk = true;
    if (::stat(strPath.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        bOk = ::fchmod(fd, existing.st_mode & 07777) == 0;
    bOk = bOk && WriteFully(fd, strBytes) && ::fsync(fd) == 0;
    bOk = ::close(fd) == 0 && bOk;
    if (bOk)
        bOk = ::rename(strTemp.c_str(), strPath.c_str()) == 0;
    if (!bOk)
        ::unlink(strTemp.c_str());
    return bOk;
}
