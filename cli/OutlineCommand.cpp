#include "cli/OutlineCommand.h"

#include "cli/CliArguments.h"
#include "cli/CliIo.h"
#include "core/editor/OutlineListing.h"
#include "core/editor/OutlineScanner.h"
#include "core/project/ClassListing.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"

#include <cstdio>

void COutlineCommand::PrintUsage(bool bToStdout)
{
    std::fprintf(bToStdout ? stdout : stderr,
                 "Usage: tarnwick-cli outline [--project PATH.jpr] FILE\n"
                 "Lists the classes and methods of the Java file FILE as the editor's function\n"
                 "list shows them after opening it, one line per entry in scan order:\n"
                 "  POSITION<TAB>ENTRY\n"
                 "POSITION is the entry's offset in the text with every line break counted as\n"
                 "CR LF.\n"
                 "  --project PATH.jpr  also record the classes in that project, as the IDE\n"
                 "                      does for a file of the open project, and list them\n"
                 "                      after the entries as `project show` does, under the\n"
                 "                      line \"Classes recorded in PATH.jpr:\". The project file\n"
                 "                      is not changed.\n");
}

bool COutlineCommand::LoadProject(const std::string& strPath, CJavaProjectCore& project)
{
    std::string strBytes;
    if (!CCliIo::ReadInputFile(strPath, strBytes))
        return false;
    std::string strError;
    if (!project.LoadBytes(strBytes, strError)) {
        CCliIo::PrintError(strPath, strError);
        return false;
    }
    project.SetPathName(CCliIo::AbsolutePath(strPath));
    return true;
}

int COutlineCommand::Run(const std::vector<std::string>& args)
{
    using EKind = CCliArguments::EKind;
    const CCliArguments arguments(args, {{"--help"}, {"--project", true}});
    std::string strPath;
    std::string strProject;
    bool bHavePath = false;
    bool bHaveProject = false;
    // The first of help and the problems, in command-line order, is the one that counts.
    for (const CCliArguments::CWord& word : arguments.Words()) {
        if (word.m_eKind == EKind::Option && word.m_strName == "--help") {
            PrintUsage(true);
            return CCliIo::FlushOutput() ? 0 : 1;
        }
        const char* pszError = nullptr;
        if (word.m_eKind == EKind::MissingValue) {
            pszError = "--project needs a project file";
        } else if (word.m_eKind == EKind::Option) {
            if (bHaveProject)
                pszError = "only one --project may be given";
            else {
                strProject = word.m_strValue;
                bHaveProject = true;
            }
        } else if (word.m_eKind == EKind::UnknownOption) {
            std::fprintf(stderr, "tarnwick-cli: unknown outline option \"%s\"\n", word.m_strName.c_str());
            PrintUsage(false);
            return 2;
        } else if (bHavePath) {
            pszError = "outline takes one file";
        } else {
            strPath = word.m_strValue;
            bHavePath = true;
        }
        if (pszError) {
            std::fprintf(stderr, "tarnwick-cli: %s\n", pszError);
            PrintUsage(false);
            return 2;
        }
    }
    if (!bHavePath) {
        std::fprintf(stderr, "tarnwick-cli: outline needs a file\n");
        PrintUsage(false);
        return 2;
    }

    std::string strText;
    if (!CCliIo::ReadEditorText(strPath, strText))
        return 1;
    COutlineScanner scanner;
    if (!bHaveProject) {
        scanner.ScanClasses(strText);
        return CCliIo::WriteOutput(COutlineListing::Write(scanner)) ? 0 : 1;
    }

    CJavaProjectCore project;
    if (!LoadProject(strProject, project))
        return 1;
    // The scan records classes for the entry whose stored path is the file's
    // path; a project moved since it was saved is rebased first, as opening
    // the file from the project window would.
    const std::string strAbsolute = CCliIo::AbsolutePath(strPath);
    CJavaFileList& javaFiles = project.GetJavaFiles();
    if (!javaFiles.FindByPathName(strAbsolute)) {
        for (int nIndex = 0; nIndex < javaFiles.GetCount(); ++nIndex)
            javaFiles.GetAt(nIndex)->GetRelocatedPathName(project.GetPathName());
    }
    const CJavaFile* pFile = javaFiles.FindByPathName(strAbsolute);
    scanner.ScanClasses(strText, pFile ? &project : nullptr, strAbsolute);
    std::string strListing = COutlineListing::Write(scanner);
    if (pFile) {
        strListing += "Classes recorded in " + project.GetPathName() + ":\n";
        strListing += "  " + pFile->GetFileName() + "  " + pFile->GetPathName() + "\n";
        strListing += CClassListing::Write(pFile->GetClasses(), "    ");
    }
    const bool bWritten = CCliIo::WriteOutput(strListing);
    for (const std::string& strMessage : project.TakeMessages())
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    if (!pFile) {
        CCliIo::PrintError(strPath, "not a Java file of " + project.GetPathName() + "; no class information recorded.");
        return 1;
    }
    return bWritten ? 0 : 1;
}
