#include "core/app/CommandIds.h"
#include "core/app/MenuModel.h"

#include <gtest/gtest.h>

namespace {
// "text=id" per item, "-" per separator, popups as "Name[...]".
std::string Describe(const std::vector<CMenuItem>& items)
{
    std::string strOut;
    for (const CMenuItem& item : items) {
        if (!strOut.empty())
            strOut += "; ";
        if (item.IsSeparator())
            strOut += "-";
        else if (item.IsPopup())
            strOut += item.m_strText + "[" + Describe(item.m_children) + "]";
        else
            strOut += item.m_strText + "=" + std::to_string(item.m_nId);
    }
    return strOut;
}

const CMenuItem& PopupNamed(const CMenuBar& bar, const std::string& strName)
{
    for (const CMenuItem& popup : bar.m_popups)
        if (popup.m_strText == strName)
            return popup;
    throw std::runtime_error("no popup " + strName);
}
} // namespace

TEST(MenuModel, NoDocumentMenuHasFourPopups)
{
    CMenuBar bar = LoadMenuBar(128);
    EXPECT_EQ(Describe(bar.m_popups),
              "&File[&New\tCtrl+N=57600; &Open...\tCtrl+O=57601; -; Pre&ferences...=32775; -; P&rint Setup...=57606; "
              "-; Recent Projects...=65535; -; Recent File=57616; -; E&xit=57665]; "
              "&View[&Toolbar=59392; &Status Bar=59393]; "
              "&Project[&New Project...=32789; &Open Project...=32821]; "
              "&Help[&About Tarnwick=57664; Help...=32818; JDK Help\tF1=32822]");
}

TEST(MenuModel, JavaMenuItemsInOrder)
{
    CMenuBar bar = LoadMenuBar(129);
    std::vector<std::string> names;
    for (const CMenuItem& popup : bar.m_popups)
        names.push_back(popup.m_strText);
    EXPECT_EQ(names, (std::vector<std::string>{"&File", "&Edit", "&View", "&Project", "&Build", "&Window", "&Help"}));
    EXPECT_EQ(Describe(PopupNamed(bar, "&File").m_children),
              "&New\tCtrl+N=57600; &Open...\tCtrl+O=57601; &Close=57602; &Save\tCtrl+S=57603; Save &As...=57604; "
              "Save All=32791; -; Preferences...=32775; -; &Print...\tCtrl+P=57607; Print Pre&view=57609; "
              "P&rint Setup...=57606; -; Recent Projects...=65535; -; Recent File=57616; -; E&xit=57665");
    EXPECT_EQ(Describe(PopupNamed(bar, "&Edit").m_children),
              "&Undo\tCtrl+Z=57643; -; Cu&t\tCtrl+X=57635; &Copy\tCtrl+C=57634; &Paste\tCtrl+V=57637; -; "
              "Select All=57642; -; Increase Indent\tCtrl+]=32784; Decrease Indent\tCtrl+[=32785; -; "
              "Find...\tCtrl+F=57636; Replace...\tCtrl+H=57641; -; Convert Linebreaks=32799; "
              "Convert Tabs to Spaces=32820; Insert Applet=32809; -; Syntax Colour Update\tF3=32811; "
              "Refresh Function List\tF2=32778");
    EXPECT_EQ(Describe(PopupNamed(bar, "&View").m_children), "&Toolbar=59392; &Status Bar=59393");
    EXPECT_EQ(Describe(PopupNamed(bar, "&Project").m_children),
              "New Project...=32789; Open Project...=32821; Close Project=32827; -; "
              "Add Java Source Files...=32771; Add HTML File...=32796; -; Create Jar...=32808; "
              "Show Archive Contents...=32792; -; Add Window to Project=32797");
    EXPECT_EQ(Describe(PopupNamed(bar, "&Build").m_children),
              "&Build\tF7=32803; &Compile\tCtrl+M=32774; -; &Run Application\tF5=32776; "
              "Run &Applet\tShift+F5=32837; Run &with Console=32817; -; Open In &Web Browser=32810");
    EXPECT_EQ(Describe(PopupNamed(bar, "&Window").m_children),
              "&New Window=57648; &Cascade=57650; &Tile=57651; &Arrange Icons=57649");
    EXPECT_EQ(Describe(PopupNamed(bar, "&Help").m_children),
              "&About Tarnwick=57664; Help...=32818; JDK Help\tF1=32822");
}

TEST(MenuModel, ProjectAndHtmlMenusDifferWhereTheyShould)
{
    EXPECT_EQ(Describe(PopupNamed(LoadMenuBar(130), "&Build").m_children),
              "&Build\tF7=32803; &Compile\tCtrl+M=32774; -; &Run Application\tF5=32776; "
              "Run &Applet\tShift+F5=32837; Run with &Console=32817; -; Open In &Web Browser=32810");
    CMenuBar html = LoadMenuBar(131);
    EXPECT_EQ(Describe(PopupNamed(html, "&Build").m_children),
              "&Build\tF7=32803; &Compile\tCtrl+M=32774; -; Run Application\tF5=32776; "
              "Run Applet\tShift+F5=32836; Run with Console=32817; -; Open In Web Browser=32810");
    EXPECT_EQ(Describe(PopupNamed(html, "&View").m_children),
              "&Toolbar=59392; &Status Bar=59393; Process Window=32825; Project Window=32826");
    EXPECT_EQ(PopupNamed(html, "&Help").m_children.front().m_strText, "&About Tarnwick...");
}

TEST(MenuModel, TipOfTheDayIsAddedOnce)
{
    CMenuBar bar = LoadMenuBar(129);
    EXPECT_TRUE(AddTipOfTheDayItem(bar));
    EXPECT_FALSE(AddTipOfTheDayItem(bar));
    EXPECT_FALSE(AddTipOfTheDayItem(bar));
    EXPECT_EQ(Describe(PopupNamed(bar, "&Help").m_children),
              "Ti&p of the Day...=114; -; &About Tarnwick=57664; Help...=32818; JDK Help\tF1=32822");
}

TEST(MenuModel, BarWithoutHelpGetsAHelpPopup)
{
    CMenuBar bar{1, {CMenuItem{"&File", 0, {CMenuItem{"E&xit", 57665, {}}}}}};
    EXPECT_TRUE(AddTipOfTheDayItem(bar));
    EXPECT_EQ(Describe(bar.m_popups), "&File[E&xit=57665]; &Help[Ti&p of the Day...=114]");
    EXPECT_FALSE(AddTipOfTheDayItem(bar));
}

TEST(Accelerators, KindTableComesBeforeTheMainTable)
{
    std::vector<CAccelerator> keys = EffectiveAccelerators(129);
    auto commandOf = [&](const std::string& strKey) {
        for (const CAccelerator& a : keys)
            if (a.m_strKey == strKey)
                return a.m_nId;
        return -1;
    };
    EXPECT_EQ(commandOf("Ctrl+H"), CommandIds::kEditRepeat);
    EXPECT_EQ(commandOf("Ctrl+M"), CommandIds::kCompile);
    EXPECT_EQ(commandOf("F3"), CommandIds::kSyntaxColourUpdate);
    EXPECT_EQ(commandOf("Shift+F5"), CommandIds::kRunApplet);
    EXPECT_EQ(commandOf("Ctrl+S"), CommandIds::kFileSave);
    EXPECT_EQ(commandOf("Alt+Backspace"), CommandIds::kEditUndo);
    EXPECT_EQ(commandOf("Del"), -1);
    int nF1 = 0;
    for (const CAccelerator& a : keys)
        nF1 += a.m_strKey == "F1";
    EXPECT_EQ(nF1, 1);
    EXPECT_EQ(keys.size(), 11u + 14u); // F1 is in both tables, so the main table adds 14
}

TEST(Accelerators, ProjectAndHtmlTables)
{
    auto find = [](int nTable, const std::string& strKey) {
        for (const CAccelerator& a : EffectiveAccelerators(nTable))
            if (a.m_strKey == strKey)
                return a.m_nId;
        return -1;
    };
    EXPECT_EQ(find(130, "Del"), CommandIds::kRemoveFile);
    EXPECT_EQ(find(130, "F8"), CommandIds::kSetMainFile);
    EXPECT_EQ(find(130, "F3"), -1);
    EXPECT_EQ(find(131, "Shift+F5"), CommandIds::kRunAppletHtml);
    EXPECT_EQ(find(131, "F5"), -1);
    EXPECT_EQ(find(128, "Ctrl+N"), CommandIds::kFileNew);
    EXPECT_EQ(EffectiveAccelerators(128).size(), 15u);
}

TEST(Toolbar, ButtonsAndPrompts)
{
    EXPECT_EQ(LoadMainToolbar(), (std::vector<int>{57600, 0, 57601, 57603, 0, 57635, 57634, 57637, 0, 57607, 0, 32784,
                                                   32785, 0, 32774, 32803, 32776, 32837, 32810, 0, 32814}));
    EXPECT_EQ(LoadCommandPrompt(32774), "Compile the current file\nCompile File");
    EXPECT_EQ(CommandTooltip(32774), "Compile File");
    EXPECT_EQ(CommandTooltip(32778), "Refresh the list of functions diplayed in the top bar");
    EXPECT_EQ(CommandTooltip(32814), "Project Window");
    EXPECT_EQ(LoadCommandPrompt(12345), "");
}
