#include "ui/framework/CommandRouter.h"

std::vector<ICommandTarget*> CCommandRouter::Chain() const
{
    std::vector<ICommandTarget*> chain;
    if (m_provider) {
        for (ICommandTarget* pTarget : m_provider())
            if (pTarget)
                chain.push_back(pTarget);
    }
    return chain;
}

CCmdUI CCommandRouter::Update(int nId) const
{
    CCmdUI cmdUI;
    auto chain = Chain();
    for (ICommandTarget* pTarget : chain) {
        if (pTarget->OnUpdateCommand(nId, cmdUI))
            return cmdUI;
    }
    bool bServed = false;
    for (ICommandTarget* pTarget : chain)
        bServed = bServed || pTarget->HandlesCommand(nId);
    cmdUI.Enable(bServed);
    return cmdUI;
}

bool CCommandRouter::Execute(int nId)
{
    if (!Update(nId).m_bEnabled)
        return false;
    for (ICommandTarget* pTarget : Chain()) {
        if (pTarget->HandlesCommand(nId)) {
            pTarget->OnCommand(nId);
            return true;
        }
    }
    return false;
}
