#include "cli/CliArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using EKind = CCliArguments::EKind;
using CWords = std::vector<std::string>;

const std::vector<CCliArguments::COption> kOptions = {{"--print"}, {"--project", true}};

// Each word as KIND:NAME=VALUE, so a whole reading compares in one line.
CWords Describe(const CCliArguments& arguments)
{
    CWords described;
    for (const CCliArguments::CWord& word : arguments.Words()) {
        const char* pszKind = word.m_eKind == EKind::Option          ? "option"
                              : word.m_eKind == EKind::Positional    ? "positional"
                              : word.m_eKind == EKind::UnknownOption ? "unknown"
                                                                     : "missing";
        described.push_back(std::string(pszKind) + ":" + word.m_strName + "=" + word.m_strValue);
    }
    return described;
}

} // namespace

TEST(CliArguments, OptionsValuesAndPositionalsInCommandLineOrder)
{
    const CCliArguments arguments({"a", "--print", "--project", "P.jpr", "b"}, kOptions);
    EXPECT_EQ(Describe(arguments),
              (CWords{"positional:=a", "option:--print=", "option:--project=P.jpr", "positional:=b"}));
    EXPECT_EQ(arguments.FirstProblem(), nullptr);
    EXPECT_TRUE(arguments.Has("--print"));
    EXPECT_TRUE(arguments.Has("--project"));
    EXPECT_FALSE(arguments.Has("--help"));
    EXPECT_EQ(arguments.Value("--project"), "P.jpr");
    EXPECT_EQ(arguments.Value("--print"), "");
    EXPECT_EQ(arguments.Positionals(), (CWords{"a", "b"}));
    EXPECT_EQ(arguments.Rest(), CWords{});
}

TEST(CliArguments, NothingGivenIsNothingRead)
{
    const CCliArguments arguments({}, kOptions);
    EXPECT_EQ(Describe(arguments), CWords{});
    EXPECT_EQ(arguments.FirstProblem(), nullptr);
    EXPECT_FALSE(arguments.Has("--print"));
    EXPECT_EQ(arguments.Value("--project"), "");
    EXPECT_EQ(arguments.Positionals(), CWords{});
}

TEST(CliArguments, AValueIsTheNextWordWhateverItLooksLike)
{
    const CCliArguments arguments({"--project", "--print", "--project", "", "--project", "-x"}, kOptions);
    EXPECT_EQ(Describe(arguments),
              (CWords{"option:--project=--print", "option:--project=", "option:--project=-x"}));
    EXPECT_FALSE(arguments.Has("--print"));
    // The last one given counts.
    EXPECT_EQ(arguments.Value("--project"), "-x");
    EXPECT_EQ(arguments.Positionals(), CWords{});
}

TEST(CliArguments, OnlyWordsStartingWithTwoDashesAreOptions)
{
    const CCliArguments arguments({"-x", "-", "", "-print", "---print"}, kOptions);
    EXPECT_EQ(Describe(arguments),
              (CWords{"positional:=-x", "positional:=-", "positional:=", "positional:=-print", "unknown:---print="}));
    EXPECT_EQ(arguments.Positionals(), (CWords{"-x", "-", "", "-print"}));
}

TEST(CliArguments, UnknownOptionsAreKeptInPlaceAndTheFirstIsTheProblem)
{
    const CCliArguments arguments({"a", "--bogus", "--print", "--other", "b"}, kOptions);
    EXPECT_EQ(Describe(arguments), (CWords{"positional:=a", "unknown:--bogus=", "option:--print=", "unknown:--other=",
                                           "positional:=b"}));
    ASSERT_NE(arguments.FirstProblem(), nullptr);
    EXPECT_EQ(arguments.FirstProblem()->m_eKind, EKind::UnknownOption);
    EXPECT_EQ(arguments.FirstProblem()->m_strName, "--bogus");
    // An unknown option is neither given nor an argument.
    EXPECT_FALSE(arguments.Has("--bogus"));
    EXPECT_TRUE(arguments.Has("--print"));
    EXPECT_EQ(arguments.Positionals(), (CWords{"a", "b"}));
}

TEST(CliArguments, AnOptionThatEndsTheLineWithoutItsValueIsMissingIt)
{
    const CCliArguments arguments({"a", "--print", "--project"}, kOptions);
    EXPECT_EQ(Describe(arguments), (CWords{"positional:=a", "option:--print=", "missing:--project="}));
    ASSERT_NE(arguments.FirstProblem(), nullptr);
    EXPECT_EQ(arguments.FirstProblem()->m_eKind, EKind::MissingValue);
    EXPECT_EQ(arguments.FirstProblem()->m_strName, "--project");
    EXPECT_FALSE(arguments.Has("--project"));
    EXPECT_EQ(arguments.Value("--project"), "");

    const CCliArguments unknownFirst({"--bogus", "--project"}, kOptions);
    ASSERT_NE(unknownFirst.FirstProblem(), nullptr);
    EXPECT_EQ(unknownFirst.FirstProblem()->m_strName, "--bogus");
}

TEST(CliArguments, DashDashEndsTheOptionsOnlyWhenAsked)
{
    const CWords args = {"--print", "a", "--", "--project", "two words", "--", "-x"};
    const CCliArguments ending(args, kOptions, true);
    EXPECT_EQ(Describe(ending), (CWords{"option:--print=", "positional:=a"}));
    EXPECT_EQ(ending.Rest(), (CWords{"--project", "two words", "--", "-x"}));
    EXPECT_EQ(ending.FirstProblem(), nullptr);
    EXPECT_FALSE(ending.Has("--project"));
    EXPECT_EQ(ending.Positionals(), CWords{"a"});

    const CCliArguments emptyRest({"a", "--"}, kOptions, true);
    EXPECT_EQ(Describe(emptyRest), CWords{"positional:=a"});
    EXPECT_EQ(emptyRest.Rest(), CWords{});

    const CCliArguments plain(args, kOptions);
    EXPECT_EQ(Describe(plain), (CWords{"option:--print=", "positional:=a", "unknown:--=",
                                       "option:--project=two words", "unknown:--=", "positional:=-x"}));
    EXPECT_EQ(plain.Rest(), CWords{});
    ASSERT_NE(plain.FirstProblem(), nullptr);
    EXPECT_EQ(plain.FirstProblem()->m_strName, "--");
}

TEST(CliArguments, TheValueOfAnOptionMayBeDashDash)
{
    const CCliArguments arguments({"--project", "--", "a"}, kOptions, true);
    EXPECT_EQ(Describe(arguments), (CWords{"option:--project=--", "positional:=a"}));
    EXPECT_EQ(arguments.Rest(), CWords{});
}
