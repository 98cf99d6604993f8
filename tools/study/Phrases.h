#pragma once

// The words and question texts the generated study files hold, per language. Words the
// control compares come from its families' rules; list entries from its own text tables, so a
// study file and what the trainee chooses from cannot drift apart.

#include "Answers.h"
#include "exercises/qdmqdr/QdmQdrRules.h"
#include "study/StudyLayout.h"

#include <QString>
#include <QStringList>

namespace orvik3::study {

struct Phrases {
    Language language;

    // Position panel: ":qa:," ":qb:," ":qc:," texts and the per-record question of type 2.
    QString radialQuestion() const;
    QString qdmQuestion() const;
    QString stationQuestion() const;
    QString needleQuestion(const QString &heading) const;
    // Entries of the third list of the position panel (texts 313..317 of the language).
    QString quarter(Quarter q) const;
    QString needle(NeedleMove m) const;

    QString holdingNote(const QString &station, const QString &heading) const;
    QString arcQuestion(int radial, int heading, double radiusNm, const QString &station,
                        ArcDirection direction, int finalCourse, double leadNm) const;

    QString adfTrend(Trend t) const;        // the ADF panel's own trend captions
    QString differenceWord(Trend t) const;  // QDM/QDR: the angle to the required bearing
    QString headingWord(Trend t) const;     // QDM/QDR: first heading against the reference
    static QString turnWord(Turn t);        // "left", "maintain", "right"

    QString sideWord(Side s) const;         // wind: "links"/"rechts" or "left"/"right", "-"
    static QString headTailWord(int headwind); // "Head", "Tail", "-"

private:
    QString ruleWord(qdmqdr::Meaning m) const; // the language's word of that meaning
};

// Texts of the orientation exercise (type 10), whose one file serves both languages.
QString orientationQdmQuestion();
QString orientationQdrQuestion();
QString orientationRbQuestion();

// Entries the position panel's lists offer, for the linter.
QStringList positionEntries(qint16 type, Language language); // list 3 (1, 2) or all lists (10)

} // namespace orvik3::study
