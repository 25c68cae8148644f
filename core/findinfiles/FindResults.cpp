#include "core/findinfiles/FindResults.h"

namespace {
std::string Counted(std::size_t n, const char* pszOne, const char* pszMany)
{
    return std::to_string(n) + " " + (n == 1 ? pszOne : pszMany);
}
} // namespace

void CFindResults::Clear()
{
    *this = CFindResults();
}

void CFindResults::Add(CFoundFile file)
{
    if (!file.m_bError && file.m_hits.empty())
        return;
    if (file.m_bContinued && !file.m_bError && !m_files.empty() && m_files.back().m_strError.empty()) {
        const auto nLast = static_cast<std::uint32_t>(m_files.size() - 1);
        m_files.back().m_nHits += file.m_hits.size();
        m_nHits += file.m_hits.size();
        for (CSearchHit& hit : file.m_hits)
            m_rows.push_back(CRow{ERow::Hit, nLast, static_cast<std::uint32_t>(hit.m_nColumn), hit.m_nLine,
                                  hit.m_nLength, std::move(hit.m_strText)});
        return;
    }
    const auto nFile = static_cast<std::uint32_t>(m_files.size());
    CFile& entry = m_files.emplace_back();
    entry.m_strShownPath = std::move(file.m_strShownPath);
    entry.m_strPath = std::move(file.m_strPath);
    if (file.m_bError) {
        entry.m_strError = std::move(file.m_strError);
        m_rows.push_back(CRow{ERow::Error, nFile, 0, 0, 0, {}});
        return;
    }
    entry.m_nHits = file.m_hits.size();
    m_nHits += file.m_hits.size();
    ++m_nFilesWithHits;
    m_rows.push_back(CRow{ERow::File, nFile, 0, 0, 0, {}});
    for (CSearchHit& hit : file.m_hits)
        m_rows.push_back(CRow{ERow::Hit, nFile, static_cast<std::uint32_t>(hit.m_nColumn), hit.m_nLine,
                              hit.m_nLength, std::move(hit.m_strText)});
}

void CFindResults::Finish(bool bStopped)
{
    if (m_bFinished)
        return;
    m_bFinished = true;
    m_bStopped = bStopped;
    m_rows.push_back(CRow{ERow::Total, 0, 0, 0, 0, {}});
}

std::string CFindResults::TotalText() const
{
    if (m_nHits == 0)
        return "No matches";
    return Counted(m_nHits, "match", "matches") + " in " + Counted(m_nFilesWithHits, "file", "files");
}

std::string CFindResults::ProgressText(std::size_t nSearched, std::size_t nFiles)
{
    return "Searching: " + std::to_string(nSearched) + " of " + std::to_string(nFiles) + " files...";
}

std::string CFindResults::RowText(std::size_t nRow) const
{
    const CRow& row = m_rows[nRow];
    switch (row.m_eKind) {
    case ERow::File: {
        const CFile& file = m_files[row.m_nFile];
        return file.m_strShownPath + " (" + Counted(file.m_nHits, "match", "matches") + ")";
    }
    case ERow::Hit:
        return m_files[row.m_nFile].m_strShownPath + ":" + std::to_string(row.m_nLine) + ":" +
               std::to_string(row.m_nColumn) + ": " + row.m_strText;
    case ERow::Error: {
        const CFile& file = m_files[row.m_nFile];
        return file.m_strShownPath + ": " + file.m_strError;
    }
    case ERow::Total: return m_bStopped ? "Search stopped: " + TotalText() : TotalText();
    }
    return {};
}

std::optional<CFindResults::CLocation> CFindResults::Location(std::size_t nRow) const
{
    if (nRow >= m_rows.size())
        return std::nullopt;
    // A file's line stands for its first match, the line after it.
    if (m_rows[nRow].m_eKind == ERow::File)
        ++nRow;
    if (nRow >= m_rows.size() || m_rows[nRow].m_eKind != ERow::Hit)
        return std::nullopt;
    const CRow& row = m_rows[nRow];
    return CLocation{m_files[row.m_nFile].m_strPath, row.m_nLine, row.m_nColumn, row.m_nLength};
}

std::optional<std::size_t> CFindResults::NextHit(std::optional<std::size_t> nFrom, int nDirection) const
{
    const std::size_t nCount = m_rows.size();
    if (m_nHits == 0 || nCount == 0)
        return std::nullopt;
    const bool bForward = nDirection >= 0;
    std::size_t nRow = nFrom ? *nFrom % nCount : (bForward ? nCount - 1 : 0);
    // At most one round: there is a hit somewhere.
    for (std::size_t nStep = 0; nStep < nCount; ++nStep) {
        nRow = bForward ? (nRow + 1) % nCount : (nRow + nCount - 1) % nCount;
        if (m_rows[nRow].m_eKind == ERow::Hit)
            return nRow;
    }
    return std::nullopt;
}
