#include "statistics/StatisticsData.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/SettingsStore.h>
#include <orvik3/StatisticsKeys.h>

#include <algorithm>

namespace orvik3::trainer {

namespace {

// The question number of a per-question key of `prefix`, or -1 (also beyond the 301 rows).
int questionOfKey(const QString &key, const QString &prefix)
{
    const std::optional<StatisticsKeys::Parsed> k = StatisticsKeys::parse(key);
    if (!k || k->prefix != prefix || !k->question || *k->question > 300)
        return -1;
    return *k->question;
}

} // namespace

ExerciseStats readStatistics(SettingsStore &store, const QString &prefix, int questionCount)
{
    using Keys = StatisticsKeys;
    if (questionCount < 0) {
        int last = -1;
        for (const QString &key : store.keys(Keys::app(), Keys::section()))
            last = std::max(last, questionOfKey(key, prefix));
        questionCount = last + 1;
    }
    ExerciseStats stats;
    stats.prefix = prefix;
    for (int q = 0; q < std::min(questionCount, 301); ++q) {
        QuestionStats s;
        s.question = q;
        s.attempts = Keys::read(store, Keys::questionKey(prefix, Keys::Counter::Total, q));
        s.wrong = Keys::read(store, Keys::questionKey(prefix, Keys::Counter::Bad, q));
        stats.attempts += s.attempts;
        stats.wrong += s.wrong;
        stats.questions.push_back(s);
    }
    return stats;
}

void resetStatistics(SettingsStore &store, const QString &prefix)
{
    StatisticsKeys::reset(store, prefix);
}

QStringList statisticsPrefixes()
{
    QStringList prefixes;
    for (const ExerciseType &type : exerciseTypes()) {
        const QString p = QLatin1String(type.statsPrefix);
        if (!prefixes.contains(p))
            prefixes << p;
    }
    return prefixes;
}

std::vector<int> weakestQuestions(const ExerciseStats &stats, int count)
{
    std::vector<QuestionStats> bad;
    for (const QuestionStats &q : stats.questions) {
        if (q.wrong > 0)
            bad.push_back(q);
    }
    std::stable_sort(bad.begin(), bad.end(), [](const QuestionStats &a, const QuestionStats &b) {
        return a.rightPercent() != b.rightPercent() ? a.rightPercent() < b.rightPercent() : a.wrong > b.wrong;
    });
    std::vector<int> out;
    for (int k = 0; k < int(bad.size()) && k < count; ++k)
        out.push_back(bad[k].question);
    return out;
}

QString statisticsPrefix(int type)
{
    const ExerciseType *t = exerciseType(qint16(type));
    return t ? QLatin1String(t->statsPrefix) : QString();
}

} // namespace orvik3::trainer
