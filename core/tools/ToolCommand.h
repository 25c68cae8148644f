#pragma once

#include <string>
#include <vector>

// One JDK tool run as data: which executable, the words it gets, where it
// runs, the command-line text the user sees, and the run title to show.
class CToolCommand {
public:
    std::string m_strProgram;     // full path of the executable, never searched on PATH
    std::string m_strFolder;      // the tool's working folder; empty keeps the caller's
    std::string m_strCommandLine; // the whole command line as text, program name first
    std::string m_strTitle;       // the run title, when m_bSetsTitle
    bool m_bSetsTitle = false;
    // A javac run, whose messages go on the open editors when it ends.
    bool m_bJavacMessages = false;
    // The file a Compile compiles; empty for a Build, which stands for
    // every open Java file.
    std::string m_strCompiledFile;

    // One argv word, taken as it is (file names keep their blanks).
    void AddWord(const std::string& strWord);
    // Switch strings and typed arguments, split with the Windows rules.
    void AddSplitWords(const std::string& strText);
    // A file pattern such as *.class, matched in the working folder when the
    // tool starts; left as it is when nothing matches. "**/" before it
    // matches in the folders below too, giving paths from the working folder
    // ("com/example/App.class"); folders reached through links are skipped.
    void AddPattern(const std::string& strPattern);

    // The words as added, patterns unexpanded.
    const std::vector<std::string>& GetWords() const { return m_vecWords; }
    // The words the process gets: each pattern replaced by the matching
    // file names of the working folder, sorted; a name that starts with
    // '-' or '@' as "./name".
    std::vector<std::string> ExpandWords() const;

private:
    std::vector<std::string> m_vecWords;
    std::vector<bool> m_vecbPattern;
};
