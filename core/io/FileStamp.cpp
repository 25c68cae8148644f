#include "core/io/FileStamp.h"

#include <sys/stat.h>

CFileStamp CFileStamp::Of(const std::string& strPath)
{
    CFileStamp stamp;
    struct stat info {};
    if (strPath.empty() || ::stat(strPath.c_str(), &info) != 0)
        return stamp;
    stamp.m_bExists = true;
    stamp.m_nSize = static_cast<std::uint64_t>(info.st_size);
    stamp.m_nModifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    stamp.m_nModifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    stamp.m_nInode = static_cast<std::uint64_t>(info.st_ino);
    stamp.m_nDevice = static_cast<std::uint64_t>(info.st_dev);
    return stamp;
}

bool CFileStamp::ChangedSince(const CFileStamp& earlier) const
{
    return !(*this == earlier);
}
