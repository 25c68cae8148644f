#include "core/io/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

// Whether the faults a test passed make this step fail; errno is set as the system would.
static bool Injected(const CAtomicFileFaults& faults, EAtomicFileStep eStep)
{
    if (eStep == EAtomicFileStep::None || faults.m_eFailStep != eStep)
        return false;
    errno = faults.m_nErrno;
    return true;
}

static bool Failed(std::string& strReason, int nErrno)
{
    strReason = std::strerror(nErrno);
    return false;
}

static std::string FolderOf(const std::string& strPath)
{
    const std::size_t nSlash = strPath.rfind('/');
    if (nSlash == std::string::npos)
        return ".";
    return nSlash == 0 ? "/" : strPath.substr(0, nSlash);
}

static bool ReadLink(const std::string& strPath, std::string& strTarget)
{
    std::string strBuffer(256, '\0');
    for (;;) {
        const ssize_t nLength = ::readlink(strPath.c_str(), strBuffer.data(), strBuffer.size());
        if (nLength < 0)
            return false;
        if (static_cast<std::size_t>(nLength) < strBuffer.size()) {
            strTarget.assign(strBuffer.data(), static_cast<std::size_t>(nLength));
            return true;
        }
        strBuffer.resize(strBuffer.size() * 2);
    }
}

// The file a path names once its symbolic links are followed. The last one
// may name a file that does not exist yet: it is created there.
static bool ResolveLinks(const std::string& strPath, std::string& strResolved)
{
    // As many links as the system itself follows before giving up.
    constexpr int nMaxLinks = 40;
    std::string strCurrent = strPath;
    for (int nLinks = 0; nLinks <= nMaxLinks; ++nLinks) {
        struct stat info {};
        if (::lstat(strCurrent.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            strResolved = strCurrent;
            return true;
        }
        std::string strTarget;
        if (!ReadLink(strCurrent, strTarget))
            return false;
        strCurrent = strTarget.starts_with('/') ? strTarget : FolderOf(strCurrent) + "/" + strTarget;
    }
    errno = ELOOP;
    return false;
}

// Writes all bytes at the file's start. An injected failure writes half of
// them first, as a disk that fills up midway would.
static bool WriteFromStart(int fd, std::string_view bytes, const CAtomicFileFaults& faults, EAtomicFileStep eStep)
{
    if (Injected(faults, eStep)) {
        const int nErrno = errno;
        [[maybe_unused]] ssize_t nIgnored = ::pwrite(fd, bytes.data(), bytes.size() / 2, 0);
        errno = nErrno;
        return false;
    }
    std::size_t nDone = 0;
    while (nDone < bytes.size()) {
        const ssize_t nWritten = ::pwrite(fd, bytes.data() + nDone, bytes.size() - nDone, static_cast<off_t>(nDone));
        if (nWritten < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        nDone += static_cast<std::size_t>(nWritten);
    }
    return true;
}

static bool ReadFully(int fd, std::string& strBytes)
{
    char buffer[65536];
    for (;;) {
        const ssize_t nRead = ::read(fd, buffer, sizeof buffer);
        if (nRead == 0)
            return true;
        if (nRead < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        strBytes.append(buffer, static_cast<std::size_t>(nRead));
    }
}

static bool Sync(int fd, const CAtomicFileFaults& faults, EAtomicFileStep eStep)
{
    return !Injected(faults, eStep) && ::fsync(fd) == 0;
}

// A rename is only lasting once the folder itself is on disk; failing that
// the file is still whole, so this is best effort.
static void SyncFolder(const std::string& strFolder)
{
    const int fd = ::open(strFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The temporary file's name is short and fixed in length, whatever the
// target's: a name of NAME_MAX bytes plus a suffix would not fit.
static int CreateTemporary(const std::string& strTarget, std::string& strTemp, const CAtomicFileFaults& faults)
{
    static std::atomic<unsigned> s_nSerial{0};
    const std::string strFolder = FolderOf(strTarget);
    for (int nTry = 0; nTry < 100; ++nTry) {
        unsigned nRandom = 0;
        if (::getrandom(&nRandom, sizeof nRandom, 0) != sizeof nRandom)
            nRandom = static_cast<unsigned>(::getpid()) * 2654435761u + s_nSerial;
        char szName[32];
        std::snprintf(szName, sizeof szName, ".tarnwick-%08x-%u", nRandom, s_nSerial++ % 10000u);
        strTemp = (strFolder == "/" ? "" : strFolder) + "/" + szName;
        if (Injected(faults, EAtomicFileStep::OpenTemp))
            return -1;
        // 0666 less the umask, as for any newly created file.
        const int fd = ::open(strTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A file with other hard links: renaming would part it from its twins, so
// the bytes go into the file itself. The flushed temporary copy of the new
// bytes stays until that succeeded, so a crash midway leaves them on disk.
// A failed write puts the old bytes back.
static bool ReplaceInPlace(const std::string& strTarget, const std::string& strTemp, std::string_view bytes,
                           std::string& strReason, const CAtomicFileFaults& faults)
{
    const int fd = Injected(faults, EAtomicFileStep::OpenInPlace) ? -1 : ::open(strTarget.c_str(), O_RDWR | O_CLOEXEC);
    std::string strOld;
    if (fd < 0 || !ReadFully(fd, strOld)) {
        const int nErrno = errno;
        if (fd >= 0)
            ::close(fd);
        ::unlink(strTemp.c_str());
        return Failed(strReason, nErrno);
    }
    const bool bOk = WriteFromStart(fd, bytes, faults, EAtomicFileStep::WriteInPlace) &&
                     ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
                     Sync(fd, faults, EAtomicFileStep::SyncInPlace);
    if (bOk) {
        ::close(fd);
        ::unlink(strTemp.c_str());
        return true;
    }
    const int nErrno = errno;
    const bool bRestored = WriteFromStart(fd, strOld, faults, EAtomicFileStep::None) &&
                           ::ftruncate(fd, static_cast<off_t>(strOld.size())) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    Failed(strReason, nErrno);
    if (bRestored)
        ::unlink(strTemp.c_str());
    else
        strReason += "; the new contents are kept in " + strTemp;
    return false;
}

bool CAtomicFile::Replace(const std::string& strPath, std::string_view bytes, std::string& strReason,
                          const CAtomicFileFaults& faults)
{
    std::string strTarget;
    if (!ResolveLinks(strPath, strTarget))
        return Failed(strReason, errno);
    struct stat existing {};
    const bool bExists = ::stat(strTarget.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);

    std::string strTemp;
    const int fd = CreateTemporary(strTarget, strTemp, faults);
    if (fd < 0)
        return Failed(strReason, errno);
    bool bOk = true;
    if (bExists) {
        // Owner first: a change of owner may clear set-id bits the mode then
        // puts back. Only root may give a file away; others keep their own.
        [[maybe_unused]] const int nIgnored = ::fchown(fd, existing.st_uid, existing.st_gid);
        bOk = !Injected(faults, EAtomicFileStep::KeepMode) && ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    bOk = bOk && WriteFromStart(fd, bytes, faults, EAtomicFileStep::Write) && Sync(fd, faults, EAtomicFileStep::Sync);
    int nErrno = errno;
    if (::close(fd) != 0 && bOk) {
        bOk = false;
        nErrno = errno;
    }
    if (!bOk) {
        ::unlink(strTemp.c_str());
        return Failed(strReason, nErrno);
    }

    if (bExists && existing.st_nlink > 1)
        return ReplaceInPlace(strTarget, strTemp, bytes, strReason, faults);

    if (Injected(faults, EAtomicFileStep::Rename) || ::rename(strTemp.c_str(), strTarget.c_str()) != 0) {
        nErrno = errno;
        ::unlink(strTemp.c_str());
        return Failed(strReason, nErrno);
    }
    SyncFolder(FolderOf(strTarget));
    return true;
}
