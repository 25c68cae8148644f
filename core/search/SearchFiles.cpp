#include "core/search/FileSearch.h"

#include "core/search/BlockReader.h"
#include "core/search/LineSearch.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kBlockSize = 1024 * 1024;

bool IsBinary(const char* pBytes, std::size_t nBytes)
{
    return std::memchr(pBytes, '\0', nBytes) != nullptr;
}

// True when searched to the end; false when stopped or the file failed
// (the failure already reported).
bool SearchOneFile(const CSearchPattern& pattern, std::size_t nFile, const CSearchFile& file,
                   const std::map<std::string, std::string>& unsavedTexts, ISearchSink& sink,
                   const std::atomic<bool>& bStop, bool& bStopped)
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
    if (!reader.Open(file.m_strPath, strError)) {
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
        search.Feed(strBlock.data(), strBlock.size(), bEnd);
    }
    sink.OnFileDone(nFile, search.Hits());
    return true;
}
} // namespace

bool SearchFiles(const CSearchPattern& pattern, const std::vector<CSearchFile>& files,
                 const std::map<std::string, std::string>& unsavedTexts, ISearchSink& sink,
                 const std::atomic<bool>& bStop)
{
    for (std::size_t nFile = 0; nFile < files.size(); ++nFile) {
        if (bStop.load(std::memory_order_relaxed))
            return false;
        bool bStopped = false;
        SearchOneFile(pattern, nFile, files[nFile], unsavedTexts, sink, bStop, bStopped);
        if (bStopped)
            return false;
    }
    return true;
}
