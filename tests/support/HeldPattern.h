#pragma once

#include "core/search/FileSearch.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// A fixed-string pattern that holds the search on its first line until the
// test lets it go, so a test can stop a search that is surely running.
class CHeldPattern : public CSearchPattern {
public:
    explicit CHeldPattern(std::string strWord) : m_strWord(std::move(strWord)) {}

    void MatchFrom(std::string_view subject, std::size_t nStart, bool /*bEndsLine*/,
                   std::vector<CRange>& ranges) const override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_bEntered = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_bOpen; });
        const std::string_view word = m_strWord;
        for (std::size_t nAt = subject.find(word, nStart); nAt != std::string_view::npos;
             nAt = subject.find(word, nAt + word.size()))
            ranges.push_back(CRange{nAt, word.size()});
    }
    bool Entered() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_bEntered;
    }
    void WaitEntered() const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::seconds(60), [this] { return m_bEntered; });
    }
    void Open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bOpen = true;
        m_changed.notify_all();
    }

private:
    const std::string m_strWord;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    mutable bool m_bEntered = false;
    bool m_bOpen = false;
};
