#pragma once

// The kinds of window the main window switches its menu bar and
// accelerators for. The numbers are those of the stored menu and
// accelerator tables and of the document kinds.
enum class EWindowKind : int {
    NoDocument = 128, // no document window open
    JavaSource = 129,
    Project = 130,
    HtmlPage = 131,
};

constexpr int KindId(EWindowKind eKind)
{
    return static_cast<int>(eKind);
}

// The window kind with the number nId; NoDocument for numbers of no kind.
constexpr EWindowKind WindowKindOf(int nId)
{
    switch (nId) {
    case 129: return EWindowKind::JavaSource;
    case 130: return EWindowKind::Project;
    case 131: return EWindowKind::HtmlPage;
    default: return EWindowKind::NoDocument;
    }
}
