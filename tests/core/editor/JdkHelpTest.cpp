#include "core/editor/JdkDocsLocator.h"
#include "core/editor/JdkHelp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A scratch folder removed when the test ends; its path holds a blank so
// file URLs must encode it.
class JdkHelpFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() / ("tarnwick jdkhelp " + std::to_string(getpid()) + " " + pInfo->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }

    void Write(const fs::path& path, const std::string& strText) const
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << strText;
    }
    std::string Url(const fs::path& path) const { return CJdkHelp::FileUrl(path.string()); }

    fs::path m_root;
};

const std::string kOracle21 = "https://docs.oracle.com/en/java/javase/21/docs/api/";

} // namespace

TEST(JdkHelpUrl, EncodingAndFileUrls)
{
    EXPECT_EQ(CJdkHelp::PercentEncode("String Builder"), "String%20Builder");
    EXPECT_EQ(CJdkHelp::PercentEncode("a+b/c?\xC3\xA9-._~"), "a%2Bb%2Fc%3F%C3%A9-._~");
    EXPECT_EQ(CJdkHelp::PercentEncode("x\r\ny"), "x%0D%0Ay");
    EXPECT_EQ(CJdkHelp::FileUrl("/opt/jdk docs/api/index.html"), "file:///opt/jdk%20docs/api/index.html");
    EXPECT_EQ(CJdkHelp::FileUrl("C:\\jdk1.2.2\\docs\\api"), "file:///C:/jdk1.2.2/docs/api");
    EXPECT_EQ(CJdkHelp::VersionInUrl(kOracle21), 21);
    EXPECT_EQ(CJdkHelp::VersionInUrl("https://docs.oracle.com/javase/8/docs/api/"), 8);
    EXPECT_EQ(CJdkHelp::VersionInUrl("https://docs.oracle.com/javase/1.5.0/docs/api/"), 5);
    EXPECT_EQ(CJdkHelp::VersionInUrl("https://download.java.net/java/early_access/jdk24/docs/api/"), 24);
    EXPECT_EQ(CJdkHelp::VersionInUrl("https://example.org/api/"), 0);
}

TEST(JdkHelpUrl, OnlineDocsSearchOnlyWhenTheyHaveASearchPage)
{
    EXPECT_EQ(CJdkHelp::HelpTarget(kOracle21, "List of"), kOracle21 + "search.html?q=List%20of");
    EXPECT_EQ(CJdkHelp::HelpTarget(kOracle21 + "index.html", "List"), kOracle21 + "search.html?q=List");
    EXPECT_EQ(CJdkHelp::HelpTarget(kOracle21, ""), kOracle21 + "index.html");
    const std::string strOld = "https://docs.oracle.com/en/java/javase/17/docs/api/index.html";
    EXPECT_EQ(CJdkHelp::HelpTarget(strOld, "List"), strOld);
    EXPECT_EQ(CJdkHelp::HelpTarget("https://docs.oracle.com/javase/8/docs/api", "List"),
              "https://docs.oracle.com/javase/8/docs/api/index.html");
    EXPECT_EQ(CJdkHelp::HelpTarget("  ", "List"), "");
}

TEST_F(JdkHelpFolder, LocalDocsUseSearchPageWhenPresent)
{
    const fs::path api = m_root / "api";
    Write(api / "index.html", "<html>");
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "String"), Url(api / "index.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget((api / "index.html").string(), ""), Url(api / "index.html"));
    EXPECT_EQ(Url(api / "index.html").find("file:///"), 0u);
    EXPECT_NE(Url(api / "index.html").find("tarnwick%20jdkhelp"), std::string::npos);
    Write(api / "search.html", "<html>");
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "Map.Entry"), Url(api / "search.html") + "?q=Map.Entry");
    EXPECT_EQ(CJdkHelp::HelpTarget((api / "index.html").string(), "a b"), Url(api / "search.html") + "?q=a%20b");
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), ""), Url(api / "index.html"));
}

TEST_F(JdkHelpFolder, DefaultHelpPathPrefersLocalDocs)
{
    const fs::path jdk = m_root / "jdk";
    const fs::path docRoot = m_root / "doc";
    Write(jdk / "release", "IMPLEMENTOR=\"x\"\r\nJAVA_VERSION_DATE=\"2025-04-15\"\r\nJAVA_VERSION=\"17.0.15\"\r\n");
    EXPECT_EQ(CJdkDocsLocator::MajorVersionOfJdk(jdk.string()), 17);
    EXPECT_EQ(CJdkDocsLocator::DefaultHelpPath(jdk.string(), docRoot.string()),
              "https://docs.oracle.com/en/java/javase/17/docs/api/index.html");
    Write(docRoot / "openjdk-17-doc" / "api" / "index.html", "<html>");
    EXPECT_EQ(CJdkDocsLocator::DefaultHelpPath(jdk.string(), docRoot.string()),
              (docRoot / "openjdk-17-doc" / "api" / "index.html").string());
    Write(jdk / "docs" / "api" / "index.html", "<html>");
    EXPECT_EQ(CJdkDocsLocator::DefaultHelpPath(jdk.string(), docRoot.string()),
              (jdk / "docs" / "api" / "index.html").string());
}

TEST_F(JdkHelpFolder, VersionFromReleaseOrFolderName)
{
    EXPECT_EQ(CJdkDocsLocator::MajorVersionFromRelease("JAVA_VERSION=\"1.8.0_292\"\n"), 8);
    EXPECT_EQ(CJdkDocsLocator::MajorVersionFromRelease("JAVA_VERSION=25\n"), 25);
    EXPECT_EQ(CJdkDocsLocator::MajorVersionFromRelease("JAVA_VERSION_DATE=\"2025\"\n"), 0);
    EXPECT_EQ(CJdkDocsLocator::MajorVersionFromRelease(""), 0);
    const fs::path old = m_root / "jdk1.8.0_202";
    fs::create_directories(old);
    EXPECT_EQ(CJdkDocsLocator::DefaultHelpPath(old.string(), ""),
              "https://docs.oracle.com/javase/8/docs/api/index.html");
    Write(m_root / "temurin-25-jdk" / "release", "JAVA_VERSION=\"junk\"\n");
    EXPECT_EQ(CJdkDocsLocator::MajorVersionOfJdk((m_root / "temurin-25-jdk").string()), 25);
    EXPECT_EQ(CJdkDocsLocator::DefaultHelpPath((m_root / "nothing").string(), ""), "");
    EXPECT_EQ(CJdkDocsLocator::OnlineApiDocs(5), "https://docs.oracle.com/javase/1.5.0/docs/api/index.html");
    EXPECT_EQ(CJdkDocsLocator::OnlineApiDocs(2), "");
}
