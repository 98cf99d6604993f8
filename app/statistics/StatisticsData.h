#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace orvik3 {
class SettingsStore;
}

namespace orvik3::trainer {

struct QuestionStats {
    int question = 0;
    double attempts = 0.0;
    double wrong = 0.0;
    // Share of right attempts in percent; 0 when never attempted.
    double rightPercent() const { return attempts > 0 ? (attempts - wrong) / attempts * 100.0 : 0.0; }
};

// The attempt counters of one statistics prefix as the control keeps them in the user's
// settings (application "avx1", section "stats").
struct ExerciseStats {
    QString prefix;
    std::vector<QuestionStats> questions;
    double attempts = 0.0; // summed over the questions listed
    double wrong = 0.0;
    double rightPercent() const { return attempts > 0 ? (attempts - wrong) / attempts * 100.0 : 0.0; }
};

// The counters of `prefix` for questions 0 .. questionCount-1; with a negative count, for as
// many questions as the store has entries for.
ExerciseStats readStatistics(SettingsStore &store, const QString &prefix, int questionCount = -1);

// Removes every counter of `prefix`: the per-question entries and the two sums.
void resetStatistics(SettingsStore &store, const QString &prefix);

// The weakest questions of `stats`: wrong at least once, worst share of right first.
std::vector<int> weakestQuestions(const ExerciseStats &stats, int count);

// The statistics prefixes, one per exercise the control counts separately.
QStringList statisticsPrefixes();
// The prefix an exercise type counts under ("hsipos" for 1 and 10 ...), empty outside 1..14.
QString statisticsPrefix(int type);

} // namespace orvik3::trainer
