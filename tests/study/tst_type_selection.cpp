#include "control/QAformTestAccess_p.h"
#include "study/StudyRecords.h"
#include "support/TestHost.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orvik3;
using namespace orvik3::test;

namespace {

const char *const kFrames[] = {"Frame1", "Frame2", "Frame11", "Frame20", "Frame29"};

// Each type with its family frame, its two study files and the code that gives the frame back
// at full height once its panel is cut (0: never cut).
struct TypeRow { qint16 type; const char *frame, *germanFile, *otherFile; qint16 restore; };

const TypeRow kTypes[] = {
    {1, "Frame1", "hsi.sty", "e-hsi.sty", 0},           {2, "Frame1", "stdvor.sty", "e-stdvor.sty", 0},
    {3, "Frame2", "HSIHLD.sty", "e-HSIHLD.sty", -2},    {4, "Frame2", "dgHLD.sty", "e-dgHLD.sty", -2},
    {5, "Frame11", "adfpos.sty", "e-adfpos.sty", -5},   {6, "Frame20", "qdm.sty", "e-qdm.sty", -3},
    {7, "Frame20", "qdr.sty", "e-qdr.sty", -3},         {8, "Frame29", "wind.sty", "e-wind.sty", -4},
    {9, "Frame2", "dmearc.sty", "e-dmearc.sty", -2},    {10, "Frame1", "orientation.sty", "orientation.sty", 0},
    {11, "Frame11", "adfposrb.sty", "e-adfpos.sty", -5}, {12, "Frame20", "qdmrb.sty", "e-qdm.sty", -3},
    {13, "Frame20", "qdrrb.sty", "e-qdr.sty", -3},      {14, "Frame2", "dgrbHLD.sty", "e-dgHLD.sty", -2},
};

// The German table with another language tag.
std::shared_ptr<TextTable> tableTagged(const QString &tag)
{
    QHash<quint16, QString> texts = TextTable::german()->texts();
    texts.insert(100, tag);
    return std::make_shared<TextTable>(texts);
}

class Types : public ::testing::TestWithParam<TypeRow>
{
};

} // namespace

// The German file and the other-language file get different lengths, so the question count
// tells which one was loaded.
TEST_P(Types, FrameFileOfTheLanguageAndFlyCode)
{
    const TypeRow &row = GetParam();
    for (const QString &tag : {QStringLiteral("german"), QStringLiteral("German"), QStringLiteral("german "),
                               QStringLiteral("english"), QString()}) {
        TestHost host({0.0f}, tableTagged(tag));
        host.writeStudyFile(QLatin1String(row.otherFile), records(row.type, 2));
        if (qstrcmp(row.germanFile, row.otherFile) != 0)
            host.writeStudyFile(QLatin1String(row.germanFile), records(row.type, 5));
        host.form().setC_smallFrame(true);
        QAform &f = host.select(row.type);

        const bool german = tag == QStringLiteral("german") && qstrcmp(row.germanFile, row.otherFile) != 0;
        EXPECT_EQ(f.lastQuestion(), german ? 4 : 1) << "tag \"" << tag.toStdString() << '"';
        for (const char *frame : kFrames) {
            const FormControl &c = host.ctl(QLatin1String(frame));
            EXPECT_EQ(c.isVisible(), qstrcmp(frame, row.frame) == 0) << frame;
        }
        EXPECT_EQ(host.ctl(QLatin1String(row.frame)).height(), 4250); // even while c_smallFrame is set
        EXPECT_EQ(f.currentQuestion(), 0);
        EXPECT_EQ(QAformTestAccess(f).qaSession(0), QStringLiteral("s0.ses"));
    }
    // The compact layout cuts the four family frames; the type's own code gives its frame back
    // (visible and whole), and that one only.
    TestHost host;
    host.form().setC_smallFrame(true);
    for (const char *frame : kFrames)
        host.ctl(QLatin1String(frame)).setVisible(false);
    host.form().setC_QAFly(row.restore);
    EXPECT_EQ(host.form().c_QAFly(), row.restore);
    for (const char *frame : kFrames) {
        const bool restored = row.restore != 0 && qstrcmp(frame, row.frame) == 0;
        EXPECT_EQ(host.ctl(QLatin1String(frame)).isVisible(), restored) << frame;
        EXPECT_EQ(host.ctl(QLatin1String(frame)).height(), restored ? 4250 : qstrcmp(frame, "Frame1") == 0 ? 4200 : 1100) << frame;
    }
}

// Codes that are no family's: nothing changes.
TEST(TypeSelection, OtherFlyCodesGiveNothingBack)
{
    for (qint16 code : {qint16(4), qint16(-1), qint16(-6), qint16(0)}) {
        TestHost host;
        host.form().setC_smallFrame(true);
        host.form().setC_QAFly(code);
        for (const char *frame : {"Frame2", "Frame11", "Frame20", "Frame29"})
            EXPECT_EQ(host.ctl(QLatin1String(frame)).height(), 1100) << code << frame;
        host.form().setC_smallFrame(false);
        EXPECT_EQ(host.ctl(QStringLiteral("Frame29")).height(), 4250);
    }
}

INSTANTIATE_TEST_SUITE_P(TypeSelection, Types, ::testing::ValuesIn(kTypes),
                         [](const auto &info) { return "Type" + std::to_string(info.param.type); });

// -1 only stores the value; 0 and 15 leave the last exercise on show; the host's signals stay
// untouched whatever the value.
TEST(TypeSelection, ValuesOutsideTheTypes)
{
    for (qint16 value : {qint16(-1), qint16(0), qint16(15)}) {
        TestHost host;
        host.writeStudyFile(QStringLiteral("wind.sty"), records(8, 3));
        QAform &f = host.form();
        f.setC_showResult(6);
        f.setC_QAFly(4);
        f.setC_TrackDelta(3);
        host.select(8);
        if (value < 0)
            f.DisplayQuestion();
        const QString session = f.c_QASessionFileName(), caption = host.ctl(QStringLiteral("Frame29")).caption();
        const std::size_t drawn = host.random().drawn();

        f.setC_QAtype(value);
        EXPECT_EQ(f.c_QAtype(), value);
        EXPECT_TRUE(host.ctl(QStringLiteral("Frame29")).isVisible());
        EXPECT_EQ(f.currentQuestion(), value < 0 ? 1 : 0) << value;
        EXPECT_EQ(f.lastQuestion(), 2);
        EXPECT_EQ(f.c_QASessionFileName(), session);
        EXPECT_EQ(host.ctl(QStringLiteral("Frame29")).caption(), caption);
        EXPECT_EQ(host.random().drawn(), drawn);
        EXPECT_TRUE(f.questionShown());
        EXPECT_EQ(f.c_showResult() * 100 + f.c_QAFly() * 10 + f.c_TrackDelta(), 643) << value;
    }
}

// Question orders drawn from scripted numbers.
struct OrderCase { const char *name; int questions; std::vector<float> random; std::vector<qint16> order; std::size_t draws; };

class Orders : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(Orders, AreDrawnAsScripted)
{
    const OrderCase &c = GetParam();
    TestHost host(c.random);
    // Wind: its panel draws no numbers of its own, so every draw belongs to the order.
    host.writeStudyFile(QStringLiteral("wind.sty"), records(8, c.questions));
    QAform &f = host.select(8);
    for (std::size_t k = 0; k < c.order.size(); ++k)
        EXPECT_EQ(QAformTestAccess(f).questionOrder(int(k)), c.order[k]) << "position " << k;
    EXPECT_EQ(host.random().drawn(), c.draws);
}

// The largest float whose double product with 11 stays below 5; as a float product it is 5.
const float kJustBelowFiveElevenths = std::nextafter(5.0f / 11.0f, 0.0f);

INSTANTIATE_TEST_SUITE_P(
    TypeSelection, Orders,
    ::testing::Values(OrderCase{"One", 1, {0.7f}, {0}, 1}, OrderCase{"Distinct", 3, {0.5f, 0.1f, 0.9f}, {1, 0, 2}, 3},
                      OrderCase{"UsedIndexDrawnAgain", 3, {0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.9f}, {0, 1, 2}, 6},
                      OrderCase{"ThousandTriesTakeTheLastDraw", 2, {0.0f}, {0, 0}, 1001},
                      OrderCase{"SinglePrecisionProduct",
                               11,
                               {kJustBelowFiveElevenths, 0.0f, 0.1f, 0.19f, 0.28f, 0.37f, 0.55f, 0.64f, 0.73f, 0.82f, 0.91f},
                               {5, 0, 1, 2, 3, 4, 6, 7, 8, 9, 10},
                               11}),
    [](const auto &info) { return std::string(info.param.name); });

// An empty file keeps the old order; orientation (type 10) switches random order on.
TEST(TypeSelection, OrderKeptOnAnEmptyFileAndRandomForOrientation)
{
    ASSERT_EQ(kJustBelowFiveElevenths * 11.0f, 5.0f); // the premise of SinglePrecisionProduct
    ASSERT_LT(double(kJustBelowFiveElevenths) * 11, 5.0);

    TestHost host({0.9f, 0.1f}), orientation({0.5f, 0.1f, 0.9f});
    host.writeStudyFile(QStringLiteral("qdm.sty"), records(6, 2));
    QAform &f = host.select(6);
    ASSERT_EQ(QAformTestAccess(f).questionOrder(0), 1);
    host.writeStudyFile(QStringLiteral("qdm.sty"), {});
    host.select(6);
    EXPECT_EQ(f.lastQuestion(), -1);
    EXPECT_EQ(QAformTestAccess(f).questionOrder(0), 1);
    EXPECT_EQ(QAformTestAccess(f).questionOrder(1), 0);

    orientation.writeStudyFile(QStringLiteral("orientation.sty"), records(10, 3));
    QAform &o = orientation.select(10); // order 1, 0, 2
    EXPECT_EQ(orientation.ctl(QStringLiteral("Check1")).value(), 1);
    EXPECT_EQ(o.currentQuestion(), 0); // questionOrder(1)
    EXPECT_EQ(QAformTestAccess(o).questionOrder(0), 1);
}

TEST(TypeSelection, PositionListsPerType)
{
    struct Lists { qint16 type; int counts[3]; };
    TestHost host;
    for (const Lists &row : {Lists{1, {74, 73, 6}}, {2, {74, 73, 6}}, {10, {18, 18, 18}}}) {
        host.select(row.type);
        for (int i = 0; i < 3; ++i) {
            const FormControl &combo = host.ctl(QStringLiteral("Combo%1").arg(i + 1));
            EXPECT_EQ(combo.listCount(), row.counts[i]) << "type " << row.type << " Combo" << i + 1;
            EXPECT_EQ(combo.listItem(0), host.form().texts().text(312));
            EXPECT_EQ(combo.listIndex(), 0);
            EXPECT_TRUE(combo.isVisible());
        }
    }
    const FormControl &degrees = host.ctl(QStringLiteral("Combo2"));
    host.select(1);
    EXPECT_EQ(degrees.listItem(1), QStringLiteral("000"));
    EXPECT_EQ(degrees.listItem(3), QStringLiteral("010"));
    EXPECT_EQ(degrees.listItem(72), QStringLiteral("355"));
    EXPECT_EQ(host.ctl(QStringLiteral("Combo1")).listItem(73), QString());
}

TEST(TypeSelection, DmeArcHidesTheHoldingRowsAndHoldingShowsLabel5Again)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("HSIHLD.sty"), records(3, 1));
    host.writeStudyFile(QStringLiteral("dmearc.sty"), records(9, 1));
    host.select(3);
    host.select(9);
    for (const char *name : {"Option14", "Option15", "Option16", "Label5"})
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isVisible()) << name;
    EXPECT_EQ(host.ctl(QStringLiteral("Label3")).caption(), host.form().texts().text(341));
    host.select(3);
    EXPECT_TRUE(host.ctl(QStringLiteral("Label5")).isVisible());
    EXPECT_EQ(host.ctl(QStringLiteral("Label3")).caption(), host.form().texts().text(337));
}
