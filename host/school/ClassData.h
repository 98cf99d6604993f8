#pragma once

// The class as an instructor sees it, for the report and the trainer's class window: every
// student's practice and readiness, the weakest skills, the item analysis of every question
// and the reviews per day.

#include "StudentRecord.h"

#include <orvik3/ExerciseCatalog.h>

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <vector>

namespace orvik3::school {

struct FamilyFigures {
    int reviews = 0;
    int right = 0;
    double readiness = 0; // predicted share of the family's skills right at the exam, 0..1
    double share() const { return reviews ? double(right) / reviews : 0; }
};

struct StudentSummary {
    QString pseudonym;
    QString source;
    int reviews = 0;
    int right = 0;
    double readiness = 0; // over every skill, 0..1
    qint64 lastPractice = 0;
    std::array<FamilyFigures, 5> families; // in the order of Family
    std::vector<double> recall;            // by skill index, at the exam
    double share() const { return reviews ? double(right) / reviews : 0; }
};

struct SkillSummary {
    int skill = 0; // index of skills()
    int reviews = 0;
    int right = 0;
    double recall = 0; // the class's mean predicted recall at the exam
};

using AnswerCount = RowFigures::Answer;

// One answer row of a question: its item statistics.
struct ItemRow {
    int skill = 0;
    int students = 0;          // who tried it
    double difficulty = 0;     // share right at the first try
    double discrimination = 0; // corrected point-biserial; 0 when it cannot be told
    bool discriminationKnown = false;
    std::vector<AnswerCount> answers; // most often given first
    QStringList flags;
};

// One question of a study file.
struct ItemStats {
    qint16 type = 0;
    QString file; // the type's study file
    int question = 0;
    int students = 0;
    double difficulty = 0;     // share of its rows right at the first try
    double discrimination = 0; // of its least discriminating row
    bool discriminationKnown = false;
    QStringList flags;         // the flags of its rows, each once
    std::vector<ItemRow> rows;
};

struct DayCount {
    qint64 day = 0; // days since the epoch, UTC
    int reviews = 0;
};

struct ClassData {
    qint64 exam = 0; // ms since the epoch
    std::vector<StudentSummary> students; // by pseudonym
    std::vector<SkillSummary> skills;     // weakest first
    std::vector<ItemStats> items;         // by type, then question
    std::vector<DayCount> days;           // oldest first
    std::vector<SourceProblem> problems;
    int reviews() const;
};

} // namespace orvik3::school
