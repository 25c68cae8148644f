#pragma once

#include "core/app/DocumentKinds.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class CDocument;
class CMdiChildFrame;
class IAppServices;
class IFrameHost;

// One document kind: its document string, how to make its document and its
// frame with a view, and the documents of that kind now open.
class CDocTemplate {
public:
    using DocumentFactory = std::function<CDocument*(CDocTemplate&)>;
    using FrameFactory = std::function<CMdiChildFrame*(CDocument&)>;

    CDocTemplate(int nId, const std::string& strDocString, IAppServices& services);

    QString GetDocString(EDocStringField field) const;
    // "Name (*.ext)" for file dialogs.
    QString FileDialogFilter() const;
    // What the kind's documents and views ask of the application.
    IAppServices& Services() const { return m_services; }
    IFrameHost& Host() const;

    // A kind whose document and view exist can open files.
    void SetFactories(DocumentFactory makeDocument, FrameFactory makeFrame);
    bool CanCreateDocuments() const { return m_makeDocument && m_makeFrame; }

    // Opens strPath, or makes a new untitled document when it is empty. An
    // already open document is brought to the front instead. Null on failure.
    CDocument* OpenDocumentFile(const QString& strPath, bool bMakeVisible = true);
    // The same for a path given as the system's bytes, which need not be
    // valid UTF-8 (empty: a new untitled document).
    CDocument* OpenDocumentPath(const std::string& strPathBytes, bool bMakeVisible = true);
    // A further frame and view on an open document.
    CMdiChildFrame* CreateNewFrame(CDocument& document);

    CDocument* FindOpenDocument(const QString& strPath) const;
    CDocument* FindOpenDocumentPath(const std::string& strPathBytes) const;
    const std::vector<CDocument*>& Documents() const { return m_documents; }
    void RemoveDocument(CDocument* pDocument);

    // Hands every document to its save-modified rule; false when one refused.
    bool SaveAllModified();
    // Closes every document without asking.
    void CloseAllDocuments();

private:
    int m_nId;
    std::string m_strDocString;
    IAppServices& m_services;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    std::vector<CDocument*> m_documents;
    int m_nUntitledCount = 0;
};
