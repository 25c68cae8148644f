#include "core/search/BlockReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CBlockReader::~CBlockReader()
{
    if (m_nFd >= 0)
        ::close(m_nFd);
}

bool CBlockReader::Open(const std::string& strPath, std::string& strError)
{
    return OpenAt(AT_FDCWD, strPath.c_str(), strError);
}

bool CBlockReader::OpenAt(int nFolderFd, const char* pszName, std::string& strError)
{
    // Non-blocking, so that a FIFO is refused below instead of waited on.
    m_nFd = ::openat(nFolderFd, pszName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_nFd < 0) {
        strError = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(m_nFd, &info) != 0) {
        strError = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        strError = S_ISDIR(info.st_mode) ? "is a folder" : "not a regular file";
        return false;
    }
    // O_NONBLOCK changes nothing for a regular file's reads, so it stays.
    m_nExpected = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    return true;
}

bool CBlockReader::ReadBlock(std::string& strBuffer, std::size_t nMax, bool& bEnd, std::string& strError)
{
    bEnd = false;
    // No bigger than the file is expected to be (plus the byte that shows
    // its end), so small files do not cost a whole block each.
    if (m_nExpected > m_nRead)
        nMax = std::min(nMax, m_nExpected - m_nRead + 1);
    else if (m_nExpected == m_nRead)
        nMax = std::min<std::size_t>(nMax, 4096); // the end, or a file that grew

    const std::size_t nOld = strBuffer.size();
    strBuffer.resize(nOld + nMax);
    std::size_t nHave = 0;
    while (nHave < nMax) {
        const ssize_t nRead = ::read(m_nFd, strBuffer.data() + nOld + nHave, nMax - nHave);
        if (nRead < 0 && errno == EINTR)
            continue;
        if (nRead < 0) {
            strError = std::strerror(errno);
            strBuffer.resize(nOld + nHave);
            return false;
        }
        if (nRead == 0) {
            bEnd = true;
            break;
        }
        nHave += static_cast<std::size_t>(nRead);
    }
    strBuffer.resize(nOld + nHave);
    m_nRead += nHave;
    return true;
}
