#include "StatisticsData.h"

#include "platform/ValueRules.h"
#include "questions/Statistics.h"
#include "study/ExerciseTypes.h"

#include <orvik3/SettingsStore.h>

#include <algorithm>

namespace orvik3::trainer {

namespace {

// The question number of a per-question key of `prefix` + `kind`, or -1.
int questionOfKey(const QString &key, const QString &prefix, const QString &kind)
{
    const QString head = prefix + kind;
    if (!key.startsWith(head) || key.size() == head.size())
        return -1;
    bool ok = false;
    const int q = key.mid(head.size()).trimmed().toInt(&ok);
    return ok && q >= 0 && q <= 300 ? q : -1;
}

} // namespace

ExerciseStats readStatistics(SettingsStore &store, const QString &prefix, int questionCount)
{
    const QString app = Statistics::app(), section = Statistics::section();
    if (questionCount < 0) {
        int last = -1;
        for (const QString &key : store.keys(app, section))
            for (const char *kind : {"_total", "_bad"})
                last = std::max(last, questionOfKey(key, prefix, QLatin1String(kind)));
        questionCount = last + 1;
    }
    ExerciseStats stats;
    stats.prefix = prefix;
    for (int q = 0; q < std::min(questionCount, 301); ++q) {
        QuestionStats s;
        s.question = q;
        s.attempts = vb::readNumber(store.read(app, section, Statistics::totalKey(prefix, q)));
        s.wrong = vb::readNumber(store.read(app, section, Statistics::badKey(prefix, q)));
        stats.attempts += s.attempts;
        stats.wrong += s.wrong;
        stats.questions.push_back(s);
    }
    return stats;
}

void resetStatistics(SettingsStore &store, const QString &prefix)
{
    const QString app = Statistics::app(), section = Statistics::section();
    store.update(app, [&] {
        for (const QString &key : store.keys(app, section)) {
            const bool aggregate = key == prefix + QLatin1String("_total") || key == prefix + QLatin1String("_bad");
            if (aggregate || questionOfKey(key, prefix, QStringLiteral("_total")) >= 0
                || questionOfKey(key, prefix, QStringLiteral("_bad")) >= 0)
                store.remove(app, section, key);
        }
    });
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
