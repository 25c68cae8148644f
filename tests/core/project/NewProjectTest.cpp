#include "core/project/JavaFile.h"
#include "core/project/JavaProjectCore.h"
#include "core/project/NewProject.h"
#include "core/project/ProjectFileIo.h"
#include "core/project/ProjectTemplates.h"
#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
class CNewProjectTest : public ::testing::Test {
protected:

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    static std::string Read(const std::string& strPath)
    {
        std::string strBytes;
        return CProjectFileIo::ReadAll(strPath, strBytes) ? strBytes : "<unreadable>";
    }

    CTempFolder m_folder{"tarnwick-newproj"};
    const std::string m_strDir = m_folder.Path();
};
} // namespace

TEST(ProjectTemplates, ExactTextsWithPlaceholdersReplaced)
{
    const std::string strApp = CProjectTemplates::MakeApplicationClass("Hello");
    EXPECT_EQ(strApp, "import java.awt.*;\nimport java.awt.event.*;\n\npublic class Hello extends Frame\n{\n"
                      "\tpublic Hello()\n\t{\n\t\tthis.addWindowListener\t(new WindowAdapter(){\n"
                      "\t\t\tpublic void windowClosing(WindowEvent e){\n\t\t\t\tdispose();\n\t\t\t\tSystem.exit(0);\n"
                      "\t\t\t}\n\t\t});\n\t}\n\t\n\tpublic static void main(String args[])\n\t{\n"
                      "\t\tSystem.out.println(\"Starting App\");\n\t\tHello f = new Hello();\n"
                      "\t\tf.setSize(100,100);\n\t\tf.show();\n\t}\n}");
    EXPECT_EQ(CProjectTemplates::MakeAppletClass("Hello"),
              "import java.awt.*;\nimport java.applet.*;\n\npublic class Hello extends Applet\n{\n"
              "\tpublic void paint(Graphics g)\n\t{\n\t\tg.drawString(\"Hello World\", 20, 20);\n\t}\n}\t");
    EXPECT_EQ(CProjectTemplates::MakeAppletPage("Hello"),
              "<HTML>\n\t<HEAD>\n\t\t<TITLE>Hello Example1</TITLE>\n\t</HEAD>\n\t<BODY>\n\t\t<H1>Hello</H1>\n"
              "\t\t<HR>\n\t\t<P>\n\t\t\t<APPLET CODE=\"Hello.class\" WIDTH=\"300\" HEIGHT=\"300\">\n"
              "\t\t\t</APPLET>\n\t\t</P>\n\t\t<HR>\n\t</BODY>\n</HTML>");
}

TEST(ProjectTemplates, ReplacementIsPlainAndCaseSensitive)
{
    EXPECT_EQ(CProjectTemplates::ReplaceAll("aXbXXc", "X", "YY"), "aYYbYYYYc");
    EXPECT_EQ(CProjectTemplates::ReplaceAll("mainframe MainFrame", "MainFrame", "MainFrameX"), "mainframe MainFrameX");
    EXPECT_EQ(CProjectTemplates::ReplaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(CProjectTemplates::MakeAppletClass("MyApplet"), CProjectTemplates::AppletClass);
}

TEST(ProjectTemplates, ClassNameChecks)
{
    EXPECT_EQ(CNewProject::CheckClassName(ENewProjectType::Empty, ""), "");
    EXPECT_EQ(CNewProject::CheckClassName(ENewProjectType::Empty, "a/b"), "");
    EXPECT_EQ(CNewProject::CheckClassName(ENewProjectType::Application, ""), "Please enter a name for your class");
    EXPECT_EQ(CNewProject::CheckClassName(ENewProjectType::Applet, ""), "Please enter a name for your class");
    EXPECT_EQ(CNewProject::CheckClassName(ENewProjectType::Applet, "1 not java"), "");
    EXPECT_EQ(CNewProject::CheckClassName(ENewProjectType::Application, "../Evil"),
              "A class name cannot contain a folder separator.");
    EXPECT_EQ(CNewProject::CheckClassName(ENewProjectType::Application, "a\\b"),
              "A class name cannot contain a folder separator.");
}

TEST_F(CNewProjectTest, ApplicationWritesCrLfSourceAndSavesTheProject)
{
    CJavaProjectCore project("", "-g");
    std::vector<std::string> opened;
    std::string strError;
    ASSERT_TRUE(CNewProject::Create(
        project, ENewProjectType::Application, "Hello", Path("Hello.jpr"),
        [&opened](const std::string& strPath) { opened.push_back(strPath); }, strError));
    EXPECT_EQ(opened, (std::vector<std::string>{Path("Hello.java")}));
    const std::string strSource = Read(Path("Hello.java"));
    std::string strExpected = CProjectTemplates::MakeApplicationClass("Hello");
    for (std::size_t nPos = 0; (nPos = strExpected.find('\n', nPos)) != std::string::npos; nPos += 2)
        strExpected.insert(nPos, 1, '\r');
    EXPECT_EQ(strSource, strExpected);
    EXPECT_EQ(strSource.find("MainFrame"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path("Example1.html")));

    EXPECT_EQ(project.GetPathName(), Path("Hello.jpr"));
    EXPECT_FALSE(project.IsModified());
    EXPECT_EQ(project.GetMainFile(), "Hello.java");
    EXPECT_EQ(project.GetMainFolder(), m_strDir);
    EXPECT_EQ(project.GetMainHtmlFile(), "");

    CJavaProjectCore reloaded;
    ASSERT_TRUE(reloaded.Open(Path("Hello.jpr"), strError));
    EXPECT_EQ(reloaded.WriteBytes(), project.WriteBytes());
    ASSERT_EQ(reloaded.GetJavaFiles().GetCount(), 1);
    EXPECT_EQ(reloaded.GetJavaFiles().GetAt(0)->GetPathName(), Path("Hello.java"));
    EXPECT_EQ(reloaded.GetJavaFiles().GetAt(0)->GetProjectPath(), Path("Hello.jpr"));
    EXPECT_EQ(reloaded.GetJavacSwitches(), "-g");
}

TEST_F(CNewProjectTest, AppletAddsThePageAsMainHtmlFile)
{
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(CNewProject::Create(project, ENewProjectType::Applet, "Hello", Path("Demo.jpr"), nullptr, strError));
    EXPECT_EQ(Read(Path("Hello.java")),
              "import java.awt.*;\r\nimport java.applet.*;\r\n\r\npublic class Hello extends Applet\r\n{\r\n"
              "\tpublic void paint(Graphics g)\r\n\t{\r\n\t\tg.drawString(\"Hello World\", 20, 20);\r\n\t}\r\n}\t");
    EXPECT_EQ(Read(Path("Example1.html")).substr(0, 56),
              "<HTML>\r\n\t<HEAD>\r\n\t\t<TITLE>Hello Example1</TITLE>\r\n\t</HEA");
    EXPECT_NE(Read(Path("Example1.html")).find("CODE=\"Hello.class\""), std::string::npos);
    EXPECT_EQ(project.GetMainFile(), "Hello.java");
    EXPECT_EQ(project.GetMainHtmlFile(), "Example1.html");
    EXPECT_EQ(project.GetHtmlFilePath("Example1.html"), Path("Example1.html"));

    CJavaProjectCore reloaded;
    ASSERT_TRUE(reloaded.Open(Path("Demo.jpr"), strError));
    EXPECT_EQ(reloaded.GetMainHtmlFile(), "Example1.html");
    EXPECT_EQ(reloaded.GetHtmlFiles().GetCount(), 1);
}

TEST_F(CNewProjectTest, SourcePathsAreThoseCreateWrites)
{
    EXPECT_EQ(CNewProject::SourcePaths(ENewProjectType::Empty, "Hello", Path("P.jpr")), std::vector<std::string>{});
    EXPECT_EQ(CNewProject::SourcePaths(ENewProjectType::Application, "Hello", Path("P.jpr")),
              (std::vector<std::string>{Path("Hello.java")}));
    EXPECT_EQ(CNewProject::SourcePaths(ENewProjectType::Applet, "Hello", Path("P.jpr")),
              (std::vector<std::string>{Path("Hello.java"), Path("Example1.html")}));
    EXPECT_EQ(CNewProject::SourcePaths(ENewProjectType::Applet, "Hello", "P.jpr"),
              (std::vector<std::string>{"Hello.java", "Example1.html"}));

    ASSERT_TRUE(CNewProject::WriteTextFile(Path("Example1.html"), "page"));
    std::filesystem::create_symlink(Path("nowhere"), Path("Hello.java"));
    EXPECT_EQ(CNewProject::ExistingSources(ENewProjectType::Application, "Hello", Path("P.jpr")),
              (std::vector<std::string>{Path("Hello.java")}));
    EXPECT_EQ(CNewProject::ExistingSources(ENewProjectType::Applet, "Hello", Path("P.jpr")),
              (std::vector<std::string>{Path("Hello.java"), Path("Example1.html")}));
    EXPECT_EQ(CNewProject::ExistingSources(ENewProjectType::Applet, "Other", Path("P.jpr")),
              (std::vector<std::string>{Path("Example1.html")}));
}

TEST_F(CNewProjectTest, ExistingSourcesAreKeptWhenNobodyIsAsked)
{
    std::string strError;
    ASSERT_TRUE(CNewProject::WriteTextFile(Path("Hello.java"), "class Hello {}\n"));
    CJavaProjectCore project;
    std::vector<std::string> opened;
    ASSERT_TRUE(CNewProject::Create(
        project, ENewProjectType::Application, "Hello", Path("P.jpr"),
        [&opened](const std::string& strPath) { opened.push_back(strPath); }, strError));
    EXPECT_EQ(Read(Path("Hello.java")), "class Hello {}\r\n");
    // The project is still made around the kept file.
    EXPECT_EQ(opened, (std::vector<std::string>{Path("Hello.java")}));
    CJavaProjectCore reloaded;
    ASSERT_TRUE(reloaded.Open(Path("P.jpr"), strError));
    ASSERT_EQ(reloaded.GetJavaFiles().GetCount(), 1);
    EXPECT_EQ(reloaded.GetJavaFiles().GetAt(0)->GetPathName(), Path("Hello.java"));
    EXPECT_EQ(reloaded.GetMainFile(), "Hello.java");
}

TEST_F(CNewProjectTest, EachExistingSourceIsAskedAboutBeforeAnythingIsWritten)
{
    std::string strError;
    ASSERT_TRUE(CNewProject::WriteTextFile(Path("Hello.java"), "mine\n"));
    ASSERT_TRUE(CNewProject::WriteTextFile(Path("Example1.html"), "my page\n"));
    CJavaProjectCore project;
    std::vector<std::string> asked;
    ASSERT_TRUE(CNewProject::Create(project, ENewProjectType::Applet, "Hello", Path("P.jpr"), nullptr, strError,
                                    [&](const std::string& strPath) {
                                        asked.push_back(strPath);
                                        // Nothing is on disk yet when the questions are asked.
                                        EXPECT_FALSE(std::filesystem::exists(Path("P.jpr")));
                                        return strPath == Path("Example1.html");
                                    }));
    EXPECT_EQ(asked, (std::vector<std::string>{Path("Hello.java"), Path("Example1.html")}));
    EXPECT_EQ(Read(Path("Hello.java")), "mine\r\n");
    EXPECT_EQ(Read(Path("Example1.html")).substr(0, 8), "<HTML>\r\n");
    EXPECT_EQ(project.GetMainFile(), "Hello.java");
    EXPECT_EQ(project.GetMainHtmlFile(), "Example1.html");
    EXPECT_EQ(project.GetHtmlFiles().GetCount(), 1);

    // A missing file is written without a question.
    std::filesystem::remove(Path("Hello.java"));
    asked.clear();
    CJavaProjectCore second;
    ASSERT_TRUE(CNewProject::Create(second, ENewProjectType::Application, "Hello", Path("Q.jpr"), nullptr, strError,
                                    [&](const std::string& strPath) {
                                        asked.push_back(strPath);
                                        return true;
                                    }));
    EXPECT_EQ(asked, std::vector<std::string>{});
    EXPECT_EQ(Read(Path("Hello.java")).substr(0, 20), "import java.awt.*;\r\n");
}

TEST_F(CNewProjectTest, YesReplacesAnExistingSource)
{
    std::string strError;
    ASSERT_TRUE(CNewProject::WriteTextFile(Path("Hello.java"), "old text that is longer than the new one\n"));
    CJavaProjectCore project;
    ASSERT_TRUE(CNewProject::Create(project, ENewProjectType::Application, "Hello", Path("P.jpr"), nullptr, strError,
                                    [](const std::string&) { return true; }));
    EXPECT_EQ(Read(Path("Hello.java")).substr(0, 20), "import java.awt.*;\r\n");
}

TEST_F(CNewProjectTest, BareProjectNamePutsSourcesInTheWorkingFolder)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::create_directory(Path("work"));
    std::filesystem::current_path(Path("work"));
    CJavaProjectCore project;
    std::string strError;
    const bool bDone = CNewProject::Create(project, ENewProjectType::Applet, "Hello", "Hello.jpr", nullptr, strError);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(bDone) << strError;
    EXPECT_EQ(Read(Path("work/Hello.java")).substr(0, 20), "import java.awt.*;\r\n");
    EXPECT_EQ(Read(Path("work/Example1.html")).substr(0, 8), "<HTML>\r\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(Path("work/Hello.jpr")));
    EXPECT_FALSE(std::filesystem::exists("/Hello.java"));
    EXPECT_EQ(project.GetJavaFiles().GetAt(0)->GetPathName(), "Hello.java");
    EXPECT_EQ(project.GetMainFile(), "Hello.java");
}

TEST_F(CNewProjectTest, EmptyProjectIsOnlySaved)
{
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(CNewProject::Create(project, ENewProjectType::Empty, "", Path("E.jpr"), nullptr, strError));
    EXPECT_EQ(Read(Path("E.jpr")), std::string(14, '\0'));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_strDir), std::filesystem::directory_iterator()), 1);
}

TEST_F(CNewProjectTest, RefusalsAndFailures)
{
    CJavaProjectCore project;
    std::string strError;
    EXPECT_FALSE(CNewProject::Create(project, ENewProjectType::Application, "", Path("P.jpr"), nullptr, strError));
    EXPECT_EQ(strError, "Please enter a name for your class");
    EXPECT_FALSE(CNewProject::Create(project, ENewProjectType::Application, "sub/X", Path("P.jpr"), nullptr, strError));
    EXPECT_EQ(strError, "A class name cannot contain a folder separator.");
    EXPECT_FALSE(std::filesystem::exists(Path("P.jpr")));

    EXPECT_FALSE(
        CNewProject::Create(project, ENewProjectType::Application, "X", Path("missing/P.jpr"), nullptr, strError));
    EXPECT_EQ(strError, "Failed to save document.\n\n" + Path("missing/P.jpr") + ": No such file or directory");

    // The project is saved, then the source cannot be written: silent stop.
    std::filesystem::create_directory(Path("Blocked.java"));
    std::filesystem::create_directory(Path("Blocked.java/inner"));
    EXPECT_FALSE(
        CNewProject::Create(project, ENewProjectType::Application, "Blocked", Path("B.jpr"), nullptr, strError));
    EXPECT_EQ(strError, "");
    EXPECT_TRUE(std::filesystem::exists(Path("B.jpr")));
    EXPECT_EQ(project.GetPathName(), Path("B.jpr"));
    EXPECT_EQ(project.GetJavaFiles().GetCount(), 0);
}
