#pragma once

#include "core/editor/ClassInfoSink.h"
#include "ui/framework/OpenProject.h"
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

// Remembers the classes a scan reports, as text lines.
class CRecordingClassInfo : public IClassInfoSink {
public:
    void ClearFileClasses(const std::string& strPath) override
    {
        m_calls << "clear " + QString::fromStdString(strPath);
    }
    void AddClass(const std::string&, const std::string& strClass) override
    {
        m_calls << "class " + QString::fromStdString(strClass);
    }
    void AddMember(const std::string&, const std::string& strClass, const std::string& strMember) override
    {
        m_calls << "member " + QString::fromStdString(strClass + " " + strMember);
    }
    void AddNestedClass(const std::string&, const std::string& strClass, const std::string& strNested) override
    {
        m_calls << "nested " + QString::fromStdString(strClass + " " + strNested);
    }
    void AddNestedMember(const std::string&, const std::string& strClass, const std::string& strNested,
                         const std::string& strMember) override
    {
        m_calls << "nested member " + QString::fromStdString(strClass + " " + strNested + " " + strMember);
    }
    void UpdateProjectViews() override { m_calls << "update"; }
    QStringList m_calls;
};

// A project document that answers the application's questions from its fields.
class CFakeProjectDocument : public CTextTestDocument, public IOpenProject {
    Q_OBJECT
public:
    explicit CFakeProjectDocument(CDocTemplate& docTemplate);
    ~CFakeProjectDocument() override;

    CDocument& ProjectDocument() override { return *this; }
    QString GetMainFile() const override { return m_strMainJava; }
    QString GetMainHtmlFile() const override { return m_strMainHtml; }
    QString GetHtmlFilePath(const QString& strFileName) override;
    std::vector<std::string> ListedFilePaths() override { return {}; }
    void RunApplet(const QString& strHtmlPath) override { m_appletRuns << strHtmlPath; }
    void OnProjectCommand(int nId) override { m_forwarded.push_back(nId); }
    IClassInfoSink& ClassInfo() override { return m_classInfo; }
    void RunCaptured(const CToolCommand& command) override;
    void CompileFile(const std::string& strPath) override { m_compiledFiles.push_back(strPath); }
    bool AddJavaFile(const QString& strPath) override
    {
        m_addedJavaFiles << strPath;
        return true;
    }
    void OnCloseDocument() override;

    QString m_strMainJava;
    QString m_strMainHtml;
    QString m_strHtmlFolder; // where GetHtmlFilePath finds pages; empty: nowhere
    QStringList m_appletRuns;
    QStringList m_addedJavaFiles;
    QStringList m_capturedRuns;               // command lines
    std::vector<std::string> m_compiledFiles; // paths as bytes
    std::vector<int> m_forwarded;
    CRecordingClassInfo m_classInfo;
    static int s_nClosed;
};

// Gives the Java kind the plain-text document and the project kind the fake project.
void RegisterTestKinds(CTarnwickApp& app);
