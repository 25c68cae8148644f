#include "core/project/JavaProjectCore.h"
#include "core/project/ProjectDump.h"
#include "core/project/ProjectPath.h"

#include <gtest/gtest.h>

TEST(ProjectDump, ListsFilesClassesMainFilesAndSwitches)
{
    CJavaProjectCore project("-ea", "");
    project.SetPathName("/w/P.jpr");
    project.AddJavaFile("/w/Hello.java");
    project.AddClass("/w/Hello.java", "Hello");
    project.AddMember("/w/Hello.java", "Hello", "main(String args[])");
    project.AddNestedClass("/w/Hello.java", "Hello", "Inner");
    project.AddNestedMember("/w/Hello.java", "Hello", "Inner", "run()");
    project.AddHtmlFile("/w/Example1.html");
    project.SetMainFile("Hello.java");
    project.SetMainHtmlFile("Example1.html");
    EXPECT_EQ(CProjectDump::Write(project), "Project: /w/P.jpr\n"
                                            "Java files (1):\n"
                                            "  Hello.java  /w/Hello.java\n"
                                            "    class Hello\n"
                                            "      main(String args[])\n"
                                            "      class Inner\n"
                                            "        run()\n"
                                            "HTML files (1):\n"
                                            "  Example1.html  /w/Example1.html\n"
                                            "Main Java file: \"Hello.java\"\n"
                                            "Main folder: \"/w\"\n"
                                            "Main package: \"\"\n"
                                            "Main HTML file: \"Example1.html\"\n"
                                            "Java switches: \"-ea\"\n"
                                            "Javac switches: \"\"\n");
}

TEST(ProjectDump, MovedProjectShowsWhereFilesResolveNow)
{
    const std::string kSep(1, CProjectPath::kNativeSeparator);
    CJavaProjectCore project;
    project.SetPathName("C:\\Old\\P.jpr");
    project.AddJavaFile("C:\\Old\\A.java");
    project.AddHtmlFile("C:\\Old\\A.java");
    project.SetPathName("/new/P.jpr");
    EXPECT_EQ(CProjectDump::Write(project), "Project: /new/P.jpr\n"
                                            "Java files (1):\n"
                                            "  A.java  C:\\Old\\A.java  (now /new" +
                                                kSep +
                                                "A.java)\n"
                                                "HTML files (1):\n"
                                                "  A.java  C:\\Old\\A.java  (now /new" +
                                                kSep +
                                                "A.java)\n"
                                                "Main Java file: \"\"\n"
                                                "Main folder: \"\"\n"
                                                "Main package: \"\"\n"
                                                "Main HTML file: \"\"\n"
                                                "Java switches: \"\"\n"
                                                "Javac switches: \"\"\n");
}
