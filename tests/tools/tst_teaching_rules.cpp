// The generator refuses situations that break a teaching rule and names the situation; the
// same situations a hair further from the rule's edge are accepted.
#include "Generator.h"
#include "Scenario.h"

#include <gtest/gtest.h>

using namespace orvik3::study;

namespace {

struct Row {
    const char *name;
    const char *header;    // type and defaults
    const char *situation; // after "situation "
    const char *refusal;   // nullptr: accepted
};

void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

class TeachingRefusal : public ::testing::TestWithParam<Row>
{
};

TEST_P(TeachingRefusal, NamesTheSituation)
{
    const Row &row = GetParam();
    const QByteArray text = QByteArray("name = t\n") + row.header + "\n\nsituation " + row.situation + "\n";
    ScenarioError parseError;
    const std::optional<Scenario> scenario = parseScenario(text, QStringLiteral("t.txt"), &parseError);
    ASSERT_TRUE(scenario) << parseError.toString().toStdString();
    std::vector<ScenarioError> errors;
    const std::optional<Generated> out = generate({*scenario}, &errors);
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

// Holding inbound 090. Right-hand: direct 020..200, offset 200..270, parallel 270..020 (lines
// 70 degrees either side of the inbound course and along it); left-hand the mirror image,
// parallel 160..270, offset 270..340.
const Row kRows[] = {
    {"RightHand3FromLine", "type = 4", "heading=017 inbound=090 turn=right", "within 5 degrees of the line"},
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
    // QDM 130 to intercept 090: the double offset (80 degrees) keeps heading 170, but 45 and
    // 60 degrees turn left and 90 degrees right.
    {"MaintainFlipsAt90", "type = 6", "radial=310 distance=12 heading=170 target=090", "right with 90 degrees"},
    {"LeftForEveryAngle", "type = 6", "radial=310 distance=12 heading=250 target=090", nullptr},
    // QDR 050 to intercept 020 outbound: 45 degrees turns right, 60 degrees is heading 320.
    {"QdrTurnThatBecomesMaintain", "type = 7", "radial=050 distance=12 heading=320 target=020", "maintain with 60 degrees"},
    {"HsiBarAtItsStop", "type = 1", "radial=030 distance=10 heading=090 course=090", "the bar is at its stop"},
    {"HsiAbeamFlag", "type = 1", "radial=030 distance=10 heading=090 course=120", "the flag is in view"},
    {"HsiBarReadable", "type = 1", "radial=030 distance=10 heading=090 course=214", nullptr},
    {"TasOfAnAirliner", "type = 4", "heading=333 inbound=090 tas=420", "TAS 420 kt is outside"},
    {"HoldingFarAway", "type = 4", "heading=333 inbound=090 distance=90", "distance 90 NM is outside"},
    {"DmeArcHugeLead", "type = 9", "radial=180 heading=360 radius=12 final=090 lead=5", "DME lead 5 NM is outside"},
    {"DmeArcTinyRadius", "type = 9", "radial=180 heading=360 radius=3 final=090", "DME radius 3 NM is outside"},
    {"StormWind", "type = 8\ndestination = DST", "course=090 tas=120 wind=180 speed=75 leg=40", "wind 75 kt is outside"},
};

INSTANTIATE_TEST_SUITE_P(Rows, TeachingRefusal, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
