#pragma once

#include "core/findinfiles/FoundFile.h"
#include "core/search/FileSearch.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One Find in Files search running on its own thread. What it finds is
// handed over a file at a time; the caller takes it when it likes, so the
// search never waits for a window and a window never waits for the search.
class CSearchJob {
public:
    struct CRequest {
        // The files to search, or (m_bUnderFolder) the folder to list them
        // from, with the file patterns ("*.java" and the like; none: every file).
        std::vector<CSearchFile> m_files;
        bool m_bUnderFolder = false;
        std::string m_strFolder;
        std::vector<std::string> m_includes;
        // Texts open in editors, keyed by the document's path: searched in
        // place of the file on disk.
        std::map<std::string, std::string> m_unsavedTexts;
    };

    // Starts searching at once.
    CSearchJob(std::unique_ptr<CSearchPattern> pPattern, CRequest request);
    // Stops the search and waits for its thread.
    ~CSearchJob();
    CSearchJob(const CSearchJob&) = delete;
    CSearchJob& operator=(const CSearchJob&) = delete;

    // A file hands over its matches in parts of at most this many.
    static constexpr std::size_t kPartHits = 2048;

    // Asks the search to end soon; what it found so far stays to be taken.
    void Stop() { m_bStop = true; }
    // The thread is done: everything found is waiting in TakeFound.
    bool IsFinished() const { return m_bFinished; }
    // Waits at most nLimit for the thread to be done; true when it is.
    bool WaitFinished(std::chrono::milliseconds nLimit);
    bool WasStopped() const { return m_bStopped; }
    std::size_t FilesSearched() const { return m_nSearched; }
    // 0 until a folder's files are listed.
    std::size_t FileCount() const { return m_nFiles; }
    // The files finished since the last call, in search order (files
    // without matches left out).
    std::vector<CFoundFile> TakeFound();

    // The files under strFolder as FilesUnderFolder lists them, shown by
    // their paths relative to that folder.
    static std::vector<CSearchFile> ListFolder(const std::string& strFolder, const std::vector<std::string>& includes);
    // The unsaved texts keyed by the searched files' own paths: a document
    // opened under another spelling of a file's path (a link, "..") is the
    // same file.
    static std::map<std::string, std::string> TextsForFiles(const std::vector<CSearchFile>& files,
                                                            std::map<std::string, std::string> unsavedTexts);

private:
    class CCollector;
    void Run();
    void Hand(CFoundFile&& file);

    std::unique_ptr<CSearchPattern> m_pPattern;
    CRequest m_request;
    std::atomic<bool> m_bStop{false};
    std::atomic<bool> m_bFinished{false};
    std::atomic<bool> m_bStopped{false};
    std::atomic<std::size_t> m_nSearched{0};
    std::atomic<std::size_t> m_nFiles{0};
    std::mutex m_mutex;
    std::vector<CFoundFile> m_found; // under m_mutex
    std::condition_variable m_finishedChanged;
    std::thread m_thread;
};
