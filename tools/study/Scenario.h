#pragma once

// Scenario files: the situations the generator turns into sessions and study files. The
// format is described in docs/scenario-format.md.

#include "session/SessionFile.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvik3::study {

struct Situation {
    int line = 0;
    QMap<QString, QString> values; // header defaults merged in

    bool has(const QString &key) const { return values.contains(key); }
    double number(const QString &key, double fallback = 0.0) const;
    QString word(const QString &key) const { return values.value(key); }
};

struct Scenario {
    QString fileName; // labels messages
    qint16 type = 0;
    QString name;     // session names: name-01.session ...
    host::Station station;
    std::optional<host::Station> destination; // wind: the end of the leg
    std::vector<Situation> situations;
};

struct ScenarioError {
    QString fileName;
    int line = 0;
    QString message;
    QString toString() const;
};

// The keys a situation of the type takes, and those it must have.
QStringList situationKeys(qint16 type);
QStringList requiredKeys(qint16 type);

// Parses one scenario file; the first error ends it.
std::optional<Scenario> parseScenario(const QByteArray &text, const QString &fileName, ScenarioError *error);
std::optional<Scenario> loadScenario(const QString &path, ScenarioError *error);

} // namespace orvik3::study
