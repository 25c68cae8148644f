#pragma once

#include "ui/framework/CommandTarget.h"

#include <functional>
#include <vector>

// Routes a command along the chain of targets (active view, its document,
// its frame, the main frame, the application). The first target with an
// update rule decides the command's state; without one, a command is
// enabled exactly when some target serves it.
class CCommandRouter {
public:
    using ChainProvider = std::function<std::vector<ICommandTarget*>()>;

    void SetChainProvider(ChainProvider provider) { m_provider = std::move(provider); }

    CCmdUI Update(int nId) const;
    // Runs the command when it is enabled; false when nothing ran.
    bool Execute(int nId);

private:
    std::vector<ICommandTarget*> Chain() const;

    ChainProvider m_provider;
};
