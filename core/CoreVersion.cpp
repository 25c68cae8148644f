#include "core/CoreVersion.h"

const char* TarnwickVersion()
{
    return "0.1.0";
}
