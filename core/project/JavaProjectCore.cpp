#include "core/project/JavaProjectCore.h"

#include "core/io/FileLock.h"
#include "core/project/ErrorLineMatcher.h"
#include "core/project/JavaClass.h"
#include "core/project/JavaFile.h"
#include "core/project/JprFormat.h"
#include "core/project/PackageDeclaration.h"
#include "core/project/ProjectPath.h"
#include "core/project/StackFrameMatcher.h"
#include "core/settings/RecentProjects.h"
#include "core/settings/Settings.h"

CJavaProjectCore::CJavaProjectCore(const CSettings& settings)
    : CJavaProjectCore(settings.m_strJavaOptions, settings.m_strJavac)
{}

CJavaProjectCore::CJavaProjectCore(const std::string& strJavaSwitches, const std::string& strJavacSwitches)
{
    m_record.m_strJavaSwitches = strJavaSwitches;
    m_record.m_strJavacSwitches = strJavacSwitches;
}

bool CJavaProjectCore::AddJavaFile(const std::string& strPath)
{
    CJavaFileList& files = m_record.m_javaFiles;
    if (files.FindByPathName(strPath))
        return false;
    if (CJavaFile* pExisting = files.FindByFileName(CProjectPath::FileNameOf(strPath))) {
        pExisting->SetPathName(strPath);
        return true;
    }
    auto pFile = std::make_unique<CJavaFile>(m_strPathName);
    pFile->SetPathName(strPath);
    // A full list drops the file; the caller goes on as if it were added.
    files.Add(std::move(pFile));
    return true;
}

bool CJavaProjectCore::AddHtmlFileChecked(const std::string& strPath, std::string& strMessage)
{
    const CTarnwickFileList& files = m_record.m_htmlFiles;
    if (files.FindByPathName(strPath)) {
        strMessage = AlreadyInProjectText;
        return false;
    }
    if (files.HasFileName(CProjectPath::FileNameOf(strPath))) {
        strMessage = SameHtmlNameText;
        return false;
    }
    AddHtmlFile(strPath);
    UpdateProjectViews();
    return true;
}

void CJavaProjectCore::AddHtmlFile(const std::string& strPath)
{
    auto pFile = std::make_unique<CTarnwickFile>(m_strPathName);
    pFile->SetPathName(strPath);
    m_record.m_htmlFiles.Add(std::move(pFile));
    SetModifiedFlag();
}

template <class TList>
static void RemoveFirstWithPath(TList& files, const std::string& strPath)
{
    for (int nIndex = 0; nIndex < files.GetCount(); ++nIndex) {
        if (files.GetAt(nIndex)->GetPathName() == strPath) {
            files.RemoveAt(nIndex);
            return;
        }
    }
}

void CJavaProjectCore::RemoveFile(const std::string& strPath)
{
    RemoveFirstWithPath(m_record.m_htmlFiles, strPath);
    RemoveFirstWithPath(m_record.m_javaFiles, strPath);
    UpdateProjectViews();
    SetModifiedFlag();
}

void CJavaProjectCore::SetMainFile(const std::string& strName)
{
    m_record.m_strMainJavaFile = strName;
    // Follows the main file every time; "NOFILE" has no folder, so an
    // unlisted name leaves it empty.
    const std::string strPath = GetFilePath(strName);
    m_record.m_strMainFolder = CProjectPath::FolderOf(strPath);
    // The package the main class runs in is the one its file declares now.
    m_record.m_strMainPackage =
        m_record.m_strMainFolder.empty() ? std::string() : CPackageDeclaration::ReadFile(strPath);
    SetModifiedFlag();
    UpdateProjectViews();
}

void CJavaProjectCore::SetMainHtmlFile(const std::string& strName)
{
    m_record.m_strMainHtmlFile = strName;
    SetModifiedFlag();
    UpdateProjectViews();
}

// The form stores switch edits without marking the project modified; they
// are written with the next save or on close.
void CJavaProjectCore::SetJavaSwitches(const std::string& strSwitches)
{
    m_record.m_strJavaSwitches = strSwitches;
}

void CJavaProjectCore::SetJavacSwitches(const std::string& strSwitches)
{
    m_record.m_strJavacSwitches = strSwitches;
}

std::string CJavaProjectCore::GetFilePath(const std::string& strName)
{
    if (CJavaFile* pFile = m_record.m_javaFiles.FindByFileName(strName))
        return pFile->GetRelocatedPathName(m_strPathName);
    if (CTarnwickFile* pFile = m_record.m_htmlFiles.FindByFileName(strName))
        return pFile->GetRelocatedPathName(m_strPathName);
    return kNoFile;
}

std::string CJavaProjectCore::GetHtmlFilePath(const std::string& strName) const
{
    const CTarnwickFile* pFile = m_record.m_htmlFiles.FindByFileName(strName);
    return pFile ? pFile->GetPathName() : std::string();
}

std::optional<CProjectTarget> CJavaProjectCore::FindClassTarget(const std::string& strClass) const
{
    const CJavaFileList& files = m_record.m_javaFiles;
    for (int nIndex = 0; nIndex < files.GetCount(); ++nIndex) {
        const CJavaFile* pFile = files.GetAt(nIndex);
        if (pFile->GetClasses().HasClass(strClass))
            return CProjectTarget{pFile->GetPathName(), strClass};
    }
    return std::nullopt;
}

std::optional<CProjectTarget> CJavaProjectCore::FindMemberTarget(const std::string& strFileName,
                                                                 const std::string& strClassPath,
                                                                 const std::string& strMember)
{
    const std::string strPath = GetFilePath(strFileName);
    if (strPath == kNoFile)
        return std::nullopt;
    return CProjectTarget{strPath, strClassPath + "." + strMember};
}

std::string CJavaProjectCore::GetProjectFolderPath(const std::string& strFileName) const
{
    if (!m_record.m_javaFiles.FindByFileName(strFileName) || m_strPathName.empty())
        return std::string();
    return CProjectPath::FolderOf(m_strPathName) + CProjectPath::kNativeSeparator + strFileName;
}

bool CJavaProjectCore::MoveToProjectFolder(const std::string& strFileName)
{
    const std::string strNewPath = GetProjectFolderPath(strFileName);
    if (strNewPath.empty())
        return false;
    m_record.m_javaFiles.FindByFileName(strFileName)->SetPathName(strNewPath);
    SetModifiedFlag();
    return true;
}

std::optional<CErrorLocation> CJavaProjectCore::FindErrorLine(std::string_view strOutput, int nLineIndex,
                                                              const std::string& strRunFolder)
{
    // javac names a file of a package by its path from the folder it ran in,
    // which tells apart files of one name in two packages.
    const std::optional<std::string_view> line = CErrorLineMatcher::LineAt(strOutput, nLineIndex);
    const std::size_t nEnd = line ? line->find(".java:") : std::string_view::npos;
    if (!strRunFolder.empty() && nEnd != std::string_view::npos && line->substr(0, nEnd).find('/') != std::string_view::npos) {
        std::string_view strFile = line->substr(0, nEnd + 5);
        // A file javac found on its own is named from "./".
        while (strFile.starts_with("./"))
            strFile.remove_prefix(2);
        std::string strPath(strFile);
        if (strFile[0] != '/')
            strPath = strRunFolder + (strRunFolder.back() == '/' ? "" : "/") + strPath;
        for (int nIndex = 0; nIndex < m_record.m_javaFiles.GetCount(); ++nIndex) {
            CJavaFile* pFile = m_record.m_javaFiles.GetAt(nIndex);
            if (pFile->GetRelocatedPathName(m_strPathName) != strPath)
                continue;
            CErrorLocation location;
            location.m_strFileName = pFile->GetFileName();
            location.m_strPath = strPath;
            location.m_nLineNumber = CErrorLineMatcher::ReadLineNumber(line->substr(nEnd + 6));
            return location;
        }
    }
    std::optional<CErrorLocation> location = CErrorLineMatcher::Match(strOutput, nLineIndex, m_record.m_javaFiles);
    if (location)
        location->m_strPath = GetFilePath(location->m_strFileName);
    return location;
}

std::optional<CErrorLocation> CJavaProjectCore::FindStackFrame(std::string_view strClass, std::string_view strFileName,
                                                               int nLine)
{
    // A default-package class's file sits in the folder the program ran in,
    // the main file's. Stored paths on both sides, so the two compare alike.
    const CJavaFile* pMain = m_record.m_javaFiles.FindByFileName(m_record.m_strMainJavaFile);
    const std::string strRoot = pMain ? CProjectPath::FolderOf(pMain->GetPathName()) : std::string();
    const int nIndex = CStackFrameMatcher::Match(m_record.m_javaFiles, strClass, strFileName, strRoot);
    if (nIndex < 0)
        return std::nullopt;
    CJavaFile* pFile = m_record.m_javaFiles.GetAt(nIndex);
    CErrorLocation location;
    location.m_strFileName = pFile->GetFileName();
    location.m_strPath = pFile->GetRelocatedPathName(m_strPathName);
    location.m_nLineNumber = nLine;
    return location;
}

std::string CJavaProjectCore::WriteBytes() const
{
    return CJprFormat::WriteBytes(m_record);
}

bool CJavaProjectCore::LoadBytes(std::string_view bytes, std::string& strError)
{
    if (!CJprFormat::ReadBytes(bytes, m_record, strError))
        return false;
    m_bModified = false;
    m_strSavedBytes = WriteBytes();
    return true;
}

bool CJavaProjectCore::Open(const std::string& strPath, std::string& strError)
{
    // Stamped before the read: a change in between is seen as one later.
    const CFileStamp stamp = CFileStamp::Of(strPath);
    if (!CJprFormat::ReadFile(strPath, m_record, strError))
        return false;
    m_strPathName = strPath;
    m_bModified = false;
    m_strSavedBytes = WriteBytes();
    m_savedStamp = stamp;
    return true;
}

bool CJavaProjectCore::SaveAs(const std::string& strPath, std::string& strError)
{
    if (!CJprFormat::WriteFile(strPath, m_record, strError))
        return false;
    m_strPathName = strPath;
    m_bModified = false;
    m_strSavedBytes = WriteBytes();
    m_savedStamp = CFileStamp::Of(strPath);
    return true;
}

bool CJavaProjectCore::HasChanges() const
{
    return WriteBytes() != m_strSavedBytes;
}

CJavaProjectCore::ESaveBack CJavaProjectCore::SaveBack(CFileStamp& seen, bool bOverwriteSeen, std::string& strError)
{
    if (!HasChanges()) {
        m_bModified = false;
        return ESaveBack::Unchanged;
    }
    // Held from the look at the disk to the replace, so that another
    // Tarnwick's read-modify-write cannot slip in between.
    CFileLock lock;
    std::string strReason;
    if (!lock.Acquire(m_strPathName, CFileLock::kDefaultTimeoutMs, strReason)) {
        strError = CJprFormat::SaveFailedMessage(m_strPathName, strReason);
        return ESaveBack::Failed;
    }
    const CFileStamp now = CFileStamp::Of(m_strPathName);
    if (now.Exists() && now.ChangedSince(m_savedStamp) && !(bOverwriteSeen && now == seen)) {
        seen = now;
        return ESaveBack::ChangedOutside;
    }
    return SaveAs(m_strPathName, strError) ? ESaveBack::Saved : ESaveBack::Failed;
}

bool CJavaProjectCore::Save(std::string& strError)
{
    if (m_strPathName.empty()) {
        strError = CJprFormat::SaveFailedText;
        return false;
    }
    return SaveAs(m_strPathName, strError);
}

void CJavaProjectCore::RecordClose(std::vector<std::string>& recentProjects, ISettingsStore& store) const
{
    AddRecentProject(recentProjects, m_strPathName);
    SaveRecentProjects(store, recentProjects, m_strPathName);
}

CJavaClass* CJavaProjectCore::FindScannedClass(const std::string& strPath, const std::string& strClass) const
{
    CJavaFile* pFile = m_record.m_javaFiles.FindByPathName(strPath);
    return pFile ? pFile->GetClasses().FindClass(strClass) : nullptr;
}

void CJavaProjectCore::ClearFileClasses(const std::string& strPath)
{
    if (CJavaFile* pFile = m_record.m_javaFiles.FindByPathName(strPath))
        pFile->GetClasses().RemoveAll();
}

void CJavaProjectCore::AddClass(const std::string& strPath, const std::string& strClass)
{
    CJavaFile* pFile = m_record.m_javaFiles.FindByPathName(strPath);
    if (!pFile || pFile->GetClasses().HasClass(strClass))
        return;
    auto pClass = std::make_unique<CJavaClass>();
    pClass->SetName(strClass);
    pFile->GetClasses().Add(std::move(pClass));
    SetModifiedFlag();
}

void CJavaProjectCore::AddMember(const std::string& strPath, const std::string& strClass, const std::string& strMember)
{
    CJavaClass* pClass = FindScannedClass(strPath, strClass);
    if (!pClass || pClass->HasMember(strMember))
        return;
    pClass->AddMember(strMember);
    SetModifiedFlag();
}

void CJavaProjectCore::AddNestedClass(const std::string& strPath, const std::string& strClass,
                                      const std::string& strNested)
{
    CJavaClass* pClass = FindScannedClass(strPath, strClass);
    if (!pClass || pClass->HasNestedClass(strNested))
        return;
    auto pNested = std::make_unique<CJavaClass>();
    pNested->SetName(strNested);
    pClass->GetNestedClasses().Add(std::move(pNested));
    SetModifiedFlag();
}

void CJavaProjectCore::AddNestedMember(const std::string& strPath, const std::string& strClass,
                                       const std::string& strNested, const std::string& strMember)
{
    CJavaClass* pClass = FindScannedClass(strPath, strClass);
    if (!pClass)
        return;
    CJavaClass* pNested = pClass->FindNestedClass(strNested);
    if (!pNested) {
        m_messages.emplace_back(ParseErrorText);
        return;
    }
    if (pNested->HasMember(strMember))
        return;
    pNested->AddMember(strMember);
    SetModifiedFlag();
}

void CJavaProjectCore::UpdateProjectViews()
{
    if (m_updateViews)
        m_updateViews();
}

std::vector<std::string> CJavaProjectCore::TakeMessages()
{
    std::vector<std::string> messages;
    messages.swap(m_messages);
    return messages;
}
