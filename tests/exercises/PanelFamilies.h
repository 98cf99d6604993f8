#pragma once

// Every exercise family for the panel flow tests: its study file, how a trainee answers each
// row right or wrong, its controls, and what the panel shows and counts.
#include "control/QAformTestAccess_p.h"
#include "PanelTest.h"

#include <orvik3/ExerciseCatalog.h>

#include <ostream>

namespace orvik3::test {

inline QStringList rowControls(const ExerciseType *type, const char *AnswerRow::*which)
{
    QStringList names;
    for (const AnswerRow &row : type->rows)
        names << QLatin1String(row.*which);
    return names;
}

// One exercise type with a two-question study file, and how a trainee answers its rows. Its
// controls come from the library's catalogue, so the catalogue is held to the panel's marks.
struct Family {
    const char *name;
    qint16 type;
    std::function<void(TestHost &)> write;
    std::vector<float> draws;
    std::function<void(TestHost &, int row, bool right)> answer;
    QStringList shown;            // per row, the right answer as the result shows it
    const char *title;            // frame caption
    qint16 allRight, solutionCode;
    int permuteFrom = 1;          // rows before it are answered first, in order
    const char *emptyFile;        // per row, right ('1') without a study file; "!" raises
    QStringList solved = {};      // the solution, where it differs from shown
    const ExerciseType *info = exerciseType(type);
    QStringList prompts = rowControls(info, &AnswerRow::prompt), results = rowControls(info, &AnswerRow::result);
    const FamilyControls *controls = &familyControls(info->family);
    const char *next = controls->next, *solution = controls->showSolution, *fly = controls->fly, *cancel = controls->cancel,
               *frame = controls->frame, *summary = controls->statsLabel, *prefix = info->statsPrefix;
    qint16 flyCode = info->flyCode; // 0: no "Selber Fliegen"
};

inline void PrintTo(const Family &f, std::ostream *os) { *os << f.name; }

// Holding and DME arc: the options are found by their captions, as the places are drawn.
inline auto choosing(QStringList right, QStringList wrong)
{
    return [=](TestHost &h, int row, bool ok) {
        static const int first[] = {11, 1, 6, 14}, last[] = {13, 5, 10, 16};
        const QString caption = (ok ? right : wrong)[row - 1];
        for (int n = first[row - 1]; n <= last[row - 1]; ++n)
            if (h.ctl(opt(n)).caption() == caption)
                return void(h.ctl(opt(n)).click());
        ADD_FAILURE() << "no option captioned " << caption.toStdString();
    };
}

// Writes the study file with the given records.
inline auto studyFile(const QString &name, QList<QStringList> records, int wide = 0)
{
    return [=](TestHost &h) { h.writeStudyFile(name, studyLines(records, wide)); };
}

inline Family position(qint16 type, const char *prefix, const char *title, qint16 allRight)
{
    const int third = type == 2 ? 2 : 3;
    return {.name = prefix,
            .type = type,
            .write = [type](TestHost &h) {
                writePositionFile(h, type, {{"045", "090", "Nach links"}, {"180", "270", "Bleibt gleich"}});
            },
            .draws = {0.0f},
            .answer = [third](TestHost &h, int row, bool ok) {
                const int rightRow[] = {10, 19, third};
                h.ctl(QStringLiteral("Combo%1").arg(row)).choose(ok ? rightRow[row - 1] : 1);
            },
            .shown = {"045", "090", "Nach links"},
            .title = title,
            .allRight = allRight,
            .solutionCode = 1,
            .permuteFrom = 4,
            .emptyFile = "000"};
}

inline Family holding(qint16 type, const char *name, const char *prefix, const char *title)
{
    return {.name = prefix,
            .type = type,
            .write = studyFile(name, {holdingRecord("240", "090", "Standard"), holdingRecord("290", "90", "Links")}),
            .draws = spreadDraws(),
            .answer = choosing({"Offset", " 270", " 240", "Maintain"}, {"Direct", " 180", " 300", "Left"}),
            .shown = {"offset", " 270", " 240", "maintain"},
            .title = title,
            .allRight = 6,
            .solutionCode = 6,
            .emptyFile = "!",
            .solved = {"offset", "270", "240", "maintain"}};
}

inline Family qdm(qint16 type)
{
    const bool isQdm = type == 6 || type == 12;
    return {.name = isQdm ? "qdm" : "qdr",
            .type = type,
            .write = studyFile(qdmFile(type), {QdmRecord{}.values(), QdmRecord{"180"}.values()}),
            .draws = {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f},
            .answer = [](TestHost &h, int row, bool ok) {
                if (row > 1)
                    return void(h.ctl(opt((ok ? std::vector{40, 45, 37} : std::vector{38, 43, 36})[row - 2])).click());
                // The candidate of slot 2 has offset 0, that of slot 1 offset 90.
                for (int k = 1; k <= 4; ++k)
                    if (QAformTestAccess(h.form()).optionOrder(k) == (ok ? 2 : 1))
                        return void(h.ctl(opt(std::vector{50, 49, 48, 46}[k - 1])).click());
            },
            .shown = {"085", "kleiner", "left", "kleiner"},
            .title = isQdm ? "QDM ÜBUNGEN" : "QDR ÜBUNGEN",
            .allRight = 6,
            .solutionCode = 6,
            .emptyFile = "1000"};
}

inline Family adf(qint16 type)
{
    const QStringList record = AdfRecord{}.values();
    return {.name = "adf",
            .type = type,
            .write = studyFile(type == 5 ? "adfpos.sty" : "adfposrb.sty", {record, record}, 12),
            .draws = {0.0f},
            .answer = [](TestHost &h, int row, bool ok) {
                const int right[] = {21, 28, 31, 17, 25}, wrong[] = {22, 34, 32, 19, 24};
                h.ctl(opt((ok ? right : wrong)[row - 1])).click();
            },
            .shown = {"100", "größer", "280", "kleiner", "030"},
            .title = "ADF POSITION ÜBUNG",
            .allRight = 6,
            .solutionCode = 1,
            .emptyFile = "10101"};
}

inline Family dmeArc()
{
    return {.name = "dmearc",
            .type = 9,
            .write = studyFile("dmearc.sty", {holdingRecord("left", "030", "250"), holdingRecord("right", "90", "180")}),
            .draws = spreadDraws(),
            .answer = choosing({"Left", "030", " 250"}, {"Right", " 120", " 100"}),
            .shown = {"left", "030", "250"},
            .title = "DME ARC ÜBUNGEN",
            .allRight = 6,
            .solutionCode = 6,
            .emptyFile = "!"};
}

inline Family wind()
{
    return {.name = "wind",
            .type = 8,
            .write = studyFile("wind.sty", {WindRecord{}.values(), WindRecord{"090"}.values()}),
            .draws = {0.0f},
            .answer = answerWindRow,
            .shown = {"Head 20", "links 12", "right 5", "12.30 min.sec"},
            .title = "WIND ÜBUNGEN",
            .allRight = 6,
            .solutionCode = 6,
            .permuteFrom = 2,
            .emptyFile = "0000"};
}

inline const Family kFamilies[] = {
    position(1, "hsipos", "HSI ÜBUNGEN POSITION", 6),
    position(2, "stdvor", "STD. VOR ÜBUNGEN POSITION", 1),
    holding(3, "HSIHLD.sty", "hsihld", "HSI HOLDING ÜBUNGEN"),
    holding(4, "dgHLD.sty", "dghld", "DG HOLDING ÜBUNGEN"),
    holding(14, "dgrbHLD.sty", "dghld", "DG HOLDING ÜBUNGEN"),
    dmeArc(),
    adf(5), adf(11), qdm(6), qdm(7), qdm(12), qdm(13),
    wind(),
};

} // namespace orvik3::test
