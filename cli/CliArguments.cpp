#include "cli/CliArguments.h"

#include <algorithm>

CCliArguments::CCliArguments(const std::vector<std::string>& args, const std::vector<COption>& options,
                             bool bDashDashEndsOptions)
{
    for (std::size_t nIndex = 0; nIndex < args.size(); ++nIndex) {
        const std::string& strArg = args[nIndex];
        if (strArg == "--" && bDashDashEndsOptions) {
            m_rest.assign(args.begin() + static_cast<std::ptrdiff_t>(nIndex) + 1, args.end());
            return;
        }
        if (!strArg.starts_with("--")) {
            m_words.push_back({EKind::Positional, {}, strArg});
            continue;
        }
        const auto option =
            std::find_if(options.begin(), options.end(), [&](const COption& known) { return known.m_strName == strArg; });
        if (option == options.end())
            m_words.push_back({EKind::UnknownOption, strArg, {}});
        else if (!option->m_bTakesValue)
            m_words.push_back({EKind::Option, strArg, {}});
        else if (nIndex + 1 < args.size())
            m_words.push_back({EKind::Option, strArg, args[++nIndex]});
        else
            m_words.push_back({EKind::MissingValue, strArg, {}});
    }
}

const CCliArguments::CWord* CCliArguments::FirstProblem() const
{
    for (const CWord& word : m_words) {
        if (word.m_eKind == EKind::UnknownOption || word.m_eKind == EKind::MissingValue)
            return &word;
    }
    return nullptr;
}

bool CCliArguments::Has(std::string_view strOption) const
{
    return std::any_of(m_words.begin(), m_words.end(), [&](const CWord& word) {
        return word.m_eKind == EKind::Option && word.m_strName == strOption;
    });
}

std::string CCliArguments::Value(std::string_view strOption) const
{
    std::string strValue;
    for (const CWord& word : m_words) {
        if (word.m_eKind == EKind::Option && word.m_strName == strOption)
            strValue = word.m_strValue;
    }
    return strValue;
}

std::vector<std::string> CCliArguments::Positionals() const
{
    std::vector<std::string> positionals;
    for (const CWord& word : m_words) {
        if (word.m_eKind == EKind::Positional)
            positionals.push_back(word.m_strValue);
    }
    return positionals;
}
