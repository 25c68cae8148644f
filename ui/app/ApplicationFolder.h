#pragma once

#include <QString>

// The folder that holds the program's data (help pages, tips): beside the
// executable in the build tree, share/tarnwick once installed.
QString FindApplicationFolder();
