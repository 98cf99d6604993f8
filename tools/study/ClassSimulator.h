#pragma once

// A simulated class: students of different strength practise the study files' questions of
// an installation evening after evening, each a simulated student with a hidden memory, and
// publish their review logs to a class location (a folder of snapshots or a server) as
// their trainers would. A question can be stored with a wrong key: a student who knows the
// skill gives the true answer and is marked wrong.

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

namespace orvik3::study {

struct ClassSimulationOptions {
    int students = 200;
    int days = 14;
    int perDay = 30; // questions each evening
    quint64 seed = 1;
    QString base;    // the installation whose study files are practised
    QString misKey;  // "hsi.sty:7", or empty
};

struct ClassSimulationOutcome {
    int students = 0;
    qint64 reviews = 0;
    int questions = 0; // of the study files
};

// Every student published to `location`; empty with *error at the first failure.
// `progress` hears of each student published.
std::optional<ClassSimulationOutcome> simulateClass(const ClassSimulationOptions &options, const QString &location,
                                                   QString *error, const std::function<void(int)> &progress = {});

} // namespace orvik3::study
