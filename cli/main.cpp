#include "cli/CliIo.h"
#include "cli/ColourCommand.h"
#include "cli/FindCommand.h"
#include "cli/JdkCommand.h"
#include "cli/OutlineCommand.h"
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
                       "       tarnwick-cli build [--print] [--diagnostics] PROJECT.jpr\n"
                       "       tarnwick-cli compile [--print] [--diagnostics] [--project PROJECT.jpr] FILE.java\n"
                       "       tarnwick-cli run [--print] [--stdin] PROJECT.jpr [-- ARGS...]\n"
                       "       tarnwick-cli jar create [--print] PROJECT.jpr OUT.jar\n"
                       "       tarnwick-cli jar list [--print] FILE.jar\n"
                       "       tarnwick-cli colour [--html] [--codes] FILE (tarnwick-cli colour --help)\n"
                       "       tarnwick-cli outline [--project PATH.jpr] FILE\n"
                       "       tarnwick-cli find [--regex] [--ignore-case] [--word] PATTERN\n"
                       "                         (PROJECT.jpr | --dir FOLDER [--include GLOB]...)\n"
                       "Headless companion of the Tarnwick IDE.\n"
                       "  --help      show this text; COMMAND --help shows a command's own\n"
                       "  --version   show the version\n"
                       "  project     create, edit, list and dump .jpr project files (dump: the\n"
                       "              stored fields as JSON; bytes that are not UTF-8 as U+FFFD)\n"
                       "  build       the IDE's Build: javac on the project's main file\n"
                       "  compile     the IDE's Compile: javac on one file\n"
                       "  run         the IDE's Run Application: java on the main class\n"
                       "  jar         the IDE's Create Jar and Show Archive Contents\n"
                       "  colour      the Java editor's (with --html the HTML editor's) colouring\n"
                       "              of FILE, as runs \"START END CLASS\" (CLASS plain, keyword,\n"
                       "              comment or string, and tag with --html; offsets count each\n"
                       "              line break as CR LF), or with --codes every character's class\n"
                       "              code (253 plain, 255 keyword, 254 comment, 252 string, 251\n"
                       "              tag), one line per line\n"
                       "  outline     the function list of FILE, \"POSITION<TAB>ENTRY\" per entry\n"
                       "              (POSITION - when the entry has none); with --project the\n"
                       "              classes it records in that project (not saved)\n"
                       "  find        Find in Files: \"PATH:LINE:COLUMN: TEXT\" per match; exit 0\n"
                       "              when something matched, 1 when nothing did, 2 on an error\n"
                       "              (tarnwick-cli find --help)\n"
                       "\n");
    CJdkCommand::PrintUsage("", pOut == stdout);
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tarnwick-cli %s\n", TarnwickVersion());
        return CCliIo::FlushOutput() ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        PrintUsage(stdout);
        return CCliIo::FlushOutput() ? 0 : 1;
    }
    if (argc >= 2 && std::strcmp(argv[1], "project") == 0)
        return CProjectCommand::Run(std::vector<std::string>(argv + 2, argv + argc));
    if (argc >= 2) {
        const std::string strVerb = argv[1];
        if (strVerb == "build" || strVerb == "compile" || strVerb == "run" || strVerb == "jar")
            return CJdkCommand::Run(strVerb, std::vector<std::string>(argv + 2, argv + argc));
    }
    if (argc >= 2 && std::strcmp(argv[1], "colour") == 0)
        return CColourCommand::Run(std::vector<std::string>(argv + 2, argv + argc));
    if (argc >= 2 && std::strcmp(argv[1], "find") == 0)
        return CFindCommand::Run(std::vector<std::string>(argv + 2, argv + argc));
    if (argc >= 2 && std::strcmp(argv[1], "outline") == 0)
        return COutlineCommand::Run(std::vector<std::string>(argv + 2, argv + argc));
    PrintUsage(stderr);
    return 2;
}
