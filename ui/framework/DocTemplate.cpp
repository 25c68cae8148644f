#include "ui/framework/DocTemplate.h"

#include "ui/framework/AppServices.h"
#include "ui/framework/Document.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"
#include "ui/framework/View.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {
// The path with links and dots resolved, or the path itself when it does not exist.
std::string ResolvedPath(const std::string& strPath)
{
    char resolved[PATH_MAX];
    return ::realpath(strPath.c_str(), resolved) ? std::string(resolved) : strPath;
}
} // namespace

CDocTemplate::CDocTemplate(int nId, const std::string& strDocString, IAppServices& services)
    : m_nId(nId), m_strDocString(strDocString), m_services(services)
{}

IFrameHost& CDocTemplate::Host() const
{
    return m_services.Frames();
}

QString CDocTemplate::GetDocString(EDocStringField field) const
{
    return QString::fromStdString(GetDocStringField(m_strDocString, field));
}

QString CDocTemplate::FileDialogFilter() const
{
    QString strName = GetDocString(EDocStringField::FilterName);
    QString strExtension = GetDocString(EDocStringField::FilterExt);
    if (strName.isEmpty() || strExtension.isEmpty())
        return QString();
    return QStringLiteral("%1 (*%2)").arg(strName.left(strName.indexOf(" (")), strExtension);
}

void CDocTemplate::SetFactories(DocumentFactory makeDocument, FrameFactory makeFrame)
{
    m_makeDocument = std::move(makeDocument);
    m_makeFrame = std::move(makeFrame);
}

CDocument* CDocTemplate::FindOpenDocument(const QString& strPath) const
{
    return FindOpenDocumentPath(QFile::encodeName(QFileInfo(strPath).absoluteFilePath()).toStdString());
}

CDocument* CDocTemplate::FindOpenDocumentPath(const std::string& strPathBytes) const
{
    const std::string strWanted = ResolvedPath(strPathBytes);
    for (CDocument* pDocument : m_documents) {
        if (!pDocument->GetPathBytes().empty() && ResolvedPath(pDocument->GetPathBytes()) == strWanted)
            return pDocument;
    }
    return nullptr;
}

CDocument* CDocTemplate::OpenDocumentFile(const QString& strPath, bool bMakeVisible)
{
    if (!strPath.isEmpty())
        return OpenDocumentPath(QFile::encodeName(strPath).toStdString(), bMakeVisible);
    return OpenDocumentPath(std::string(), bMakeVisible);
}

CDocument* CDocTemplate::OpenDocumentPath(const std::string& strPath, bool bMakeVisible)
{
    if (!CanCreateDocuments())
        return nullptr;
    if (!strPath.empty()) {
        if (CDocument* pOpen = FindOpenDocumentPath(strPath)) {
            if (CMdiChildFrame* pFrame = pOpen->FirstFrame())
                pFrame->ActivateFrame();
            return pOpen;
        }
    }
    CDocument* pDocument = m_makeDocument(*this);
    m_documents.push_back(pDocument);
    bool bLoaded = false;
    if (strPath.empty()) {
        ++m_nUntitledCount;
        pDocument->SetTitle(GetDocString(EDocStringField::DocName) + QString::number(m_nUntitledCount));
        bLoaded = pDocument->OnNewDocument();
    } else {
        bLoaded = pDocument->OnOpenDocumentBytes(strPath);
        if (bLoaded)
            pDocument->SetPathBytes(strPath);
    }
    if (!bLoaded) {
        RemoveDocument(pDocument);
        delete pDocument;
        return nullptr;
    }
    CMdiChildFrame* pFrame = CreateNewFrame(*pDocument);
    if (bMakeVisible && pFrame)
        pFrame->ActivateFrame();
    return pDocument;
}

CMdiChildFrame* CDocTemplate::CreateNewFrame(CDocument& document)
{
    if (!m_makeFrame)
        return nullptr;
    CMdiChildFrame* pFrame = m_makeFrame(document);
    Host().AddChildFrame(pFrame);
    pFrame->UpdateTitle();
    pFrame->show();
    if (CView* pView = pFrame->GetView())
        pView->OnInitialUpdate();
    return pFrame;
}

void CDocTemplate::RemoveDocument(CDocument* pDocument)
{
    m_documents.erase(std::remove(m_documents.begin(), m_documents.end(), pDocument), m_documents.end());
}

bool CDocTemplate::SaveAllModified()
{
    std::vector<CDocument*> documents = m_documents;
    for (CDocument* pDocument : documents) {
        if (!pDocument->SaveModified())
            return false;
    }
    return true;
}

void CDocTemplate::CloseAllDocuments()
{
    std::vector<CDocument*> documents = m_documents;
    for (CDocument* pDocument : documents)
        pDocument->OnCloseDocument();
}
