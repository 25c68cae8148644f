#include "core/jdk/JdkCandidates.h"
#include "core/jdk/JdkLocator.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Preferences.h"
#include "core/settings/SettingsLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

namespace fs = std::filesystem;

TEST(JdkDetection, ExplicitJavaBinAlwaysWins)
{
    CMemorySettingsStore store;
    store.WriteProfileString("PATHS", "JAVABIN", "/opt/mine");
    CSettings settings = LoadSettings(store, {"/usr/lib/jvm/jdk-17", ""});
    EXPECT_EQ(settings.m_strJavaBin, "/opt/mine");
    CMemorySettingsStore empty;
    EXPECT_EQ(LoadSettings(empty, {"/usr/lib/jvm/jdk-17", ""}).m_strJavaBin, "/usr/lib/jvm/jdk-17");
}

class JdkOnPosix : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("tarnwick-jdk-" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        MakeJdk(m_root / "jdk-home");
        MakeJdk(m_root / "jvm" / "jdk-17");
        fs::create_directories(m_root / "usr-bin");
        fs::create_symlink(m_root / "jvm" / "jdk-17" / "bin" / "javac", m_root / "usr-bin" / "javac");
        fs::create_directories(m_root / "empty-bin");
    }
    void TearDown() override { fs::remove_all(m_root); }

    static void MakeJdk(const fs::path& folder)
    {
        fs::create_directories(folder / "bin");
        std::ofstream(folder / "bin" / "javac") << "#!/bin/sh\n";
        fs::permissions(folder / "bin" / "javac", fs::perms::owner_all);
    }

    CJdkLocator::EnvironmentReader Environment(std::map<std::string, std::string> values)
    {
        return [values](const std::string& strName) -> std::optional<std::string> {
            auto it = values.find(strName);
            if (it == values.end())
                return std::nullopt;
            return it->second;
        };
    }

    fs::path m_root;
};

TEST_F(JdkOnPosix, JavaHomeComesFirstWhenItHoldsJavac)
{
    std::string strHome = (m_root / "jdk-home").string();
    EXPECT_EQ(CJdkLocator::FromEnvironment(
                  Environment({{"JAVA_HOME", strHome + "/"}, {"PATH", (m_root / "usr-bin").string()}}), "/fallback"),
              strHome);
}

TEST_F(JdkOnPosix, JavacOnPathIsResolvedThroughItsSymlink)
{
    std::string strPath = (m_root / "empty-bin").string() + "::" + (m_root / "usr-bin").string();
    EXPECT_EQ(CJdkLocator::FromEnvironment(
                  Environment({{"JAVA_HOME", (m_root / "nothing").string()}, {"PATH", strPath}}), "/fallback"),
              fs::canonical(m_root / "jvm" / "jdk-17").string());
}

TEST_F(JdkOnPosix, NothingFoundGivesTheDefaultFolder)
{
    EXPECT_EQ(CJdkLocator::FromEnvironment(Environment({{"PATH", (m_root / "empty-bin").string()}}), "/fallback"),
              "/fallback");
    EXPECT_EQ(CJdkLocator::FromEnvironment(Environment({}), "/fallback"), "/fallback");
}

// A javac that does not stand in a bin folder says nothing about a JDK: its
// grandparent is not taken, and the search goes on along PATH.
TEST_F(JdkOnPosix, JavacOutsideABinFolderIsNotTaken)
{
    fs::create_directories(m_root / "x");
    std::ofstream(m_root / "x" / "javac") << "#!/bin/sh\n";
    fs::permissions(m_root / "x" / "javac", fs::perms::owner_all);
    const std::string strLoose = (m_root / "x").string();
    EXPECT_EQ(CJdkLocator::FromEnvironment(Environment({{"PATH", strLoose}}), "/fallback"), "/fallback");
    EXPECT_EQ(CJdkLocator::FromEnvironment(Environment({{"PATH", strLoose + ":" + (m_root / "usr-bin").string()}}),
                                           "/fallback"),
              fs::canonical(m_root / "jvm" / "jdk-17").string());
}

// A relative JDK folder names the one beside where Tarnwick started, not one
// a project folder (where tools run) brings along.
TEST_F(JdkOnPosix, ARelativeJdkFolderIsMadeAbsoluteWhereTarnwickStarted)
{
    MakeJdk(m_root / "project" / "jdk-home");
    const fs::path started = fs::current_path();
    fs::current_path(m_root);
    const std::string strHome = (m_root / "jdk-home").string();
    const std::string strFound = CJdkLocator::FromEnvironment(Environment({{"JAVA_HOME", "jdk-home/"}}), "/fallback");
    const auto candidates = CJdkCandidates::Find(Environment({{"JAVA_HOME", "jdk-home"}}), "");
    CMemorySettingsStore store;
    store.WriteProfileString("PATHS", "JAVABIN", "jdk-home");
    CSettings settings = LoadSettings(store, {"/usr/lib/jvm/jdk-17", ""});
    CMemorySettingsStore relativeDefault;
    const std::string strFromDefault = LoadSettings(relativeDefault, {"./jdk-home", ""}).m_strJavaBin;
    CPreferencesValues values = CopyToPreferences(settings);
    values.m_strJavaBin = "jdk-home";
    CSettings applied = settings;
    CMemorySettingsStore written;
    ApplyPreferences(values, applied, written);
    fs::current_path(started);

    EXPECT_EQ(strFound, strHome);
    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_EQ(candidates[0].m_strFolder, strHome);
    EXPECT_EQ(settings.m_strJavaBin, strHome);
    EXPECT_EQ(strFromDefault, (m_root / "./jdk-home").string());
    EXPECT_EQ(applied.m_strJavaBin, strHome);
    EXPECT_EQ(std::get<std::string>(*written.Find("PATHS", "JAVABIN")), strHome);
    EXPECT_EQ(CJdkLocator::AbsoluteFolder(""), "");
    EXPECT_EQ(CJdkLocator::AbsoluteFolder("/opt/jdk"), "/opt/jdk");
}
