#include "core/tools/CommandLineSplitter.h"

static bool IsArgumentBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<std::string> CCommandLineSplitter::SplitWindowsArguments(const std::string& strText)
{
    std::vector<std::string> vecWords;
    const std::size_t nLength = strText.size();
    std::size_t i = 0;
    bool bInQuotes = false;
    for (;;) {
        while (i < nLength && IsArgumentBlank(strText[i]))
            ++i;
        if (i >= nLength)
            break;

        std::string strWord;
        for (;;) {
            std::size_t nSlashes = 0;
            while (i < nLength && strText[i] == '\\') {
                ++nSlashes;
                ++i;
            }
            bool bCopyChar = true;
            if (i < nLength && strText[i] == '"') {
                if (nSlashes % 2 == 0) {
                    if (bInQuotes && i + 1 < nLength && strText[i + 1] == '"')
                        ++i; // "" inside quotes stands for one literal quote
                    else {
                        bCopyChar = false;
                        bInQuotes = !bInQuotes;
                    }
                }
                nSlashes /= 2;
            }
            strWord.append(nSlashes, '\\');
            if (i >= nLength || (!bInQuotes && IsArgumentBlank(strText[i])))
                break;
            if (bCopyChar)
                strWord.push_back(strText[i]);
            ++i;
        }
        vecWords.push_back(std::move(strWord));
    }
    return vecWords;
}

static void AppendQuotedWord(const std::string& strWord, std::string& strOut)
{
    if (!strWord.empty() && strWord.find_first_of(" \t\"") == std::string::npos) {
        strOut += strWord; // backslashes not followed by a quote stay literal
        return;
    }
    strOut.push_back('"');
    std::size_t nSlashes = 0;
    for (const char ch : strWord) {
        if (ch == '\\') {
            ++nSlashes;
            continue;
        }
        // Before a quote, 2n+1 backslashes give n and the quote itself.
        strOut.append(ch == '"' ? 2 * nSlashes + 1 : nSlashes, '\\');
        strOut.push_back(ch);
        nSlashes = 0;
    }
    // The closing quote must not be escaped by trailing backslashes.
    strOut.append(2 * nSlashes, '\\');
    strOut.push_back('"');
}

std::string CCommandLineSplitter::JoinWindowsArguments(const std::vector<std::string>& vecWords)
{
    std::string strOut;
    for (std::size_t nIndex = 0; nIndex < vecWords.size(); ++nIndex) {
        if (nIndex > 0)
            strOut.push_back(' ');
        AppendQuotedWord(vecWords[nIndex], strOut);
    }
    return strOut;
}
