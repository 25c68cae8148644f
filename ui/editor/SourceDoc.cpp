#include "ui/editor/SourceDoc.h"

#include "core/editor/LineEnds.h"
#include "core/editor/TextCommands.h"
#include "core/io/AtomicFile.h"
#include "core/io/FileBytes.h"
#include "ui/framework/DocTemplate.h"
#include "ui/framework/FrameHost.h"
#include "ui/framework/MdiChildFrame.h"
#include "ui/framework/PromptService.h"
#include "ui/editor/SourceView.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringDecoder>
#include <algorithm>

namespace {
QString FileNameOf(const std::string& strPathBytes)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(strPathBytes))).fileName();
}

// What a read-only UTF-16 or UTF-32 file shows: its text as UTF-8.
std::string DecodedText(const std::string& strBytes, ETextKind eKind)
{
    QStringDecoder::Encoding eEncoding = QStringDecoder::Utf32;
    if (eKind == ETextKind::Utf16) {
        eEncoding = QStringDecoder::Utf16LE;
        if (strBytes.size() >= 2 && strBytes[0] == '\xFE' && strBytes[1] == '\xFF')
            eEncoding = QStringDecoder::Utf16BE;
        else if (strBytes.size() >= 2 && !(strBytes[0] == '\xFF' && strBytes[1] == '\xFE')) {
            // No mark: big-endian text has its zero bytes first.
            std::size_t nEvenZeros = 0, nOddZeros = 0;
            for (std::size_t i = 0; i < std::min<std::size_t>(strBytes.size(), 64 * 1024); ++i)
                if (strBytes[i] == '\0')
                    ++(i % 2 == 0 ? nEvenZeros : nOddZeros);
            if (nEvenZeros > nOddZeros)
                eEncoding = QStringDecoder::Utf16BE;
        }
    }
    QStringDecoder decoder(eEncoding);
    QString strText = decoder(QByteArrayView(strBytes.data(), static_cast<qsizetype>(strBytes.size())));
    if (!strText.isEmpty() && strText.front() == QChar(0xFEFF))
        strText.remove(0, 1);
    return strText.toUtf8().toStdString();
}
} // namespace

CSourceDoc::CSourceDoc(CDocTemplate& docTemplate) : CDocument(docTemplate), m_lineEnds(CLineEnds::PlatformDefault())
{
    // The text's save point and the document's flag move together, whichever
    // window made the change.
    connect(&m_text, &CSourceText::ModifiedChanged, this, [this](bool bModified) { SetModifiedFlag(bModified); });
    connect(this, &CDocument::ModifiedChanged, this, [this](bool bModified) {
        if (!bModified && m_text.IsModified())
            m_text.SetSavePoint();
    });
    // Queued: a question must not come up in the middle of a file event or
    // an activation.
    connect(&m_watch, &CFileWatch::Changed, this, &CSourceDoc::CheckFileOnDisk, Qt::QueuedConnection);
    connect(
        qGuiApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState eState) {
            if (eState == Qt::ApplicationActive)
                CheckFileOnDisk();
        },
        Qt::QueuedConnection);
}

bool CSourceDoc::OnNewDocument()
{
    m_lineEnds.UseEverywhere(CLineEnds::PlatformDefault());
    m_eKind = ETextKind::Editable;
    m_text.Load(std::string());
    m_text.SetReadOnly(false);
    return CDocument::OnNewDocument();
}

bool CSourceDoc::OnOpenDocument(const QString& strPathName)
{
    return OnOpenDocumentBytes(QFile::encodeName(strPathName).toStdString());
}

bool CSourceDoc::OnOpenDocumentBytes(const std::string& strPathBytes)
{
    return LoadFile(strPathBytes, false);
}

bool CSourceDoc::LoadFile(const std::string& strPathBytes, bool bReload)
{
    // Stamped before the read: a change in between shows up as one later.
    const CFileStamp stamp = CFileStamp::Of(strPathBytes);
    std::string strBytes;
    CFileBytes::EReadFailure eFailure = CFileBytes::EReadFailure::None;
    std::string strReason;
    if (!CFileBytes::ReadRegular(strPathBytes, strBytes, eFailure, strReason)) {
        const QString strName = FileNameOf(strPathBytes);
        switch (eFailure) {
        case CFileBytes::EReadFailure::Denied: Warn(QStringLiteral("Access to %1 was denied.").arg(strName)); break;
        case CFileBytes::EReadFailure::NotRegular:
            Warn(QStringLiteral("%1 is not a regular file, so Tarnwick does not open it.").arg(strName));
            break;
        default: Warn(QStringLiteral("Could not open %1: %2.").arg(strName, QString::fromLocal8Bit(strReason))); break;
        }
        return false;
    }
    // Each window goes back to the line its caret was on.
    std::vector<std::pair<CSourceView*, std::pair<int, int>>> carets;
    if (bReload) {
        for (CMdiChildFrame* pFrame : GetFrames()) {
            if (auto* pView = dynamic_cast<CSourceView*>(pFrame->GetView())) {
                int nLine = 0, nIndex = 0;
                pView->getCursorPosition(&nLine, &nIndex);
                carets.push_back({pView, {nLine, pView->firstVisibleLine()}});
            }
        }
    }
    const ETextKind eOldKind = m_eKind;
    m_eKind = CTextEncoding::Classify(strBytes);
    if (m_eKind == ETextKind::Editable) {
        // The editor takes the text first; the bytes themselves then go to
        // the keeper of the breaks, not a copy of them.
        m_text.Load(strBytes);
        m_lineEnds.Load(std::move(strBytes), CLineEnds::PlatformDefault());
    } else {
        // Breaks and text as bytes mean nothing here: nothing is kept but
        // the file on disk, which is never written. Binary data is shown
        // as it is.
        m_lineEnds.UseEverywhere(CLineEnds::PlatformDefault());
        if (m_eKind == ETextKind::Binary)
            m_text.Load(strBytes);
        else
            m_text.Load(DecodedText(strBytes, m_eKind));
        if (!bReload || eOldKind != m_eKind)
            Warn(QStringLiteral("%1 is opened read-only: Tarnwick edits only 8-bit and UTF-8 text, and this file "
                                "looks like %2.")
                     .arg(FileNameOf(strPathBytes), QString::fromLatin1(CTextEncoding::KindName(m_eKind))));
    }
    m_text.SetReadOnly(IsReadOnly());
    SetModifiedFlag(false);
    m_strStampPath = strPathBytes;
    m_stamp = stamp;
    m_declined = CFileStamp();
    if (bReload) {
        for (const auto& [pView, lines] : carets) {
            pView->OnInitialUpdate();
            const int nLastLine = std::max(0, pView->lines() - 1);
            pView->setCursorPosition(std::min(lines.first, nLastLine), 0);
            pView->setFirstVisibleLine(std::min(lines.second, nLastLine));
        }
        OnReloaded();
    }
    return true;
}

void CSourceDoc::CheckFileOnDisk()
{
    if (m_bChecking || GetPathBytes().empty() || m_strStampPath != GetPathBytes())
        return;
    m_bChecking = true;
    WatchFile();
    const CFileStamp now = CFileStamp::Of(m_strStampPath);
    if (!now.ChangedSince(m_stamp) || (m_declined.Exists() && now == m_declined)) {
        m_bChecking = false;
        return;
    }
    if (!now.Exists()) {
        // The text here is all that is left of the file: keep it, and make
        // closing offer to save it.
        m_stamp = now;
        if (!IsReadOnly())
            SetModifiedFlag(true);
    } else if (!IsModified()) {
        LoadFile(m_strStampPath, true);
    } else {
        const QString strText =
            QStringLiteral("%1 was changed outside Tarnwick. Reload it and lose the changes made here?")
                .arg(GetTitle());
        if (Prompts().MessageBox(GetDocTemplate().Host().MainWidget(), strText, CPromptService::kYesNo,
                                 CPromptService::kIconWarning) == CPromptService::kAnswerYes)
            LoadFile(m_strStampPath, true);
        else
            m_declined = now;
    }
    m_bChecking = false;
}

void CSourceDoc::WatchFile()
{
    const QString strPath = QFile::decodeName(QByteArray::fromStdString(GetPathBytes()));
    // A name that is not UTF-8 does not survive the watcher's QString; such a
    // file is still looked at on activation and before saving.
    if (GetPathBytes().empty() || QFile::encodeName(strPath).toStdString() != GetPathBytes()) {
        m_watch.Watch(QString(), QString());
        return;
    }
    m_watch.Watch(strPath, QFileInfo(strPath).absolutePath());
}

void CSourceDoc::OnPathChanged()
{
    if (GetPathBytes() != m_strStampPath) {
        // Saved under a new name: the stamp is the one the save took.
        m_strStampPath = GetPathBytes();
        m_stamp = m_strWrittenPath == m_strStampPath ? m_writtenStamp : CFileStamp::Of(m_strStampPath);
        m_declined = CFileStamp();
    }
    WatchFile();
}

void CSourceDoc::OnFrameActivated()
{
    CheckFileOnDisk();
}

bool CSourceDoc::OnSaveDocument(const QString& strPathName)
{
    return OnSaveDocumentBytes(QFile::encodeName(strPathName).toStdString());
}

bool CSourceDoc::OnSaveDocumentBytes(const std::string& strPathBytes)
{
    if (IsReadOnly()) {
        Warn(QStringLiteral("%1 was not saved: it is open read-only, as its %2 cannot be edited here.")
                 .arg(FileNameOf(GetPathBytes()), QString::fromLatin1(CTextEncoding::KindName(m_eKind))));
        return false;
    }
    if (!strPathBytes.empty() && strPathBytes == m_strStampPath) {
        // A deleted file is simply written again; a changed one only when
        // the user says so.
        const CFileStamp now = CFileStamp::Of(strPathBytes);
        if (now.Exists() && now.ChangedSince(m_stamp)) {
            const QString strText =
                QStringLiteral("%1 was changed outside Tarnwick. Overwrite it?").arg(FileNameOf(strPathBytes));
            if (Prompts().MessageBox(GetDocTemplate().Host().MainWidget(), strText, CPromptService::kYesNo,
                                     CPromptService::kIconWarning) != CPromptService::kAnswerYes)
                return false;
        }
    }
    OnBeforeSave();
    std::string strBytes = m_lineEnds.BytesFor(m_text.View());

    // Written next to the file and renamed over it, so a failure never leaves
    // a half-written file behind.
    std::string strReason;
    if (!CAtomicFile::Replace(strPathBytes, strBytes, strReason)) {
        Warn(QStringLiteral("Could not save %1: %2.").arg(FileNameOf(strPathBytes), QString::fromLocal8Bit(strReason)));
        return false;
    }
    // The next save keeps the breaks of what is on disk now.
    const ELineEnd eMajority = m_lineEnds.Majority();
    m_lineEnds.Load(std::move(strBytes), eMajority);
    m_strWrittenPath = strPathBytes;
    m_writtenStamp = CFileStamp::Of(strPathBytes);
    if (strPathBytes == m_strStampPath) {
        m_stamp = m_writtenStamp;
        m_declined = CFileStamp();
        WatchFile();
    }
    SetModifiedFlag(false);
    return true;
}

bool CSourceDoc::ReplaceText(const std::string& strText)
{
    if (IsReadOnly())
        return false;
    m_text.ReplaceAll(strText);
    SetModifiedFlag(true);
    return true;
}

bool CSourceDoc::ConvertLinebreaks()
{
    if (!ReplaceText(CTextCommands::ConvertLinebreaks(m_text.View())))
        return false;
    // The text holds CR LF already; what changes is what the file gets.
    UseLineEndEverywhere(ELineEnd::CrLf);
    return true;
}

void CSourceDoc::Warn(const QString& strText)
{
    Prompts().MessageBox(GetDocTemplate().Host().MainWidget(), strText, CPromptService::kOk,
                         CPromptService::kIconWarning);
}
