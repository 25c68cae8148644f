#include "core/app/AppCommandRules.h"

#include "core/app/CommandTable.h"

namespace {
ECommandEnable EnabledWhen(bool bCondition)
{
    return bCondition ? ECommandEnable::Enabled : ECommandEnable::Disabled;
}
} // namespace

ECommandEnable ApplicationCommandEnable(int nId, const CAppCommandState& state)
{
    const CCommand* pCommand = FindCommand(nId);
    if (!pCommand)
        return ECommandEnable::NotServed;
    switch (pCommand->m_eEnable) {
    case EEnableRule::Served: break;
    case EEnableRule::ProjectOpen: return EnabledWhen(state.m_bProjectOpen);
    case EEnableRule::ProjectOpenIdle: return EnabledWhen(state.m_bProjectOpen && !state.m_bToolRunning);
    case EEnableRule::MainHtmlFileSet: return EnabledWhen(state.m_bProjectOpen && state.m_bMainHtmlFileSet);
    }
    return ECommandEnable::NotServed;
}
