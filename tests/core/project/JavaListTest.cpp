#include "core/project/JavaClass.h"
#include "core/project/JavaClassList.h"
#include "core/project/JavaFile.h"
#include "core/project/JavaFileList.h"
#include "core/project/TarnwickFile.h"
#include "core/project/TarnwickFileList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

static std::unique_ptr<CJavaClass> NewClass(const std::string& strName)
{
    auto pClass = std::make_unique<CJavaClass>();
    pClass->SetName(strName);
    return pClass;
}

static std::unique_ptr<CJavaFile> NewJavaFile(const std::string& strPath)
{
    auto pFile = std::make_unique<CJavaFile>();
    pFile->SetPathName(strPath);
    return pFile;
}

static std::unique_ptr<CTarnwickFile> NewHtmlFile(const std::string& strPath)
{
    auto pFile = std::make_unique<CTarnwickFile>();
    pFile->SetPathName(strPath);
    return pFile;
}

TEST(JavaListCapacity, EveryListRefusesThe256thEntry)
{
    CJavaClassList classes;
    CJavaFileList javaFiles;
    CTarnwickFileList htmlFiles;
    for (int i = 0; i < 255; ++i) {
        ASSERT_TRUE(classes.Add(NewClass("C" + std::to_string(i))));
        ASSERT_TRUE(javaFiles.Add(NewJavaFile("/p/F" + std::to_string(i) + ".java")));
        ASSERT_TRUE(htmlFiles.Add(NewHtmlFile("/p/H" + std::to_string(i) + ".html")));
    }
    EXPECT_FALSE(classes.Add(NewClass("Extra")));
    EXPECT_FALSE(javaFiles.Add(NewJavaFile("/p/Extra.java")));
    EXPECT_FALSE(htmlFiles.Add(NewHtmlFile("/p/Extra.html")));

    EXPECT_EQ(classes.GetCount(), 255);
    EXPECT_EQ(javaFiles.GetCount(), 255);
    EXPECT_EQ(htmlFiles.GetCount(), 255);
    EXPECT_FALSE(classes.HasClass("Extra"));
    EXPECT_EQ(javaFiles.FindByFileName("Extra.java"), nullptr);
    EXPECT_FALSE(htmlFiles.HasFileName("Extra.html"));
    EXPECT_EQ(classes.GetAt(254)->GetName(), "C254");
    EXPECT_EQ(classes.GetAt(255), nullptr);

    // Room again after a removal.
    classes.RemoveAt(0);
    EXPECT_TRUE(classes.Add(NewClass("Extra")));
    EXPECT_EQ(classes.GetAt(254)->GetName(), "Extra");
}

TEST(JavaListCapacity, JavaFileListTakesOnlyJavaFiles)
{
    CJavaFileList javaFiles;
    EXPECT_FALSE(javaFiles.Add(NewHtmlFile("/p/Page.html")));
    EXPECT_FALSE(javaFiles.Add(std::unique_ptr<CJavaFile>()));
    EXPECT_EQ(javaFiles.GetCount(), 0);

    std::unique_ptr<CTarnwickFile> pAsBase = NewJavaFile("/p/A.java");
    EXPECT_TRUE(javaFiles.Add(std::move(pAsBase)));
    ASSERT_EQ(javaFiles.GetCount(), 1);
    EXPECT_EQ(javaFiles.GetAt(0)->GetFileName(), "A.java");
}

TEST(JavaListRemoval, RemoveAtShiftsLaterEntriesDown)
{
    CJavaClassList classes;
    classes.Add(NewClass("First"));
    classes.Add(NewClass("Second"));
    classes.Add(NewClass("Third"));

    classes.RemoveAt(0);
    ASSERT_EQ(classes.GetCount(), 2);
    EXPECT_EQ(classes.GetAt(0)->GetName(), "Second");
    EXPECT_EQ(classes.GetAt(1)->GetName(), "Third");
    EXPECT_EQ(classes.GetAt(2), nullptr);

    classes.RemoveAt(-1);
    classes.RemoveAt(2);
    EXPECT_EQ(classes.GetCount(), 2);

    classes.RemoveAt(1);
    ASSERT_EQ(classes.GetCount(), 1);
    EXPECT_EQ(classes.GetAt(0)->GetName(), "Second");

    classes.RemoveAll();
    EXPECT_EQ(classes.GetCount(), 0);
    EXPECT_EQ(classes.GetAt(0), nullptr);
    EXPECT_EQ(classes.GetAt(-1), nullptr);
}

TEST(JavaListLookup, FileListsFindTheFirstMatchExactly)
{
    CTarnwickFileList files;
    files.Add(NewHtmlFile("C:\\a\\Page.html"));
    files.Add(NewHtmlFile("C:\\b\\Page.html"));
    files.Add(NewHtmlFile("C:\\b\\Other.html"));

    ASSERT_NE(files.FindByFileName("Page.html"), nullptr);
    EXPECT_EQ(files.FindByFileName("Page.html")->GetPathName(), "C:\\a\\Page.html");
    EXPECT_EQ(files.FindByPathName("C:\\b\\Page.html"), files.GetAt(1));
    EXPECT_EQ(files.FindByPathName("C:\\B\\Page.html"), nullptr);
    EXPECT_EQ(files.FindByFileName("page.html"), nullptr);
    EXPECT_TRUE(files.HasFileName("Other.html"));
    EXPECT_FALSE(files.HasFileName("OTHER.HTML"));
    EXPECT_FALSE(files.HasFileName(""));

    CJavaFileList javaFiles;
    javaFiles.Add(NewJavaFile("/src/Main.java"));
    CJavaFile* pMain = javaFiles.FindByFileName("Main.java");
    ASSERT_NE(pMain, nullptr);
    EXPECT_EQ(javaFiles.FindByPathName("/src/Main.java"), pMain);
    EXPECT_TRUE(javaFiles.HasFileName("Main.java"));
    EXPECT_EQ(javaFiles.FindByPathName("/src/main.java"), nullptr);
}

TEST(JavaListLookup, ClassesMembersAndNestedClasses)
{
    CJavaFile file;
    file.SetPathName("/src/Outer.java");
    CJavaClassList& classes = file.GetClasses();
    classes.Add(NewClass("Outer"));
    classes.Add(NewClass("Helper"));
    EXPECT_TRUE(classes.HasClass("Helper"));
    EXPECT_FALSE(classes.HasClass("helper"));
    EXPECT_EQ(classes.FindClass("Missing"), nullptr);

    CJavaClass* pOuter = classes.FindClass("Outer");
    ASSERT_NE(pOuter, nullptr);
    pOuter->AddMember("main(String args[])");
    pOuter->AddMember("run()");
    pOuter->AddMember("run()"); // no duplicate test of its own
    EXPECT_TRUE(pOuter->HasMember("run()"));
    EXPECT_FALSE(pOuter->HasMember("run( )"));
    ASSERT_EQ(pOuter->GetMembers().size(), 3u);
    EXPECT_EQ(pOuter->GetMembers()[0], "main(String args[])");

    pOuter->GetNestedClasses().Add(NewClass("Inner"));
    EXPECT_TRUE(pOuter->HasNestedClass("Inner"));
    EXPECT_FALSE(pOuter->HasNestedClass("Outer"));
    CJavaClass* pInner = pOuter->FindNestedClass("Inner");
    ASSERT_NE(pInner, nullptr);
    pInner->AddMember("paint(Graphics g)");
    EXPECT_TRUE(pOuter->FindNestedClass("Inner")->HasMember("paint(Graphics g)"));
    EXPECT_EQ(pOuter->FindNestedClass("Missing"), nullptr);

    // A class's member array has no 255 limit.
    CJavaClass big;
    for (int i = 0; i < 1000; ++i)
        big.AddMember("m" + std::to_string(i) + "()");
    EXPECT_EQ(big.GetMembers().size(), 1000u);
    EXPECT_TRUE(big.HasMember("m999()"));
}
