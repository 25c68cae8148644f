#include "core/project/PackageDeclaration.h"
#include "core/tools/SourceRoot.h"

#include <gtest/gtest.h>

TEST(ProjectPackageDeclaration, ReadsTheDottedNameAfterBlanksAndComments)
{
    EXPECT_EQ(CPackageDeclaration::Read("package com.example;\nclass App {}\n"), "com.example");
    EXPECT_EQ(CPackageDeclaration::Read("\xEF\xBB\xBF/* licence\n * text */\n// note\r\npackage  shop ;"), "shop");
    EXPECT_EQ(CPackageDeclaration::Read("package/**/com . example\n\t.model/*x*/;"), "com.example.model");
    EXPECT_EQ(CPackageDeclaration::Read("package ünï.$x_1;"), "ünï.$x_1");

    // The default package: no declaration first, or one cut short or broken.
    EXPECT_EQ(CPackageDeclaration::Read(""), "");
    EXPECT_EQ(CPackageDeclaration::Read("import java.util.List;\npackage a;"), "");
    EXPECT_EQ(CPackageDeclaration::Read("class packaged {}"), "");
    EXPECT_EQ(CPackageDeclaration::Read("packages a;"), "");
    EXPECT_EQ(CPackageDeclaration::Read("package com.example"), "");
    EXPECT_EQ(CPackageDeclaration::Read("package com..example;"), "");
    EXPECT_EQ(CPackageDeclaration::Read("package 1com;"), "");
    EXPECT_EQ(CPackageDeclaration::Read("package -cp;"), "");
    EXPECT_EQ(CPackageDeclaration::Read("/* never closed package a;"), "");
    EXPECT_EQ(CPackageDeclaration::Read("package a /* never closed ;"), "");

    EXPECT_EQ(CPackageDeclaration::ReadFile("/no/such/App.java"), "");
}

TEST(ToolsSourceRoot, IsTheFolderAboveThePackagesFolders)
{
    CSourceRoot root;
    std::string strError;
    ASSERT_TRUE(CSourceRoot::Find("/p/src/com/example/App.java", "com.example", root, strError));
    EXPECT_EQ(root.m_strFolder, "/p/src");
    EXPECT_EQ(root.m_strRelativeFile, "com/example/App.java");
    ASSERT_TRUE(CSourceRoot::Find("/shop/Shop.java", "shop", root, strError));
    EXPECT_EQ(root.m_strFolder, "/");
    EXPECT_EQ(root.m_strRelativeFile, "shop/Shop.java");
    ASSERT_TRUE(CSourceRoot::Find("/p/Hello.java", "", root, strError));
    EXPECT_EQ(root.m_strFolder, "/p");
    EXPECT_EQ(root.m_strRelativeFile, "Hello.java");
    EXPECT_EQ(strError, "");

    // Folders that end with only part of the package, or another one.
    EXPECT_FALSE(CSourceRoot::Find("/p/src/example/App.java", "com.example", root, strError));
    EXPECT_EQ(strError, "App.java declares package com.example but is not in a folder com/example.");
    EXPECT_FALSE(CSourceRoot::Find("/example/App.java", "com.example", root, strError));
    EXPECT_FALSE(CSourceRoot::Find("/p/mycom/example/App.java", "com.example", root, strError));
    EXPECT_FALSE(CSourceRoot::Find("App.java", "a", root, strError));
    EXPECT_EQ(strError, "App.java declares package a but is not in a folder a.");
}
