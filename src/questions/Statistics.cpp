#include "questions/Statistics.h"

#include "platform/ValueRules.h"
#include "resources/PanelConstants.h"

#include <orvik3/SettingsStore.h>
#include <orvik3/TextTable.h>

#include <cmath>

namespace orvik3 {

Statistics::Statistics(SettingsStore &store, const TextTable &texts, qint16 lastQuestion)
    : m_store(store)
    , m_texts(texts)
    , m_lastQuestion(lastQuestion)
{
}

QString Statistics::totalKey(const QString &prefix, int question)
{
    return StatisticsKeys::questionKey(prefix, StatisticsKeys::Counter::Total, question);
}

QString Statistics::badKey(const QString &prefix, int question)
{
    return StatisticsKeys::questionKey(prefix, StatisticsKeys::Counter::Bad, question);
}

namespace {

// The lenient number reading, with a shortcut for the usual counter text (digits only).
double number(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return text.isEmpty() ? 0.0 : values::readNumber(text);
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return values::readNumber(text);
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

double Statistics::value(const QString &key) const
{
    return number(m_store.read(app(), section(), key));
}

void Statistics::count(const QString &key, const QString &aggregate)
{
    // One unit: another process counting at the same time neither loses nor doubles a count.
    m_store.update(app(), [&] {
        m_store.write(app(), section(), key, values::plainNumberText(value(key) + 1));
        // The keys of questions 0..lastQuestion, built in place as questionKey() builds them:
        // the stem and a blank, then the digits of a non-negative number.
        QString name = aggregate + u' ';
        const qsizetype stem = name.size();
        name.reserve(stem + 8);
        const QString app = Statistics::app(), section = Statistics::section();
        double sum = 0;
        for (int i = 0; i <= m_lastQuestion; ++i) {
            char digits[12];
            int len = 0;
            for (int v = i; len == 0 || v > 0; v /= 10)
                digits[len++] = char('0' + v % 10);
            name.truncate(stem);
            while (len > 0)
                name += QLatin1Char(digits[--len]);
            sum += number(m_store.read(app, section, name));
        }
        m_store.write(app, section, aggregate, values::plainNumberText(sum));
    });
}

void Statistics::countAttempt(const QString &prefix, qint16 question)
{
    count(totalKey(prefix, question), StatisticsKeys::sumKey(prefix, StatisticsKeys::Counter::Total));
}

void Statistics::countWrong(const QString &prefix, qint16 question)
{
    count(badKey(prefix, question), StatisticsKeys::sumKey(prefix, StatisticsKeys::Counter::Bad));
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
    const double total = value(StatisticsKeys::sumKey(prefix, StatisticsKeys::Counter::Total));
    const double bad = value(StatisticsKeys::sumKey(prefix, StatisticsKeys::Counter::Bad));
    if (total > 0) {
        const QString gap(5, u' ');
        return m_texts.text(textId::attempts) + u':' + values::signedNumberText(total) + gap + m_texts.text(textId::rightCount) + u':'
            + values::signedNumberText(total - bad) + gap + m_texts.text(textId::performance) + u':'
            + values::signedNumberText(std::floor((total - bad) / total * 100)) + u'%';
    }
    return m_texts.text(textId::attempts) + QStringLiteral(": 0");
}

} // namespace orvik3
