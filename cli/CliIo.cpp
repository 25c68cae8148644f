#include "cli/CliIo.h"

#include "core/editor/LineEnds.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

std::string CCliIo::AbsolutePath(const std::string& strPath)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(strPath, error);
    return error ? strPath : absolute.lexically_normal().string();
}

void CCliIo::PrintError(const std::string& strPath, const std::string& strReason)
{
    std::fprintf(stderr, "tarnwick-cli: %s: %s\n", strPath.c_str(), strReason.c_str());
}

bool CCliIo::ReadInputFile(const std::string& strPath, std::string& strBytes)
{
    // Without O_NONBLOCK opening a FIFO waits for a writer; the check below
    // refuses it once open.
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int nError = errno;
        PrintError(strPath, nError == ENOENT ? std::string("no such file.")
                                             : std::string("cannot be opened: ") + std::strerror(nError) + ".");
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        PrintError(strPath, "not a regular file.");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::string strRead;
    strRead.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t nRead = ::read(fd, buffer, sizeof buffer);
        if (nRead > 0) {
            strRead.append(buffer, static_cast<std::size_t>(nRead));
            continue;
        }
        if (nRead == 0)
            break;
        if (errno == EINTR)
            continue;
        const int nError = errno;
        ::close(fd);
        PrintError(strPath, std::string("cannot be read: ") + std::strerror(nError) + ".");
        return false;
    }
    ::close(fd);
    strBytes = std::move(strRead);
    return true;
}

bool CCliIo::IsRegularOrMissing(const std::string& strPath)
{
    struct stat info {};
    if (::stat(strPath.c_str(), &info) != 0 || S_ISREG(info.st_mode))
        return true;
    PrintError(strPath, "not a regular file.");
    return false;
}

bool CCliIo::WriteOutput(std::string_view strText)
{
    const bool bWritten = std::fwrite(strText.data(), 1, strText.size(), stdout) == strText.size();
    if (std::fflush(stdout) == 0 && bWritten)
        return true;
    std::fprintf(stderr, "tarnwick-cli: cannot write the listing: %s.\n", std::strerror(errno));
    return false;
}

bool CCliIo::FlushOutput()
{
    // ferror: an earlier printf may have failed already and emptied its buffer.
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    std::fprintf(stderr, "tarnwick-cli: cannot write the output: %s.\n", std::strerror(errno));
    return false;
}

bool CCliIo::ReadEditorText(const std::string& strPath, std::string& strText)
{
    std::string strBytes;
    if (!ReadInputFile(strPath, strBytes))
        return false;
    strText = CLineEnds::ToCrLf(strBytes);
    return true;
}
