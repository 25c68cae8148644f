#pragma once

#include <string>

class CJavaProjectCore;

// A plain-text listing of a project for reading at a terminal: files, main
// files, switches, and the classes with their members as the outline found
// them. Each line ends with LF; inside texts every control character (C0 but
// tab, DEL, C1) and every byte that is not UTF-8 is shown as \xNN.
class CProjectDump {
public:
    // Paths are shown as stored; a file whose project has moved since is
    // followed by the path it resolves to now (which rebases the entry).
    static std::string Write(CJavaProjectCore& project);
};
