#pragma once

// What a class source holds of one student, already summed up where the source could do it:
// the figures per skill, the memory state of every skill and the first try of every row of
// every study-file question. Both back ends fill the same records, so the analysis behind
// the report and the class window is one.

#include "MemoryModel.h"

#include <QString>
#include <QtGlobal>

#include <map>
#include <optional>
#include <vector>

namespace orvik3::school {

struct SkillFigures {
    int reviews = 0;
    int right = 0;
    qint64 last = 0; // ms since the epoch
};

// The first answer a student gave to one row of a study-file question.
struct FirstTry {
    qint16 type = 0;
    int question = 0; // 1-based, in the type's study file
    int skill = 0;    // index of skills()
    bool right = false;
    QString answer;
};

struct StudentRecord {
    QString pseudonym;
    QString source; // the snapshot file or the server it came from
    std::map<int, SkillFigures> skills;             // by skill index
    std::map<int, practice::MemoryState> states;    // by skill index
    std::vector<FirstTry> firstTries;
};

// What the class did with one answer row of a study-file question at the first try: the
// figures item analysis starts from. Summed up from the students' first tries, or by a
// server that keeps them.
struct RowFigures {
    qint16 type = 0;
    int question = 0;
    int skill = 0;
    int students = 0;              // who tried it
    int right = 0;                 // of them right at the first try
    std::optional<double> discrimination; // see ItemAnalysis.h
    struct Answer {
        QString answer;
        int count = 0;
        bool right = false;
    };
    std::vector<Answer> answers;
};

// Something in a source that was left out of the report, and why.
struct SourceProblem {
    QString source;
    QString message;
};

// What every back end delivers.
struct ClassRecords {
    std::vector<StudentRecord> students;
    std::map<qint64, int> days; // the class's reviews by day (days since the epoch, UTC)
    // From a server that sums up the first tries itself; else empty, and they come from the
    // students' first tries.
    std::vector<RowFigures> rows;
    std::vector<SourceProblem> problems;
};

// "hsipos 7" of type 1 -> 7; 0 when the question is no question of the type's study file
// (a generated "seed N", another prefix, no number).
int studyQuestionNumber(qint16 type, const QString &question);

} // namespace orvik3::school
