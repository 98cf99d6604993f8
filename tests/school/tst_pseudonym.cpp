// Pseudonyms name snapshot files on shared folders: nothing that leaves the folder, hides the
// file or breaks its name gets through; the names students choose do.
#include "Pseudonym.h"

#include <gtest/gtest.h>

using namespace orvik3::school;

namespace {

struct Name {
    const char *name;
    const char *pseudonym; // UTF-8
    bool fine;
};

void PrintTo(const Name &n, std::ostream *os) { *os << n.name; }

const Name kNames[] = {
    {"Plain", "Anna B.", true},
    {"Umlauts", "Jörg_2-b", true},
    {"FortyCharacters", "abcdefghijabcdefghijabcdefghijabcdefghij", true},
    {"FortyOne", "abcdefghijabcdefghijabcdefghijabcdefghijk", false},
    {"Empty", "", false},
    {"Slash", "x/../Ben", false},
    {"Backslash", "x\\Ben", false},
    {"Colon", "C:Ben", false},
    {"LeadingDot", ".hidden", false},
    {"LeadingBlank", " Ben", false},
    {"TrailingBlank", "Ben ", false},
    {"Newline", "Ben\nAnna", false},
    {"Markup", "<b>Ben</b>", false},
};

class PseudonymTest : public ::testing::TestWithParam<Name>
{
};

TEST_P(PseudonymTest, IsCheckedBeforeItNamesAFile)
{
    const QString why = pseudonymProblem(QString::fromUtf8(GetParam().pseudonym));
    EXPECT_EQ(why.isEmpty(), GetParam().fine) << why.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Names, PseudonymTest, ::testing::ValuesIn(kNames), [](const auto &info) { return std::string(info.param.name); });

} // namespace
