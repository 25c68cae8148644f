#pragma once

#include "core/editor/OutlineLine.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IClassInfoSink;

// Finds the classes and methods of a Java source text for the function
// drop-down, counting braces and reading the text in front of each '{'.
// The reading is heuristic on purpose: what it lists and misses is part of
// the behaviour users and the project window rely on.
//
// Entry texts: "Class", "Class.member(args)", "Class.Nested",
// "Class.Nested.member(args)". Positions are offsets in the CR LF text.
class COutlineScanner {
public:
    static constexpr int kNoPosition = -1;

    // Rebuilds the outline from strText (CR LF line breaks). With a sink (a
    // project is open) the file's class information is cleared, refilled and
    // the project views are told to update. Runs in time linear in the text.
    void ScanClasses(std::string_view strText, IClassInfoSink* pSink = nullptr,
                     const std::string& strPathName = std::string());

    const std::vector<std::string>& GetFunctions() const { return m_functions; }

    // The offset recorded for entry nIndex; kNoPosition when there is no such
    // entry. Every entry has one, however many the file lists.
    int GetPosition(int nIndex) const;

    // Position of the first entry equal to strEntry (case-sensitive), or -1.
    int FindFunction(const std::string& strEntry) const;

    // The line to select when entry nIndex is chosen; none when there is no
    // such entry.
    std::optional<COutlineLine> GetEntryLine(std::string_view strText, int nIndex) const;

private:
    void ScanDeclaration(std::string_view strHead, int nDepth);
    void AddOutlineEntry(std::string_view strHead, int nDepth);

    bool m_bInNestedClass = false;
    std::string m_strNestedClass;
    int m_nDeclPos = 0;
    std::vector<int> m_positions; // by entry index, as long as m_functions
    std::string m_strCurrentClass;
    std::vector<std::string> m_functions;
    int m_nScanOffset = 0;

    // Only set while a scan runs.
    IClassInfoSink* m_pSink = nullptr;
    const std::string* m_pPathName = nullptr;
};
