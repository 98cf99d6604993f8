// The ADF position panel: value questions judged by their options' captions, trend questions
// by the trend words of either language.
#include "../PanelTest.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

// The options of the five questions, top to bottom, in caption order.
const QList<QList<int>> kOptions = {{22, 21, 20, 23}, {28, 34, 33}, {32, 31, 30, 29}, {19, 17, 18}, {27, 26, 25, 24}};

QAform &start(TestHost &host, const AdfRecord &record, const char *file = "adfpos.sty", qint16 type = 5)
{
    host.writeStudyFile(file, studyLines({record.values()}, 12));
    return host.select(type);
}

TEST(AdfPanel, CaptionsComeFromTheRecordAndTheTextTable)
{
    TestHost host;
    start(host, {}, "adfposrb.sty", 11);
    EXPECT_EQ(host.ctl("Label17").caption(), QStringLiteral("Wird Ihr QDR größer oder kleiner ?"));
    EXPECT_EQ(host.ctl("Option34").caption(), QStringLiteral("kleiner"));
    EXPECT_EQ(host.ctl("Option18").caption(), QStringLiteral("gleich"));
    int k = 0;
    for (int g : {0, 2, 4})
        for (int n : kOptions[g])
            EXPECT_EQ(host.ctl(opt(n)).caption(), AdfRecord{}.captions[k++]) << "Option" << n;
}

// The relative bearing "045": two options carry it exactly, one carries "45", one "045 ".
TEST(AdfPanel, ValueOptionsAreJudgedByTheirOwnCaptionText)
{
    AdfRecord r;
    r.captions[8] = QStringLiteral("045");
    r.captions[9] = QStringLiteral("45");
    r.captions[10] = QStringLiteral("045");
    r.captions[11] = QStringLiteral("045 ");
    r.answers[4] = QStringLiteral("045");
    for (auto [option, right] : {std::pair{27, true}, {26, false}, {25, true}, {24, false}}) {
        TestHost host;
        QAform &f = start(host, r);
        ASSERT_TRUE(host.ctl(opt(option)).click());
        EXPECT_EQ(f.partCorrect(5), right) << option;
        EXPECT_EQ(host.ctl("Label15").caption(), right ? QStringLiteral("045") : QStringLiteral("FALSCH"));
        EXPECT_FALSE(host.ctl(opt(option)).click()); // hidden: answered once only
    }
}

// Every trend option of both trend questions against each stored word.
TEST(AdfPanel, TrendWordsOfEitherLanguage)
{
    const std::pair<const char *, int> cases[] = {// place 0 größer, 1 kleiner, 2 gleich; -1 none
                                                  {"größer", 0}, {"increase", 0},        {"kleiner", 1},
                                                  {"decrease", 1}, {"gleich", 2},        {"remain constant", 2},
                                                  {"Increase", -1}, {"grösser", -1}};
    for (const auto &[word, rightPlace] : cases) {
        for (int place = 0; place < 3; ++place) {
            AdfRecord r;
            r.answers[1] = r.answers[3] = QString::fromUtf8(word);
            TestHost host;
            QAform &f = start(host, r);
            ASSERT_TRUE(host.ctl(opt(kOptions[1][place])).click());
            ASSERT_TRUE(host.ctl(opt(kOptions[3][place])).click());
            EXPECT_EQ(f.partCorrect(2), place == rightPlace) << word << " QDR place " << place;
            EXPECT_EQ(f.partCorrect(4), place == rightPlace) << word << " QDM place " << place;
            EXPECT_EQ(host.ctl("Label22").caption(), place == rightPlace ? r.answers[1] : QStringLiteral("FALSCH"));
        }
    }
}

TEST(AdfPanel, EnglishFileTakesEnglishCaptionsAndBothLanguagesWords)
{
    TestHost host({0.0f}, TextTable::english());
    AdfRecord r;
    r.answers[1] = QStringLiteral("remain constant");
    r.answers[3] = QStringLiteral("kleiner"); // a German word in an English file still counts
    QAform &f = start(host, r, "e-adfpos.sty", 11);
    EXPECT_EQ(host.ctl("Option33").caption(), QStringLiteral("remain constant"));
    EXPECT_EQ(host.ctl("Label19").caption(), QStringLiteral("What is your QDM ?"));
    host.ctl("Option33").click();
    host.ctl("Option17").click();
    EXPECT_TRUE(f.partCorrect(2));
    EXPECT_TRUE(f.partCorrect(4));
}

} // namespace
