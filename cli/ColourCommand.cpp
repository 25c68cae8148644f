#include "cli/ColourCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliIo.h"
#include "core/editor/ColourListing.h"
#include "core/editor/HtmlColourListing.h"
#include "core/editor/HtmlColourer.h"
#include "core/editor/JavaColourer.h"

#include <cstdio>

void CColourCommand::PrintUsage(bool bToStdout)
{
    std::fprintf(bToStdout ? stdout : stderr,
                 "Usage: tarnwick-cli colour [--html] [--codes] FILE\n"
                 "Colours FILE as the Java editor (or with --html the HTML editor) does when\n"
                 "it opens the file: the bytes are kept and every line break becomes CR LF,\n"
                 "so each break counts two in the offsets below.\n"
                 "  (default)  one line per maximal run of one class, in text order, covering\n"
                 "             the whole text: START END CLASS (decimal offsets, one space\n"
                 "             apart, END one past the run's last character),\n"
                 "             CLASS one of plain, keyword, comment, string; with --html\n"
                 "             also tag (keyword is then a tag name). An empty file\n"
                 "             prints nothing.\n"
                 "  --codes    the raw class code of every character in decimal (253 plain,\n"
                 "             255 keyword, 254 comment, 252 string, 251 tag), one space apart, one\n"
                 "             output line per editor line; the codes of a line's CR LF end\n"
                 "             that line. A last line with no characters prints nothing.\n");
}

int CColourCommand::Run(const std::vector<std::string>& args)
{
    using EKind = CCliArguments::EKind;
    const CCliArguments arguments(args, {{"--help"}, {"--codes"}, {"--html"}});
    std::string strPath;
    bool bHavePath = false;
    // The first of help and the problems, in command-line order, is the one that counts.
    for (const CCliArguments::CWord& word : arguments.Words()) {
        if (word.m_eKind == EKind::Option && word.m_strName == "--help") {
            PrintUsage(true);
            return CCliIo::FlushOutput() ? 0 : 1;
        }
        if (word.m_eKind == EKind::UnknownOption) {
            std::fprintf(stderr, "tarnwick-cli: unknown colour option \"%s\"\n", word.m_strName.c_str());
            PrintUsage(false);
            return 2;
        }
        if (word.m_eKind == EKind::Positional && bHavePath) {
            std::fprintf(stderr, "tarnwick-cli: colour takes one file\n");
            PrintUsage(false);
            return 2;
        }
        if (word.m_eKind == EKind::Positional) {
            strPath = word.m_strValue;
            bHavePath = true;
        }
    }
    const bool bCodes = arguments.Has("--codes");
    const bool bHtml = arguments.Has("--html");
    if (!bHavePath) {
        std::fprintf(stderr, "tarnwick-cli: colour needs a file\n");
        PrintUsage(false);
        return 2;
    }

    std::string strText;
    if (!CCliIo::ReadEditorText(strPath, strText))
        return 1;
    const std::vector<unsigned char> codes =
        bHtml ? CHtmlColourer().ColourAll(strText) : CJavaColourer().ColourAll(strText);
    std::string strListing;
    if (bCodes)
        strListing = CColourListing::Codes(strText, codes);
    else
        strListing = bHtml ? CHtmlColourListing::Runs(codes) : CColourListing::Runs(codes);
    return CCliIo::WriteOutput(strListing) ? 0 : 1;
}
