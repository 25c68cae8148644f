#include "core/app/MenuModel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {
const std::filesystem::path kGolden = std::filesystem::path(__FILE__).parent_path() / "../../data/commands.golden";

std::string Escaped(const std::string& strText)
{
    std::string strOut;
    for (char ch : strText)
        strOut += ch == '\t' ? std::string("\\t") : ch == '\n' ? std::string("\\n") : std::string(1, ch);
    return strOut;
}

void DescribeItems(std::ostream& out, const std::vector<CMenuItem>& items, const std::string& strIndent,
                   std::set<int>& ids)
{
    for (const CMenuItem& item : items) {
        if (item.IsSeparator()) {
            out << strIndent << "-\n";
        } else if (item.IsPopup()) {
            out << strIndent << Escaped(item.m_strText) << "\n";
            DescribeItems(out, item.m_children, strIndent + "  ", ids);
        } else {
            out << strIndent << Escaped(item.m_strText) << " = " << item.m_nId << "\n";
            ids.insert(item.m_nId);
        }
    }
}

// Every menu bar, accelerator table, the toolbar and the prompt of every
// command they name, as text: what a user sees and presses.
std::string DescribeCommands()
{
    std::ostringstream out;
    std::set<int> ids;
    const EWindowKind kinds[] = {EWindowKind::NoDocument, EWindowKind::JavaSource, EWindowKind::Project,
                                 EWindowKind::HtmlPage};
    for (EWindowKind eKind : kinds) {
        out << "menu " << KindId(eKind) << "\n";
        DescribeItems(out, LoadMenuBar(eKind).m_popups, "  ", ids);
    }
    for (EWindowKind eKind : kinds) {
        const int nKind = KindId(eKind);
        out << "accelerators " << nKind << "\n";
        for (const CAccelerator& accelerator : LoadAcceleratorTable(eKind)) {
            out << "  " << accelerator.m_strKey << " = " << accelerator.m_nId << "\n";
            ids.insert(accelerator.m_nId);
        }
        out << "in force " << nKind << "\n";
        for (const CAccelerator& accelerator : EffectiveAccelerators(eKind))
            out << "  " << accelerator.m_strKey << " = " << accelerator.m_nId << "\n";
    }
    out << "toolbar\n";
    for (int nId : LoadMainToolbar()) {
        out << "  " << (nId == 0 ? std::string("-") : std::to_string(nId)) << "\n";
        if (nId != 0)
            ids.insert(nId);
    }
    out << "prompts\n";
    for (int nId : ids)
        out << "  " << nId << ": " << Escaped(LoadCommandPrompt(nId)) << " | " << Escaped(CommandTooltip(nId)) << "\n";
    return out.str();
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The first line where the two differ, for a readable failure.
std::string FirstDifference(const std::string& strExpected, const std::string& strActual)
{
    std::istringstream expected(strExpected), actual(strActual);
    std::string strLeft, strRight;
    for (int nLine = 1;; ++nLine) {
        bool bLeft = static_cast<bool>(std::getline(expected, strLeft));
        bool bRight = static_cast<bool>(std::getline(actual, strRight));
        if (!bLeft && !bRight)
            return "no difference";
        if (!bLeft || !bRight || strLeft != strRight)
            return "line " + std::to_string(nLine) + ": expected \"" + (bLeft ? strLeft : "<end>") + "\", got \"" +
                   (bRight ? strRight : "<end>") + "\"";
    }
}
} // namespace

// The golden file was written from the menus as they stood before they were
// built from one table; TARNWICK_UPDATE_GOLDEN=1 rewrites it after a
// deliberate change.
TEST(CommandGolden, MenusAcceleratorsToolbarAndPromptsAsStored)
{
    const std::string strActual = DescribeCommands();
    if (std::getenv("TARNWICK_UPDATE_GOLDEN")) {
        std::ofstream(kGolden, std::ios::binary) << strActual;
        GTEST_SKIP() << "rewrote " << kGolden;
    }
    const std::string strExpected = ReadFile(kGolden);
    ASSERT_FALSE(strExpected.empty()) << "missing " << kGolden;
    EXPECT_TRUE(strExpected == strActual) << FirstDifference(strExpected, strActual);
}
