#include "tests/ui/support/TextTestDocument.h"

#include "core/tools/ToolCommand.h"
#include "ui/app/TarnwickApp.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/DocTemplate.h"

#include <QFile>
#include <QFileInfo>

int CFakeProjectDocument::s_nClosed = 0;

bool CTextTestDocument::OnOpenDocument(const QString& strPathName)
{
    QFile file(strPathName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_strText = QString::fromUtf8(file.readAll());
    return true;
}

bool CTextTestDocument::OnSaveDocument(const QString& strPathName)
{
    QFile file(strPathName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(m_strText.toUtf8());
    ++m_nSaveCount;
    SetModifiedFlag(false);
    return true;
}

CFakeProjectDocument::CFakeProjectDocument(CDocTemplate& docTemplate) : CTextTestDocument(docTemplate)
{
    Services().SetProjectDoc(this);
}

CFakeProjectDocument::~CFakeProjectDocument()
{
    Services().ClearProjectDoc(this);
}

QString CFakeProjectDocument::GetHtmlFilePath(const QString& strFileName)
{
    if (m_strHtmlFolder.isEmpty())
        return QString();
    return m_strHtmlFolder + "/" + strFileName;
}

void CFakeProjectDocument::OnCloseDocument()
{
    ++s_nClosed;
    Services().ClearProjectDoc(this);
    CTextTestDocument::OnCloseDocument();
}

void RegisterTestKinds(CTarnwickApp& app)
{
    auto makeFrame = [](EWindowKind eKind) {
        return
            [eKind](CDocument& document) { return new CMdiChildFrame(document, new CTextTestView(document), eKind); };
    };
    app.FindTemplate("JavaDocument")
        ->SetFactories([](CDocTemplate& t) { return new CTextTestDocument(t); }, makeFrame(EWindowKind::JavaSource));
    app.FindTemplate("JavaProject")
        ->SetFactories([](CDocTemplate& t) { return new CFakeProjectDocument(t); }, makeFrame(EWindowKind::Project));
}

void CFakeProjectDocument::RunCaptured(const CToolCommand& command)
{
    m_capturedRuns << QString::fromStdString(command.m_strCommandLine);
}
