#pragma once

#include "core/app/CommandIds.h"

#include <string>
#include <vector>

class CJavaProjectCore;

// What an item of the project tree stands for, and the context menu it gets.
// Items are known by their text alone: a text the project resolves to a path
// is a file, anything else a class or a member.
class CProjectTreeMenu {
public:
    enum EItemKind { kJavaFile, kHtmlFile, kClassOrMember };

    // Commands only the tree's menu sends.
    static constexpr int kOpenSelectedItem = CommandIds::kOpenSelectedItem;
    static constexpr int kFileProperties = CommandIds::kFileProperties;

    // One line of the menu; a command id of 0 is a separator.
    struct CEntry {
        int m_nCommandId;
        std::string m_strText;
        bool operator==(const CEntry&) const = default;
    };

    static EItemKind KindOf(CJavaProjectCore& project, const std::string& strText);

    // "Open" first (the default entry), the file commands of the item's kind,
    // a separator, then the two Add commands.
    static std::vector<CEntry> EntriesFor(CJavaProjectCore& project, const std::string& strText);
};
