#include "core/findinfiles/SearchJob.h"

#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

// Gathers one file's matches on the search thread and hands the file over
// when it is done, so the taker sees whole files only.
class CSearchJob::CCollector : public ISearchSink {
public:
    CCollector(CSearchJob& job, const std::vector<CSearchFile>& files) : m_job(job), m_files(files) {}

    void OnFileStarted(std::size_t nFile) override { Begin(nFile); }
    void OnHit(const CSearchHit& hit) override
    {
        Begin(hit.m_nFile);
        m_current.m_hits.push_back(hit);
        // A file with very many matches goes in parts, so that no one
        // taking of results has to list them all at once.
        if (m_current.m_hits.size() >= kPartHits) {
            CFoundFile next;
            next.m_strShownPath = m_current.m_strShownPath;
            next.m_strPath = m_current.m_strPath;
            next.m_bContinued = true;
            m_job.Hand(std::exchange(m_current, std::move(next)));
        }
    }
    void OnFileDone(std::size_t nFile, std::size_t /*nHits*/) override
    {
        Begin(nFile);
        Flush();
        ++m_job.m_nSearched;
    }
    void OnFileError(std::size_t nFile, const std::string& strMessage) override
    {
        Begin(nFile);
        m_current.m_hits.clear();
        m_current.m_bError = true;
        m_current.m_strError = strMessage;
        Flush();
        ++m_job.m_nSearched;
    }
    // A file cut short by Stop keeps what was found in it.
    void Flush()
    {
        if (m_bOpen && (m_current.m_bError || !m_current.m_hits.empty()))
            m_job.Hand(std::move(m_current));
        m_current = CFoundFile();
        m_bOpen = false;
    }

private:
    void Begin(std::size_t nFile)
    {
        if (m_bOpen && m_nFile == nFile)
            return;
        Flush();
        m_bOpen = nFile < m_files.size();
        m_nFile = nFile;
        if (m_bOpen) {
            m_current.m_strShownPath = m_files[nFile].m_strShownPath;
            m_current.m_strPath = m_files[nFile].m_strPath;
        }
    }

    CSearchJob& m_job;
    const std::vector<CSearchFile>& m_files;
    CFoundFile m_current;
    std::size_t m_nFile = 0;
    bool m_bOpen = false;
};

CSearchJob::CSearchJob(std::unique_ptr<CSearchPattern> pPattern, CRequest request)
    : m_pPattern(std::move(pPattern)), m_request(std::move(request))
{
    if (!m_request.m_bUnderFolder)
        m_nFiles = m_request.m_files.size();
    m_thread = std::thread([this] { Run(); });
}

CSearchJob::~CSearchJob()
{
    Stop();
    if (m_thread.joinable())
        m_thread.join();
}

std::vector<CFoundFile> CSearchJob::TakeFound()
{
    std::vector<CFoundFile> found;
    std::lock_guard<std::mutex> lock(m_mutex);
    found.swap(m_found);
    return found;
}

void CSearchJob::Hand(CFoundFile&& file)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_found.push_back(std::move(file));
}

void CSearchJob::Run()
{
    if (m_request.m_bUnderFolder) {
        m_request.m_files = ListFolder(m_request.m_strFolder, m_request.m_includes);
        m_nFiles = m_request.m_files.size();
    }
    const std::map<std::string, std::string> texts =
        TextsForFiles(m_request.m_files, std::move(m_request.m_unsavedTexts));
    CCollector collector(*this, m_request.m_files);
    const bool bDone = !m_bStop && SearchFiles(*m_pPattern, m_request.m_files, texts, collector, m_bStop);
    collector.Flush();
    m_bStopped = !bDone;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bFinished = true;
    }
    m_finishedChanged.notify_all();
}

std::vector<CSearchFile> CSearchJob::ListFolder(const std::string& strFolder, const std::vector<std::string>& includes)
{
    std::string strRoot = strFolder;
    while (strRoot.size() > 1 && strRoot.back() == '/')
        strRoot.pop_back();
    std::vector<CSearchFile> files = FilesUnderFolder(strRoot, includes);
    const std::string strPrefix = strRoot == "/" ? strRoot : strRoot + "/";
    for (CSearchFile& file : files)
        if (file.m_strShownPath.size() > strPrefix.size() && file.m_strShownPath.compare(0, strPrefix.size(), strPrefix) == 0)
            file.m_strShownPath.erase(0, strPrefix.size());
    return files;
}

std::map<std::string, std::string> CSearchJob::TextsForFiles(const std::vector<CSearchFile>& files,
                                                             std::map<std::string, std::string> unsavedTexts)
{
    namespace fs = std::filesystem;
    std::map<std::string, std::string> texts;
    if (unsavedTexts.empty())
        return texts;
    // Only files named like an open document are looked at on disk.
    std::map<std::string, std::string> canonicalOfDocument; // canonical path -> document path
    std::set<std::string> names;
    for (const auto& [strPath, strText] : unsavedTexts) {
        std::error_code error;
        const fs::path canonical = fs::weakly_canonical(fs::path(strPath), error);
        if (!error)
            canonicalOfDocument.emplace(canonical.string(), strPath);
        names.insert(fs::path(strPath).filename().string());
    }
    for (const CSearchFile& file : files) {
        auto it = unsavedTexts.find(file.m_strPath);
        if (it == unsavedTexts.end()) {
            if (!names.count(fs::path(file.m_strPath).filename().string()))
                continue;
            std::error_code error;
            const fs::path canonical = fs::weakly_canonical(fs::path(file.m_strPath), error);
            auto itDocument = error ? canonicalOfDocument.end() : canonicalOfDocument.find(canonical.string());
            if (itDocument == canonicalOfDocument.end())
                continue;
            it = unsavedTexts.find(itDocument->second);
        }
        texts[file.m_strPath] = it->second;
    }
    return texts;
}

bool CSearchJob::WaitFinished(std::chrono::milliseconds nLimit)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_finishedChanged.wait_for(lock, nLimit, [this] { return m_bFinished.load(); });
}
