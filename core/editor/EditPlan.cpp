#include "core/editor/EditPlan.h"

#include <algorithm>

std::string CEditPlan::ApplyTo(std::string_view strText) const
{
    // The edited text is always strOut followed by strText from nCopied on, so
    // steps in text order need one forward copy.
    std::string strOut;
    strOut.reserve(strText.size() + 64);
    std::size_t nCopied = 0;
    std::size_t nStep = 0;
    for (; nStep < m_steps.size(); ++nStep) {
        const CStep& step = m_steps[nStep];
        if (step.m_nStart < strOut.size())
            break; // out of order: finish one step at a time below
        const std::size_t nSkip = std::min(step.m_nStart - strOut.size(), strText.size() - nCopied);
        strOut.append(strText.substr(nCopied, nSkip));
        nCopied += nSkip;
        nCopied += std::min(step.m_nLength, strText.size() - nCopied);
        strOut.append(step.m_strInsert);
    }
    strOut.append(strText.substr(nCopied));
    for (; nStep < m_steps.size(); ++nStep) {
        const CStep& step = m_steps[nStep];
        const std::size_t nStart = std::min(step.m_nStart, strOut.size());
        strOut.replace(nStart, std::min(step.m_nLength, strOut.size() - nStart), step.m_strInsert);
    }
    return strOut;
}
