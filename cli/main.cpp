#include "cli/ProjectCommand.h"
#include "core/CoreVersion.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {
void PrintUsage(std::FILE* pOut)
{
    std::fprintf(pOut, "Usage: tarnwick-cli [--help] [--version]\n"
                       "       tarnwick-cli project COMMAND ...   (tarnwick-cli project --help)\n"
                       "Headless companion of the Tarnwick IDE.\n"
                       "  --help      show this text\n"
                       "  --version   show the version\n"
                       "  project     create, edit and list .jpr project files\n");
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tarnwick-cli %s\n", TarnwickVersion());
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "project") == 0)
        return CProjectCommand::Run(std::vector<std::string>(argv + 2, argv + argc));
    PrintUsage(stderr);
    return 2;
}
