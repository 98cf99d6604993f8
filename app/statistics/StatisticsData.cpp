#include "StatisticsData.h"

#include "platform/ValueRules.h"
#include "questions/Statistics.h"
#include "questions/StatisticsKeys.h"
#include "study/ExerciseTypes.h"

#include <orvik3/SettingsStore.h>

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
    const QString app = Statistics::app(), section = Statistics::section();
    if (questionCount < 0) {
        int last = -1;
        for (const QString &key : store.keys(app, section))
            last = std::max(last, questionOfKey(key, prefix));
        questionCount = last + 1;
    }
    ExerciseStats stats;
    stats.prefix = prefix;
    for (int q = 0; q < std::min(questionCount, 301); ++q) {
        QuestionStats s;
        s.question = q;
        s.attempts = values::readNumber(store.read(app, section, Statistics::totalKey(prefix, q)));
        s.wrong = values::readNumber(store.read(app, section, Statistics::badKey(prefix, q)));
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
    for (qint16 type = 1; type <= 14; ++type) {
        const QString p = QLatin1String(exerciseType(type)->statsPrefix);
        if (!prefixes.contains(p))
            prefixes << p;
    }
    return prefixes;
}

QString statisticsPrefix(int type)
{
    const ExerciseType *t = exerciseType(qint16(type));
    return t ? QLatin1String(t->statsPrefix) : QString();
}

} // namespace orvik3::trainer
