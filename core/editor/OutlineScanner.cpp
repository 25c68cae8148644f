#include "core/editor/OutlineScanner.h"

#include "core/editor/ClassInfoSink.h"
#include "core/editor/OutlineForwardSearch.h"
#include "core/editor/OutlineText.h"

#include <climits>

static constexpr std::size_t kOutlineNone = std::string_view::npos;

void COutlineScanner::ScanClasses(std::string_view strText, IClassInfoSink* pSink, const std::string& strPathName)
{
    m_pSink = pSink;
    m_pPathName = &strPathName;
    if (m_pSink)
        m_pSink->ClearFileClasses(strPathName);

    m_strCurrentClass.clear();
    int nDepth = 0;
    m_nScanOffset = 0;
    m_functions.clear();
    m_positions.clear();
    m_bInNestedClass = false;

    // Offsets are ints, as the editor's are; a larger text is not scanned.
    if (strText.size() > static_cast<std::size_t>(INT_MAX))
        strText = std::string_view();

    // The remaining text starts at nPos. Every search runs forward from the
    // last answer, so the scan reads each byte a bounded number of times.
    COutlineForwardSearch open(strText, "{");
    COutlineForwardSearch close(strText, "}");
    COutlineForwardSearch blockStart(strText, "/*");
    COutlineForwardSearch blockEnd(strText, "*/");
    COutlineForwardSearch lineComment(strText, "//");
    COutlineForwardSearch lineFeed(strText, "\n");
    std::size_t nPos = 0;

    while (open.Find(nPos) != kOutlineNone) {
        // Comments in front of the next brace: their braces are not counted.
        for (;;) {
            const std::size_t nStart = blockStart.Find(nPos);
            const std::size_t nOpen = open.Find(nPos);
            const std::size_t nClose = close.Find(nPos);
            if (nStart == kOutlineNone || nOpen == kOutlineNone || nClose == kOutlineNone || nStart >= nOpen ||
                nStart >= nClose)
                break;
            const std::size_t nEnd = blockEnd.Find(nPos);
            if (nEnd == kOutlineNone)
                break;
            nPos = nEnd + 2;
        }
        for (;;) {
            const std::size_t nSlashes = lineComment.Find(nPos);
            const std::size_t nOpen = open.Find(nPos);
            const std::size_t nClose = close.Find(nPos);
            if (nSlashes == kOutlineNone || nOpen == kOutlineNone || nClose == kOutlineNone || nSlashes >= nOpen ||
                nSlashes >= nClose)
                break;
            const std::size_t nFeed = lineFeed.Find(nSlashes);
            if (nFeed == kOutlineNone)
                break;
            nPos = nFeed;
        }
        m_nScanOffset = static_cast<int>(nPos);

        const std::size_t nOpen = open.Find(nPos);
        const std::size_t nClose = close.Find(nPos);
        // Without a '}' ahead the depth can only fall until the scan ends, and
        // without a '{' nothing more is declared: nothing further is listed.
        if (nOpen == kOutlineNone || nClose == kOutlineNone)
            break;

        if (nOpen < nClose) {
            ++nDepth;
            m_nScanOffset = static_cast<int>(nOpen + 1);
            bool bScan = false;
            if (nDepth < 3) {
                m_bInNestedClass = false;
                bScan = true;
            } else if (nDepth == 3) {
                bScan = m_bInNestedClass;
            }
            if (bScan)
                ScanDeclaration(strText.substr(nPos, nOpen - nPos), nDepth);
            nPos = nOpen + 1;
        } else {
            --nDepth;
            nPos = nClose + 1;
            m_nScanOffset = static_cast<int>(nPos);
            if (nDepth < 0)
                break;
        }
    }

    if (m_pSink)
        m_pSink->UpdateProjectViews();
    m_pSink = nullptr;
    m_pPathName = nullptr;
}

void COutlineScanner::ScanDeclaration(std::string_view strHead, int nDepth)
{
    const std::string_view strDecl = COutlineText::TrimRightSpace(strHead);
    if (strDecl.empty())
        return;

    // The declaration starts on the last line, unless a parameter list or a
    // parameterless class header began on an earlier one.
    std::size_t nLine = strDecl.rfind('\n');
    if (nLine != kOutlineNone) {
        const std::size_t nParen = strDecl.rfind('(');
        if (nParen != kOutlineNone) {
            if (nParen < nLine)
                nLine = strDecl.rfind('\n', nParen);
        } else {
            const std::size_t nClass = strDecl.find("class ");
            if (nClass != kOutlineNone && nClass < nLine)
                nLine = strDecl.rfind('\n', nClass);
        }
    }
    const std::size_t nFrom = nLine == kOutlineNone ? 0 : nLine + 1;
    m_nDeclPos = m_nScanOffset - static_cast<int>(strHead.size()) - 1 + static_cast<int>(nFrom);

    const std::string_view strText = COutlineText::TrimLeftBlanks(strDecl.substr(nFrom));
    if (strText.empty())
        return;
    AddOutlineEntry(strText, nDepth);
}

void COutlineScanner::AddOutlineEntry(std::string_view strHead, int nDepth)
{
    const std::string strDecl = COutlineText::NormaliseOutlineSpaces(strHead);
    const std::string& strPath = *m_pPathName;
    std::string strEntry;

    const std::size_t nClassWord = strDecl.find("class ");
    const std::size_t nKeyword = nClassWord != kOutlineNone ? nClassWord : strDecl.find("interface ");
    if (nKeyword == kOutlineNone) {
        const std::size_t nParen = strDecl.find('(');
        if (nParen == kOutlineNone || nParen < 1)
            return;
        const std::string_view strBefore = COutlineText::TrimRightSpace(std::string_view(strDecl).substr(0, nParen));
        const std::size_t nSpace = strBefore.rfind(' ');
        const std::size_t nStart = nSpace == kOutlineNone ? 0 : nSpace + 1;
        const std::size_t nLastClose = strDecl.rfind(')');
        if (nLastClose == kOutlineNone)
            return;
        // A ')' that only stands before the name leaves an empty member text.
        const std::size_t nEnd = nLastClose + 1;
        const std::string_view strMember =
            nEnd > nStart ? std::string_view(strDecl).substr(nStart, nEnd - nStart) : std::string_view();

        if (nDepth < 3) {
            if (m_pSink)
                m_pSink->AddMember(strPath, m_strCurrentClass, std::string(strMember));
            strEntry.reserve(m_strCurrentClass.size() + 1 + strMember.size());
            strEntry.append(m_strCurrentClass).append(1, '.').append(strMember);
        } else {
            if (m_pSink)
                m_pSink->AddNestedMember(strPath, m_strCurrentClass, m_strNestedClass, std::string(strMember));
            strEntry.reserve(m_strCurrentClass.size() + m_strNestedClass.size() + 2 + strMember.size());
            strEntry.append(m_strCurrentClass).append(1, '.').append(m_strNestedClass).append(1, '.').append(strMember);
        }
    } else {
        const std::size_t nSpace = strDecl.find(' ', nKeyword);
        const std::size_t nNameEnd = strDecl.find_first_of("\r\t\n ", nSpace + 1);
        const std::string strName =
            strDecl.substr(nSpace + 1, nNameEnd == kOutlineNone ? std::string::npos : nNameEnd - (nSpace + 1));

        if (nDepth < 2) {
            m_strCurrentClass = strName;
            strEntry = strName;
            if (m_pSink)
                m_pSink->AddClass(strPath, strName);
        } else {
            m_strNestedClass = strName;
            strEntry = m_strCurrentClass + "." + strName;
            if (m_pSink)
                m_pSink->AddNestedClass(strPath, m_strCurrentClass, strName);
            m_bInNestedClass = true;
        }
    }

    m_functions.push_back(std::move(strEntry));
    m_positions.push_back(m_nDeclPos);
}

int COutlineScanner::GetPosition(int nIndex) const
{
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= m_positions.size())
        return kNoPosition;
    return m_positions[static_cast<std::size_t>(nIndex)];
}

int COutlineScanner::FindFunction(const std::string& strEntry) const
{
    for (std::size_t i = 0; i < m_functions.size(); ++i) {
        if (m_functions[i] == strEntry)
            return GetPosition(static_cast<int>(i));
    }
    return -1;
}

std::optional<COutlineLine> COutlineScanner::GetEntryLine(std::string_view strText, int nIndex) const
{
    const int nPosition = GetPosition(nIndex);
    if (nPosition == kNoPosition)
        return std::nullopt;
    return COutlineLine::Containing(strText, nPosition);
}
