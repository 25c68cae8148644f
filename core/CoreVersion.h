#pragma once

// The program's version, shown by the about box and `tarnwick-cli --version`.
const char* TarnwickVersion();
