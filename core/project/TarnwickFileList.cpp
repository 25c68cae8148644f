#include "core/project/TarnwickFileList.h"

#include "core/project/TarnwickFile.h"

bool CTarnwickFileList::Add(std::unique_ptr<CTarnwickFile> pEntry)
{
    return AddEntry(std::move(pEntry));
}

CTarnwickFile* CTarnwickFileList::GetAt(int nIndex) const
{
    return static_cast<CTarnwickFile*>(GetEntry(nIndex));
}

CTarnwickFile* CTarnwickFileList::FindByPathName(const std::string& strPath) const
{
    for (int i = 0; i < GetCount(); ++i) {
        CTarnwickFile* pFile = GetAt(i);
        if (pFile->GetPathName() == strPath)
            return pFile;
    }
    return nullptr;
}

bool CTarnwickFileList::HasFileName(const std::string& strName) const
{
    return FindByFileName(strName) != nullptr;
}

CTarnwickFile* CTarnwickFileList::FindByFileName(const std::string& strName) const
{
    for (int i = 0; i < GetCount(); ++i) {
        CTarnwickFile* pFile = GetAt(i);
        if (pFile->GetFileName() == strName)
            return pFile;
    }
    return nullptr;
}

std::unique_ptr<CJavaComponent> CTarnwickFileList::CreateEntry() const
{
    return std::make_unique<CTarnwickFile>();
}

std::size_t CTarnwickFileList::GetEntrySize() const
{
    return sizeof(CTarnwickFile);
}
