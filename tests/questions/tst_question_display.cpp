#include "control/QAformTestAccess_p.h"
#include "study/StudyRecords.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::test;

namespace {

// The common controls of each family, and a type and study file of it.
struct FamilyRow {
    qint16 type;
    const char *file, *randomBox, *frame, *statsFrame, *statsLabel, *showSolution, *next, *cancel, *fly, *title;
};

const FamilyRow kFamilies[] = {
    {.type = 2, .file = "stdvor.sty", .randomBox = "Check1", .frame = "Frame1", .statsFrame = nullptr,
     .statsLabel = "Label1", .showSolution = "Command2", .next = "Command1", .cancel = "Command3", .fly = nullptr,
     .title = "STD. VOR ÜBUNGEN POSITION"},
    {.type = 9, .file = "dmearc.sty", .randomBox = "Check2", .frame = "Frame2", .statsFrame = "Frame6",
     .statsLabel = "Label7", .showSolution = "Command27", .next = "Command28", .cancel = "Command4",
     .fly = "Command26", .title = "DME ARC ÜBUNGEN"},
    {.type = 11, .file = "adfposrb.sty", .randomBox = "Check3", .frame = "Frame11", .statsFrame = "Frame12",
     .statsLabel = "Label12", .showSolution = "Command7", .next = "Command6", .cancel = "Command5", .fly = nullptr,
     .title = "ADF POSITION ÜBUNG"},
    {.type = 13, .file = "qdrrb.sty", .randomBox = "Check4", .frame = "Frame20", .statsFrame = "Frame21",
     .statsLabel = "Label23", .showSolution = "Command10", .next = "Command9", .cancel = "Command8",
     .fly = "Command15", .title = "QDR ÜBUNGEN"},
    {.type = 8, .file = "wind.sty", .randomBox = "Check5", .frame = "Frame29", .statsFrame = "Frame37",
     .statsLabel = "Label42", .showSolution = "Command11", .next = "Command12", .cancel = "Command13",
     .fly = "Command14", .title = "WIND ÜBUNGEN"},
};

class Families : public ::testing::TestWithParam<FamilyRow>
{
};

QString caption(TestHost &host, const char *name) { return host.ctl(QLatin1String(name)).caption(); }

} // namespace

TEST_P(Families, CommonFrameInFileAndRandomOrder)
{
    const FamilyRow &row = GetParam();
    TestHost host;
    host.writeStudyFile(QLatin1String(row.file), records(row.type, 3));
    QAform &f = host.select(row.type);

    EXPECT_EQ(QAformTestAccess(f).exerciseTitle(), QString::fromUtf8(row.title));
    EXPECT_EQ(caption(host, row.showSolution), QStringLiteral("Lösung zeigen"));
    EXPECT_EQ(caption(host, row.randomBox), QStringLiteral("Zufall"));
    EXPECT_EQ(caption(host, row.next), QStringLiteral("Weiter"));
    EXPECT_EQ(caption(host, row.cancel), QStringLiteral("Abbrechen"));
    if (row.fly)
        EXPECT_EQ(caption(host, row.fly), QStringLiteral("Selber Fliegen"));
    if (row.statsFrame)
        EXPECT_EQ(caption(host, row.statsFrame), QStringLiteral("Statistik"));
    EXPECT_EQ(caption(host, row.statsLabel), QStringLiteral("Versuche: 0"));

    // Rows 0, 1, 2 and round again; the counter is one-based with its leading blank.
    for (int shown : {0, 1, 2, 0}) {
        EXPECT_EQ(f.currentQuestion(), shown);
        EXPECT_EQ(caption(host, row.frame),
                  QString::fromUtf8(row.title) + QStringLiteral(" ( %1 von 3)").arg(shown + 1));
        EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/s%1.ses").arg(shown));
        EXPECT_TRUE(f.questionShown());
        for (int n = 1; n <= 6; ++n)
            EXPECT_FALSE(f.partDone(n) || f.partCorrect(n));
        f.DisplayQuestion();
    }

    // In random order the first question is the one at the position after the first.
    TestHost other({0.5f, 0.1f, 0.9f}); // order 1, 0, 2
    other.writeStudyFile(QLatin1String(row.file), records(row.type, 3));
    other.ctl(QLatin1String(row.randomBox)).setValue(1);
    QAform &g = other.select(row.type);
    ASSERT_EQ(QAformTestAccess(g).questionOrder(0), 1);
    for (int shown : {0, 2, 1, 0}) { // questionOrder(1), (2), (0), (1)
        EXPECT_EQ(g.currentQuestion(), shown);
        EXPECT_EQ(g.c_QASessionFileName(), other.base() + QStringLiteral("/default/sessions/s%1.ses").arg(shown));
        g.DisplayQuestion();
    }
}

INSTANTIATE_TEST_SUITE_P(QuestionDisplay, Families, ::testing::ValuesIn(kFamilies),
                         [](const auto &info) { return "Type" + std::to_string(info.param.type); });

TEST(QuestionDisplay, FileAndRandomPositionsAreKeptApart)
{
    TestHost host({0.5f, 0.1f, 0.9f}); // order 1, 0, 2
    host.writeStudyFile(QStringLiteral("qdm.sty"), records(6, 3));
    QAform &f = host.select(6);
    FormControl &randomBox = host.ctl(QStringLiteral("Check4"));
    f.DisplayQuestion(); // file order: row 1
    randomBox.setValue(1);
    f.DisplayQuestion(); // random: questionOrder(1)
    EXPECT_EQ(f.currentQuestion(), 0);
    EXPECT_EQ(QAformTestAccess(f).orderPos(), 1);
    randomBox.setValue(0);
    f.DisplayQuestion(); // file order goes on from the row on display
    EXPECT_EQ(f.currentQuestion(), 1);
    randomBox.setValue(1);
    f.DisplayQuestion();
    EXPECT_EQ(QAformTestAccess(f).orderPos(), 2);
    EXPECT_EQ(f.currentQuestion(), 2);
}

// The caption counts from one; the session path takes the base path with or without its
// separator; with nothing loaded the count is "1 von 0" and the session path the bare folder.
TEST(QuestionDisplay, CaptionAndSessionPath)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("stdvor.sty"), records(2, 25));
    QAform &f = host.select(2);
    for (int i = 0; i < 3; ++i)
        f.DisplayQuestion();
    EXPECT_EQ(caption(host, "Frame1"), QStringLiteral("STD. VOR ÜBUNGEN POSITION ( 4 von 25)"));
    EXPECT_EQ(host.ctl(QStringLiteral("Text3")).text(), cell(3, 3)); // the row of the question, for type 2

    host.writeStudyFile(QStringLiteral("wind.sty"), records(8, 2));
    for (const QString &base : {host.base(), host.base() + QStringLiteral("/")}) {
        f.setC_MainAppPath(base);
        f.setC_QAtype(8);
        EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/s0.ses"));
    }

    TestHost empty;
    QAform &e = empty.select(6);
    EXPECT_EQ(e.currentQuestion(), 0);
    EXPECT_EQ(caption(empty, "Frame20"), QStringLiteral("QDM ÜBUNGEN ( 1 von 0)"));
    EXPECT_EQ(e.c_QASessionFileName(), empty.base() + QStringLiteral("/default/sessions/"));
}

TEST(QuestionDisplay, OutsideTheTypesOnlyClearsTheFlags)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("wind.sty"), records(8, 2));
    QAform &f = host.select(8);
    const QString caption29 = caption(host, "Frame29");
    for (qint16 type : {qint16(0), qint16(15), qint16(-7)}) {
        f.setC_QAtype(-1);
        f.setC_MainAppPath(QStringLiteral("elsewhere"));
        f.setC_QAtype(type);
        f.DisplayQuestion();
        EXPECT_EQ(f.currentQuestion(), 0);
        EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/s0.ses"));
        EXPECT_EQ(caption(host, "Frame29"), caption29);
        f.setC_MainAppPath(host.base());
    }
}

TEST(QuestionDisplay, StatisticsLineOfThePrefix)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("qdm.sty"), records(6, 5));
    host.writeStudyFile(QStringLiteral("qdmrb.sty"), records(12, 5));
    const QString app = QStringLiteral("avx1"), section = QStringLiteral("stats");
    host.store().write(app, section, QStringLiteral("qdm_total"), QStringLiteral("8"));
    host.store().write(app, section, QStringLiteral("qdm_bad"), QStringLiteral("3"));
    for (qint16 type : {qint16(6), qint16(12)}) {
        host.select(type);
        EXPECT_EQ(caption(host, "Label23"), QStringLiteral("Versuche: 8     Richtige: 5     Performance: 62%"));
    }
    host.select(7);
    EXPECT_EQ(caption(host, "Label23"), QStringLiteral("Versuche: 0"));
}
