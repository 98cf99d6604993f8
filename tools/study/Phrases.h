#pragma once

// The words and question texts the generated study files hold, per language. Words the
// control compares are exactly those it accepts; list entries come from the control's own
// text tables, so a study file and the lists the trainee chooses from cannot drift apart.

#include "Answers.h"
#include "StudyLayout.h"

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
};

// Texts of the orientation exercise (type 10), whose one file serves both languages.
QString orientationQdmQuestion();
QString orientationQdrQuestion();
QString orientationRbQuestion();

// Words the control accepts in each answer column, for the linter.
QStringList positionEntries(qint16 type, Language language); // list 3 (1, 2) or all lists (10)
QStringList adfTrendWords();
QStringList differenceWords();
QStringList headingWords();
QStringList turnWords();
QStringList headTailWords();
QStringList windSideWords();

} // namespace orvik3::study
