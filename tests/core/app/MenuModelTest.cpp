#include "core/app/CommandIds.h"
#include "core/app/CommandTable.h"
#include "core/app/MenuModel.h"

#include <gtest/gtest.h>

#include <set>

// The menus, accelerators, toolbar and prompts themselves are compared
// with the golden file (CommandGoldenTest); these check the rules around them.

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

void CollectIds(const std::vector<CMenuItem>& items, std::set<int>& ids)
{
    for (const CMenuItem& item : items) {
        if (item.IsPopup())
            CollectIds(item.m_children, ids);
        else if (!item.IsSeparator())
            ids.insert(item.m_nId);
    }
}
} // namespace

TEST(MenuModel, TipOfTheDayIsAddedOnce)
{
    CMenuBar bar = LoadMenuBar(EWindowKind::JavaSource);
    EXPECT_TRUE(AddTipOfTheDayItem(bar));
    EXPECT_FALSE(AddTipOfTheDayItem(bar));
    EXPECT_FALSE(AddTipOfTheDayItem(bar));
    EXPECT_EQ(Describe(PopupNamed(bar, "&Help").m_children),
              "Ti&p of the Day...=114; -; &About Tarnwick=57664; Help...=32818; JDK Help\tF1=32822");
}

TEST(MenuModel, BarWithoutHelpGetsAHelpPopup)
{
    CMenuBar bar{EWindowKind::NoDocument, {CMenuItem{"&File", 0, {CMenuItem{"E&xit", 57665, {}}}}}};
    EXPECT_TRUE(AddTipOfTheDayItem(bar));
    EXPECT_EQ(Describe(bar.m_popups), "&File[E&xit=57665]; &Help[Ti&p of the Day...=114]");
    EXPECT_FALSE(AddTipOfTheDayItem(bar));
}

TEST(MenuModel, TextContextMenuHasItsOwnSpellingsAndNoKeys)
{
    EXPECT_EQ(Describe(LoadTextContextMenu()), "&Undo=57643; &Redo=32842; -; Cu&t=57635; &Copy=57634; &Paste=57637; -; "
                                               "Select &All=57642; -; &Syntax Colour Update=32811");
}

TEST(CommandTable, EveryCommandShownOrBoundIsInTheTableOnce)
{
    std::set<int> ids;
    for (EWindowKind eKind :
         {EWindowKind::NoDocument, EWindowKind::JavaSource, EWindowKind::Project, EWindowKind::HtmlPage}) {
        CMenuBar bar = LoadMenuBar(eKind);
        AddTipOfTheDayItem(bar);
        CollectIds(bar.m_popups, ids);
        for (const CAccelerator& accelerator : LoadAcceleratorTable(eKind))
            ids.insert(accelerator.m_nId);
    }
    CollectIds(LoadTextContextMenu(), ids);
    for (int nId : LoadMainToolbar())
        if (nId != 0)
            ids.insert(nId);
    for (int nId : ids)
        EXPECT_NE(FindCommand(nId), nullptr) << nId;
    std::set<int> tableIds;
    for (const CCommand& command : CommandTable())
        EXPECT_TRUE(tableIds.insert(command.m_nId).second) << "twice: " << command.m_nId;
    // Every toolbar button has a picture and a tooltip.
    for (int nId : LoadMainToolbar()) {
        if (nId == 0)
            continue;
        EXPECT_FALSE(FindCommand(nId)->m_strIcon.empty()) << nId;
        EXPECT_FALSE(CommandTooltip(nId).empty()) << nId;
    }
}

TEST(CommandTable, ViewCommandsAreServedInTheirWindowKindsOnly)
{
    EXPECT_TRUE(ServedInWindow(CommandIds::kEditCut, ECommandTarget::View, EWindowKind::JavaSource));
    EXPECT_FALSE(ServedInWindow(CommandIds::kEditCut, ECommandTarget::View, EWindowKind::Project));
    EXPECT_FALSE(ServedInWindow(CommandIds::kEditCut, ECommandTarget::Frame, EWindowKind::JavaSource));
    EXPECT_TRUE(ServedInWindow(CommandIds::kWindowNew, ECommandTarget::Frame, EWindowKind::JavaSource));
    EXPECT_FALSE(ServedInWindow(CommandIds::kWindowNew, ECommandTarget::Frame, EWindowKind::Project));
    EXPECT_FALSE(ServedInWindow(12345, ECommandTarget::View, EWindowKind::JavaSource));
    EXPECT_EQ(CommandTarget(CommandIds::kBuild), ECommandTarget::Project);
    EXPECT_EQ(CommandTarget(12345), ECommandTarget::Nobody);
}

TEST(Accelerators, KindTableComesBeforeTheMainTable)
{
    std::vector<CAccelerator> keys = EffectiveAccelerators(EWindowKind::JavaSource);
    int nF1 = 0;
    for (const CAccelerator& a : keys)
        nF1 += a.m_strKey == "F1";
    EXPECT_EQ(nF1, 1);
    // F1 is in both tables, so the main table adds 14; the 13 added keys are all free.
    EXPECT_EQ(keys.size(), 11u + 14u + 13u);
    EXPECT_EQ(keys.front().m_strKey, "Ctrl+[");
    EXPECT_EQ(keys.back().m_strKey, "Ctrl+Shift+S");
}
