#include "cli/FindCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliIo.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/TarnwickFile.h"
#include "core/project/TarnwickFileList.h"
#include "core/search/FileSearch.h"

#include <cstdio>
#include <sys/stat.h>

namespace {
constexpr int kExitMatched = 0;
constexpr int kExitNoMatch = 1;
constexpr int kExitError = 2;

int UsageError(const std::string& strText)
{
    std::fprintf(stderr, "tarnwick-cli: %s\n", strText.c_str());
    CFindCommand::PrintUsage(false);
    return kExitError;
}

// Prints each hit as it comes, through one large buffer.
class CPrintingSink : public ISearchSink {
public:
    explicit CPrintingSink(const std::vector<CSearchFile>& files) : m_files(files) { m_strOut.reserve(kFlushAt + 4096); }

    void OnHit(const CSearchHit& hit) override
    {
        const std::string& strPath = m_files[hit.m_nFile].m_strShownPath;
        m_strOut += strPath;
        m_strOut += ':';
        m_strOut += std::to_string(hit.m_nLine);
        m_strOut += ':';
        m_strOut += std::to_string(hit.m_nColumn);
        m_strOut += ": ";
        m_strOut += hit.m_strText;
        m_strOut += '\n';
        ++m_nHits;
        if (m_strOut.size() >= kFlushAt)
            Flush();
    }
    void OnFileError(std::size_t nFile, const std::string& strMessage) override
    {
        // What came before the failure is printed before its message.
        Flush();
        std::fflush(stdout);
        CCliIo::PrintError(m_files[nFile].m_strShownPath, strMessage);
        m_bFailed = true;
    }
    void Flush()
    {
        if (!m_strOut.empty() && std::fwrite(m_strOut.data(), 1, m_strOut.size(), stdout) != m_strOut.size())
            m_bWriteFailed = true;
        m_strOut.clear();
    }

    std::size_t m_nHits = 0;
    bool m_bFailed = false;
    bool m_bWriteFailed = false;

private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    const std::vector<CSearchFile>& m_files;
    std::string m_strOut;
};

// The project's Java files then its HTML files, in the order it lists them,
// each shown by the file name the project lists and read where it is now.
bool ProjectFiles(const std::string& strProject, std::vector<CSearchFile>& files)
{
    std::string strBytes;
    if (!CCliIo::ReadInputFile(strProject, strBytes))
        return false;
    CJavaProjectCore project;
    std::string strError;
    if (!project.LoadBytes(strBytes, strError)) {
        CCliIo::PrintError(strProject, strError);
        return false;
    }
    project.SetPathName(CCliIo::AbsolutePath(strProject));
    CJavaFileList& javaFiles = project.GetJavaFiles();
    for (int nIndex = 0; nIndex < javaFiles.GetCount(); ++nIndex) {
        CJavaFile* pFile = javaFiles.GetAt(nIndex);
        files.push_back({pFile->GetFileName(), pFile->GetRelocatedPathName(project.GetPathName())});
    }
    CTarnwickFileList& htmlFiles = project.GetHtmlFiles();
    for (int nIndex = 0; nIndex < htmlFiles.GetCount(); ++nIndex) {
        CTarnwickFile* pFile = htmlFiles.GetAt(nIndex);
        files.push_back({pFile->GetFileName(), pFile->GetRelocatedPathName(project.GetPathName())});
    }
    return true;
}
} // namespace

void CFindCommand::PrintUsage(bool bToStdout)
{
    std::fprintf(bToStdout ? stdout : stderr,
                 "Usage: tarnwick-cli find [--regex] [--ignore-case] [--word] PATTERN PROJECT.jpr\n"
                 "       tarnwick-cli find [--regex] [--ignore-case] [--word] PATTERN --dir FOLDER\n"
                 "                         [--include GLOB]...\n"
                 "Find in Files: prints each match as \"PATH:LINE:COLUMN: TEXT\", LINE and\n"
                 "COLUMN from 1 (COLUMN in bytes), TEXT the line (at most 500 characters\n"
                 "around the match; bytes that are not UTF-8 as U+FFFD). Lines end at CR LF,\n"
                 "LF or CR. Files holding a NUL byte in their first megabyte are skipped.\n"
                 "  --regex        PATTERN is a PCRE2 regular expression, else a fixed string\n"
                 "  --ignore-case  letters match in either case (ASCII letters for a fixed\n"
                 "                 string, all letters for a regular expression)\n"
                 "  --word         no letter, digit or '_' right before or after a match\n"
                 "  PROJECT.jpr    the project's Java files then its HTML files, as it lists\n"
                 "                 them; PATH is the file name it lists\n"
                 "  --dir FOLDER   every file under FOLDER (hidden folders skipped), in byte\n"
                 "                 order of PATH, which is the path under FOLDER as grep -r\n"
                 "                 prints it\n"
                 "  --include GLOB only files whose name matches GLOB (\"*.java;*.html\" takes\n"
                 "                 either); may be given more than once\n"
                 "Exit status: 0 something matched, 1 nothing matched, 2 an error (a file\n"
                 "that could not be read is named on stderr and the search goes on; then 2\n"
                 "only when nothing matched).\n");
}

int CFindCommand::Run(const std::vector<std::string>& args)
{
    using EKind = CCliArguments::EKind;
    const CCliArguments arguments(args,
                                  {{"--help"}, {"--regex"}, {"--ignore-case"}, {"--word"}, {"--dir", true},
                                   {"--include", true}},
                                  true);
    CSearchOptions options;
    std::vector<std::string> positionals;
    std::vector<std::string> includes;
    std::string strFolder;
    bool bHaveFolder = false;
    // The first of help and the problems, in command-line order, is the one that counts.
    for (const CCliArguments::CWord& word : arguments.Words()) {
        if (word.m_eKind == EKind::UnknownOption) {
            std::fprintf(stderr, "tarnwick-cli: unknown find option \"%s\"\n", word.m_strName.c_str());
            PrintUsage(false);
            return kExitError;
        }
        if (word.m_eKind == EKind::MissingValue)
            return UsageError(word.m_strName == "--dir" ? "--dir needs a folder" : "--include needs a glob");
        if (word.m_eKind == EKind::Positional) {
            positionals.push_back(word.m_strValue);
            continue;
        }
        if (word.m_strName == "--help") {
            PrintUsage(true);
            return CCliIo::FlushOutput() ? 0 : 1;
        }
        if (word.m_strName == "--regex")
            options.m_bRegex = true;
        else if (word.m_strName == "--ignore-case")
            options.m_bMatchCase = false;
        else if (word.m_strName == "--word")
            options.m_bWholeWord = true;
        else if (word.m_strName == "--include")
            includes.push_back(word.m_strValue);
        else if (word.m_strName == "--dir") {
            if (bHaveFolder)
                return UsageError("only one --dir may be given");
            strFolder = word.m_strValue;
            bHaveFolder = true;
        }
    }
    positionals.insert(positionals.end(), arguments.Rest().begin(), arguments.Rest().end());
    if (positionals.empty())
        return UsageError("find needs a pattern");
    if (bHaveFolder && positionals.size() > 1)
        return UsageError("find takes a project or --dir, not both");
    if (!bHaveFolder && positionals.size() < 2)
        return UsageError("find needs a project file or --dir FOLDER");
    if (positionals.size() > 2)
        return UsageError("find takes one pattern and one project");
    if (!bHaveFolder && !includes.empty())
        return UsageError("--include goes with --dir");
    options.m_strPattern = positionals[0];

    std::string strError;
    const std::unique_ptr<CSearchPattern> pPattern = CSearchPattern::Compile(options, strError);
    if (!pPattern) {
        std::fprintf(stderr, "tarnwick-cli: %s\n", strError.c_str());
        return kExitError;
    }

    std::vector<CSearchFile> files;
    if (bHaveFolder) {
        struct stat info {};
        if (::stat(strFolder.c_str(), &info) != 0) {
            CCliIo::PrintError(strFolder, "no such folder.");
            return kExitError;
        }
        if (!S_ISDIR(info.st_mode)) {
            CCliIo::PrintError(strFolder, "not a folder.");
            return kExitError;
        }
        files = FilesUnderFolder(strFolder, includes);
    } else if (!ProjectFiles(positionals[1], files)) {
        return kExitError;
    }

    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    CPrintingSink sink(files);
    const std::atomic<bool> bStop{false};
    SearchFiles(*pPattern, files, {}, sink, bStop);
    sink.Flush();
    if (!CCliIo::FlushOutput() || sink.m_bWriteFailed)
        return kExitError;
    if (sink.m_nHits > 0)
        return kExitMatched;
    return sink.m_bFailed ? kExitError : kExitNoMatch;
}
