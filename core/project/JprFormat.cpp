#include "core/project/JprFormat.h"

#include "core/project/ProjectFileIo.h"
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectRecord.h"

std::string CJprFormat::WriteBytes(const CProjectRecord& record)
{
    // Sized first: a large project is written into one buffer of the exact
    // size instead of being copied each time a growing buffer fills up.
    CProjectArchive sizer(CProjectArchive::EStoring::SizeOnly);
    record.Store(sizer);
    CProjectArchive ar;
    ar.Reserve(sizer.GetStoredSize());
    record.Store(ar);
    return ar.TakeStoredBytes();
}

bool CJprFormat::ReadBytes(std::string_view bytes, CProjectRecord& record, std::string& strError)
{
    CProjectArchive ar(bytes);
    CProjectRecord loaded;
    if (!loaded.Load(ar))
    {
        strError = UnexpectedFormatText;
        return false;
    }
    record = std::move(loaded);
    return true;
}

bool CJprFormat::ReadFile(const std::string& strPath, CProjectRecord& record, std::string& strError)
{
    std::string strBytes;
    if (!CProjectFileIo::ReadAll(strPath, strBytes))
    {
        strError = OpenFailedText;
        return false;
    }
    return ReadBytes(strBytes, record, strError);
}

bool CJprFormat::WriteFile(const std::string& strPath, const CProjectRecord& record, std::string& strError)
{
    if (!CProjectFileIo::Replace(strPath, WriteBytes(record)))
    {
        strError = SaveFailedText;
        return false;
    }
    return true;
}
