// The shortcut report counts a rule right where the panel would judge its option right:
// hand-made files whose shares are known.
#include "Shortcuts.h"

#include <gtest/gtest.h>

using namespace orvik3::study;

namespace {

QByteArray lines(const QStringList &l) { return (l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1(); }

// An ADF question whose right QDR, QDM and RB options sit in the slots given (1..4).
QStringList adf(int qdrSlot, int qdmSlot, int rbSlot)
{
    QStringList out;
    for (const auto &[group, slot, right] : {std::tuple{"qdr", qdrSlot, 40}, {"qdm", qdmSlot, 220}, {"rb", rbSlot, 330}})
        for (int i = 1; i <= 4; ++i)
            out << QStringLiteral("%1%2:").arg(QLatin1String(group)).arg(i).leftJustified(6)
                   + QStringLiteral("%1").arg(i == slot ? right : 100 + i, 3, 10, QLatin1Char('0'));
    return out << "qdr: 040" << "qdrt:decrease" << "qdm: 220" << "qdmt:decrease" << "rb:  330" << "ses:x.session" << "--";
}

QStringList qdm(int actual, int required, const char *turn, const char *heading)
{
    return {QStringLiteral("rq:  %1").arg(required), "hdg: 100", "ihdg:100", "dist:10", QStringLiteral("act: %1").arg(actual),
            "diff:increase", QStringLiteral("turn:") + turn, QStringLiteral("fhdg:") + heading, "ses:x.session", "--"};
}

QStringList holding(int heading, int inbound) // right-hand
{
    return {"text:x", QStringLiteral("hdg: %1").arg(heading), QStringLiteral("inb: %1").arg(inbound), "kind:Standard",
            "ses:x.session", "--"};
}

struct Row {
    const char *name;
    qint16 type;
    QStringList records;
    Shortcut expected;
};

void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

class ShortcutCount : public ::testing::TestWithParam<Row>
{
};

TEST_P(ShortcutCount, AsThePanelJudges)
{
    const Row &row = GetParam();
    const ShortcutReport report = shortcutsOf(lines(row.records), QStringLiteral("f.sty"), row.type);
    const auto it = std::find_if(report.shortcuts.begin(), report.shortcuts.end(),
                                 [&](const Shortcut &s) { return s.row == row.expected.row; });
    ASSERT_NE(it, report.shortcuts.end()) << formatShortcuts(report).toStdString();
    EXPECT_EQ(it->option, row.expected.option);
    EXPECT_EQ(it->right, row.expected.right);
    EXPECT_EQ(it->applies, row.expected.applies);
    // Marked when right in more than 70 % of its questions.
    const QString line = QStringLiteral("%1: %2 (").arg(it->row, it->option);
    const QStringList printed = formatShortcuts(report).split(u'\n').filter(line);
    ASSERT_EQ(printed.size(), 1) << formatShortcuts(report).toStdString();
    EXPECT_EQ(printed[0].startsWith(QLatin1String("  !")), it->share() > kShortcutLimit) << printed[0].toStdString();
}

const Row kRows[] = {
    {"AdfSlotsOneAfterAnother", 5, adf(1, 2, 3) + adf(2, 3, 4) + adf(3, 4, 1) + adf(4, 1, 2),
     {"QDM option after the QDR option", "+1", 4, 4}},
    {"AdfSlotDrawn", 5, adf(2, 1, 1) + adf(2, 4, 3) + adf(3, 3, 2), {"QDR option", "2", 2, 3}},
    // Greater and less the short way round north; on the bearing the rule has nothing to say.
    {"QdmTurnBySides", 6,
     qdm(200, 180, "right", "increase") + qdm(170, 180, "left", "decrease") + qdm(350, 10, "left", "decrease")
         + qdm(10, 350, "right", "increase") + qdm(200, 180, "left", "decrease") + qdm(180, 180, "maintain", "maintain"),
     {"first turn against actual and required", "right when the actual is greater", 4, 5}},
    {"MaintainCountsAsGreater", 7, qdm(200, 180, "left", "maintain") + qdm(200, 180, "right", "increase"),
     {"first heading", "greater", 2, 2}},
    // Inbound 090: direct, direct, offset (its first heading inbound + 150).
    {"HoldingEntries", 4, holding(133, 90) + holding(20, 90) + holding(235, 90), {"first heading", "inbound + 180", 2, 3}},
    {"TwoQuartersBothCount", 1,
     QStringList{":qa:,a", ":qb:,b", ":qc:,c"} + QStringList{"ans1:000", "ans2:180", "ans3:Ahead", "ses:x", "--"}
         + QStringList{"ans1:000", "ans2:180", "ans3:+Ahead+To the right+", "ses:x", "--"}
         + QStringList{"ans1:000", "ans2:180", "ans3:To the right", "ses:x", "--"},
     {"station", "Ahead", 2, 3}},
};

INSTANTIATE_TEST_SUITE_P(Files, ShortcutCount, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
