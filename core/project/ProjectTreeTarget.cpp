#include "core/project/ProjectTreeTarget.h"

#include "core/project/JavaProjectCore.h"

CProjectTreeTarget CProjectTreeTarget::Resolve(CJavaProjectCore& project, const std::vector<std::string>& vecTexts)
{
    CProjectTreeTarget answer;
    if (vecTexts.empty())
        return answer;
    answer.m_strText = vecTexts.back();
    const std::string strPath = project.GetFilePath(answer.m_strText);
    if (strPath != CJavaProjectCore::kNoFile) {
        answer.m_eKind = EKind::File;
        answer.m_strPath = strPath;
        return answer;
    }
    if (auto target = project.FindClassTarget(answer.m_strText))
        answer.m_targets.push_back(*target);
    const std::size_t nCount = vecTexts.size();
    answer.m_bTopLevel = nCount < 2;
    if (answer.m_bTopLevel)
        return answer;
    const std::string& strFileName = vecTexts.front();
    const std::string& strParent = vecTexts[nCount - 2];
    // Without a grandparent the class path starts with the dot, so it
    // finds nothing, as the member of the parent was tried already.
    const std::string strGrandparent = nCount >= 3 ? vecTexts[nCount - 3] : std::string();
    if (auto target = project.FindMemberTarget(strFileName, strParent, answer.m_strText))
        answer.m_targets.push_back(*target);
    if (auto target = project.FindMemberTarget(strFileName, strGrandparent + "." + strParent, answer.m_strText))
        answer.m_targets.push_back(*target);
    return answer;
}
