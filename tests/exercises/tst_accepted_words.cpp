// The words the study-file linter accepts, fed through the real panels: every accepted word
// is marked right by one option of its row, and a near miss by none.
#include "PanelTest.h"

#include "exercises/adf/AdfRules.h"
#include "exercises/holding/HoldingRules.h"
#include "exercises/qdmqdr/QdmQdrRules.h"
#include "exercises/wind/WindRules.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

struct WordRow {
    const char *name;
    qint16 type;
    QStringList words;                               // what the linter lets through
    std::function<void(TestHost &, const QString &)> write; // a study file storing the word
    int part;                                        // the row's part of the question
    QStringList options;
    const char *box = nullptr; // wind: the number typed before the click
    const char *typed = nullptr;
};

void PrintTo(const WordRow &r, std::ostream *os) { *os << r.name; }

QStringList options(std::initializer_list<int> numbers)
{
    QStringList out;
    for (int n : numbers)
        out << opt(n);
    return out;
}

void writeQdr(TestHost &host, QString QdmRecord::*field, const QString &word)
{
    QdmRecord r;
    r.*field = word;
    host.writeStudyFile("qdr.sty", studyLines({r.values()}));
}

void writeAdf(TestHost &host, int answer, const QString &word)
{
    AdfRecord r;
    r.answers[answer] = word;
    host.writeStudyFile("adfpos.sty", studyLines({r.values()}, 12));
}

void writeWind(TestHost &host, QString WindRecord::*field, const QString &word)
{
    WindRecord r;
    r.*field = word;
    host.writeStudyFile("wind.sty", studyLines({r.values()}));
}

const WordRow kRows[] = {
    {.name = "QdrDifference", .type = 7, .words = qdmqdr::acceptedWords(14),
     .write = [](TestHost &h, const QString &w) { writeQdr(h, &QdmRecord::difference, w); },
     .part = 2, .options = options({40, 39, 38})},
    {.name = "QdrFirstTurn", .type = 7, .words = qdmqdr::acceptedWords(15),
     .write = [](TestHost &h, const QString &w) { writeQdr(h, &QdmRecord::turn, w); },
     .part = 3, .options = options({45, 44, 43})},
    {.name = "QdrFirstHeading", .type = 7, .words = qdmqdr::acceptedWords(16),
     .write = [](TestHost &h, const QString &w) { writeQdr(h, &QdmRecord::heading, w); },
     .part = 4, .options = options({37, 36})},
    {.name = "AdfQdrTrend", .type = 5, .words = adf::acceptedTrendWords(),
     .write = [](TestHost &h, const QString &w) { writeAdf(h, 1, w); },
     .part = 2, .options = options({28, 34, 33})},
    {.name = "AdfQdmTrend", .type = 5, .words = adf::acceptedTrendWords(),
     .write = [](TestHost &h, const QString &w) { writeAdf(h, 3, w); },
     .part = 4, .options = options({19, 17, 18})},
    {.name = "WindHeadTail", .type = 8, .words = wind::acceptedWords(true),
     .write = [](TestHost &h, const QString &w) { writeWind(h, &WindRecord::headWord, w); },
     .part = 1, .options = options({47, 42, 35}), .box = "Text4", .typed = "20"},
    {.name = "WindCrosswind", .type = 8, .words = wind::acceptedWords(false),
     .write = [](TestHost &h, const QString &w) { writeWind(h, &WindRecord::crossWord, w); },
     .part = 2, .options = options({54, 55, 56}), .box = "Text5", .typed = "12"},
    {.name = "WindCorrection", .type = 8, .words = wind::acceptedWords(false),
     .write = [](TestHost &h, const QString &w) { writeWind(h, &WindRecord::wcaWord, w); },
     .part = 3, .options = options({52, 53, 41}), .box = "Text6", .typed = "5"},
    {.name = "ArcFirstTurn", .type = 9, .words = holding::arcTurnWords(),
     .write = [](TestHost &h, const QString &w) { h.writeStudyFile("dmearc.sty", studyLines({holdingRecord(w, "030", "250")})); },
     .part = 1, .options = options({11, 12, 13})},
};

// How many options of the row mark the stored word right, each tried on a fresh question.
int optionsMarkingRight(const WordRow &row, const QString &word)
{
    int right = 0;
    for (const QString &option : row.options) {
        TestHost host;
        row.write(host, word);
        QAform &f = host.select(row.type);
        if (row.box)
            host.ctl(row.box).type(QString::fromLatin1(row.typed));
        EXPECT_TRUE(host.ctl(option).click()) << option.toStdString();
        right += f.partCorrect(row.part) ? 1 : 0;
    }
    return right;
}

// Near misses an author is likely to type: another case, blanks around the word.
QStringList nearMisses(const QString &word)
{
    QStringList out{word + u' ', u' ' + word};
    QString flipped = word;
    flipped[0] = word[0].isUpper() ? word[0].toLower() : word[0].toUpper();
    if (flipped != word)
        out << flipped;
    return out;
}

class AcceptedWords : public ::testing::TestWithParam<WordRow>
{
};

TEST_P(AcceptedWords, EachIsMarkedRightByExactlyOneOption)
{
    const WordRow &row = GetParam();
    ASSERT_FALSE(row.words.isEmpty());
    for (const QString &word : row.words)
        EXPECT_EQ(optionsMarkingRight(row, word), 1) << word.toStdString();
}

TEST_P(AcceptedWords, ANearMissIsMarkedRightByNone)
{
    const WordRow &row = GetParam();
    for (const QString &word : row.words)
        for (const QString &miss : nearMisses(word))
            if (!row.words.contains(miss))
                EXPECT_EQ(optionsMarkingRight(row, miss), 0) << '"' << miss.toStdString() << '"';
}

INSTANTIATE_TEST_SUITE_P(Rows, AcceptedWords, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
