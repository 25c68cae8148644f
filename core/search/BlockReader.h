#pragma once

#include <cstddef>
#include <string>

// Reads a regular file a block at a time, so a search holds a bounded part
// of it. Like CFileBytes it refuses anything else (a FIFO, a device, a
// folder) without blocking on it.
class CBlockReader {
public:
    CBlockReader() = default;
    ~CBlockReader();
    CBlockReader(const CBlockReader&) = delete;
    CBlockReader& operator=(const CBlockReader&) = delete;

    // False with strError (the system's text, or "not a regular file").
    bool Open(const std::string& strPath, std::string& strError);
    // The same for pszName in the folder open as nFolderFd (AT_FDCWD: the
    // current folder), which spares the system walking the whole path again.
    bool OpenAt(int nFolderFd, const char* pszName, std::string& strError);
    // Appends up to nMax bytes to strBuffer, fewer only at the end of the
    // file; false with strError when reading fails. bEnd tells the end came.
    bool ReadBlock(std::string& strBuffer, std::size_t nMax, bool& bEnd, std::string& strError);

private:
    int m_nFd = -1;
    std::size_t m_nExpected = 0; // the size fstat gave
    std::size_t m_nRead = 0;
};
