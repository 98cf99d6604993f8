// Every teaching rule, through the generator: a situation just inside the rule is refused with
// the rule's name and the situation's line, the same situation just outside it is accepted.
#include "Generator.h"
#include "Scenario.h"

#include "teaching/TeachingRules.h"

#include <gtest/gtest.h>

using namespace orvik3::study;

namespace {

struct Row {
    const char *name;
    const char *header;    // type and defaults
    const char *situation; // after "situation "
    const char *refusal;   // the rule's name and a piece of what it says; nullptr: accepted
};

void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

class TeachingRule : public ::testing::TestWithParam<Row>
{
};

TEST_P(TeachingRule, RefusesJustInsideAcceptsJustOutside)
{
    const Row &row = GetParam();
    const QByteArray text = QByteArray("name = t\n") + row.header + "\n\nsituation " + row.situation + "\n";
    ScenarioError parseError;
    const std::optional<Scenario> scenario = parseScenario(text, QStringLiteral("t.txt"), &parseError);
    ASSERT_TRUE(scenario) << parseError.toString().toStdString();
    std::vector<ScenarioError> errors;
    generate({*scenario}, &errors);
    QStringList messages;
    for (const ScenarioError &e : errors)
        if (e.line > 0) // the set-wide checks (all three holding entries) are not this row's business
            messages << e.toString();
    if (!row.refusal) {
        EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
        return;
    }
    ASSERT_EQ(messages.size(), 1) << messages.join('\n').toStdString();
    const int line = 4 + int(QByteArray(row.header).count('\n'));
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("t.txt:%1: ").arg(line))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QLatin1String(row.refusal))) << messages[0].toStdString();
}

// Holding inbound 090. Right-hand: direct 020..200, offset 200..270 (offset heading 240),
// parallel 270..020; left-hand the mirror image, parallel 160..270, offset 270..340.
const Row kRows[] = {
    {"RightHand3FromLine", "type = 4", "heading=017 inbound=090 turn=right", "holding-sector-line: heading 017"},
    {"RightHand7FromLine", "type = 4", "heading=013 inbound=090 turn=right", nullptr},
    // The edge of the margin: the other sector 6 degrees away is still too near.
    {"RightHandOtherSector6Away", "type = 4", "heading=014 inbound=090 turn=right", "within 5 degrees of the line"},
    {"RightHandOtherSector6Back", "type = 4", "heading=206 inbound=090 turn=right", "within 5 degrees of the line"},
    {"RightHand3PastLine", "type = 4", "heading=203 inbound=090 turn=right", "within 5 degrees of the line"},
    {"RightHand7PastLine", "type = 4", "heading=207 inbound=090 turn=right", nullptr},
    {"LeftHand3FromLine", "type = 4", "heading=157 inbound=090 turn=left", "within 5 degrees of the line"},
    {"LeftHand7FromLine", "type = 4", "heading=153 inbound=090 turn=left", nullptr},
    {"LeftHand3PastLine", "type = 14", "heading=343 inbound=090 turn=left", "within 5 degrees of the line"},
    {"LeftHand7PastLine", "type = 14", "heading=347 inbound=090 turn=left", nullptr},
    {"OffsetTurnOf4", "type = 3", "heading=236 inbound=090 turn=right", "holding-offset-turn: the offset entry turns 4"},
    {"OffsetTurnOf5", "type = 3", "heading=235 inbound=090 turn=right", nullptr},
    {"OffsetOnItsHeading", "type = 3", "heading=240 inbound=090 turn=right", nullptr},
    // QDM 130 to intercept 090: the double offset (80 degrees) keeps heading 170, but 45 and
    // 60 degrees turn left and 90 degrees right.
    {"MaintainFlipsAt90", "type = 6", "radial=310 distance=12 heading=170 target=090", "intercept-turn: the first turn"},
    {"LeftForEveryAngle", "type = 6", "radial=310 distance=12 heading=250 target=090", nullptr},
    // QDR 050 to intercept 020 outbound: 45 degrees turns right, 60 degrees is heading 320.
    {"QdrTurnThatBecomesMaintain", "type = 7", "radial=050 distance=12 heading=320 target=020", "maintain with 60 degrees"},
    // QDR 242 to intercept 249: the 90-degree intercept heading 339 lies right behind.
    {"ReversalAt90", "type = 7", "radial=242 distance=32 heading=159 target=249", "intercept-turn: from heading 159"},
    {"ClearOfTheReversal", "type = 7", "radial=242 distance=32 heading=165 target=249", nullptr},
    {"QdmOnTheBearing", "type = 6", "radial=010 distance=8 heading=119 target=190", "qdm-on-bearing: the actual QDM 190"},
    {"QdmOffTheBearing", "type = 6", "radial=010 distance=8 heading=119 target=175", nullptr},
    {"QdrOnTheBearing", "type = 7", "radial=020 distance=18 heading=020 target=020", nullptr},
    {"HsiBarAtItsStop", "type = 1", "radial=030 distance=10 heading=090 course=090", "bar-at-stop: radial 030"},
    {"HsiAbeamFlag", "type = 1", "radial=030 distance=10 heading=090 course=120", "flag-abeam: radial 030"},
    {"HsiBarReadable", "type = 1", "radial=030 distance=10 heading=090 course=214", nullptr},
    {"NeedleCentred", "type = 2", "radial=030 distance=10 heading=090 obs=210", "needle-centred: radial 030"},
    {"NeedleOneDegreeOff", "type = 2", "radial=030 distance=10 heading=090 obs=211", nullptr},
    {"StationOnTheMargin", "type = 1", "radial=180 distance=10 heading=320 course=360", "quarter-margin: the station at relative bearing 040"},
    {"StationOneQuarterClear", "type = 1", "radial=180 distance=10 heading=319 course=360", nullptr},
    {"StationTwoQuartersClear", "type = 1", "radial=180 distance=10 heading=321 course=360", nullptr},
    // A WCA of 1.5 degrees stored as 1: only 0.81..1.19 would be right.
    {"WcaOutsideItsBand", "type = 8\ndestination = DST", "course=090 tas=100 wind=085 speed=30 leg=50", "wind-band: WCA 1.50"},
    {"WcaInsideItsBand", "type = 8\ndestination = DST", "course=090 tas=100 wind=085 speed=20 leg=50", nullptr},
    // 35 x sin 30 = 17.50.
    {"CrosswindOnAHalf", "type = 8\ndestination = DST", "course=090 tas=120 wind=060 speed=35 leg=50", "wind-half: crosswind 17.50"},
    {"CrosswindOffTheHalf", "type = 8\ndestination = DST", "course=090 tas=120 wind=060 speed=34 leg=50", nullptr},
    {"TasOfAJet", "type = 4", "heading=333 inbound=090 tas=251", "realistic-figures: TAS 251 kt is outside"},
    {"TasAtTheTop", "type = 4", "heading=333 inbound=090 tas=250", nullptr},
    {"DmeArcHugeLead", "type = 9", "radial=180 heading=360 radius=12 final=090 lead=5", "DME lead 5 NM is outside"},
};

INSTANTIATE_TEST_SUITE_P(Rows, TeachingRule, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

// A rule added to the table without a row above is not tested.
TEST(TeachingRules, EachRuleHasARefusedRow)
{
    for (const orvik3::teaching::Rule &rule : orvik3::teaching::rules()) {
        const bool tested = std::any_of(std::begin(kRows), std::end(kRows), [&](const Row &r) {
            return r.refusal && QLatin1String(r.refusal).startsWith(QLatin1String(rule.name) + u':');
        });
        EXPECT_TRUE(tested) << rule.name;
        EXPECT_GT(qstrlen(rule.reason), 20u) << rule.name;
    }
}

} // namespace
