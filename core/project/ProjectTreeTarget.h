#pragma once

#include "core/project/ProjectTarget.h"

#include <string>
#include <vector>

class CJavaProjectCore;

// What a double-clicked item of the project tree opens, worked out from the
// texts of the item and the items above it. Whether a file opens or an
// outline entry is found is only known on trying, so the answer lists what
// to try and in which order; the project window tries it.
class CProjectTreeTarget {
public:
    enum class EKind {
        // A listed file: open m_strPath; failing that, the file of that name
        // in the project's folder; failing that, it cannot be located.
        File,
        // A class or member: open each target's file and find its text in
        // the outline, in turn, until one is found. When none is, a top-level
        // item has no parent to look in; any other cannot be located.
        Outline,
    };

    EKind m_eKind = EKind::Outline;
    std::string m_strText;                 // the item's own text
    std::string m_strPath;                 // File: the listed (rebased) path
    std::vector<CProjectTarget> m_targets; // Outline: in the order to try
    bool m_bTopLevel = true;               // Outline: the item has no parent

    // vecTexts runs from the top-level item (a file name) down to the item.
    // A file name is looked up first, then a class of that name, then a
    // member of the parent class, then of "grandparent.parent" (the members
    // of a nested class). Not const: the look-ups rebase the paths they find.
    static CProjectTreeTarget Resolve(CJavaProjectCore& project, const std::vector<std::string>& vecTexts);
};
