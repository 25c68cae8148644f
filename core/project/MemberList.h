#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CProjectArchive;

// The member texts of a class, kept end to end in one buffer: a large
// project holds hundreds of thousands of them, and one allocation each made
// loading it slow and an empty member cost 40 times its byte on disk.
class CMemberList {
public:
    class CIterator {
    public:
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;

        CIterator() = default;
        CIterator(const CMemberList* pList, std::size_t nIndex) : m_pList(pList), m_nIndex(nIndex) {}
        std::string_view operator*() const { return (*m_pList)[m_nIndex]; }
        CIterator& operator++()
        {
            ++m_nIndex;
            return *this;
        }
        CIterator operator++(int)
        {
            CIterator before = *this;
            ++m_nIndex;
            return before;
        }
        bool operator==(const CIterator& other) const { return m_nIndex == other.m_nIndex; }

    private:
        const CMemberList* m_pList = nullptr;
        std::size_t m_nIndex = 0;
    };
    using iterator = CIterator;
    using const_iterator = CIterator;
    using value_type = std::string_view;

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t nIndex) const;
    CIterator begin() const { return CIterator(this, 0); }
    CIterator end() const { return CIterator(this, m_ends.size()); }

    // Appends without a duplicate test. The texts of one class stop at 4 GB;
    // a member beyond that is dropped.
    void Add(std::string_view strMember);
    bool Contains(std::string_view strMember) const;
    void Clear();

    bool operator==(const std::vector<std::string>& members) const;

    // The archive's string array: a count, then each text.
    void Store(CProjectArchive& ar) const;
    bool Load(CProjectArchive& ar);

private:
    std::string m_strText;
    std::vector<std::uint32_t> m_ends; // where each member's text ends
};
