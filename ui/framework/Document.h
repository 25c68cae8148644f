#pragma once

#include "ui/framework/CommandTarget.h"

#include <QObject>
#include <QString>
#include <string>
#include <vector>

class CDocTemplate;
class IAppServices;
class CMdiChildFrame;
class CPromptService;

// The base of every document: its path, title, modified flag and frames.
// Kinds override loading, saving and the save-modified rule.
class CDocument : public QObject, public ICommandTarget {
    Q_OBJECT
public:
    explicit CDocument(CDocTemplate& docTemplate);
    ~CDocument() override;

    CDocTemplate& GetDocTemplate() const { return m_docTemplate; }
    // What the document and its views ask of the application.
    IAppServices& Services() const;
    // The application's prompt service, for the document's messages and dialogs.
    CPromptService& Prompts() const;
    const QString& GetPathName() const { return m_strPathName; }
    // The path as the system's bytes, which need not be valid UTF-8; the
    // QString path is for display. Empty while untitled.
    const std::string& GetPathBytes() const { return m_strPathBytes; }
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle);
    // Sets the path and the title (its file name); adds it to the recent-file
    // list when bAddToMru.
    virtual void SetPathName(const QString& strPathName, bool bAddToMru = true);
    // The same for a path given as the system's bytes.
    void SetPathBytes(const std::string& strPathBytes, bool bAddToMru = true);
    // A relative path made absolute against the current folder, as bytes.
    static std::string AbsolutePathBytes(const std::string& strPathBytes);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true);

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const QString& strPathName);
    virtual bool OnSaveDocument(const QString& strPathName);
    // Loading and saving by the system's bytes for the path; by default they
    // hand the decoded path to the two above. Kinds that must reach any file
    // name override these.
    virtual bool OnOpenDocumentBytes(const std::string& strPathBytes);
    virtual bool OnSaveDocumentBytes(const std::string& strPathBytes);
    virtual void OnCloseDocument();
    // Asks about unsaved changes; false when the user cancels or saving fails.
    virtual bool SaveModified();
    // Whether closing this frame may go on; the last frame of a document asks SaveModified.
    virtual bool CanCloseFrame(CMdiChildFrame* pFrame);

    bool DoFileSave();
    // Saves under strPathName, or asks for a name when it is empty.
    bool DoSave(const QString& strPathName, bool bReplace = true);
    // The name Save As offers: the title with the kind's extension.
    virtual QString ProposedFileName() const;

    const std::vector<CMdiChildFrame*>& GetFrames() const { return m_frames; }
    void AddFrame(CMdiChildFrame* pFrame);
    void RemoveFrame(CMdiChildFrame* pFrame);
    CMdiChildFrame* FirstFrame() const { return m_frames.empty() ? nullptr : m_frames.front(); }

    bool HandlesCommand(int nId) const override;
    void OnCommand(int nId) override;

signals:
    void TitleChanged();
    void ModifiedChanged(bool bModified);

protected:
    // Called after the path was set or changed.
    virtual void OnPathChanged() {}
    // Called (from the event loop) when one of the document's windows becomes
    // the active one.
    virtual void OnFrameActivated() {}

private:
    CDocTemplate& m_docTemplate;
    QString m_strPathName;
    std::string m_strPathBytes;
    QString m_strTitle;
    bool m_bModified = false;
    bool m_bClosing = false;
    std::vector<CMdiChildFrame*> m_frames;
};
