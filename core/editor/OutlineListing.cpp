#include "core/editor/OutlineListing.h"

#include "core/editor/OutlineScanner.h"

std::string COutlineListing::Write(const COutlineScanner& scanner)
{
    std::string strOut;
    const std::vector<std::string>& functions = scanner.GetFunctions();
    for (std::size_t nIndex = 0; nIndex < functions.size(); ++nIndex) {
        const int nPosition = scanner.GetPosition(static_cast<int>(nIndex));
        strOut += nPosition == COutlineScanner::kNoPosition ? std::string("-") : std::to_string(nPosition);
        strOut += '\t';
        strOut += functions[nIndex];
        strOut += '\n';
    }
    return strOut;
}
