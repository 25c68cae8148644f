#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The byte archive behind .jpr files: little-endian integers, counts and
// length-prefixed strings. One object either stores (appends to its own
// buffer) or loads (reads from a borrowed buffer). A failed read leaves the
// archive failed, so every later read fails too and a caller may check once.
class CProjectArchive {
public:
    // Class records deeper than this are refused: real code nests a few
    // levels, and unbounded depth would exhaust the stack while loading.
    static constexpr int kMaxNestingDepth = 255;

    // What a loaded project may cost in memory: this many bytes for each
    // byte of the file, plus the allowance. Counts alone cannot bound it: an
    // empty text is one byte on disk but an object in memory.
    static constexpr std::size_t kMemoryPerFileByte = 8;
    static constexpr std::size_t kMemoryAllowance = std::size_t{16} << 20;
    // The heap's bookkeeping, charged with each allocation.
    static constexpr std::size_t kAllocationOverhead = 16;

    enum class EStoring { Bytes, SizeOnly };

    // Storing: Bytes keeps what is written; SizeOnly only counts it, so a
    // caller can reserve the exact buffer before storing for real.
    explicit CProjectArchive(EStoring eStoring = EStoring::Bytes);
    explicit CProjectArchive(std::string_view bytes); // loading

    bool IsStoring() const { return m_bStoring; }
    bool IsFailed() const { return m_bFailed; }

    // Storing.
    void WriteInt32(std::int32_t nValue);
    void WriteCount(std::uint32_t nCount);
    void WriteString(std::string_view str);
    void WriteStringArray(const std::vector<std::string>& arr);
    void Reserve(std::size_t nBytes) { m_strStored.reserve(nBytes); }
    std::size_t GetStoredSize() const { return m_bSizeOnly ? m_nSizeOnly : m_strStored.size(); }
    const std::string& GetStoredBytes() const { return m_strStored; }
    std::string TakeStoredBytes() { return std::move(m_strStored); }

    // Loading. Each returns false (and fails the archive) when the bytes run
    // out or hold an impossible length.
    bool ReadInt32(std::int32_t& nValue);
    bool ReadCount(std::uint32_t& nCount);
    bool ReadString(std::string& str);
    // Appends the text to str (member lists keep theirs end to end).
    bool ReadStringAppend(std::string& str);
    bool ReadStringArray(std::vector<std::string>& arr);
    std::size_t GetBytesLeft() const { return m_load.size() - m_nPos; }
    std::size_t GetPosition() const { return m_nPos; }

    // Nesting guard for recursive records; a false return fails the archive.
    bool EnterNesting();
    void LeaveNesting();

    // Marks the archive failed (for a record that finds its data impossible).
    bool Fail();

    // Takes nBytes from the memory budget of a load; false (and the archive
    // failed) when the budget is spent. Records charge what they allocate.
    bool Charge(std::size_t nBytes);

private:
    bool ReadBytes(void* pDest, std::size_t nBytes);
    bool ReadUInt8(std::uint8_t& nValue);
    bool ReadUInt16(std::uint16_t& nValue);
    bool ReadUInt32(std::uint32_t& nValue);
    bool ReadStringPrefix(std::uint32_t& nLength, bool& bUtf16);
    bool ReadStringText(std::string& str, bool bAppend);
    void AppendLittleEndian(std::uint32_t nValue, int nBytes);
    void Append(const char* pBytes, std::size_t nBytes);

    bool m_bStoring;
    bool m_bSizeOnly = false;
    std::size_t m_nSizeOnly = 0;
    bool m_bFailed = false;
    int m_nDepth = 0;
    std::string m_strStored;
    std::string_view m_load;
    std::size_t m_nPos = 0;
    std::size_t m_nBudget = 0;
};
