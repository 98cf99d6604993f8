#pragma once

// The record of one situation per exercise type: its session and the study-file lines in
// each language. Internal to the generator.

#include "Phrases.h"
#include "Scenario.h"

#include <QStringList>

#include <optional>

namespace orvik3::study {

struct Record {
    host::Session session;
    QStringList german;  // the record's lines, tags and separator included
    QStringList english; // empty for types whose English file is another type's
    QString summary;     // a word for the scenario's overview (the holding entry, ...)
};

struct RecordContext {
    const Scenario &scenario;
    const Situation &situation;
    int index = 0; // 1-based
    QString sessionName;
    // English lines for every type, also those whose English file is another type's (a
    // practice installation of one type writes that file itself).
    bool everyLanguage = false;
    // Draws the places of the right options among their candidates (ADF), so that no place
    // and no pattern of places gives the answer away.
    quint64 optionSeed = 0;
};

// Builds the record; empty with *error naming the situation's line when it has no
// clear-cut answer.
std::optional<Record> buildRecord(const RecordContext &context, ScenarioError *error);

// The marker lines that open a study file of the type in that language (position types).
QStringList headerLines(qint16 type, Language language);

// A tag of exactly `length` characters: the name, a colon, blanks.
QString tag(const QString &name, int length);

} // namespace orvik3::study
