#pragma once

#include "core/editor/OutlineScanner.h"
#include "ui/editor/SourceDoc.h"
#include "ui/framework/SourceNavigator.h"

#include <string>

class CSyntaxWindowView;

// A Java source file: the text every window shares, the outline of its
// classes and methods, and the first window for the navigation that shows
// a place in the file.
class CSyntaxWindowDoc : public CSourceDoc, public ISourceNavigator {
    Q_OBJECT
public:
    explicit CSyntaxWindowDoc(CDocTemplate& docTemplate);

    CSyntaxWindowView* FirstView() const;

    // Rebuilds the outline from the text; while a project is open it also
    // records the file's classes and members there.
    void ScanClasses();
    const COutlineScanner& Outline() const { return m_outline; }
    // The position recorded for the first entry equal to strEntry, or -1.
    int FindFunction(const std::string& strEntry) override;
    void GoToPosition(int nPos) override;
    void SelectLine(int nLine) override;

    // An untitled text offers its public type's file name ("Hello.java").
    QString ProposedFileName() const override;

protected:
    // A save refreshes the outline first.
    void OnBeforeSave() override;
    // So does a reload of the file.
    void OnReloaded() override;

private:
    COutlineScanner m_outline;
};
