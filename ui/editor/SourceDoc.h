#pragma once

#include "core/editor/LineEndKeeper.h"
#include "core/editor/TextEncoding.h"
#include "core/io/FileStamp.h"
#include "ui/editor/FileWatch.h"
#include "ui/editor/SourceText.h"
#include "ui/framework/Document.h"

#include <string>
#include <string_view>

// A source file shown in editor windows. The document owns the text, which
// every window on it shares, and keeps what the file looked like on disk
// (the line break of each line). A file the editor cannot show faithfully
// (UTF-16, binary data) is shown read-only and never saved. Another
// program's change to the file is noticed (a watch on the file and its
// folder, and a look at the file whenever the program or the window becomes
// active and before every save): the text is reloaded when nothing here is
// unsaved, and nothing is lost or overwritten without asking.
class CSourceDoc : public CDocument {
    Q_OBJECT
public:
    explicit CSourceDoc(CDocTemplate& docTemplate);

    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& strPathName) override;
    bool OnOpenDocumentBytes(const std::string& strPathBytes) override;
    bool OnSaveDocument(const QString& strPathName) override;
    // Writes the text atomically, every unedited line with its own break;
    // says so and stays modified when it fails. A read-only document is
    // refused. A file changed on disk since it was read is overwritten
    // only when the user agrees.
    bool OnSaveDocumentBytes(const std::string& strPathBytes) override;

    // Looks at the file on disk: when another program changed it, reloads
    // it quietly (each window keeping its caret line) if nothing here is
    // unsaved, or asks first. A deleted file leaves the text as it is,
    // marked modified so that closing offers to save it.
    void CheckFileOnDisk();

    CSourceText& Text() { return m_text; }
    // The text in CR LF form; valid until the next change of the text.
    std::string_view TextView() const { return m_text.View(); }
    // From now on every line is saved with eLineEnd.
    void UseLineEndEverywhere(ELineEnd eLineEnd) { m_lineEnds.UseEverywhere(eLineEnd); }
    bool IsReadOnly() const { return m_eKind != ETextKind::Editable; }
    // The bytes a save would write now.
    std::string BytesToSave() const { return m_lineEnds.BytesFor(m_text.View()); }

    // Replaces the whole text as one undo step and marks the document
    // modified; false for a read-only document.
    bool ReplaceText(const std::string& strText);
    // Gives every line a CR LF break, in the text and in the file from now on.
    bool ConvertLinebreaks();

protected:
    // Called just before the text is written.
    virtual void OnBeforeSave() {}
    // Called after the text was reloaded from the file.
    virtual void OnReloaded() {}
    void Warn(const QString& strText);
    void OnPathChanged() override;
    void OnFrameActivated() override;

private:
    // Reads the file into the text; bReload keeps each window's caret line
    // and says nothing about a read-only kind it said so about before.
    bool LoadFile(const std::string& strPathBytes, bool bReload);
    // Watches the file and its folder; a file replaced by a rename drops
    // its watch, so this is done again after every look at the file.
    void WatchFile();

    CFileWatch m_watch;
    std::string m_strStampPath; // the file m_stamp describes
    CFileStamp m_stamp;         // that file as last read or written here
    CFileStamp m_declined;      // an outside change the user chose not to load
    std::string m_strWrittenPath;
    CFileStamp m_writtenStamp; // the last file written, for a save under a new name
    bool m_bChecking = false;
    CLineEndKeeper m_lineEnds;
    ETextKind m_eKind = ETextKind::Editable;
    CSourceText m_text;
};
