// Feeds arbitrary text to the outline scanner. Every listed entry must have a
// position inside the text (or none past the position table), its line must
// lie inside the text, the project sink must hear of exactly the listed
// entries between one clear and one update, and a second scan with the same
// scanner must list the same.
#include "core/editor/ClassInfoSink.h"
#include "core/editor/OutlineListing.h"
#include "core/editor/OutlineScanner.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

// Records the calls as outline texts, in order.
class CRecordingSink : public IClassInfoSink {
public:
    void ClearFileClasses(const std::string& strPath) override { m_calls.push_back("clear " + strPath); }
    void AddClass(const std::string&, const std::string& strClass) override { m_calls.push_back(strClass); }
    void AddMember(const std::string&, const std::string& strClass, const std::string& strMember) override
    {
        m_calls.push_back(strClass + "." + strMember);
    }
    void AddNestedClass(const std::string&, const std::string& strClass, const std::string& strNested) override
    {
        m_calls.push_back(strClass + "." + strNested);
    }
    void AddNestedMember(const std::string&, const std::string& strClass, const std::string& strNested,
                         const std::string& strMember) override
    {
        m_calls.push_back(strClass + "." + strNested + "." + strMember);
    }
    void UpdateProjectViews() override { m_calls.push_back("update"); }

    std::vector<std::string> m_calls;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view strText(reinterpret_cast<const char*>(pData), nSize);
    COutlineScanner scanner;
    scanner.ScanClasses(strText);
    const std::vector<std::string>& functions = scanner.GetFunctions();
    const int nCount = static_cast<int>(functions.size());
    for (int nIndex = 0; nIndex < nCount; ++nIndex) {
        const int nPosition = scanner.GetPosition(nIndex);
        Check(nPosition >= 0 && static_cast<std::size_t>(nPosition) < nSize);
        const auto line = scanner.GetEntryLine(strText, nIndex);
        Check(line && line->m_nStart <= nPosition && nPosition <= line->m_nEnd);
        Check(line->m_nStart >= 0 && static_cast<std::size_t>(line->m_nEnd) <= nSize);
        const int nFound = scanner.FindFunction(functions[static_cast<std::size_t>(nIndex)]);
        Check(nFound != -1 && nFound <= nPosition);
    }
    Check(scanner.GetPosition(nCount) == COutlineScanner::kNoPosition);
    Check(scanner.GetPosition(-1) == COutlineScanner::kNoPosition);

    const std::string strListing = COutlineListing::Write(scanner);
    // One line per entry; an entry keeps any lone line feed of its declaration.
    std::size_t nFeeds = functions.size();
    for (const std::string& strEntry : functions)
        for (char c : strEntry)
            nFeeds += c == '\n' ? 1 : 0;
    std::size_t nLines = 0;
    for (char c : strListing)
        nLines += c == '\n' ? 1 : 0;
    Check(nLines == nFeeds);

    CRecordingSink sink;
    scanner.ScanClasses(strText, &sink, "/p/F.java");
    Check(COutlineListing::Write(scanner) == strListing);
    Check(sink.m_calls.size() == functions.size() + 2);
    Check(sink.m_calls.front() == "clear /p/F.java" && sink.m_calls.back() == "update");
    for (std::size_t i = 0; i < functions.size(); ++i)
        Check(sink.m_calls[i + 1] == functions[i]);
    return 0;
}
