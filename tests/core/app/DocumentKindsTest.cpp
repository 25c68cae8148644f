#include "core/app/AppCommandRules.h"
#include "core/app/CommandIds.h"
#include "core/app/DocumentKinds.h"

#include <gtest/gtest.h>

TEST(DocumentKinds, RegisteredInOrderWithTheirStrings)
{
    const auto& kinds = DocumentKinds();
    ASSERT_EQ(kinds.size(), 3u);
    EXPECT_EQ(kinds[0].m_nId, 129);
    EXPECT_EQ(kinds[1].m_nId, 130);
    EXPECT_EQ(kinds[2].m_nId, 131);
    const std::string& strProject = kinds[1].m_strDocString;
    EXPECT_EQ(GetDocStringField(strProject, EDocStringField::WindowTitle), "");
    EXPECT_EQ(GetDocStringField(strProject, EDocStringField::DocName), "JavaProject");
    EXPECT_EQ(GetDocStringField(strProject, EDocStringField::FileNewName), "Java Project");
    EXPECT_EQ(GetDocStringField(strProject, EDocStringField::FilterName), "Java Project Files (*.jpr)");
    EXPECT_EQ(GetDocStringField(strProject, EDocStringField::FilterExt), ".jpr");
    EXPECT_EQ(GetDocStringField(strProject, EDocStringField::RegFileTypeId), "JavaProjectr.Document");
    EXPECT_EQ(GetDocStringField(strProject, EDocStringField::RegFileTypeName), "Java project Document");
    EXPECT_EQ(GetDocStringField(kinds[0].m_strDocString, EDocStringField::RegFileTypeName), "Sourcewell Document");
    EXPECT_EQ(GetDocStringField("\nA", EDocStringField::FilterExt), "");
}

TEST(DocumentKinds, LookUpByExactDocumentName)
{
    EXPECT_EQ(FindDocumentKindByName("JavaDocument"), 0);
    EXPECT_EQ(FindDocumentKindByName("JavaProject"), 1);
    EXPECT_EQ(FindDocumentKindByName("HTMLDocument"), 2);
    EXPECT_EQ(FindDocumentKindByName("javadocument"), -1);
    EXPECT_EQ(FindDocumentKindByName(""), -1);
}

TEST(DocumentKinds, PathsFindTheirKindByExtension)
{
    EXPECT_EQ(FindDocumentKindForPath("/src/Hello.java"), 0);
    EXPECT_EQ(FindDocumentKindForPath("/src/Hello.JAV"), 0);
    EXPECT_EQ(FindDocumentKindForPath("C:\\p\\Demo.jpr"), 1);
    EXPECT_EQ(FindDocumentKindForPath("/web/page.htm"), 2);
    EXPECT_EQ(FindDocumentKindForPath("/web/page.HTML"), 2);
    EXPECT_EQ(FindDocumentKindForPath("/notes.txt"), -1);
    EXPECT_EQ(FindDocumentKindForPath("/dir.java/Makefile"), -1);
}

TEST(DocumentKinds, ProjectExtensionIgnoresCase)
{
    EXPECT_TRUE(IsProjectPath("/p/Demo.jpr"));
    EXPECT_TRUE(IsProjectPath("/p/Demo.JPR"));
    EXPECT_TRUE(IsProjectPath("C:\\p\\Demo.Jpr"));
    EXPECT_FALSE(IsProjectPath("/p/Demo.jpr.bak"));
    EXPECT_FALSE(IsProjectPath("/p.jpr/Demo"));
    EXPECT_FALSE(IsProjectPath("jpr"));
    EXPECT_EQ(FileExtension("/a.b/c.tar.gz"), "gz");
    EXPECT_EQ(FileExtension("/a.b/c"), "");
}

TEST(AppCommandRules, WithoutAProjectTheProjectCommandsAreDisabled)
{
    CAppCommandState none;
    using namespace CommandIds;
    // Enabled whenever served: the routing decides.
    for (int nId :
         {kFileNew, kFileOpen, kFilePrintSetup, kAppAbout, kTipOfTheDay, kPreferences, kNewProject, kOpenProject,
          kCloseProject, kRecentProjects, kSaveAll, kHelp, kBuild, kJdkHelp, kFileSave, kEditCopy, 12345})
        EXPECT_EQ(ApplicationCommandEnable(nId, none), ECommandEnable::NotServed) << nId;
    for (int nId : {kRunApplication, kCompile, kRunWithConsole, kAddJavaFiles, kAddHtmlFile, kProjectWindow,
                    kProjectWindowButton, kCreateJar, kShowArchiveContents, kRunApplet})
        EXPECT_EQ(ApplicationCommandEnable(nId, none), ECommandEnable::Disabled) << nId;
}

TEST(AppCommandRules, ProjectOpenAndToolRunning)
{
    using namespace CommandIds;
    CAppCommandState open{true, false, false};
    CAppCommandState running{true, true, false};
    CAppCommandState withPage{true, false, true};
    EXPECT_EQ(ApplicationCommandEnable(kRunApplication, open), ECommandEnable::Enabled);
    EXPECT_EQ(ApplicationCommandEnable(kCompile, open), ECommandEnable::Enabled);
    EXPECT_EQ(ApplicationCommandEnable(kRunApplication, running), ECommandEnable::Disabled);
    EXPECT_EQ(ApplicationCommandEnable(kCompile, running), ECommandEnable::Disabled);
    EXPECT_EQ(ApplicationCommandEnable(kBuild, running), ECommandEnable::NotServed);
    EXPECT_EQ(ApplicationCommandEnable(kRunWithConsole, running), ECommandEnable::Enabled);
    EXPECT_EQ(ApplicationCommandEnable(kRunApplet, open), ECommandEnable::Disabled);
    EXPECT_EQ(ApplicationCommandEnable(kRunApplet, withPage), ECommandEnable::Enabled);
    EXPECT_EQ(ApplicationCommandEnable(kCreateJar, open), ECommandEnable::Enabled);
    EXPECT_EQ(ApplicationCommandEnable(kJdkHelp, open), ECommandEnable::NotServed);
}
