// The settings file text: whatever is stored reads back exactly after a write, including
// characters outside the Basic Multilingual Plane and entries without a section.

#include "platform/SettingsStoreIni.h"

#include <gtest/gtest.h>

using namespace orvik3;

namespace {

struct Row {
    const char *name;
    const char *section; // "" for entries before the first header
    QString value;
};

void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

const Row kRows[] = {
    {"emoji_between_words", "stats", QStringLiteral("Pilot 😀 Müller")},
    {"pair_first_and_last", "stats", QStringLiteral("𠀀 rare 𝄞")},
    {"lone_high_half", "stats", QString(QChar(0xD83D)) + QStringLiteral("1")},
    {"lone_low_half", "stats", QStringLiteral("a") + QChar(0xDE00)},
    {"halves_reversed", "stats", QString(QChar(0xDE00)) + QChar(0xD83D)},
    {"emoji_without_a_section", "", QStringLiteral("😀")},
    {"plain_without_a_section", "", QStringLiteral("12")},
    {"separators", "stats", QStringLiteral("a;b,c=d")},
    {"quotes_and_backslash", "stats", QStringLiteral("\"q\" \\ end")},
    {"leading_at", "stats", QStringLiteral("@Variant(x)")},
    {"spaces_around", "stats", QStringLiteral("  padded  ")},
    {"digits_after_an_escape", "stats", QStringLiteral("\n123")},
};

class SettingsText : public testing::TestWithParam<Row>
{
};

// Written after an entry of another section, so that a top-level entry written late would
// read back as part of that section.
TEST_P(SettingsText, ReadsBackWhatWasStored)
{
    const Row &row = GetParam();
    SettingsIni ini;
    ini.setValue(QStringLiteral("other"), QStringLiteral("first"), QStringLiteral("1"));
    ini.setValue(QString::fromLatin1(row.section), QStringLiteral("key"), row.value);

    const QByteArray text = ini.serialize();
    const SettingsIni back = SettingsIni::parse(text);
    const QString *got = back.value(QString::fromLatin1(row.section), QStringLiteral("key"));
    ASSERT_NE(got, nullptr) << text.constData();
    EXPECT_EQ(*got, row.value) << text.constData();
    EXPECT_FALSE(text.contains("??")) << text.constData();
    ASSERT_NE(back.value(QStringLiteral("other"), QStringLiteral("first")), nullptr);
    EXPECT_EQ(back.serialize(), text) << "a second write changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsText, testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
