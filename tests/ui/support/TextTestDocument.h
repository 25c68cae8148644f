#pragma once

#include "ui/app/OpenProject.h"
#include "ui/framework/Document.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/View.h"

#include <QPlainTextEdit>
#include <vector>

class CTarnwickApp;
class CDocTemplate;

// A plain-text document kind for exercising the document framework.
class CTextTestDocument : public CDocument {
    Q_OBJECT
public:
    using CDocument::CDocument;
    bool OnOpenDocument(const QString& strPathName) override;
    bool OnSaveDocument(const QString& strPathName) override;

    QString m_strText;
    int m_nSaveCount = 0;
};

class CTextTestView : public QPlainTextEdit, public CView {
public:
    explicit CTextTestView(CDocument& document) : m_document(document) {}
    CDocument* GetDocument() const override { return &m_document; }
    QWidget* Widget() override { return this; }

private:
    CDocument& m_document;
};

// A project document that answers the application's questions from its fields.
class CFakeProjectDocument : public CTextTestDocument, public IOpenProject {
    Q_OBJECT
public:
    explicit CFakeProjectDocument(CDocTemplate& docTemplate);
    ~CFakeProjectDocument() override;

    CDocument& ProjectDocument() override { return *this; }
    QString GetMainHtmlFile() const override { return m_strMainHtml; }
    QString GetHtmlFilePath(const QString& strFileName) override;
    void RunApplet(const QString& strHtmlPath) override { m_appletRuns << strHtmlPath; }
    void OnProjectCommand(int nId) override { m_forwarded.push_back(nId); }
    void OnCloseDocument() override;

    QString m_strMainHtml;
    QString m_strHtmlFolder; // where GetHtmlFilePath finds pages; empty: nowhere
    QStringList m_appletRuns;
    std::vector<int> m_forwarded;
    static int s_nClosed;
};

// Gives the Java kind the plain-text document and the project kind the fake project.
void RegisterTestKinds(CTarnwickApp& app);
