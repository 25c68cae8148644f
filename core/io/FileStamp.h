#pragma once

#include <cstdint>
#include <string>

// What a file looked like on disk at one moment: enough to tell, without
// reading it, that another program has written, replaced or deleted it
// since (POSIX stat, following symbolic links).
class CFileStamp {
public:
    // A stamp of a file that does not exist (or cannot be looked at).
    CFileStamp() = default;

    // The file as it is now; a missing file gives a stamp that is not Exists().
    static CFileStamp Of(const std::string& strPath);

    bool Exists() const { return m_bExists; }
    std::uint64_t Size() const { return m_nSize; }

    // True when anything the stamp records differs: size, modification time
    // to the nanosecond, the file's inode or device (a file replaced by a
    // rename keeps neither), or whether it exists at all.
    bool ChangedSince(const CFileStamp& earlier) const;

    // Whether this file was last written after the other one (both exist).
    bool ModifiedAfter(const CFileStamp& other) const
    {
        return m_bExists && other.m_bExists &&
               (m_nModifiedSeconds != other.m_nModifiedSeconds ? m_nModifiedSeconds > other.m_nModifiedSeconds
                                                               : m_nModifiedNanoseconds > other.m_nModifiedNanoseconds);
    }

    bool operator==(const CFileStamp& other) const = default;

private:
    bool m_bExists = false;
    std::uint64_t m_nSize = 0;
    std::int64_t m_nModifiedSeconds = 0;
    std::int64_t m_nModifiedNanoseconds = 0;
    std::uint64_t m_nInode = 0;
    std::uint64_t m_nDevice = 0;
};
