#include "core/jdk/JdkDocsLocator.h"
#include "core/jdk/JdkHelp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
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

// Docs of JDK 9 to 18 have a search box but no search page: F1 opens the
// selected type's own page, found through the docs' type index.
TEST_F(JdkHelpFolder, DocsWithoutSearchPageOpenTheSelectedTypesPage)
{
    const fs::path api = m_root / "api";
    Write(api / "index.html", "<html>");
    Write(api / "type-search-index.js",
          "typeSearchIndex = [{\"p\":\"java.awt\",\"l\":\"List\"},{\"p\":\"java.util\",\"l\":\"List\"},"
          "{\"p\":\"java.util\",\"l\":\"Map.Entry\"},{\"p\":\"javax.swing\",\"l\":\"JList\"},"
          "{\"p\":\"org.ietf.jgss\",\"l\":\"Oid\"},{\"p\":\"java.util.stream\",\"l\":\"Stream\"},"
          "{\"l\":\"All Classes and Interfaces\",\"u\":\"allclasses-index.html\"}];updateSearchResults();");
    Write(api / "package-search-index.js",
          "packageSearchIndex = [{\"l\":\"All Packages\",\"u\":\"allpackages-index.html\"},"
          "{\"m\":\"java.desktop\",\"l\":\"java.awt\"},{\"m\":\"java.base\",\"l\":\"java.util\"},"
          "{\"m\":\"java.desktop\",\"l\":\"javax.swing\"},{\"m\":\"java.security.jgss\",\"l\":\"org.ietf.jgss\"}];");
    Write(api / "java.base" / "java" / "util" / "List.html", "<html>");
    Write(api / "java.desktop" / "java" / "awt" / "List.html", "<html>");
    Write(api / "java.base" / "java" / "util" / "Map.Entry.html", "<html>");
    Write(api / "java.desktop" / "javax" / "swing" / "JList.html", "<html>");
    Write(api / "java.security.jgss" / "org" / "ietf" / "jgss" / "Oid.html", "<html>");

    // java.util before java.awt: the type a Java programmer means most often.
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "List"), Url(api / "java.base" / "java" / "util" / "List.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget((api / "index.html").string(), " Map.Entry\r\n"),
              Url(api / "java.base" / "java" / "util" / "Map.Entry.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "java.awt.List"),
              Url(api / "java.desktop" / "java" / "awt" / "List.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "JList"),
              Url(api / "java.desktop" / "javax" / "swing" / "JList.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "Oid"),
              Url(api / "java.security.jgss" / "org" / "ietf" / "jgss" / "Oid.html"));
    // Not a type, a type without its page, case that differs: the start page.
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "println"), Url(api / "index.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "Stream"), Url(api / "index.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "list"), Url(api / "index.html"));
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "All Classes and Interfaces"), Url(api / "index.html"));

    // Docs without modules (JDK 9 and 10 could be built so): package folders at the top.
    const fs::path flat = m_root / "flat";
    Write(flat / "index.html", "<html>");
    Write(flat / "type-search-index.js", "typeSearchIndex = [{\"p\":\"java.util\",\"l\":\"List\"}]");
    Write(flat / "java" / "util" / "List.html", "<html>");
    EXPECT_EQ(CJdkHelp::HelpTarget(flat.string(), "List"), Url(flat / "java" / "util" / "List.html"));

    // With a search page, the search page still wins.
    Write(api / "search.html", "<html>");
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "List"), Url(api / "search.html") + "?q=List");
}

TEST(JdkHelpUrl, TextsWhenHelpCannotBeShown)
{
    // A local page is given as a path to open by hand; anything else as the address.
    EXPECT_EQ(CJdkHelp::NotOpenedText("file:///opt/jdk%20docs/api/index.html"),
              "No web browser could be started to show the help.\n"
              "Open this in a web browser by hand:\n/opt/jdk docs/api/index.html");
    EXPECT_EQ(CJdkHelp::NotOpenedText("/usr/share/tarnwick/help/index.html"),
              "No web browser could be started to show the help.\n"
              "Open this in a web browser by hand:\n/usr/share/tarnwick/help/index.html");
    EXPECT_EQ(CJdkHelp::NotOpenedText(kOracle21 + "search.html?q=List%20of"),
              "No web browser could be started to show the help.\n"
              "Open this in a web browser by hand:\n" +
                  kOracle21 + "search.html?q=List%20of");
    EXPECT_EQ(CJdkHelp::NotOpenedText("file:///opt/api/search.html?q=Map"),
              "No web browser could be started to show the help.\n"
              "Open this in a web browser by hand:\nfile:///opt/api/search.html?q=Map");
    EXPECT_EQ(CJdkHelp::NotOpenedText("file:///C:/jdk1.2.2/docs/api/index.html"),
              "No web browser could be started to show the help.\n"
              "Open this in a web browser by hand:\nC:/jdk1.2.2/docs/api/index.html");
    EXPECT_EQ(CJdkHelp::kNoDocsText,
              std::string_view("No JDK documentation is set.\nInstall the JDK's API documentation, or give its folder "
                               "or address as the help path (HELPPATH) in the settings."));
}

// Nobody writes to these FIFOs: opening one to read would wait for ever, and
// /dev/zero would be read for ever. Both are taken as missing files.
TEST_F(JdkHelpFolder, FifosAndDevicesInTheJdkAreNotRead)
{
    const fs::path jdk = m_root / "temurin-21-jdk";
    fs::create_directories(jdk);
    ASSERT_EQ(::mkfifo((jdk / "release").c_str(), 0600), 0);
    EXPECT_EQ(CJdkDocsLocator::MajorVersionOfJdk(jdk.string()), 21);
    const fs::path zero = m_root / "jdk-zero-11";
    fs::create_directories(zero);
    fs::create_symlink("/dev/zero", zero / "release");
    EXPECT_EQ(CJdkDocsLocator::MajorVersionOfJdk(zero.string()), 11);

    const fs::path api = m_root / "api";
    Write(api / "index.html", "<html>");
    Write(api / "java.base" / "java" / "util" / "List.html", "<html>");
    ASSERT_EQ(::mkfifo((api / "type-search-index.js").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", api / "package-search-index.js");
    EXPECT_EQ(CJdkHelp::HelpTarget(api.string(), "List"), Url(api / "index.html"));
}
