#include "core/settings/RecentFileList.h"

#include "core/settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using CPaths = std::vector<std::string>;

namespace {
std::string Stored(const CMemorySettingsStore& store, int nSlot)
{
    auto value = store.Find("Recent File List", "File" + std::to_string(nSlot));
    if (!value)
        return "<absent>";
    return std::get<std::string>(*value);
}

CPaths Reloaded(ISettingsStore& store)
{
    CRecentFileList list;
    list.Load(store);
    return list.Files();
}
} // namespace

TEST(RecentFileList, LoadReadsTheEightSlotsInOrderAndSkipsEmptyOnes)
{
    CMemorySettingsStore store;
    store.WriteProfileString("Recent File List", "File1", "/a/A.java");
    store.WriteProfileString("Recent File List", "File2", "");
    store.WriteProfileString("Recent File List", "File3", "/c/C.java");
    store.WriteProfileString("Recent File List", "File8", "/h/H.java");
    store.WriteProfileString("Recent File List", "File9", "/i/I.java"); // never read
    store.ClearLogs();
    CRecentFileList list;
    list.Load(store);
    EXPECT_EQ(list.Files(), (CPaths{"/a/A.java", "/c/C.java", "/h/H.java"}));
    EXPECT_EQ(store.ReadLog(), (CPaths{"Recent File List/File1", "Recent File List/File2", "Recent File List/File3",
                                       "Recent File List/File4", "Recent File List/File5", "Recent File List/File6",
                                       "Recent File List/File7", "Recent File List/File8"}));
}

TEST(RecentFileList, AddMovesToTheFrontWithoutDuplicatesAndKeepsEight)
{
    CRecentFileList list;
    list.Add("/a");
    list.Add("/b");
    list.Add("/a");
    EXPECT_EQ(list.Files(), (CPaths{"/a", "/b"}));
    list.Add("");
    EXPECT_EQ(list.Files(), (CPaths{"/a", "/b"}));
    for (const char* szPath : {"/c", "/d", "/e", "/f", "/g", "/h", "/i"})
        list.Add(szPath);
    EXPECT_EQ(list.Files(), (CPaths{"/i", "/h", "/g", "/f", "/e", "/d", "/c", "/a"}));
    // Names differing only in case are different files.
    list.Add("/A");
    EXPECT_EQ(list.Files(), (CPaths{"/A", "/i", "/h", "/g", "/f", "/e", "/d", "/c"}));
}

TEST(RecentFileList, AddAndRemoveDropEveryStoredCopy)
{
    CMemorySettingsStore store;
    store.WriteProfileString("Recent File List", "File1", "/a");
    store.WriteProfileString("Recent File List", "File2", "/b");
    store.WriteProfileString("Recent File List", "File3", "/a");
    CRecentFileList list;
    list.Load(store);
    EXPECT_EQ(list.Files(), (CPaths{"/a", "/b", "/a"}));
    list.Add("/b");
    EXPECT_EQ(list.Files(), (CPaths{"/b", "/a", "/a"}));
    EXPECT_TRUE(list.Remove("/a"));
    EXPECT_EQ(list.Files(), (CPaths{"/b"}));
    EXPECT_FALSE(list.Remove("/a"));
    EXPECT_EQ(list.Files(), (CPaths{"/b"}));
}

TEST(RecentFileList, SaveEmptiesTheSlotsPastTheListSoTheyReadBackAbsent)
{
    CMemorySettingsStore store;
    CRecentFileList list;
    for (const char* szPath : {"/c", "/b", "/a"})
        list.Add(szPath);
    list.Save(store);
    EXPECT_EQ(Stored(store, 1), "/a");
    EXPECT_EQ(Stored(store, 2), "/b");
    EXPECT_EQ(Stored(store, 3), "/c");
    // Slots that never held a path are not written at all.
    EXPECT_EQ(Stored(store, 4), "<absent>");
    EXPECT_EQ(Stored(store, 8), "<absent>");

    ASSERT_TRUE(list.Remove("/b"));
    store.ClearLogs();
    list.Save(store);
    EXPECT_EQ(Stored(store, 1), "/a");
    EXPECT_EQ(Stored(store, 2), "/c");
    EXPECT_EQ(Stored(store, 3), "");
    EXPECT_EQ(store.WriteLog(), (CPaths{"Recent File List/File1", "Recent File List/File2", "Recent File List/File3"}));
    EXPECT_EQ(Reloaded(store), (CPaths{"/a", "/c"}));

    CRecentFileList empty;
    empty.Save(store);
    EXPECT_EQ(Reloaded(store), CPaths{});
}

// The list as the main window kept it with QSettings: the group is removed
// and the first eight entries are written again on every change.
class COldRecentFiles {
public:
    CPaths Read() const
    {
        CPaths files;
        for (int nSlot = 1; nSlot <= 8; ++nSlot) {
            auto it = m_group.find(nSlot);
            if (it != m_group.end() && !it->second.empty())
                files.push_back(it->second);
        }
        return files;
    }
    void Write(const CPaths& files)
    {
        m_group.clear();
        for (std::size_t i = 0; i < files.size() && i < 8; ++i)
            m_group[static_cast<int>(i) + 1] = files[i];
    }
    void Add(const std::string& strPath)
    {
        CPaths files = Read();
        std::erase(files, strPath);
        files.insert(files.begin(), strPath);
        Write(files);
    }
    void Remove(const std::string& strPath)
    {
        CPaths files = Read();
        std::erase(files, strPath);
        Write(files);
    }

private:
    std::map<int, std::string> m_group;
};

TEST(RecentFileList, RandomAddsAndRemovesReadBackAsTheOldQSettingsListDid)
{
    std::mt19937 random(20261208);
    for (int nRound = 0; nRound < 200; ++nRound) {
        COldRecentFiles old;
        CMemorySettingsStore store;
        for (int nStep = 0; nStep < 40; ++nStep) {
            const std::string strPath = "/src/F" + std::to_string(random() % 12) + ".java";
            // Every change starts from what is stored, as the window's does.
            CRecentFileList list;
            list.Load(store);
            if (random() % 3 == 0) {
                old.Remove(strPath);
                list.Remove(strPath);
            } else {
                old.Add(strPath);
                list.Add(strPath);
            }
            list.Save(store);
            ASSERT_EQ(Reloaded(store), old.Read()) << "round " << nRound << " step " << nStep;
        }
    }
}
