#include "core/app/AppCommandRules.h"

#include "core/app/CommandIds.h"

using namespace CommandIds;

namespace {
ECommandEnable EnabledWhen(bool bCondition)
{
    return bCondition ? ECommandEnable::Enabled : ECommandEnable::Disabled;
}
} // namespace

ECommandEnable ApplicationCommandEnable(int nId, const CAppCommandState& state)
{
    switch (nId) {
    case kFileNew:
    case kFileOpen:
    case kFilePrintSetup:
    case kAppAbout:
    case kTipOfTheDay:
    case kPreferences:
    case kNewProject:
    case kOpenProject:
    case kCloseProject:
    case kRecentProjects:
    case kSaveAll:
    case kHelp:
    case kBuild:
        return ECommandEnable::Enabled;
    case kRunApplication:
    case kCompile:
        return EnabledWhen(state.m_bProjectOpen && !state.m_bToolRunning);
    case kJdkHelp:
        // Only the Java source view serves it; reaching here means another
        // window, or none, is active.
        return ECommandEnable::Disabled;
    case kRunWithConsole:
    case kAddJavaFiles:
    case kAddHtmlFile:
    case kProjectWindowButton:
    case kProjectWindow:
    case kCreateJar:
    case kShowArchiveContents:
        return EnabledWhen(state.m_bProjectOpen);
    case kRunApplet:
        return EnabledWhen(state.m_bProjectOpen && state.m_bMainHtmlFileSet);
    default:
        return ECommandEnable::NotServed;
    }
}
