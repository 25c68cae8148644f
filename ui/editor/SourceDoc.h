#pragma once

#include "core/editor/LineEndKeeper.h"
#include "core/editor/TextEncoding.h"
#include "ui/editor/SourceText.h"
#include "ui/framework/Document.h"

#include <string>
#include <string_view>

// A source file shown in editor windows. The document owns the text, which
// every window on it shares, and keeps what the file looked like on disk
// (the line break of each line). A file the editor cannot show faithfully
// (UTF-16, binary data) is shown read-only and never saved.
class CSourceDoc : public CDocument {
    Q_OBJECT
public:
    explicit CSourceDoc(CDocTemplate& docTemplate);

    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& strPathName) override;
    bool OnOpenDocumentBytes(const std::string& strPathBytes) override;
    bool OnSaveDocument(const QString& strPathName) override;
    // Writes the text atomically, every unedited line with its own break;
    // says so and stays modified when it fails. A read-only document is
    // refused.
    bool OnSaveDocumentBytes(const std::string& strPathBytes) override;

    CSourceText& Text() { return m_text; }
    // The text in CR LF form; valid until the next change of the text.
    std::string_view TextView() const { return m_text.View(); }
    // The convention edited and new lines are saved with.
    ELineEnd GetLineEnd() const { return m_lineEnds.Majority(); }
    // From now on every line is saved with eLineEnd.
    void UseLineEndEverywhere(ELineEnd eLineEnd) { m_lineEnds.UseEverywhere(eLineEnd); }
    bool IsReadOnly() const { return m_eKind != ETextKind::Editable; }

    // Replaces the whole text as one undo step and marks the document
    // modified; false for a read-only document.
    bool ReplaceText(const std::string& strText);
    // Gives every line a CR LF break, in the text and in the file from now on.
    bool ConvertLinebreaks();

protected:
    // Called just before the text is written.
    virtual void OnBeforeSave() {}
    void Warn(const QString& strText);

private:
    CLineEndKeeper m_lineEnds;
    ETextKind m_eKind = ETextKind::Editable;
    CSourceText m_text;
};
