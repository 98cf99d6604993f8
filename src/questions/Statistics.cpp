#include "questions/Statistics.h"

#include "control/InstanceState.h"
#include "platform/ValueRules.h"

#include <orvik3/SettingsStore.h>
#include <orvik3/TextTable.h>

#include <cmath>

namespace orvik3 {

Statistics::Statistics(InstanceState &state)
    : Statistics(*state.services.settings, *state.services.texts, state.lastQuestion)
{
}

Statistics::Statistics(SettingsStore &store, const TextTable &texts, qint16 lastQuestion)
    : m_store(store)
    , m_texts(texts)
    , m_lastQuestion(lastQuestion)
{
}

QString Statistics::totalKey(const QString &prefix, int question)
{
    return prefix + QStringLiteral("_total") + vb::signedNumberText(question);
}

QString Statistics::badKey(const QString &prefix, int question)
{
    return prefix + QStringLiteral("_bad") + vb::signedNumberText(question);
}

double Statistics::value(const QString &key) const
{
    return vb::readNumber(m_store.read(app(), section(), key));
}

void Statistics::count(const QString &key, const QString &aggregate, const QString &prefix, const char *suffix)
{
    // One unit: another process counting at the same time neither loses nor doubles a count.
    m_store.update(app(), [&] {
        m_store.write(app(), section(), key, vb::plainNumberText(value(key) + 1));
        double sum = 0;
        for (int i = 0; i <= m_lastQuestion; ++i)
            sum += value(prefix + QLatin1String(suffix) + vb::signedNumberText(i));
        m_store.write(app(), section(), aggregate, vb::plainNumberText(sum));
    });
}

void Statistics::countAttempt(const QString &prefix, qint16 question)
{
    count(totalKey(prefix, question), prefix + QStringLiteral("_total"), prefix, "_total");
}

void Statistics::countWrong(const QString &prefix, qint16 question)
{
    count(badKey(prefix, question), prefix + QStringLiteral("_bad"), prefix, "_bad");
}

void Statistics::countQuestion(const QString &prefix, qint16 question, bool wrong)
{
    // One durable write for both counters instead of two.
    m_store.update(app(), [&] {
        countAttempt(prefix, question);
        if (wrong)
            countWrong(prefix, question);
    });
}

QString Statistics::summaryLine(const QString &prefix) const
{
    const double total = value(prefix + QStringLiteral("_total"));
    const double bad = value(prefix + QStringLiteral("_bad"));
    if (total > 0) {
        const QString gap(5, u' ');
        return m_texts.text(300) + u':' + vb::signedNumberText(total) + gap + m_texts.text(301) + u':'
            + vb::signedNumberText(total - bad) + gap + m_texts.text(302) + u':'
            + vb::signedNumberText(std::floor((total - bad) / total * 100)) + u'%';
    }
    return m_texts.text(300) + QStringLiteral(": 0");
}

} // namespace orvik3
