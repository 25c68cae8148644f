#pragma once

#include <string>
#include <string_view>

// F1 in a Java window opens the JDK API documentation named by HELPPATH: a
// local docs folder, a local page such as index.html, or an http(s) URL.
class CJdkHelp {
public:
    // The JDK release whose API docs first have a search page (search.html?q=).
    static constexpr int kFirstSearchPageVersion = 19;

    // The URL to open. With a selection, docs that have a search page get
    // search.html?q=SELECTION (percent-encoded, searched as one phrase); other
    // docs, and F1 without a selection, get the docs' start page: the page
    // HELPPATH names, else index.html in the folder it names. A local folder
    // has a search page when it holds search.html; a URL when the JDK version
    // in it is kFirstSearchPageVersion or later. Local paths become file URLs.
    // Empty when HELPPATH is empty.
    static std::string HelpTarget(std::string_view strHelpPath, std::string_view strSelection);

    // Every byte except letters, digits and "-._~" as %XX (upper-case hex).
    static std::string PercentEncode(std::string_view strText);

    // file:// URL of a local path; a relative path is taken from the current
    // folder, a Windows path "C:\x" becomes file:///C:/x.
    static std::string FileUrl(std::string_view strPath);

    // What to tell when no browser could show strAddress (a URL or a path):
    // where to go by hand, a local page without a query as its path.
    static std::string NotOpenedText(std::string_view strAddress);
    // What to tell when F1 has no docs to open.
    static constexpr std::string_view kNoDocsText =
        "No JDK documentation is set.\nInstall the JDK's API documentation, or give its folder or address as the "
        "help path (HELPPATH) in the settings.";

    // Turns %XX back into bytes; anything else stays.
    static std::string PercentDecode(std::string_view strText);

    // The JDK version a docs URL names (".../javase/17/...", ".../jdk22/...",
    // ".../javase/1.5.0/..." is 5), or 0 when it names none.
    static int VersionInUrl(std::string_view strUrl);
};
