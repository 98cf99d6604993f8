#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::tagged;
using orvik3::test::TestHost;

namespace {

// One question of an ADF study file: twelve option captions (QDR, QDM, relative bearing, four
// each), the five stored answers and the session name.
struct AdfRecord {
    QStringList captions;
    QStringList answers; // QDR, QDR trend, QDM, QDM trend, relative bearing
    QString session;
};

AdfRecord plainRecord(const QString &session = QStringLiteral("a1.ses"))
{
    return {{"090", "100", "110", "120", "270", "280", "290", "300", "010", "020", "030", "040"},
            {"100", "größer", "280", "kleiner", "030"},
            session};
}

QStringList lines(const QList<AdfRecord> &records)
{
    QStringList out;
    for (const AdfRecord &r : records) {
        for (const QString &c : r.captions)
            out << tagged(6, c);
        for (const QString &a : r.answers)
            out << tagged(5, a);
        out << tagged(4, r.session) << QString();
    }
    return out;
}

QString opt(int n)
{
    return QStringLiteral("Option%1").arg(n);
}

// Question labels, result labels and options, top to bottom.
const char *const kLabels[] = {"Label20", "Label17", "Label19", "Label18", "Label21"};
const char *const kResults[] = {"Label14", "Label22", "Label16", "Label13", "Label15"};
const QList<QList<int>> kOptions = {{22, 21, 20, 23}, {28, 34, 33}, {32, 31, 30, 29}, {19, 17, 18}, {27, 26, 25, 24}};
// One right option per question for plainRecord().
const int kRightOption[] = {21, 28, 31, 17, 25};
const int kWrongOption[] = {22, 34, 32, 19, 24};

class AdfPanelTest : public ::testing::Test
{
protected:
    TestHost host;

    QAform &start(const QList<AdfRecord> &records, qint16 type = 5)
    {
        host.writeStudyFile(type == 11 ? QStringLiteral("adfposrb.sty") : QStringLiteral("adfpos.sty"), lines(records));
        return host.select(type);
    }
    FormControl &c(const char *name) { return host.ctl(QLatin1String(name)); }
    bool click(int option) { return host.ctl(opt(option)).click(); }
};

} // namespace

class AdfTypes : public AdfPanelTest, public ::testing::WithParamInterface<qint16>
{
};

TEST_P(AdfTypes, QuestionIsSetUpForAnswering)
{
    QAform &f = start({plainRecord(), plainRecord(QStringLiteral("a2.ses"))}, GetParam());
    EXPECT_EQ(c("Frame11").caption(), QStringLiteral("ADF POSITION ÜBUNG ( 1 von 2)"));
    EXPECT_EQ(c("Label12").caption(), QStringLiteral("Versuche: 0"));
    EXPECT_EQ(c("Label17").caption(), QStringLiteral("Wird Ihr QDR größer oder kleiner ?"));
    EXPECT_EQ(host.ctl(opt(34)).caption(), QStringLiteral("kleiner"));
    EXPECT_EQ(host.ctl(opt(18)).caption(), QStringLiteral("gleich"));

    const AdfRecord r = plainRecord();
    const int valueOptions[] = {22, 21, 20, 23, 32, 31, 30, 29, 27, 26, 25, 24};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(host.ctl(opt(valueOptions[k])).caption(), r.captions[k]) << valueOptions[k];
    EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/a1.ses"));

    // A marked question is fully reset by the next one.
    click(21);
    click(34);
    c("Command6").click();
    for (int g = 0; g < 5; ++g) {
        EXPECT_FALSE(c(kResults[g]).isVisible());
        EXPECT_EQ(c(kLabels[g]).foreColor(), colors::white);
        EXPECT_EQ(c(kLabels[g]).backColor(), colors::darkTeal);
        EXPECT_EQ(c(kResults[g]).backColor(), colors::darkTeal);
        for (int n : kOptions[g])
            EXPECT_TRUE(host.ctl(opt(n)).isReachable() && !host.ctl(opt(n)).isSelected()) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Types5And11, AdfTypes, ::testing::Values(qint16(5), qint16(11)));

TEST_F(AdfPanelTest, RightAndWrongAreMarkedAndCloseTheQuestion)
{
    QAform &f = start({plainRecord()});
    ASSERT_TRUE(click(21));
    EXPECT_TRUE(f.partCorrect(1));
    EXPECT_TRUE(f.partDone(1));
    EXPECT_EQ(c("Label14").caption(), QStringLiteral("100"));
    EXPECT_TRUE(c("Label14").isVisible());
    EXPECT_EQ(c("Label14").foreColor(), colors::green);
    EXPECT_EQ(c("Label14").backColor(), colors::darkTeal);
    EXPECT_EQ(c("Label20").foreColor(), colors::green);
    for (int n : kOptions[0])
        EXPECT_FALSE(host.ctl(opt(n)).isVisible()) << n;
    EXPECT_FALSE(click(22)); // answered once only

    ASSERT_TRUE(click(19));
    EXPECT_FALSE(f.partCorrect(4));
    EXPECT_TRUE(f.partDone(4));
    EXPECT_EQ(c("Label13").caption(), QStringLiteral("FALSCH"));
    EXPECT_EQ(c("Label13").foreColor(), colors::white);
    EXPECT_EQ(c("Label13").backColor(), colors::red);
    EXPECT_EQ(c("Label18").backColor(), colors::red);
    for (int n : kOptions[3])
        EXPECT_FALSE(host.ctl(opt(n)).isVisible()) << n;
    EXPECT_EQ(f.c_showResult(), 0);
}

TEST_F(AdfPanelTest, ValueOptionsAreJudgedByTheirOwnCaptionText)
{
    // Relative bearing answer "045": two options carry it, one carries "45".
    AdfRecord r = plainRecord();
    r.captions[8] = QStringLiteral("045");
    r.captions[9] = QStringLiteral("45");
    r.captions[10] = QStringLiteral("045");
    r.captions[11] = QStringLiteral("045 ");
    r.answers[4] = QStringLiteral("045");
    const struct {
        int option;
        bool right;
    } rows[] = {{27, true}, {26, false}, {25, true}, {24, false}};
    for (const auto &row : rows) {
        TestHost h;
        h.writeStudyFile(QStringLiteral("adfpos.sty"), lines({r}));
        QAform &f = h.select(5);
        ASSERT_TRUE(h.ctl(opt(row.option)).click());
        EXPECT_EQ(f.partCorrect(5), row.right) << row.option;
        EXPECT_EQ(h.ctl(QStringLiteral("Label15")).caption(), row.right ? QStringLiteral("045") : QStringLiteral("FALSCH"));
    }
}

TEST_F(AdfPanelTest, TrendWordsOfEitherLanguageAreAccepted)
{
    const struct {
        QString stored;
        int rightPlace; // 0 größer, 1 kleiner, 2 gleich; -1 none
    } rows[] = {
        {"größer", 0},          {"increase", 0},        {"kleiner", 1}, {"decrease", 1},
        {"gleich", 2},          {"remain constant", 2}, {"Increase", -1}, {"grösser", -1},
    };
    for (const auto &row : rows) {
        for (int place = 0; place < 3; ++place) {
            AdfRecord r = plainRecord();
            r.answers[1] = row.stored;
            r.answers[3] = row.stored;
            TestHost h;
            h.writeStudyFile(QStringLiteral("adfpos.sty"), lines({r}));
            QAform &f = h.select(5);
            ASSERT_TRUE(h.ctl(opt(kOptions[1][place])).click());
            ASSERT_TRUE(h.ctl(opt(kOptions[3][place])).click());
            const bool right = place == row.rightPlace;
            EXPECT_EQ(f.partCorrect(2), right) << row.stored.toStdString() << " QDR place " << place;
            EXPECT_EQ(f.partCorrect(4), right) << row.stored.toStdString() << " QDM place " << place;
            if (right)
                EXPECT_EQ(h.ctl(QStringLiteral("Label22")).caption(), row.stored);
        }
    }
}

TEST_F(AdfPanelTest, EnglishFileTakesEnglishCaptionsAndWords)
{
    TestHost h({0.0f}, TextTable::english());
    AdfRecord r = plainRecord();
    r.answers[1] = QStringLiteral("remain constant");
    r.answers[3] = QStringLiteral("kleiner"); // a German word in an English file still counts
    h.writeStudyFile(QStringLiteral("e-adfpos.sty"), lines({r}));
    QAform &f = h.select(11);
    EXPECT_EQ(h.ctl(opt(33)).caption(), QStringLiteral("remain constant"));
    EXPECT_EQ(h.ctl(QStringLiteral("Label19")).caption(), QStringLiteral("What is your QDM ?"));
    h.ctl(opt(33)).click();
    h.ctl(opt(17)).click();
    EXPECT_TRUE(f.partCorrect(2));
    EXPECT_TRUE(f.partCorrect(4));
}

TEST_F(AdfPanelTest, FifthRightAnswerInAnyOrderShowsTheResult)
{
    const QList<QList<int>> orders = {{0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}, {2, 0, 4, 1, 3}};
    for (const QList<int> &order : orders) {
        TestHost h;
        h.writeStudyFile(QStringLiteral("adfpos.sty"), lines({plainRecord()}));
        QAform &f = h.select(5);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(f.c_showResult(), 0);
            h.ctl(opt(kRightOption[order[i]])).click();
        }
        EXPECT_EQ(f.c_showResult(), 6);
    }
    for (int wrong = 0; wrong < 5; ++wrong) {
        TestHost h;
        h.writeStudyFile(QStringLiteral("adfpos.sty"), lines({plainRecord()}));
        QAform &f = h.select(5);
        for (int g = 0; g < 5; ++g)
            h.ctl(opt(g == wrong ? kWrongOption[g] : kRightOption[g])).click();
        EXPECT_EQ(f.c_showResult(), 0) << "wrong question " << wrong;
    }
}

TEST_F(AdfPanelTest, SolutionReplacesMarksWithoutCounting)
{
    QAform &f = start({plainRecord(), plainRecord(QStringLiteral("a2.ses"))});
    click(22); // wrong
    c("Command7").click();
    EXPECT_EQ(f.c_showResult(), 1);
    const AdfRecord r = plainRecord();
    for (int g = 0; g < 5; ++g) {
        EXPECT_EQ(c(kResults[g]).caption(), r.answers[g]);
        EXPECT_TRUE(c(kResults[g]).isVisible());
        EXPECT_EQ(c(kResults[g]).foreColor(), colors::white);
        EXPECT_EQ(c(kResults[g]).backColor(), colors::darkTeal);
        EXPECT_EQ(c(kLabels[g]).backColor(), colors::darkTeal);
        for (int n : kOptions[g])
            EXPECT_FALSE(host.ctl(opt(n)).isVisible());
    }
    EXPECT_FALSE(f.partDone(3));
    EXPECT_EQ(c("Frame11").height(), 4250);

    // Only the answered question counts.
    c("Command6").click();
    EXPECT_EQ(host.stat(QStringLiteral("adfpos_bad 0")), QStringLiteral("1"));
    c("Command7").click();
    c("Command6").click();
    EXPECT_EQ(host.stat(QStringLiteral("adfpos_total")), QStringLiteral("1"));
}

TEST_F(AdfPanelTest, NextCountsAnsweredQuestionsUnderAdfpos)
{
    QAform &f = start({plainRecord(), plainRecord(QStringLiteral("a2.ses"))}, 11);

    c("Command6").click(); // nothing answered
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_TRUE(host.stat(QStringLiteral("adfpos_total")).isEmpty());

    f.setC_showResult(0);
    click(kWrongOption[2]);
    c("Command6").click();
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_EQ(f.currentQuestion(), 1); // stepped back, so question 1 again
    EXPECT_EQ(host.stat(QStringLiteral("adfpos_total 1")), QStringLiteral("1"));
    EXPECT_EQ(host.stat(QStringLiteral("adfpos_bad 1")), QStringLiteral("1"));

    for (int n : kRightOption)
        click(n);
    c("Command6").click();
    EXPECT_EQ(f.currentQuestion(), 0);
    EXPECT_EQ(host.stat(QStringLiteral("adfpos_total 1")), QStringLiteral("2"));
    EXPECT_EQ(host.stat(QStringLiteral("adfpos_bad 1")), QStringLiteral("1"));
    EXPECT_EQ(host.stat(QStringLiteral("adfpos_total")), QStringLiteral("2"));
    EXPECT_EQ(c("Label12").caption(), QStringLiteral("Versuche: 2     Richtige: 1     Performance: 50%"));
}

TEST_F(AdfPanelTest, EmptyStudyFileJudgesValuesRightAndTrendsWrong)
{
    QAform &f = start({});
    ASSERT_EQ(f.lastQuestion(), -1);
    click(22);
    click(33);
    EXPECT_TRUE(f.partCorrect(1));
    EXPECT_FALSE(f.partCorrect(2));
}

TEST_F(AdfPanelTest, CancelOnlyStoresTypeZero)
{
    QAform &f = start({plainRecord()});
    click(21);
    c("Command5").click();
    EXPECT_EQ(f.c_QAtype(), 0);
    EXPECT_TRUE(c("Frame11").isVisible());
    EXPECT_TRUE(c("Label14").isVisible());
}
