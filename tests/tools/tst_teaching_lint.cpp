// The teaching lint on a copy of the sample installation with one bad question planted: the
// warning names that question, by number, and no other.
#include "TeachingLint.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orvik3::study;

namespace {

const QString kData = QStringLiteral(ORVIK3_DATA_DIR);

struct Plant {
    const char *name;
    const char *studyFile;
    int question;             // 1-based
    const char *file;         // the file changed: the study file or a session
    QList<QPair<QString, QString>> lines; // line start -> its new text, within the question's record or the session
    const char *fragment;     // expected in the warning
};

void PrintTo(const Plant &p, std::ostream *os) { *os << p.name; }

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &f : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            copyTree(f.filePath(), to + u'/' + f.fileName());
        else if (QFile in(f.filePath()), out(to + u'/' + f.fileName()); in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
            out.write(in.readAll()); // ten times faster than QFile::copy for the few hundred files
    }
}

// Replaces lines by their start; in a study file only within the record of `question`.
void edit(const QString &path, int question, const QList<QPair<QString, QString>> &changes)
{
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = in.readAll().split('\n');
    in.close();
    int record = 1;
    for (QByteArray &line : lines) {
        if (question == 0 || record == question)
            for (const auto &[start, text] : changes)
                if (line.startsWith(start.toLatin1()))
                    line = text.toLatin1() + (line.endsWith('\r') ? "\r" : "");
        if (line == "--\r" || line == "--")
            ++record;
    }
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(lines.join('\n'));
}

class PlantedQuestion : public ::testing::TestWithParam<Plant>
{
};

TEST_P(PlantedQuestion, IsReportedByNumber)
{
    const Plant &p = GetParam();
    QTemporaryDir dir;
    copyTree(kData + QStringLiteral("/default"), dir.filePath(QStringLiteral("default")));
    const QString study = dir.filePath(QStringLiteral("default/study/")) + QLatin1String(p.studyFile);
    const bool inSession = QByteArray(p.file).endsWith(".session");
    edit(inSession ? dir.filePath(QStringLiteral("default/sessions/")) + QLatin1String(p.file) : study,
         inSession ? 0 : p.question, p.lines);

    QString error;
    const auto warnings = teachingLintFile(study, {}, &error);
    ASSERT_TRUE(warnings) << error.toStdString();
    ASSERT_EQ(warnings->size(), 1u);
    const TeachingWarning &w = warnings->front();
    EXPECT_EQ(w.question, p.question);
    EXPECT_TRUE(w.reason.contains(QLatin1String(p.fragment))) << w.toString().toStdString();
    EXPECT_TRUE(w.toString().startsWith(study + u':')) << w.toString().toStdString();
}

const Plant kPlants[] = {
    {"HoldingOnTheParallelLine", "dgHLD.sty", 3, "dgHLD.sty",
     {{"hdg:", "hdg: 017"}, {"inb:", "inb: 090"}, {"kind:", "kind:Standard"}}, "holding-sector-line"},
    {"LeftHandHoldingOnItsLine", "e-HSIHLD.sty", 12, "e-HSIHLD.sty",
     {{"hdg:", "hdg: 157"}, {"inb:", "inb: 090"}, {"kind:", "kind:Non-Standard"}}, "left-hand"},
    {"OffsetTurnOfTwoDegrees", "HSIHLD.sty", 2, "HSIHLD.sty", {{"hdg:", "hdg: 058"}}, "holding-offset-turn"},
    {"QdrMaintainAtSixty", "qdr.sty", 4, "qdr.sty", {{"rq:", "rq:  020"}, {"hdg:", "hdg: 320"}, {"act:", "act: 050"}},
     "maintain with 60 degrees"},
    {"QdmOnTheBearing", "e-qdm.sty", 6, "e-qdm.sty", {{"rq:", "rq:  190"}, {"act:", "act: 190"}}, "qdm-on-bearing"},
    // Exactly 2.65 is within 20 % of 2.25, its rounding 2.7 is not.
    {"WcaRoundingOutsideItsBand", "wind.sty", 17, "wind.sty", {{"wca:", "wca: 2.25"}}, "wind-band: WCA 2.65"},
    {"HsiBarAtItsStop", "hsi.sty", 2, "hsi-02.session", {{"hsi =", "hsi = 200"}}, "bar-at-stop"},
    {"HsiAbeam", "e-hsi.sty", 5, "hsi-05.session", {{"hsi =", "hsi = 120"}, {"radial =", "radial = 210"}},
     "flag-abeam"},
    {"StationOnTheMargin", "hsi.sty", 3, "hsi-03.session", {{"heading =", "heading = 260"}}, "quarter-margin"},
    {"JetSpeed", "dgHLD.sty", 7, "dghld-07.session", {{"tas =", "tas = 450"}}, "TAS 450 kt"},
};

INSTANTIATE_TEST_SUITE_P(Plants, PlantedQuestion, ::testing::ValuesIn(kPlants),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
