#pragma once

#include "core/editor/LineEnds.h"
#include "core/editor/OutlineScanner.h"
#include "ui/framework/Document.h"
#include "ui/project/SourceNavigator.h"

#include <string>

class CSyntaxWindowView;

// A Java source file. The text itself lives in the views' shared editor
// text; the document keeps what the file looked like on disk (its line-break
// convention) and the outline of its classes and methods.
class CSyntaxWindowDoc : public CDocument, public ISourceNavigator {
    Q_OBJECT
public:
    explicit CSyntaxWindowDoc(CDocTemplate& docTemplate);

    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& strPathName) override;
    // Refreshes the outline first, then writes the file atomically in its
    // own line-break convention; says so and stays modified when it fails.
    bool OnSaveDocument(const QString& strPathName) override;

    // The loaded text in CR LF form, handed once to the first view.
    std::string TakeLoadedText();
    ELineEnd GetLineEnd() const { return m_eLineEnd; }
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
    ELineEnd m_eLineEnd;
    std::string m_strLoadedText;
    COutlineScanner m_outline;
};
