// The QDM/QDR interception panel: four candidate bearings, three word rows.
#include "control/QAformTestAccess_p.h"
#include "../PanelTest.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

// The value options in slot-taking order, then the word rows.
const QList<QList<int>> kRows = {{50, 49, 48, 46}, {40, 39, 38}, {45, 44, 43}, {37, 36}};
const char *const kResults[] = {"Label27", "Label25", "Label26", "Label24"};

QAform &start(TestHost &host, qint16 type, const QList<QStringList> &records)
{
    host.writeStudyFile(qdmFile(type), studyLines(records));
    return host.select(type);
}

// The first draw builds the question order, the next four place the candidates: slots 1, 2, 3, 4.
const std::vector<float> kInOrder{0.0f, 0.0f, 0.25f, 0.5f, 0.75f};

TEST(QdmQdrPanel, CaptionsOfEachType)
{
    // Label32, Label31, Label28, Option37, Option36
    const QStringList qdm{"Intercept QDM 090", "Actual QDM:", "Winkel zw. ACT und RQ QDM wird:", "< als actual QDM",
                          "> als actual QDM"};
    const QStringList qdr{"Intercept QDR 090", "Actual QDR:", "Winkel zw. ACT und RQ QDR wird:", "< als RQ QDR",
                          ">  RQ QDR"};
    for (const auto &[type, expected] : {std::pair{6, qdm}, {12, qdm}, {7, qdr}, {13, qdr}}) {
        TestHost host(kInOrder);
        start(host, type, {QdmRecord{}.values()});
        QStringList shown;
        for (const char *name : {"Label32", "Label31", "Label28", "Option37", "Option36"})
            shown << host.ctl(name).caption();
        EXPECT_EQ(shown, expected) << "type " << type;
    }
}

// Offsets 90, 0, 180 and 10 from the stored bearing, placed by the draws; each option is tried.
TEST(QdmQdrPanel, CandidateBearingsAndTheOneRightOne)
{
    const struct {
        const char *stored;
        std::vector<float> draws; // after the one draw of the question order
        QStringList captions;     // Option50, Option49, Option48, Option46
        int rightOption;          // 0 when no candidate is right
    } cases[] = {
        {"270", {0.0f, 0.25f, 0.5f, 0.75f}, {" 360", " 270", "090", " 280"}, 49},
        {"355", {0.75f, 0.5f, 0.25f, 0.0f}, {"005", " 175", " 355", "085"}, 48},
        // The last degree before north is no wrap-around: its own candidate is right.
        {"359", {0.0f, 0.25f, 0.5f, 0.75f}, {"089", " 359", " 179", "009"}, 49},
        // 360 is captioned 360 but compares as 0 against 360: nothing is right.
        {"360", {0.25f, 0.0f, 0.5f, 0.75f}, {" 360", "090", " 180", "010"}, 0},
        {"000", {0.25f, 0.0f, 0.5f, 0.75f}, {" 360", "090", " 180", "010"}, 50},
        {"0", {0.5f, 0.25f, 0.0f, 0.75f}, {" 180", " 360", "090", "010"}, 49},
        // Not a number: read as 0.
        {"abc", {0.0f, 0.25f, 0.5f, 0.75f}, {"090", " 360", " 180", "010"}, 49},
        // Unrounded comparison: a half degree is right on the offset-0 option only.
        {" 45.5", {0.0f, 0.25f, 0.5f, 0.75f}, {" 136", "046", " 226", "056"}, 49}};
    for (const auto &c : cases) {
        std::vector<float> draws{0.0f};
        draws.insert(draws.end(), c.draws.begin(), c.draws.end());
        QdmRecord r;
        r.actual = QLatin1String(c.stored);
        for (int option : kRows[0]) {
            SCOPED_TRACE(::testing::Message() << "stored " << c.stored << ", Option" << option);
            TestHost host(draws);
            QAform &f = start(host, 6, {r.values()});
            QStringList captions;
            for (int n : kRows[0])
                captions << host.ctl(opt(n)).caption();
            EXPECT_EQ(captions, c.captions);
            ASSERT_TRUE(host.ctl(opt(option)).click());
            EXPECT_EQ(f.partCorrect(1), option == c.rightOption);
            EXPECT_EQ(host.ctl("Label27").caption(), option == c.rightOption ? r.actual : "FALSCH");
        }
    }
}

TEST(QdmQdrPanel, EachWordRowAcceptsItsOwnWords)
{
    const std::tuple<int, const char *, int> cases[] = { // row (1 difference, 2 turn, 3 heading), word, right option
        {1, "kleiner", 40},  {1, "decrease", 40}, {1, "gleich", 39},  {1, "remain constant", 39},
        {1, "grösser", 38},  {1, "increase", 38}, {1, "größer", 0},   {1, "Kleiner", 0},
        {2, "left", 45},     {2, "maintain", 44}, {2, "right", 43},   {2, "Right", 0},
        {3, "kleiner", 37},  {3, "decrease", 37}, {3, "grösser", 36}, {3, "increase", 36},
        {3, "maintain", 36}, {3, "gleich", 0}};
    for (const auto &[row, word, rightOption] : cases) {
        for (int option : kRows[row]) {
            QdmRecord r;
            QString *field[] = {nullptr, &r.difference, &r.turn, &r.heading};
            *field[row] = QString::fromUtf8(word);
            TestHost host(kInOrder);
            QAform &f = start(host, 7, {r.values()});
            ASSERT_TRUE(host.ctl(opt(option)).click());
            EXPECT_EQ(f.partCorrect(row + 1), option == rightOption) << word << " on Option" << option;
            EXPECT_EQ(host.ctl(kResults[row]).caption(), option == rightOption ? *field[row] : "FALSCH");
        }
    }
}

// Keeping the heading on a QDR means flying the actual QDR: the "greater" option shows it,
// question by question; the QDM panel keeps its caption. Candidates are drawn anew each time.
TEST(QdmQdrPanel, MaintainOnTheQdrPanelAndEachQuestionAnew)
{
    QdmRecord maintain;
    maintain.heading = QStringLiteral("maintain");
    const QdmRecord plain{"090", "200"};
    TestHost qdm(kInOrder);
    start(qdm, 12, {maintain.values()});
    EXPECT_EQ(qdm.ctl("Option36").caption(), QStringLiteral("> als actual QDM"));

    // Order draws 0.0, 0.5; first question's slots in order, the second's reversed.
    TestHost host({0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f, 0.75f, 0.5f, 0.25f, 0.0f});
    QAform &f = start(host, 13, {maintain.values(), plain.values()});
    EXPECT_EQ(host.ctl("Option36").caption(), QStringLiteral("085"));
    EXPECT_EQ(host.ctl("Option37").caption(), QStringLiteral("< als RQ QDR"));
    EXPECT_EQ(host.ctl("Option49").caption(), QStringLiteral("085"));
    f.DisplayQuestion();
    EXPECT_EQ(host.ctl("Option36").caption(), QStringLiteral(">  RQ QDR"));
    EXPECT_EQ(QAformTestAccess(f).optionOrder(1), 4);
    EXPECT_EQ(host.ctl("Option50").caption(), QStringLiteral(" 210"));
    host.ctl("Option48").click();
    EXPECT_TRUE(f.partCorrect(1));
    EXPECT_EQ(host.ctl("Label27").caption(), QStringLiteral("200"));
}

} // namespace
