#include "core/tools/JarCommandBuilder.h"

#include "tests/core/tools/ToolTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& strPath)
{
    return strPath.substr(0, strPath.rfind('/'));
}

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace

TEST(JarManifest, GoesIntoAPrivateFolderOfItsOwnPerArchive)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const std::string strPath = CJarCommandBuilder::ManifestPath(folder.File("Hello.jar"));
    ASSERT_FALSE(strPath.empty());
    EXPECT_EQ(strPath.substr(strPath.size() - 13), "/manifest.txt");
    const std::string strFolder = FolderOf(strPath);
    EXPECT_EQ(strFolder.substr(0, strFolder.size() - 6),
              std::filesystem::temp_directory_path().string() + "/tarnwick-jar-");
    struct stat info {};
    ASSERT_EQ(::lstat(strFolder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // The same archive, the same manifest; another archive, another folder.
    EXPECT_EQ(CJarCommandBuilder::ManifestPath(folder.File("Hello.jar")), strPath);
    const std::string strOther = CJarCommandBuilder::ManifestPath(folder.File("Other.jar"));
    EXPECT_NE(FolderOf(strOther), strFolder);

    // The command line names it.
    CToolCommand cmd;
    std::string strError;
    ASSERT_TRUE(CJarCommandBuilder::CreateJar("/opt/jdk", "Hello.java", "/work/Hello.java", "", folder.File("Hello.jar"),
                                              cmd, strError));
    EXPECT_EQ(cmd.m_strCommandLine, "jar cmfv \"" + strPath + "\" \"" + folder.File("Hello.jar") + "\" *.class");

    ASSERT_TRUE(CJarCommandBuilder::WriteManifest(strPath, "Old"));
    ASSERT_TRUE(CJarCommandBuilder::WriteManifest(strPath, "Hello"));
    EXPECT_EQ(ReadFile(strPath), "Main-Class: Hello\r\n");
    // Nothing lands beside the archive.
    EXPECT_FALSE(std::filesystem::exists(folder.File("manifest.txt")));
}

TEST(JarManifest, AFifoOrALinkNamedManifestBesideTheArchiveIsLeftAlone)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    // Nobody reads from the FIFO: opening it to write would wait for ever.
    ASSERT_EQ(::mkfifo(folder.File("manifest.txt").c_str(), 0600), 0);
    const std::string strPath = CJarCommandBuilder::ManifestPath(folder.File("Fifo.jar"));
    ASSERT_TRUE(CJarCommandBuilder::WriteManifest(strPath, "Hello"));
    EXPECT_EQ(ReadFile(strPath), "Main-Class: Hello\r\n");

    CScratchFolder linked;
    ASSERT_FALSE(linked.Path().empty());
    folder.Write("precious.txt", "keep me\n");
    ASSERT_EQ(::symlink(folder.File("precious.txt").c_str(), linked.File("manifest.txt").c_str()), 0);
    const std::string strLinked = CJarCommandBuilder::ManifestPath(linked.File("Link.jar"));
    ASSERT_TRUE(CJarCommandBuilder::WriteManifest(strLinked, "Hello"));
    EXPECT_EQ(folder.Read("precious.txt"), "keep me\n");
}

TEST(JarManifest, OnlyItsOwnFoldersAreWritten)
{
    CScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("precious.txt", "keep me\n");
    EXPECT_FALSE(CJarCommandBuilder::WriteManifest(folder.File("manifest.txt"), "Hello"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("manifest.txt")));
    EXPECT_FALSE(CJarCommandBuilder::WriteManifest(folder.File("precious.txt"), "Hello"));
    EXPECT_EQ(folder.Read("precious.txt"), "keep me\n");
    // Its own folder, but a link put where the manifest goes is not followed.
    const std::string strPath = CJarCommandBuilder::ManifestPath(folder.File("Hello.jar"));
    ASSERT_EQ(::symlink(folder.File("precious.txt").c_str(), strPath.c_str()), 0);
    ASSERT_TRUE(CJarCommandBuilder::WriteManifest(strPath, "Hello"));
    EXPECT_EQ(folder.Read("precious.txt"), "keep me\n");
    EXPECT_EQ(ReadFile(strPath), "Main-Class: Hello\r\n");
}

TEST(JarManifest, ItsFolderGoesWhenTheProcessEnds)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(fds[0]);
        const std::string strPath = CJarCommandBuilder::ManifestPath("/out/Ends.jar");
        const bool bWritten = CJarCommandBuilder::WriteManifest(strPath, "Ends");
        const std::string strReport = (bWritten ? "1" : "0") + strPath;
        [[maybe_unused]] const ssize_t nIgnored = ::write(fds[1], strReport.data(), strReport.size());
        ::close(fds[1]);
        std::exit(0);
    }
    ::close(fds[1]);
    std::string strReport;
    char buffer[512];
    for (ssize_t nRead; (nRead = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        strReport.append(buffer, static_cast<std::size_t>(nRead));
    ::close(fds[0]);
    int nStatus = 0;
    ASSERT_EQ(::waitpid(pid, &nStatus, 0), pid);
    ASSERT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0);
    ASSERT_GT(strReport.size(), 1u);
    EXPECT_EQ(strReport[0], '1');
    const std::string strPath = strReport.substr(1);
    EXPECT_EQ(strPath.substr(strPath.size() - 13), "/manifest.txt");
    EXPECT_FALSE(std::filesystem::exists(strPath));
    EXPECT_FALSE(std::filesystem::exists(FolderOf(strPath)));
}
