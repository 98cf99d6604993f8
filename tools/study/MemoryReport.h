#pragma once

// What the review log says of a trainee: each skill's predicted recall and when it is due,
// the readiness at an exam date, and the fit of the model's parameters to the log.

#include <QString>
#include <QtGlobal>

#include <optional>

namespace orvik3::study {

struct MemoryReportOptions {
    QString log;       // the review log's file
    qint64 now = 0;    // ms since the epoch
    qint64 exam = 0;   // ms since the epoch; 0: no readiness line
    bool fit = false;  // fit the parameters to the log and keep them first
};

// The report, or empty with *error when the log cannot be read (or the fit not kept).
std::optional<QString> memoryReport(const MemoryReportOptions &options, QString *error);

} // namespace orvik3::study
