#include "core/project/ProjectTreeMenu.h"

#include "core/app/CommandIds.h"
#include "core/project/JavaProjectCore.h"

CProjectTreeMenu::EItemKind CProjectTreeMenu::KindOf(CJavaProjectCore& project, const std::string& strText)
{
    if (project.GetFilePath(strText) == CJavaProjectCore::kNoFile)
        return kClassOrMember;
    return project.GetHtmlFilePath(strText).empty() ? kJavaFile : kHtmlFile;
}

std::vector<CProjectTreeMenu::CEntry> CProjectTreeMenu::EntriesFor(CJavaProjectCore& project,
                                                                   const std::string& strText)
{
    using namespace CommandIds;
    std::vector<CEntry> entries{{kOpenSelectedItem, "Open"}};
    const EItemKind kind = KindOf(project, strText);
    switch (kind) {
    case kHtmlFile:
        entries.push_back({kRunAppletHtml, "Run Applet"});
        entries.push_back({kOpenInWebBrowser, "Open in Web Browser"});
        break;
    case kJavaFile:
        entries.push_back({kCompile, "Compile"});
        entries.push_back({kSetMainFile, "Set as Main"});
        break;
    case kClassOrMember: break;
    }
    if (kind != kClassOrMember) {
        entries.push_back({kRemoveFile, "Remove"});
        entries.push_back({kFileProperties, "Properties..."});
    }
    entries.push_back({0, ""});
    entries.push_back({kAddJavaFiles, "Add Java Source Files..."});
    entries.push_back({kAddHtmlFile, "Add HTML File..."});
    return entries;
}
