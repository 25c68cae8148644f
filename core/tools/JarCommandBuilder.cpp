#include "core/tools/JarCommandBuilder.h"

#include "core/tools/SourceRoot.h"
#include "core/tools/ToolMessages.h"
#include "core/tools/ToolPath.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>

namespace {

// The manifests jar reads are written into folders of this process's own,
// made with mkdtemp (mode 0700), one per archive path, so that the archive's
// folder never gets a file of ours and nothing there (a FIFO, a link) is
// opened. They go when the process ends.
class CManifestFolders {
public:
    ~CManifestFolders()
    {
        // A forked child that exits must not take its parent's manifests along.
        if (::getpid() != m_nOwner)
            return;
        for (const auto& [strJar, strFolder] : m_folders) {
            ::unlink((strFolder + "/manifest.txt").c_str());
            ::rmdir(strFolder.c_str());
        }
    }

    // The folder for an archive's manifest, made on first use; empty when
    // no folder can be made.
    std::string FolderFor(const std::string& strJarPath)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (const auto it = m_folders.find(strJarPath); it != m_folders.end())
            return it->second;
        const char* pszTemp = std::getenv("TMPDIR");
        std::string strTemplate = (pszTemp && pszTemp[0] == '/' ? std::string(pszTemp) : std::string("/tmp"));
        while (strTemplate.size() > 1 && strTemplate.back() == '/')
            strTemplate.pop_back();
        strTemplate += (strTemplate == "/" ? "" : "/") + std::string("tarnwick-jar-XXXXXX");
        if (::mkdtemp(strTemplate.data()) == nullptr)
            return {};
        m_nOwner = ::getpid();
        m_folders.emplace(strJarPath, strTemplate);
        return strTemplate;
    }

    // Whether the path is the manifest of one of these folders.
    bool Owns(const std::string& strManifestPath)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto& [strJar, strFolder] : m_folders) {
            if (strManifestPath == strFolder + "/manifest.txt")
                return true;
        }
        return false;
    }

private:
    std::mutex m_mutex;
    std::map<std::string, std::string> m_folders; // archive path -> folder
    pid_t m_nOwner = ::getpid();
};

CManifestFolders& ManifestFolders()
{
    static CManifestFolders s_folders;
    return s_folders;
}

} // namespace

std::string CJarCommandBuilder::JarClassName(const std::string& strMainJavaFile)
{
    static const std::string strSuffix = ".java";
    std::string strName;
    strName.reserve(strMainJavaFile.size());
    std::size_t nFrom = 0;
    for (;;) {
        const std::size_t nFound = strMainJavaFile.find(strSuffix, nFrom);
        if (nFound == std::string::npos)
            break;
        strName.append(strMainJavaFile, nFrom, nFound - nFrom);
        nFrom = nFound + strSuffix.size();
    }
    strName.append(strMainJavaFile, nFrom, std::string::npos);
    return strName;
}

std::string CJarCommandBuilder::DefaultJarName(const std::string& strMainJavaFile)
{
    return JarClassName(strMainJavaFile) + ".jar";
}

std::string CJarCommandBuilder::ManifestPath(const std::string& strJarPath)
{
    const std::string strFolder = ManifestFolders().FolderFor(strJarPath);
    return strFolder.empty() ? std::string() : strFolder + "/manifest.txt";
}

std::string CJarCommandBuilder::ManifestText(const std::string& strClassName)
{
    return "Main-Class: " + strClassName + "\r\n";
}

bool CJarCommandBuilder::WriteManifest(const std::string& strManifestPath, const std::string& strClassName)
{
    // Only into a folder of ours: nobody else can have put a link or a FIFO
    // there, and an old manifest of ours is simply replaced.
    if (!ManifestFolders().Owns(strManifestPath))
        return false;
    ::unlink(strManifestPath.c_str());
    const int fd =
        ::open(strManifestPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0)
        return false;
    const std::string strText = ManifestText(strClassName);
    std::size_t nDone = 0;
    while (nDone < strText.size()) {
        const ssize_t nWritten = ::write(fd, strText.data() + nDone, strText.size() - nDone);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            break;
        nDone += static_cast<std::size_t>(nWritten);
    }
    return ::close(fd) == 0 && nDone == strText.size();
}

bool CJarCommandBuilder::CreateJar(const std::string& strJdkFolder, const std::string& strMainJavaFile,
                                   const std::string& strMainJavaPath, const std::string& strMainPackage,
                                   const std::string& strJarPath, CToolCommand& cmd, std::string& strError)
{
    cmd = CToolCommand();
    if (strMainJavaFile.empty()) {
        strError = CToolMessages::kNoMainJavaFile;
        return false;
    }
    // The archive comes from a save dialog and always has a folder; without
    // one the manifest would land in a folder jar does not look in.
    if (CToolPath::LastSeparator(strJarPath) == std::string::npos) {
        strError.clear();
        return false;
    }
    // A package's classes go in under their folders, and with them those of
    // every other package below the source root that the main class uses.
    CSourceRoot root;
    if (!CSourceRoot::Find(strMainJavaPath, strMainPackage, root, strError))
        return false;
    const std::string strClasses = strMainPackage.empty() ? "*.class" : "**/*.class";
    const std::string strManifest = CToolPath::ArgumentName(ManifestPath(strJarPath));
    const std::string strArchive = CToolPath::ArgumentName(strJarPath);
    cmd.m_strFolder = root.m_strFolder;
    cmd.m_strProgram = CToolPath::JdkTool(strJdkFolder, "jar");
    cmd.m_strCommandLine = "jar cmfv \"" + strManifest + "\" \"" + strArchive + "\" " + strClasses;
    cmd.AddWord("jar");
    cmd.AddWord("cmfv");
    cmd.AddWord(strManifest);
    cmd.AddWord(strArchive);
    cmd.AddPattern(strClasses);
    cmd.m_strTitle = "Creating jar " + strJarPath;
    cmd.m_bSetsTitle = true;
    return true;
}

bool CJarCommandBuilder::ListArchive(const std::string& strJdkFolder, const std::string& strJarPath, CToolCommand& cmd)
{
    cmd = CToolCommand();
    if (CToolPath::LastSeparator(strJarPath) == std::string::npos)
        return false;
    const std::string strFileName = CToolPath::ArgumentName(CToolPath::FileNameOf(strJarPath));
    cmd.m_strFolder = CToolPath::FolderOf(strJarPath);
    cmd.m_strProgram = CToolPath::JdkTool(strJdkFolder, "jar");
    cmd.m_strCommandLine = "jar tvf " + strFileName;
    cmd.AddWord("jar");
    cmd.AddWord("tvf");
    cmd.AddWord(strFileName);
    return true;
}
