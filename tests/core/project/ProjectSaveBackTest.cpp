#include "core/io/FileLock.h"
#include "core/project/JavaProjectCore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {
class ProjectSaveBackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strPath = m_strDir + "/Demo.jpr";
        CJavaProjectCore first("-ea", "-g");
        first.AddJavaFile(m_strDir + "/A.java");
        std::string strError;
        ASSERT_TRUE(first.SaveAs(m_strPath, strError));
    }
    std::string Read() const
    {
        std::ifstream file(m_strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    // Another program adding a file, as tarnwick-cli project add does.
    std::string AddOutside(const std::string& strJava) const
    {
        CJavaProjectCore outside;
        std::string strError;
        EXPECT_TRUE(outside.Open(m_strPath, strError));
        outside.AddJavaFile(strJava);
        EXPECT_TRUE(outside.Save(strError));
        return outside.WriteBytes();
    }
    CTempFolder m_folder{"tarnwick-saveback"};
    const std::string m_strDir = m_folder.Path();
    std::string m_strPath;
};
} // namespace

TEST_F(ProjectSaveBackTest, AProjectThatWritesTheBytesItReadHasNoChanges)
{
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(m_strPath, strError));
    EXPECT_FALSE(project.HasChanges());
    // A scan that finds what was stored sets the flag but changes nothing.
    project.ClearFileClasses(m_strDir + "/A.java");
    project.SetModifiedFlag(true);
    EXPECT_FALSE(project.HasChanges());
    project.SetJavaSwitches("-ea -esa");
    EXPECT_TRUE(project.HasChanges());
    project.SetJavaSwitches("-ea");
    EXPECT_FALSE(project.HasChanges());
}

TEST_F(ProjectSaveBackTest, AnUnchangedProjectLeavesAnOutsideChangeAlone)
{
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(m_strPath, strError));
    project.SetModifiedFlag(true);
    const std::string strOutside = AddOutside(m_strDir + "/B.java");
    CFileStamp seen;
    EXPECT_EQ(project.SaveBack(seen, false, strError), CJavaProjectCore::ESaveBack::Unchanged);
    EXPECT_EQ(Read(), strOutside);
    EXPECT_FALSE(project.IsModified());
}

TEST_F(ProjectSaveBackTest, AChangedProjectIsNotWrittenOverAnOutsideChangeUnlessAgreed)
{
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(m_strPath, strError));
    project.SetMainFile("A.java");
    const std::string strOutside = AddOutside(m_strDir + "/B.java");
    CFileStamp seen;
    EXPECT_EQ(project.SaveBack(seen, false, strError), CJavaProjectCore::ESaveBack::ChangedOutside);
    EXPECT_EQ(Read(), strOutside);
    EXPECT_EQ(seen, CFileStamp::Of(m_strPath));

    // Agreed for one version of the file, not for the next one.
    AddOutside(m_strDir + "/C.java");
    const std::string strLater = Read();
    EXPECT_EQ(project.SaveBack(seen, true, strError), CJavaProjectCore::ESaveBack::ChangedOutside);
    EXPECT_EQ(Read(), strLater);

    EXPECT_EQ(project.SaveBack(seen, true, strError), CJavaProjectCore::ESaveBack::Saved);
    EXPECT_EQ(Read(), project.WriteBytes());
    EXPECT_FALSE(project.HasChanges());
    // Its own write is no outside change.
    project.SetMainFile("Z.java");
    CFileStamp none;
    EXPECT_EQ(project.SaveBack(none, false, strError), CJavaProjectCore::ESaveBack::Saved);
    EXPECT_EQ(Read(), project.WriteBytes());
}

TEST_F(ProjectSaveBackTest, ADeletedFileIsWrittenAgain)
{
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(m_strPath, strError));
    project.SetMainFile("A.java");
    ASSERT_EQ(::unlink(m_strPath.c_str()), 0);
    CFileStamp seen;
    EXPECT_EQ(project.SaveBack(seen, false, strError), CJavaProjectCore::ESaveBack::Saved);
    EXPECT_EQ(Read(), project.WriteBytes());
}

// Another Tarnwick in the middle of its own read-modify-write: nothing is
// written, and the reason says so.
TEST_F(ProjectSaveBackTest, AProjectLockedByAnotherProgramIsNotWritten)
{
    CJavaProjectCore project;
    std::string strError;
    ASSERT_TRUE(project.Open(m_strPath, strError));
    project.SetMainFile("A.java");
    const std::string strBefore = Read();
    CFileLock other;
    std::string strReason;
    ASSERT_TRUE(other.Acquire(m_strPath, 0, strReason));
    CFileStamp seen;
    EXPECT_EQ(project.SaveBack(seen, false, strError), CJavaProjectCore::ESaveBack::Failed);
    EXPECT_EQ(strError, "Failed to save document.\n\n" + m_strPath + ": locked by another program");
    EXPECT_EQ(Read(), strBefore);
    other.Release();
    EXPECT_EQ(project.SaveBack(seen, false, strError), CJavaProjectCore::ESaveBack::Saved);
    EXPECT_EQ(Read(), project.WriteBytes());
}
