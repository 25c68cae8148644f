#include "core/editor/OutlineListing.h"

#include "core/editor/OutlineScanner.h"

std::string COutlineListing::Write(const COutlineScanner& scanner)
{
    std::string strOut;
    const std::vector<std::string>& functions = scanner.GetFunctions();
    for (std::size_t nIndex = 0; nIndex < functions.size(); ++nIndex) {
        strOut += std::to_string(scanner.GetPosition(static_cast<int>(nIndex)));
        strOut += '\t';
        strOut += functions[nIndex];
        strOut += '\n';
    }
    return strOut;
}
