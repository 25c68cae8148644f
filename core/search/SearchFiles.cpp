#include "core/search/FileSearch.h"

#include "core/search/BlockReader.h"
#include "core/search/LineSearch.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr std::size_t kBlockSize = 1024 * 1024;

// The folder of the file last opened, kept open: files come in path order,
// so most share the folder of the one before, and opening each by its name
// in that folder spares the system looking up the whole path every time.
class CFolderHandle {
public:
    CFolderHandle() = default;
    ~CFolderHandle() { Close(); }
    CFolderHandle(const CFolderHandle&) = delete;
    CFolderHandle& operator=(const CFolderHandle&) = delete;

    bool Open(const std::string& strPath, CBlockReader& reader, std::string& strError)
    {
        const std::size_t nSlash = strPath.rfind('/');
        if (nSlash == std::string::npos || nSlash == 0)
            return reader.Open(strPath, strError);
        if (m_nFd < 0 || strPath.compare(0, nSlash, m_strFolder) != 0 || m_strFolder.size() != nSlash) {
            Close();
            m_strFolder.assign(strPath, 0, nSlash);
            m_nFd = ::open(m_strFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
        if (m_nFd < 0) // the folder's own error reads as the whole path's would
            return reader.Open(strPath, strError);
        return reader.OpenAt(m_nFd, strPath.c_str() + nSlash + 1, strError);
    }

private:
    void Close()
    {
        if (m_nFd >= 0)
            ::close(m_nFd);
        m_nFd = -1;
    }

    std::string m_strFolder;
    int m_nFd = -1;
};

bool IsBinary(const char* pBytes, std::size_t nBytes)
{
    return std::memchr(pBytes, '\0', nBytes) != nullptr;
}

// True when searched to the end; false when stopped or the file failed
// (the failure already reported).
bool SearchOneFile(const CSearchPattern& pattern, std::size_t nFile, const CSearchFile& file,
                   const std::map<std::string, std::string>& unsavedTexts, CFolderHandle& folder,
                   ISearchSink& sink, const std::atomic<bool>& bStop, bool& bStopped)
{
    sink.OnFileStarted(nFile);
    CLineSearch search(pattern, nFile, sink);
    const auto unsaved = unsavedTexts.find(file.m_strPath);
    if (unsaved != unsavedTexts.end()) {
        const std::string& strText = unsaved->second;
        if (!IsBinary(strText.data(), std::min(strText.size(), kBlockSize)))
            search.Feed(strText.data(), strText.size(), true);
        sink.OnFileDone(nFile, search.Hits());
        return true;
    }
    CBlockReader reader;
    std::string strError;
    if (!folder.Open(file.m_strPath, reader, strError)) {
        sink.OnFileError(nFile, strError);
        return false;
    }
    std::string strBlock;
    bool bFirst = true;
    bool bEnd = false;
    while (!bEnd) {
        if (bStop.load(std::memory_order_relaxed)) {
            bStopped = true;
            return false;
        }
        strBlock.clear();
        if (!reader.ReadBlock(strBlock, kBlockSize, bEnd, strError)) {
            sink.OnFileError(nFile, strError);
            return false;
        }
        if (bFirst && IsBinary(strBlock.data(), strBlock.size()))
            break;
        bFirst = false;
        search.Feed(strBlock, bEnd);
    }
    sink.OnFileDone(nFile, search.Hits());
    return true;
}
} // namespace

bool SearchFiles(const CSearchPattern& pattern, const std::vector<CSearchFile>& files,
                 const std::map<std::string, std::string>& unsavedTexts, ISearchSink& sink,
                 const std::atomic<bool>& bStop)
{
    CFolderHandle folder;
    for (std::size_t nFile = 0; nFile < files.size(); ++nFile) {
        if (bStop.load(std::memory_order_relaxed))
            return false;
        bool bStopped = false;
        SearchOneFile(pattern, nFile, files[nFile], unsavedTexts, folder, sink, bStop, bStopped);
        if (bStopped)
            return false;
    }
    return true;
}
