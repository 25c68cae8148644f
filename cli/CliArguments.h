#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words after a command's name, read against the options it takes. A
// word starting with "--" is an option: one the command takes, else an
// unknown one; any other word is an argument, even "-x" (a file may be named
// so). Every word is kept in command-line order, problems included, so that
// each command can name the problem it meets first.
class CCliArguments {
public:
    struct COption {
        std::string m_strName;      // "--print"
        bool m_bTakesValue = false; // the next word is its value, whatever it looks like
    };

    enum class EKind {
        Option,        // m_strName, and m_strValue when it takes one
        Positional,    // m_strValue
        UnknownOption, // m_strName as typed
        MissingValue,  // m_strName: an option that takes a value ended the line
    };
    struct CWord {
        EKind m_eKind = EKind::Positional;
        std::string m_strName;
        std::string m_strValue;
    };

    // With bDashDashEndsOptions every word after a "--" is kept as it is in
    // Rest(); without, "--" is an unknown option like any other.
    CCliArguments(const std::vector<std::string>& args, const std::vector<COption>& options,
                  bool bDashDashEndsOptions = false);

    const std::vector<CWord>& Words() const { return m_words; }
    // The first unknown option or option without its value; null when none.
    const CWord* FirstProblem() const;
    bool Has(std::string_view strOption) const;
    // The value the option was given last; empty when it was not given.
    std::string Value(std::string_view strOption) const;
    std::vector<std::string> Positionals() const;
    // The words after a "--" that ends the options.
    const std::vector<std::string>& Rest() const { return m_rest; }

private:
    std::vector<CWord> m_words;
    std::vector<std::string> m_rest;
};
