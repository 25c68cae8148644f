#pragma once

#include "core/tools/FinishedRun.h"
#include "core/tools/JavacDiagnostic.h"

#include <cstddef>
#include <string>
#include <vector>

// What a finished javac run means for the open files: which of them get
// which of its messages, and which have their old ones cleared. A Build
// stands for every open Java file (one it does not name has no messages
// left); a Compile for its own file and every file the output names. Other
// runs change nothing. The IDE puts the result on its editors; the command
// line prints the messages.
class CCompilerMessagePlan {
public:
    // One open file, by its place in the paths given, and its messages from
    // the run in javac's order; none: its marks go.
    struct CFileMessages {
        std::size_t m_nPathIndex = 0;
        std::vector<CJavacDiagnostic> m_vecMessages;
    };

    // javac's messages in the run's tool output, files taken against the
    // folder it ran in. Once the oldest output was dropped the kept text
    // starts with the rest of a cut line, which is left out too: read alone
    // it could pass for a message of another file. nLeftOut receives how
    // many bytes of the tool's output were not read.
    static std::vector<CJavacDiagnostic> ReadMessages(const CFinishedRun& run, std::size_t& nLeftOut);

    // For each of vecOpenPaths (the open documents' paths, as the system's
    // bytes) that the run speaks for, in their order: its messages.
    // Untitled (empty) paths and the files the run says nothing about are
    // left out.
    static std::vector<CFileMessages> Make(const CFinishedRun& run, const std::vector<std::string>& vecOpenPaths);
};
