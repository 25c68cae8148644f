#pragma once

struct CFinishedRun;
class IAppServices;

// Puts what a finished javac run said on the open Java editors, as
// CCompilerMessagePlan decides: a Build brings every open Java file up to
// date (no message: its marks go); a Compile its own file and every file the
// output names. Other runs leave the marks alone.
class CCompilerMessagesRun {
public:
    static void Show(const CFinishedRun& run, IAppServices& services);
};
