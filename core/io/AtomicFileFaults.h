#pragma once

// For tests only: makes one step of CAtomicFile::Replace fail as if the
// system had refused it, so every failure path can be driven on purpose.
enum class EAtomicFileStep {
    None,
    OpenTemp,     // creating the temporary file
    KeepMode,     // copying the old file's mode onto it
    Write,        // writing the bytes into it
    Sync,         // flushing it to disk
    Rename,       // renaming it over the target
    OpenInPlace,  // hard-linked target: opening the target itself
    WriteInPlace, // hard-linked target: writing the bytes into it
    SyncInPlace,  // hard-linked target: flushing it
};

// The step that fails, every time the save reaches it, and the error it
// fails with. The default fails nothing.
struct CAtomicFileFaults {
    EAtomicFileStep m_eFailStep = EAtomicFileStep::None;
    int m_nErrno = 0;
};
