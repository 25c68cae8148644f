#include "core/jdk/JdkCandidates.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(JdkRelease, FullVersionIsTheWholeQuotedValue)
{
    EXPECT_EQ(
        CJdkCandidates::FullVersionFromRelease("IMPLEMENTOR=\"Debian\"\nJAVA_VERSION=\"17.0.2\"\nOS_NAME=\"Linux\"\n"),
        "17.0.2");
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease("JAVA_VERSION=\"1.8.0_292\"\r\nOS_ARCH=\"amd64\"\r\n"),
              "1.8.0_292");
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease("JAVA_VERSION=21.0.1\n"), "21.0.1");
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease("JAVA_VERSION=\"25\""), "25");
    // Only a line that starts with the key counts.
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease("IMPLEMENTOR_VERSION=\"x\"\n JAVA_VERSION=\"9\"\n"), "");
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease("JAVA_RUNTIME_VERSION=\"17.0.2+8\"\nJAVA_VERSION=\"17.0.2\"\n"),
              "17.0.2");
    EXPECT_EQ(CJdkCandidates::FullVersionFromRelease(""), "");
}

TEST(JdkRelease, DisplayTextPutsTheVersionFirst)
{
    EXPECT_EQ(CJdkCandidates::DisplayText({"/usr/lib/jvm/jdk-17", "17.0.2"}), "17.0.2  /usr/lib/jvm/jdk-17");
    EXPECT_EQ(CJdkCandidates::DisplayText({"/opt/old-jdk", ""}), "/opt/old-jdk");
}

class JdkCandidatesOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("tarnwick-jdks-" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "jvm");
    }
    void TearDown() override { fs::remove_all(m_root); }

    // A JDK folder with an executable bin/javac and, when given, a release file.
    static void MakeJdk(const fs::path& folder, const std::string& strVersion)
    {
        fs::create_directories(folder / "bin");
        std::ofstream(folder / "bin" / "javac") << "#!/bin/sh\n";
        fs::permissions(folder / "bin" / "javac", fs::perms::owner_all);
        if (!strVersion.empty())
            std::ofstream(folder / "release") << "IMPLEMENTOR=\"Test\"\nJAVA_VERSION=\"" << strVersion << "\"\n";
    }

    static CJdkLocator::EnvironmentReader Environment(std::map<std::string, std::string> values)
    {
        return [values](const std::string& strName) -> std::optional<std::string> {
            auto it = values.find(strName);
            if (it == values.end())
                return std::nullopt;
            return it->second;
        };
    }

    std::string Jvm() const { return (m_root / "jvm").string(); }
    std::string At(const std::string& strRelative) const { return (m_root / strRelative).string(); }

    fs::path m_root;
};

TEST_F(JdkCandidatesOnDisk, JavaHomeThenPathThenTheJvmFolderByName)
{
    MakeJdk(m_root / "home-jdk", "11.0.20");
    MakeJdk(m_root / "path-jdk", "1.8.0_292");
    MakeJdk(m_root / "jvm" / "zulu-21", "21.0.1");
    MakeJdk(m_root / "jvm" / "java-17-openjdk-amd64", "17.0.2");
    fs::create_directories(m_root / "bin");
    fs::create_symlink(m_root / "path-jdk" / "bin" / "javac", m_root / "bin" / "javac");

    const auto candidates = CJdkCandidates::Find(
        Environment({{"JAVA_HOME", At("home-jdk/")}, {"PATH", At("nowhere") + "::" + At("bin")}}), Jvm());
    ASSERT_EQ(candidates.size(), 4u);
    EXPECT_EQ(candidates[0].m_strFolder, At("home-jdk"));
    EXPECT_EQ(candidates[0].m_strVersion, "11.0.20");
    EXPECT_EQ(candidates[1].m_strFolder, At("path-jdk"));
    EXPECT_EQ(candidates[1].m_strVersion, "1.8.0_292");
    EXPECT_EQ(candidates[2].m_strFolder, At("jvm/java-17-openjdk-amd64"));
    EXPECT_EQ(candidates[2].m_strVersion, "17.0.2");
    EXPECT_EQ(candidates[3].m_strFolder, At("jvm/zulu-21"));
    EXPECT_EQ(candidates[3].m_strVersion, "21.0.1");
}

TEST_F(JdkCandidatesOnDisk, EachJdkOnceWhateverLeadsToIt)
{
    MakeJdk(m_root / "jvm" / "java-17-openjdk-amd64", "17.0.2");
    // Debian's alias folder and a PATH link to the same javac.
    fs::create_directory_symlink(m_root / "jvm" / "java-17-openjdk-amd64", m_root / "jvm" / "default-java");
    fs::create_directories(m_root / "bin");
    fs::create_symlink(m_root / "jvm" / "default-java" / "bin" / "javac", m_root / "bin" / "javac");

    const auto candidates =
        CJdkCandidates::Find(Environment({{"JAVA_HOME", At("jvm/default-java")}, {"PATH", At("bin")}}), Jvm());
    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_EQ(candidates[0].m_strFolder, At("jvm/default-java"));
    EXPECT_EQ(candidates[0].m_strVersion, "17.0.2");
}

TEST_F(JdkCandidatesOnDisk, FoldersWithoutAnExecutableJavacAreLeftOut)
{
    MakeJdk(m_root / "jvm" / "good", "");
    fs::create_directories(m_root / "jvm" / "jre-only" / "bin");
    std::ofstream(m_root / "jvm" / "jre-only" / "bin" / "java") << "#!/bin/sh\n";
    fs::create_directories(m_root / "jvm" / "not-executable" / "bin");
    std::ofstream(m_root / "jvm" / "not-executable" / "bin" / "javac") << "text\n";
    fs::permissions(m_root / "jvm" / "not-executable" / "bin" / "javac", fs::perms::owner_read);
    std::ofstream(m_root / "jvm" / ".java-17-openjdk-amd64.jinfo") << "name=x\n";
    // A javac on PATH outside any bin folder: the folder above its own is no JDK,
    // even when that folder happens to hold a bin/javac.
    MakeJdk(m_root, "");
    fs::create_directories(m_root / "tools");
    std::ofstream(m_root / "tools" / "javac") << "#!/bin/sh\n";
    fs::permissions(m_root / "tools" / "javac", fs::perms::owner_all);

    const auto candidates = CJdkCandidates::Find(
        Environment({{"JAVA_HOME", At("jvm/jre-only")}, {"PATH", At("jvm/jre-only/bin") + ":" + At("tools")}}), Jvm());
    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_EQ(candidates[0].m_strFolder, At("jvm/good"));
    EXPECT_EQ(candidates[0].m_strVersion, "");
}

TEST_F(JdkCandidatesOnDisk, NothingFoundGivesAnEmptyList)
{
    EXPECT_TRUE(CJdkCandidates::Find(Environment({}), At("no-such-root")).empty());
    EXPECT_TRUE(CJdkCandidates::Find(Environment({{"JAVA_HOME", ""}, {"PATH", ""}}), Jvm()).empty());
}

TEST_F(JdkCandidatesOnDisk, TheFolderCheckWantsAnExecutableJavac)
{
    MakeJdk(m_root / "jdk", "17");
    fs::create_directories(m_root / "jre" / "bin");
    std::ofstream(m_root / "jre" / "bin" / "java") << "#!/bin/sh\n";
    fs::create_directories(m_root / "dir-named-javac" / "bin" / "javac");
    EXPECT_TRUE(CJdkCandidates::HasJavac(At("jdk")));
    EXPECT_TRUE(CJdkCandidates::HasJavac(At("jdk/")));
    EXPECT_FALSE(CJdkCandidates::HasJavac(At("jre")));
    EXPECT_FALSE(CJdkCandidates::HasJavac(At("dir-named-javac")));
    EXPECT_FALSE(CJdkCandidates::HasJavac(At("missing")));
    EXPECT_FALSE(CJdkCandidates::HasJavac(""));
    EXPECT_EQ(CJdkCandidates::FullVersionOfJdk(At("jdk")), "17");
    EXPECT_EQ(CJdkCandidates::FullVersionOfJdk(At("jre")), "");
}

TEST_F(JdkCandidatesOnDisk, AReleaseFileThatIsAFifoOrADeviceGivesNoVersion)
{
    // Nobody writes to the FIFO: opening it to read would wait for ever.
    MakeJdk(m_root / "jvm" / "fifo", "");
    ASSERT_EQ(::mkfifo((m_root / "jvm" / "fifo" / "release").c_str(), 0600), 0);
    MakeJdk(m_root / "jvm" / "zero", "");
    fs::create_symlink("/dev/zero", m_root / "jvm" / "zero" / "release");
    EXPECT_EQ(CJdkCandidates::FullVersionOfJdk(At("jvm/fifo")), "");
    EXPECT_EQ(CJdkCandidates::FullVersionOfJdk(At("jvm/zero")), "");
    const auto candidates = CJdkCandidates::Find(Environment({}), Jvm());
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0].m_strFolder, At("jvm/fifo"));
    EXPECT_EQ(candidates[0].m_strVersion, "");
}

TEST(JdkFolderWarning, NamesTheFolderAndOffersToKeepIt)
{
    EXPECT_EQ(CJdkCandidates::MissingJavacText("/opt/jre"),
              "The JDK folder \"/opt/jre\" has no bin/javac, so Build, Compile and Run will not work with it.\n\n"
              "Keep this JDK folder anyway?");
    EXPECT_EQ(CJdkCandidates::MissingJavacText(""),
              "The JDK folder (empty) has no bin/javac, so Build, Compile and Run will not work with it.\n\n"
              "Keep this JDK folder anyway?");
}
