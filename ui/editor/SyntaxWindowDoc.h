#pragma once

#include "core/editor/LineEndKeeper.h"
#include "core/editor/OutlineScanner.h"
#include "core/editor/TextEncoding.h"
#include "ui/framework/Document.h"
#include "ui/framework/SourceNavigator.h"

#include <string>

class CSyntaxWindowView;

// A Java source file. The text itself lives in the views' shared editor
// text; the document keeps what the file looked like on disk (the line
// break of each line) and the outline of its classes and methods. A file the
// editor cannot show faithfully (UTF-16, binary data) is shown read-only and
// never saved.
class CSyntaxWindowDoc : public CDocument, public ISourceNavigator {
    Q_OBJECT
public:
    explicit CSyntaxWindowDoc(CDocTemplate& docTemplate);

    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& strPathName) override;
    bool OnOpenDocumentBytes(const std::string& strPathBytes) override;
    bool OnSaveDocument(const QString& strPathName) override;
    // Refreshes the outline first, then writes the file atomically, every
    // unedited line with its own break; says so and stays modified when it
    // fails. A read-only document is refused.
    bool OnSaveDocumentBytes(const std::string& strPathBytes) override;

    // The loaded text in CR LF form, handed once to the first view.
    std::string TakeLoadedText();
    // The convention edited and new lines are saved with.
    ELineEnd GetLineEnd() const { return m_lineEnds.Majority(); }
    // From now on every line is saved with eLineEnd (Convert Linebreaks).
    void UseLineEndEverywhere(ELineEnd eLineEnd) { m_lineEnds.UseEverywhere(eLineEnd); }
    bool IsReadOnly() const { return m_eKind != ETextKind::Editable; }
    CSyntaxWindowView* FirstView() const;

    // Rebuilds the outline; while a project is open it also records the
    // file's classes and members there.
    void ScanClasses(std::string_view strText);
    const COutlineScanner& Outline() const { return m_outline; }
    // The position recorded for the first entry equal to strEntry, or -1.
    int FindFunction(const std::string& strEntry) override;
    void GoToPosition(int nPos) override;
    void SelectLine(int nLine) override;

private:
    void Warn(const QString& strText);

    CLineEndKeeper m_lineEnds;
    ETextKind m_eKind = ETextKind::Editable;
    std::string m_strLoadedText;
    COutlineScanner m_outline;
};
