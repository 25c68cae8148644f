#include "ui/editor/SyntaxWindowDoc.h"

#include "ui/app/OpenProject.h"
#include "ui/app/TarnwickApp.h"
#include "ui/editor/SyntaxWindowView.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

CSyntaxWindowDoc::CSyntaxWindowDoc(CDocTemplate& docTemplate)
    : CDocument(docTemplate), m_eLineEnd(CLineEnds::PlatformDefault())
{
}

bool CSyntaxWindowDoc::OnNewDocument()
{
    m_eLineEnd = CLineEnds::PlatformDefault();
    m_strLoadedText.clear();
    return CDocument::OnNewDocument();
}

bool CSyntaxWindowDoc::OnOpenDocument(const QString& strPathName)
{
    QFile file(strPathName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        QString strText = file.error() == QFileDevice::PermissionsError
                              ? QStringLiteral("Access to %1 was denied.").arg(QFileInfo(strPathName).fileName())
                              : QStringLiteral("Failed to open document.");
        Prompts().MessageBox(GetDocTemplate().Host().MainWidget(), strText, CPromptService::kOk,
                             CPromptService::kIconWarning);
        return false;
    }
    std::string_view strBytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    m_eLineEnd = CLineEnds::Detect(strBytes, CLineEnds::PlatformDefault());
    m_strLoadedText = CLineEnds::ToCrLf(strBytes);
    SetModifiedFlag(false);
    return true;
}

bool CSyntaxWindowDoc::OnSaveDocument(const QString& strPathName)
{
    CSyntaxWindowView* pView = FirstView();
    if (pView)
        pView->RefreshFunctionList();
    std::string strBytes = CLineEnds::FromCrLf(pView ? pView->TextView() : std::string_view(m_strLoadedText), m_eLineEnd);

    // Written next to the file and renamed over it, so a failure never leaves
    // a half-written file behind.
    QSaveFile file(strPathName);
    bool bSaved = file.open(QIODevice::WriteOnly) &&
                  file.write(strBytes.data(), static_cast<qint64>(strBytes.size())) ==
                      static_cast<qint64>(strBytes.size()) &&
                  file.commit();
    if (!bSaved) {
        QFileInfo target(strPathName);
        bool bDenied = target.dir().exists() && (!QFileInfo(target.absolutePath()).isWritable() ||
                                                 (target.exists() && !target.isWritable()));
        QString strText = bDenied ? QStringLiteral("Access to %1 was denied.").arg(target.fileName())
                                  : QStringLiteral("Failed to save document.");
        Prompts().MessageBox(GetDocTemplate().Host().MainWidget(), strText, CPromptService::kOk,
                             CPromptService::kIconWarning);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

std::string CSyntaxWindowDoc::TakeLoadedText()
{
    std::string strText;
    strText.swap(m_strLoadedText);
    return strText;
}

CSyntaxWindowView* CSyntaxWindowDoc::FirstView() const
{
    CMdiChildFrame* pFrame = FirstFrame();
    return pFrame ? dynamic_cast<CSyntaxWindowView*>(pFrame->GetView()) : nullptr;
}

void CSyntaxWindowDoc::ScanClasses(std::string_view strText)
{
    CTarnwickApp* pApp = CTarnwickApp::Instance();
    IOpenProject* pProject = pApp ? pApp->GetProjectDoc() : nullptr;
    m_outline.ScanClasses(strText, pProject ? &pProject->ClassInfo() : nullptr, GetPathName().toStdString());
}

int CSyntaxWindowDoc::FindFunction(const std::string& strEntry)
{
    return m_outline.FindFunction(strEntry);
}

void CSyntaxWindowDoc::GoToPosition(int nPos)
{
    if (CSyntaxWindowView* pView = FirstView())
        pView->GoToPosition(nPos);
}

void CSyntaxWindowDoc::SelectLine(int nLine)
{
    if (CSyntaxWindowView* pView = FirstView())
        pView->SelectLine(nLine);
}
