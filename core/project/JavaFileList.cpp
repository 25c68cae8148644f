#include "core/project/JavaFileList.h"

#include "core/project/JavaFile.h"

bool CJavaFileList::Add(std::unique_ptr<CTarnwickFile> pEntry)
{
    if (dynamic_cast<CJavaFile*>(pEntry.get()) == nullptr)
        return false;
    return CTarnwickFileList::Add(std::move(pEntry));
}

bool CJavaFileList::Add(std::unique_ptr<CJavaFile> pEntry)
{
    return CTarnwickFileList::Add(std::unique_ptr<CTarnwickFile>(std::move(pEntry)));
}

CJavaFile* CJavaFileList::GetAt(int nIndex) const
{
    return static_cast<CJavaFile*>(CTarnwickFileList::GetAt(nIndex));
}

CJavaFile* CJavaFileList::FindByPathName(const std::string& strPath) const
{
    return static_cast<CJavaFile*>(CTarnwickFileList::FindByPathName(strPath));
}

CJavaFile* CJavaFileList::FindByFileName(const std::string& strName) const
{
    return static_cast<CJavaFile*>(CTarnwickFileList::FindByFileName(strName));
}

std::unique_ptr<CJavaComponent> CJavaFileList::CreateEntry() const
{
    return std::make_unique<CJavaFile>();
}

std::size_t CJavaFileList::GetEntrySize() const
{
    return sizeof(CJavaFile);
}
