#include "ui/framework/Document.h"

#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/app/DocumentKinds.h"
#include "ui/framework/AppServices.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

CDocument::CDocument(CDocTemplate& docTemplate) : m_docTemplate(docTemplate) {}

CDocument::~CDocument() = default;

IAppServices& CDocument::Services() const
{
    return m_docTemplate.Services();
}

CPromptService& CDocument::Prompts() const
{
    return Services().Prompts();
}

void CDocument::SetTitle(const QString& strTitle)
{
    m_strTitle = strTitle;
    for (CMdiChildFrame* pFrame : m_frames)
        pFrame->UpdateTitle();
    emit TitleChanged();
}

void CDocument::SetPathName(const QString& strPathName, bool bAddToMru)
{
    m_strPathName = QFileInfo(strPathName).absoluteFilePath();
    m_strPathBytes = QFile::encodeName(m_strPathName).toStdString();
    SetTitle(QFileInfo(m_strPathName).fileName());
    if (bAddToMru)
        m_docTemplate.Host().AddToRecentFileList(m_strPathName);
    OnPathChanged();
}

void CDocument::SetPathBytes(const std::string& strPathBytes, bool bAddToMru)
{
    const std::string strAbsolute = AbsolutePathBytes(strPathBytes);
    m_strPathName = QFileInfo(QFile::decodeName(QByteArray::fromStdString(strAbsolute))).absoluteFilePath();
    m_strPathBytes = strAbsolute;
    SetTitle(QFileInfo(m_strPathName).fileName());
    if (bAddToMru)
        m_docTemplate.Host().AddToRecentFileList(m_strPathName);
    OnPathChanged();
}

std::string CDocument::AbsolutePathBytes(const std::string& strPathBytes)
{
    if (strPathBytes.empty() || strPathBytes.front() == '/')
        return strPathBytes;
    return QFile::encodeName(QDir::currentPath()).toStdString() + "/" + strPathBytes;
}

void CDocument::SetModifiedFlag(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    emit ModifiedChanged(bModified);
}

bool CDocument::OnNewDocument()
{
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString&)
{
    return false;
}

bool CDocument::OnSaveDocument(const QString&)
{
    return false;
}

bool CDocument::OnOpenDocumentBytes(const std::string& strPathBytes)
{
    return OnOpenDocument(QFile::decodeName(QByteArray::fromStdString(strPathBytes)));
}

bool CDocument::OnSaveDocumentBytes(const std::string& strPathBytes)
{
    return OnSaveDocument(QFile::decodeName(QByteArray::fromStdString(strPathBytes)));
}

void CDocument::OnCloseDocument()
{
    if (m_bClosing)
        return;
    m_bClosing = true;
    // Closing a frame removes it from m_frames, so work on a copy.
    std::vector<CMdiChildFrame*> frames = m_frames;
    for (CMdiChildFrame* pFrame : frames)
        pFrame->CloseFromDocument();
    m_docTemplate.RemoveDocument(this);
    deleteLater();
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    QString strName = m_strPathName.isEmpty() ? m_strTitle : m_strPathName;
    int nAnswer =
        Prompts().MessageBox(m_docTemplate.Host().MainWidget(), QStringLiteral("Save changes to %1?").arg(strName),
                             CPromptService::kYesNoCancel, CPromptService::kIconWarning);
    if (nAnswer == CPromptService::kAnswerCancel)
        return false;
    if (nAnswer == CPromptService::kAnswerNo)
        return true;
    return DoFileSave();
}

bool CDocument::CanCloseFrame(CMdiChildFrame* pFrame)
{
    for (CMdiChildFrame* pOther : m_frames)
        if (pOther != pFrame)
            return true;
    return SaveModified();
}

bool CDocument::DoFileSave()
{
    if (m_strPathBytes.empty())
        return DoSave(QString());
    // By the bytes, so a name that is not UTF-8 is saved under itself.
    const std::string strPathBytes = m_strPathBytes;
    if (!OnSaveDocumentBytes(strPathBytes))
        return false;
    SetPathBytes(strPathBytes);
    return true;
}

bool CDocument::DoSave(const QString& strPathName, bool bReplace)
{
    QString strPath = strPathName;
    if (strPath.isEmpty()) {
        strPath = Prompts().GetSaveFileName(m_docTemplate.Host().MainWidget(), QStringLiteral("Save As"),
                                            m_docTemplate.FileDialogFilter(), ProposedFileName(),
                                            Services().FileDialogFolder());
        if (strPath.isEmpty())
            return false;
        Services().RememberFileDialogChoice(strPath);
    }
    const std::string strPathBytes = QFile::encodeName(strPath).toStdString();
    if (!OnSaveDocumentBytes(strPathBytes))
        return false;
    if (bReplace)
        SetPathBytes(strPathBytes);
    return true;
}

QString CDocument::ProposedFileName() const
{
    QString strDefault = m_strTitle;
    QString strExtension = m_docTemplate.GetDocString(EDocStringField::FilterExt);
    if (!strExtension.isEmpty() && !strDefault.contains('.'))
        strDefault += strExtension;
    return strDefault;
}

void CDocument::AddFrame(CMdiChildFrame* pFrame)
{
    m_frames.push_back(pFrame);
    connect(this, &CDocument::ModifiedChanged, pFrame, &CMdiChildFrame::UpdateTitle);
    connect(pFrame, &QMdiSubWindow::aboutToActivate, this, &CDocument::OnFrameActivated, Qt::QueuedConnection);
    for (CMdiChildFrame* pEach : m_frames)
        pEach->UpdateTitle();
}

void CDocument::RemoveFrame(CMdiChildFrame* pFrame)
{
    m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), pFrame), m_frames.end());
    for (CMdiChildFrame* pEach : m_frames)
        pEach->UpdateTitle();
}

bool CDocument::HandlesCommand(int nId) const
{
    return CommandTarget(nId) == ECommandTarget::Document;
}

void CDocument::OnCommand(int nId)
{
    switch (nId) {
    case CommandIds::kFileClose:
        if (SaveModified())
            OnCloseDocument();
        break;
    case CommandIds::kFileSave: DoFileSave(); break;
    case CommandIds::kFileSaveAs: DoSave(QString()); break;
    default: break;
    }
}
