#pragma once

#include "core/editor/ClassInfoSink.h"
#include "core/io/FileStamp.h"
#include "core/project/ErrorLocation.h"
#include "core/project/ProjectRecord.h"
#include "core/project/ProjectTarget.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CJavaClass;
class ISettingsStore;
struct CSettings;

// The open project without its windows: the file lists, the main files, the
// switches and the classes found in each file, with every operation of the
// project document that needs no user interface. The Qt document wraps one,
// shows the messages it hands back and opens the files it names.
class CJavaProjectCore : public IClassInfoSink {
public:
    static constexpr const char* kNoFile = "NOFILE";
    static constexpr const char* AlreadyInProjectText = "File is already in project.";
    static constexpr const char* SameHtmlNameText = "You cannot add two HTML files with the same name to a project.";
    static constexpr const char* ParseErrorText = "Error parsing file";

    // Switches start empty.
    CJavaProjectCore() = default;
    // Switches start as the user's defaults ("JAVAOPTIONS", "JAVAC").
    explicit CJavaProjectCore(const CSettings& settings);
    CJavaProjectCore(const std::string& strJavaSwitches, const std::string& strJavacSwitches);

    // The .jpr file's full path; empty until the project is first saved.
    void SetPathName(const std::string& strPath) { m_strPathName = strPath; }
    const std::string& GetPathName() const { return m_strPathName; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }

    // Called whenever the project's views should show the model again.
    void SetUpdateViewsHandler(std::function<void()> handler) { m_updateViews = std::move(handler); }

    // Files. AddJavaFile: false for a path already listed; a listed file name
    // is pointed at the new path. The caller updates views and the flag.
    bool AddJavaFile(const std::string& strPath);
    // The checked addition of the Add HTML File command: false with the text
    // to show when the path or the name is already listed; otherwise adds,
    // marks modified and updates the views.
    bool AddHtmlFileChecked(const std::string& strPath, std::string& strMessage);
    // Adds without checks and marks modified (new projects).
    void AddHtmlFile(const std::string& strPath);
    // Removes the first HTML and the first Java entry with this path; the
    // main file names stay as they are.
    void RemoveFile(const std::string& strPath);

    // Also takes the main package from the package the file declares (none
    // when it cannot be read).
    void SetMainFile(const std::string& strName);
    void SetMainHtmlFile(const std::string& strName);
    std::string GetMainFile() const { return m_record.m_strMainJavaFile; }
    bool IsMainFile(const std::string& strName) const { return strName == m_record.m_strMainJavaFile; }
    std::string GetMainHtmlFile() const { return m_record.m_strMainHtmlFile; }
    std::string GetMainFolder() const { return m_record.m_strMainFolder; }
    std::string GetMainPackage() const { return m_record.m_strMainPackage; }

    std::string GetJavaSwitches() const { return m_record.m_strJavaSwitches; }
    std::string GetJavacSwitches() const { return m_record.m_strJavacSwitches; }
    // Not marked modified: the project is saved on close anyway.
    void SetJavaSwitches(const std::string& strSwitches);
    void SetJavacSwitches(const std::string& strSwitches);

    // A listed file's path (Java files first), rebased when the project file
    // has moved; "NOFILE" when neither list holds the name.
    std::string GetFilePath(const std::string& strName);
    // The stored path of an HTML entry, not rebased; "" when not listed.
    std::string GetHtmlFilePath(const std::string& strName) const;

    CJavaFileList& GetJavaFiles() { return m_record.m_javaFiles; }
    const CJavaFileList& GetJavaFiles() const { return m_record.m_javaFiles; }
    CTarnwickFileList& GetHtmlFiles() { return m_record.m_htmlFiles; }
    const CTarnwickFileList& GetHtmlFiles() const { return m_record.m_htmlFiles; }

    // Navigation from the project window: which file to open and what to
    // find in its outline. Class: the first Java file declaring it (stored
    // path). Member: the named file's path and "classPath.member".
    std::optional<CProjectTarget> FindClassTarget(const std::string& strClass) const;
    std::optional<CProjectTarget> FindMemberTarget(const std::string& strFileName, const std::string& strClassPath,
                                                   const std::string& strMember);

    // The path a listed Java file has in the project's own folder; "" when
    // the name is not listed or the project has no path yet.
    std::string GetProjectFolderPath(const std::string& strFileName) const;
    // Points the listed Java file at that path and marks modified; false
    // when GetProjectFolderPath has none.
    bool MoveToProjectFolder(const std::string& strFileName);

    // The file and line a double-clicked output line names, with the path
    // resolved through GetFilePath. A line that starts with a path with
    // folders (javac's "com/example/App.java:3: error: ...") names the entry
    // at that path from strRunFolder, the folder the tool ran in, when one
    // is listed there.
    std::optional<CErrorLocation> FindErrorLine(std::string_view strOutput, int nLineIndex,
                                                const std::string& strRunFolder = {});
    // The listed Java file a stack frame points into (see CStackFrameMatcher),
    // with its path resolved as GetFilePath does; none when not listed.
    std::optional<CErrorLocation> FindStackFrame(std::string_view strClass, std::string_view strFileName, int nLine);

    // Storage. Load and Open replace the whole model only on success; the
    // error is the text to show ("Unexpected file format." and the like).
    std::string WriteBytes() const;
    bool LoadBytes(std::string_view bytes, std::string& strError);
    bool Open(const std::string& strPath, std::string& strError);
    // Writes the project to strPath (not at all when the file already holds
    // these bytes), makes it the project's path and clears the modified
    // flag. A failure names the file and the system's reason.
    bool SaveAs(const std::string& strPath, std::string& strError);
    bool Save(std::string& strError);

    // Whether the bytes the project would write differ from those it last
    // read or wrote: class lists refreshed by a scan to what they were, or
    // switches set to their old text, are no change.
    bool HasChanges() const;
    // What SaveBack did.
    enum class ESaveBack { Unchanged, Saved, ChangedOutside, Failed };
    // Writes the project back to its own file when it HasChanges. A file that
    // another program changed since it was read or written is left alone:
    // ChangedOutside, with the file's stamp now in seen. Called again with
    // bOverwriteSeen, it writes over exactly that file, and only that one (a
    // further change comes back as ChangedOutside again). A missing file is
    // simply written. The file's lock (CFileLock) is held from the look at
    // the disk to the replace; when it cannot be had: Failed, nothing written.
    ESaveBack SaveBack(CFileStamp& seen, bool bOverwriteSeen, std::string& strError);

    // Closing: the project joins the recent list (front, unless empty or
    // listed) and the list and last-open project are written.
    void RecordClose(std::vector<std::string>& recentProjects, ISettingsStore& store) const;

    // Class information from the outline scan of a project file. The path
    // selects the Java entry with exactly that stored path; none: no effect.
    void ClearFileClasses(const std::string& strPath) override;
    void AddClass(const std::string& strPath, const std::string& strClass) override;
    void AddMember(const std::string& strPath, const std::string& strClass, const std::string& strMember) override;
    void AddNestedClass(const std::string& strPath, const std::string& strClass, const std::string& strNested) override;
    void AddNestedMember(const std::string& strPath, const std::string& strClass, const std::string& strNested,
                         const std::string& strMember) override;
    void UpdateProjectViews() override;

    // Texts the scan asked to show ("Error parsing file"), oldest first;
    // taking them empties the queue.
    std::vector<std::string> TakeMessages();

private:
    CJavaClass* FindScannedClass(const std::string& strPath, const std::string& strClass) const;

    CProjectRecord m_record;
    std::string m_strPathName;
    bool m_bModified = false;
    std::string m_strSavedBytes; // what the writer made of the project last read or written
    CFileStamp m_savedStamp;     // the file as it was then
    std::function<void()> m_updateViews;
    std::vector<std::string> m_messages;
};
