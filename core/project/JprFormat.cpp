#include "core/project/JprFormat.h"

#include "core/io/AtomicFile.h"
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectFileIo.h"
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
    if (!loaded.Load(ar) || ar.GetBytesLeft() != 0) {
        strError = UnexpectedFormatText;
        return false;
    }
    record = std::move(loaded);
    return true;
}

bool CJprFormat::ReadFile(const std::string& strPath, CProjectRecord& record, std::string& strError)
{
    std::string strBytes;
    if (!CProjectFileIo::ReadAll(strPath, strBytes)) {
        strError = OpenFailedText;
        return false;
    }
    return ReadBytes(strBytes, record, strError);
}

bool CJprFormat::WriteFile(const std::string& strPath, const CProjectRecord& record, std::string& strError)
{
    const std::string strBytes = WriteBytes(record);
    // Closing saves every named project: an unchanged one keeps its file,
    // its time and whatever links lead to it.
    if (CProjectFileIo::HoldsBytes(strPath, strBytes))
        return true;
    std::string strReason;
    if (!CAtomicFile::Replace(strPath, strBytes, strReason)) {
        strError = SaveFailedMessage(strPath, strReason);
        return false;
    }
    return true;
}

std::string CJprFormat::SaveFailedMessage(const std::string& strPath, const std::string& strReason)
{
    return std::string(SaveFailedText) + "\n\n" + strPath + ": " + strReason;
}
