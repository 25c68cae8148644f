#include "ui/framework/DocTemplate.h"

#include "ui/framework/Document.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"
#include "ui/framework/View.h"

#include <QFileInfo>
#include <algorithm>

CDocTemplate::CDocTemplate(int nId, const std::string& strDocString, IFrameHost& host)
    : m_nId(nId), m_strDocString(strDocString), m_host(host)
{
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
    QFileInfo wanted(strPath);
    QString strCanonical = wanted.canonicalFilePath();
    for (CDocument* pDocument : m_documents) {
        if (pDocument->GetPathName().isEmpty())
            continue;
        QFileInfo open(pDocument->GetPathName());
        if (!strCanonical.isEmpty() ? open.canonicalFilePath() == strCanonical
                                    : open.absoluteFilePath() == wanted.absoluteFilePath())
            return pDocument;
    }
    return nullptr;
}

CDocument* CDocTemplate::OpenDocumentFile(const QString& strPath, bool bMakeVisible)
{
    if (!CanCreateDocuments())
        return nullptr;
    if (!strPath.isEmpty()) {
        if (CDocument* pOpen = FindOpenDocument(strPath)) {
            if (CMdiChildFrame* pFrame = pOpen->FirstFrame())
                pFrame->ActivateFrame();
            return pOpen;
        }
    }
    CDocument* pDocument = m_makeDocument(*this);
    m_documents.push_back(pDocument);
    bool bLoaded = false;
    if (strPath.isEmpty()) {
        ++m_nUntitledCount;
        pDocument->SetTitle(GetDocString(EDocStringField::DocName) + QString::number(m_nUntitledCount));
        bLoaded = pDocument->OnNewDocument();
    } else {
        bLoaded = pDocument->OnOpenDocument(strPath);
        if (bLoaded)
            pDocument->SetPathName(strPath);
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
    m_host.AddChildFrame(pFrame);
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
