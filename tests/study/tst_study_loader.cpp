#include "control/QAformTestAccess_p.h"
#include "support/TestHost.h"

#include "study/QuestionTable.h"
#include "study/StudyFileLoader.h"
#include "study/StudyRecords.h"

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::test;

namespace {

// A table whose every cell reads "old", to see what a load leaves alone.
QuestionTable oldTable()
{
    QuestionTable t;
    for (int c = 1; c <= QuestionTable::columns; ++c)
        for (int r = 0; r < QuestionTable::rows; ++r)
            t.col(c, r) = QStringLiteral("old");
    for (int r = 0; r < QuestionTable::rows; ++r)
        t.session(r) = QStringLiteral("old");
    return t;
}

class EveryType : public ::testing::TestWithParam<qint16>
{
};

} // namespace

TEST_P(EveryType, RecordsFillTheirColumnsAndNothingElse)
{
    const qint16 type = GetParam();
    const Layout &layout = layoutOf(type);
    QuestionTable t = oldTable();
    StudyLoadResult result = readStudyData(crlf(records(type, 3)), type, t);
    EXPECT_EQ(result.records, 3);
    EXPECT_EQ(result.stop, StudyStop::EndOfFile);

    for (int c = 1; c <= QuestionTable::columns; ++c) {
        const bool used = std::any_of(layout.places.begin(), layout.places.end(), [c](auto p) { return p.second == c; });
        for (int r = 0; r < 5; ++r) {
            const QString expected = used && r < 3 ? cell(c, r) : QStringLiteral("old");
            EXPECT_EQ(t.col(c, r), expected) << "column " << c << " row " << r;
        }
    }
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(t.session(r), QStringLiteral("s%1.ses").arg(r));
    EXPECT_EQ(t.session(3), QStringLiteral("old"));

    // A last record without its separator is not counted, though its values stay; of 302
    // records the table keeps 301.
    QStringList lines = records(type, 2);
    lines.removeLast();
    t = oldTable();
    result = readStudyData(crlf(lines), type, t);
    EXPECT_EQ(result.records, 1);
    EXPECT_EQ(result.stop, StudyStop::TruncatedRecord);
    EXPECT_EQ(t.session(1), QStringLiteral("s1.ses"));

    result = readStudyData(crlf(records(type, 302)), type, t);
    EXPECT_EQ(result.records, 301);
    EXPECT_EQ(result.stop, StudyStop::TooManyRecords);
    EXPECT_EQ(t.session(300), QStringLiteral("s300.ses"));
}

INSTANTIATE_TEST_SUITE_P(StudyLoader, EveryType, ::testing::Range<qint16>(1, 15));

// Bad input ends loading quietly; whatever was complete before stays.
struct Ending { const char *name; qint16 type; QStringList lines; int records; StudyStop stop; };

class Endings : public ::testing::TestWithParam<Ending>
{
};

TEST_P(Endings, KeepTheCompleteRecords)
{
    const Ending &e = GetParam();
    QuestionTable t;
    const StudyLoadResult result = readStudyData(crlf(e.lines), e.type, t);
    EXPECT_EQ(result.records, e.records);
    EXPECT_EQ(result.stop, e.stop) << result.stopMessage().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    StudyLoader, Endings,
    ::testing::Values(
        Ending{"EmptyFile", 6, {}, 0, StudyStop::EndOfFile},
        Ending{"ThreeCharactersAtFiveCharacterTag", 6, records(6, 2) << "abc", 2, StudyStop::ShortLine},
        Ending{"ShortLineInsideRecord", 8, records(8, 1) << record(8, 1).mid(0, 4) << "1234", 1, StudyStop::ShortLine},
        Ending{"FourCharacterLineAtSessionPlaceIsEnough", 6, records(6, 1) << record(6, 1).mid(0, 8) << "####" << "", 2,
               StudyStop::EndOfFile},
        Ending{"EmptySeparatorCounts", 7, record(7, 0, QString()) << record(7, 1, QString()), 2, StudyStop::EndOfFile},
        Ending{"EndInsideRecord", 5, records(5, 1) << record(5, 1).mid(0, 7), 1, StudyStop::TruncatedRecord},
        Ending{"UnknownTypeReadsNothing", 0, records(6, 2), 0, StudyStop::UnknownType},
        Ending{"CapitalMarkerIsARecordLine", 2, QStringList{":QA:,x", "#####a", "#####b", "#####c", "####s", ""}, 1,
               StudyStop::EndOfFile},
        Ending{"QcIsNoMarkerOfType2", 2, QStringList{":qc:,x", "#####a", "#####b", "#####c", "####s", ""}, 1,
               StudyStop::EndOfFile},
        Ending{"MarkersAreRecordLinesOfType6", 6, QStringList{":qa:,x"} << records(6, 1).mid(1), 1,
               StudyStop::EndOfFile}),
    [](const auto &info) { return std::string(info.param.name); });

// :qa: and :qb: lines go to row 0 (a later one wins); :qc: to the row of the next record, and
// beyond the last row it ends loading.
TEST(StudyLoader, MarkerLines)
{
    QuestionTable t = oldTable();
    QStringList lines = QStringList{":qa:,Ort A", ":qb:,Ort B"} << records(2, 2) << ":qa:,Ort C";
    EXPECT_EQ(readStudyData(crlf(lines), 2, t).records, 2);
    EXPECT_EQ(t.col(1, 0), QStringLiteral("Ort C"));
    EXPECT_EQ(t.col(2, 0), QStringLiteral("Ort B"));
    EXPECT_EQ(t.col(3, 1), cell(3, 1)); // records start at row 0
    EXPECT_EQ(t.col(1, 1), QStringLiteral("old"));

    t = oldTable();
    lines = QStringList{":qc:,first"} << records(1, 3) << ":qc:,fourth" << record(1, 3);
    EXPECT_EQ(readStudyData(crlf(lines), 1, t).records, 4);
    EXPECT_EQ(t.col(3, 0), QStringLiteral("first"));
    EXPECT_EQ(t.col(3, 3), QStringLiteral("fourth"));
    EXPECT_EQ(t.col(3, 1), QStringLiteral("old"));
    EXPECT_EQ(t.col(1, 0), QStringLiteral("old")); // no :qa:, line: row 0 keeps its value

    lines = records(10, 301) << ":qa:,still read" << ":qc:,row 301" << record(10, 301);
    const StudyLoadResult result = readStudyData(crlf(lines), 10, t);
    EXPECT_EQ(result.records, 301);
    EXPECT_EQ(result.stop, StudyStop::TooManyRecords);
    EXPECT_EQ(t.col(1, 0), QStringLiteral("still read"));
}

TEST(StudyLoader, TagsLineEndsAndCodePage)
{
    QuestionTable t;
    QStringList lines = record(5, 0);
    lines[0] = QStringLiteral("123456789"); // 6-character place
    lines[12] = QStringLiteral("123456789"); // 5-character place
    lines[17] = QStringLiteral(":qa: value "); // session place, 4 characters, no trimming
    readStudyData(crlf(lines), 5, t);
    EXPECT_EQ(t.col(1, 0), QStringLiteral("789"));
    EXPECT_EQ(t.col(13, 0), QStringLiteral("6789"));
    EXPECT_EQ(t.session(0), QStringLiteral(" value "));

    // CR alone ends a line, LF alone does not; bytes are Windows-1252; no final line end.
    const QByteArray bytes = "#####a\nb\r#####\xC4\x80\r#####c\r\n#####d\r\n#####e\r#####f\r#####g\r#####h\r"
                             "####s.ses\r\n--";
    EXPECT_EQ(readStudyData(bytes, 6, t).records, 1);
    EXPECT_EQ(t.col(1, 0), QStringLiteral("a\nb"));
    EXPECT_EQ(t.col(17, 0), QStringLiteral("Ä€"));
    EXPECT_EQ(t.session(0), QStringLiteral("s.ses"));
}

// The file itself: its place below the base path, the counters, and missing files.
TEST(StudyLoadFile, SetsCountersFromTheFile)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("qdm.sty"), records(6, 4));
    QAform &f = host.form();
    f.setC_MainAppPath(host.base() + QStringLiteral("/"));
    f.setC_QAtype(-1); // stored only, and no layout
    QString name = QStringLiteral("qdm.sty");
    f.LoadStudyFile(name);
    EXPECT_EQ(f.lastQuestion(), -1);

    f.setC_QAtype(6);
    EXPECT_EQ(f.currentQuestion(), 0);
    f.LoadStudyFile(name);
    EXPECT_EQ(f.lastQuestion(), 3);
    EXPECT_EQ(f.currentQuestion(), 3);
    EXPECT_EQ(name, QStringLiteral("qdm.sty"));
}

// A missing base path: no questions, the table stays.
TEST(StudyLoadFile, MissingBaseLeavesNoQuestions)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("qdm.sty"), records(6, 4));
    QAform &f = host.select(6);
    ASSERT_EQ(f.lastQuestion(), 3);
    for (const QString &base : {host.base() + QStringLiteral("/nowhere"), QString()}) {
        f.setC_MainAppPath(base);
        QString name = QStringLiteral("qdm.sty");
        f.LoadStudyFile(name);
        EXPECT_EQ(f.lastQuestion(), -1);
        EXPECT_EQ(f.currentQuestion(), -1);
        EXPECT_EQ(QAformTestAccess(f).qaSession(0), QStringLiteral("s0.ses"));
    }
}

TEST(StudyLoadFile, NamesMatchCaseInsensitivelyWhenNoExactFileExists)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("hsihld.STY"), records(3, 2));
    EXPECT_EQ(host.select(3).lastQuestion(), 1); // "HSIHLD.sty" is asked for

    host.writeStudyFile(QStringLiteral("HSIHLD.sty"), records(3, 5)); // an exact match wins
    EXPECT_EQ(host.select(3).lastQuestion(), 4);

    TestHost other;
    other.writeFile(QStringLiteral("Default/STUDY/qdm.sty"), crlf(records(6, 3)));
    EXPECT_EQ(other.select(6).lastQuestion(), 2);
    EXPECT_EQ(studyFilePath(QStringLiteral("/nowhere/"), QStringLiteral("a.sty")),
              QStringLiteral("/nowhere/default/study/a.sty"));
}
