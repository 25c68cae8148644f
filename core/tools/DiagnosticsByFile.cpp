#include "core/tools/DiagnosticsByFile.h"

#include <climits>
#include <cstdlib>
#include <memory>

namespace {
bool Resolve(const std::string& strPath, std::string& strReal)
{
    std::unique_ptr<char, decltype(&std::free)> pReal(realpath(strPath.c_str(), nullptr), &std::free);
    if (!pReal)
        return false;
    strReal = pReal.get();
    return true;
}
} // namespace

std::string CDiagnosticsByFile::RealPath(const std::string& strPath)
{
    std::string strReal;
    if (Resolve(strPath, strReal))
        return strReal;
    const std::size_t nSlash = strPath.rfind('/');
    if (nSlash != std::string::npos && nSlash > 0 && Resolve(strPath.substr(0, nSlash), strReal))
        return strReal + strPath.substr(nSlash);
    return strPath;
}

CDiagnosticsByFile::CDiagnosticsByFile(const std::vector<CJavacDiagnostic>& vecDiagnostics)
{
    // javac names a file the same way in each of its messages: resolve each
    // name once.
    std::unordered_map<std::string, std::vector<CJavacDiagnostic>*> mapByName;
    for (const CJavacDiagnostic& diagnostic : vecDiagnostics) {
        if (diagnostic.m_strFile.empty())
            continue;
        auto itName = mapByName.find(diagnostic.m_strFile);
        if (itName == mapByName.end())
            itName = mapByName.emplace(diagnostic.m_strFile, &m_mapFiles[RealPath(diagnostic.m_strFile)]).first;
        itName->second->push_back(diagnostic);
    }
}

const std::vector<CJavacDiagnostic>* CDiagnosticsByFile::Find(const std::string& strPath) const
{
    if (m_mapFiles.empty())
        return nullptr;
    auto it = m_mapFiles.find(RealPath(strPath));
    return it == m_mapFiles.end() ? nullptr : &it->second;
}
