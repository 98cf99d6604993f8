#pragma once

// The attempt counters the control keeps in the settings store (see StatisticsKeys), read
// back per prefix and question for instructors.

#include <QString>

#include <optional>
#include <vector>

namespace orvik3 {
class SettingsStore;
}

namespace orvik3::study {

struct QuestionCount {
    int question = 0; // the row in the study file, 0-based as in the keys
    double attempts = 0;
    double wrong = 0;
};

struct PrefixCounts {
    QString prefix;
    std::optional<double> total, bad; // the stored sums, when present
    std::vector<QuestionCount> questions; // by question
    double attempts() const;              // the stored sum, else the sum of the questions
    double wrong() const;
};

// Every prefix in the store, or just `prefix` when it is not empty; sorted by prefix.
std::vector<PrefixCounts> readCounts(SettingsStore &store, const QString &prefix = {});

// A table per prefix, or comma-separated values with a header row.
QString formatCounts(const std::vector<PrefixCounts> &counts, bool csv);

// Removes every key of the prefix (its sums and its questions); returns how many.
int resetCounts(SettingsStore &store, const QString &prefix);

} // namespace orvik3::study
