#include "core/settings/JdkLocator.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/RegistryReader.h"
#include "core/settings/SettingsLoader.h"
#include "tests/core/settings/FakeRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {
const std::string kJdkKey = "SOFTWARE\\JavaSoft\\Java Development Kit";
}

TEST(RegistryReader, FindsValueByExactNameWhereverItStands)
{
    CFakeRegistry registry;
    registry.SetValue("Key", "A", "short name first");
    registry.SetValue("Key", "JavaHomeDirectory", "longer name first");
    registry.SetValue("Key", "javahome", "other case");
    registry.SetValue("Key", "JavaHome", "C:\\jdk17");
    registry.SetValue("Key", "JavaHome", "second match is never reached");
    CRegistryReader reader(registry);
    EXPECT_EQ(reader.ReadStringValue(ERegRoot::LocalMachine, "Key", "JavaHome"), "C:\\jdk17");
    EXPECT_EQ(registry.OpenCount(), 0);
}

TEST(RegistryReader, MissingKeyOrValueGivesEmpty)
{
    CFakeRegistry registry;
    registry.SetValue("Key", "Other", "x");
    CRegistryReader reader(registry);
    EXPECT_EQ(reader.ReadStringValue(ERegRoot::LocalMachine, "Key", "JavaHome"), "");
    EXPECT_EQ(reader.ReadStringValue(ERegRoot::LocalMachine, "NoKey", "JavaHome"), "");
    EXPECT_EQ(reader.ReadStringValue(ERegRoot::CurrentUser, "Key", "Other"), "");
    EXPECT_EQ(registry.OpenCount(), 0);
}

TEST(RegistryReader, ValuesTooLargeForTheBuffersAreSkipped)
{
    CFakeRegistry registry;
    registry.SetValue("Key", std::string(255, 'n'), "name of 255 leaves no room for the terminator");
    registry.SetValue("Key", "JavaHome", std::string(300, 'd'));
    registry.SetValue("Key", "JavaHome", "fits");
    CRegistryReader reader(registry);
    EXPECT_EQ(reader.ReadStringValue(ERegRoot::LocalMachine, "Key", "JavaHome"), "fits");
    EXPECT_EQ(reader.ReadStringValue(ERegRoot::LocalMachine, "Key", std::string(254, 'n')), "");
}

TEST(RegistryReader, DataIsReadUpToItsFirstZero)
{
    CFakeRegistry registry;
    registry.SetValue("Key", "JavaHome", std::string("C:\\jdk\0junk", 11));
    CRegistryReader reader(registry);
    EXPECT_EQ(reader.ReadStringValue(ERegRoot::LocalMachine, "Key", "JavaHome"), "C:\\jdk");
}

TEST(JdkDetection, RegisteredJdkGivesItsJavaHome)
{
    CFakeRegistry registry;
    registry.SetValue(kJdkKey, "CurrentVersion", "1.2");
    registry.SetValue(kJdkKey + "\\1.2", "MicroVersion", "2");
    registry.SetValue(kJdkKey + "\\1.2", "JavaHome", "D:\\Java\\jdk1.2.2");
    EXPECT_EQ(CJdkLocator::FromRegistry(registry), "D:\\Java\\jdk1.2.2");
}

TEST(JdkDetection, WithoutKeyOrVersionTheOldFolderIsTheDefault)
{
    CFakeRegistry registry;
    EXPECT_EQ(CJdkLocator::FromRegistry(registry), "C:\\jdk1.2.2");
    registry.AddKey(kJdkKey);
    EXPECT_EQ(CJdkLocator::FromRegistry(registry), "C:\\jdk1.2.2");
}

TEST(JdkDetection, VersionKeyWithoutJavaHomeMakesTheDefaultEmpty)
{
    CFakeRegistry registry;
    registry.SetValue(kJdkKey, "CurrentVersion", "1.3");
    registry.SetValue(kJdkKey + "\\1.3", "RuntimeLib", "x");
    EXPECT_EQ(CJdkLocator::FromRegistry(registry), "");
}

TEST(JdkDetection, ExplicitJavaBinAlwaysWins)
{
    CFakeRegistry registry;
    registry.SetValue(kJdkKey, "CurrentVersion", "1.2");
    registry.SetValue(kJdkKey + "\\1.2", "JavaHome", "D:\\jdk");
    CMemorySettingsStore store;
    store.WriteProfileString("PATHS", "JAVABIN", "E:\\mine");
    CSettings settings = LoadSettings(store, {CJdkLocator::FromRegistry(registry), ""});
    EXPECT_EQ(settings.m_strJavaBin, "E:\\mine");
    CMemorySettingsStore empty;
    EXPECT_EQ(LoadSettings(empty, {CJdkLocator::FromRegistry(registry), ""}).m_strJavaBin, "D:\\jdk");
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
    EXPECT_EQ(CJdkLocator::FromEnvironment(Environment({{"JAVA_HOME", strHome + "/"},
                                                         {"PATH", (m_root / "usr-bin").string()}}),
                                           "/fallback"),
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
