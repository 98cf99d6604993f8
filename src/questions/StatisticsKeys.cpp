#include "questions/StatisticsKeys.h"

#include "platform/ValueRules.h"

#include <orvik3/SettingsStore.h>

namespace orvik3 {

QLatin1StringView StatisticsKeys::suffix(Counter c)
{
    return c == Counter::Total ? QLatin1StringView("_total") : QLatin1StringView("_bad");
}

double StatisticsKeys::read(SettingsStore &store, const QString &key)
{
    return values::readNumber(store.read(app(), section(), key));
}

QString StatisticsKeys::sumKey(const QString &prefix, Counter c)
{
    return prefix + suffix(c);
}

QString StatisticsKeys::questionKey(const QString &prefix, Counter c, int question)
{
    return prefix + suffix(c) + values::signedNumberText(question);
}

std::optional<StatisticsKeys::Parsed> StatisticsKeys::parse(const QString &key)
{
    // The number, if any, is a blank and one to five digits at the end.
    qsizetype end = key.size();
    qsizetype digits = 0;
    while (digits < end && key[end - 1 - digits].isDigit() && key[end - 1 - digits].unicode() < 128)
        ++digits;
    std::optional<int> question;
    if (digits > 0) {
        if (digits > 5 || end - digits < 1 || key[end - digits - 1] != u' ')
            return std::nullopt;
        question = key.right(digits).toInt();
        end -= digits + 1;
    }
    const QStringView head = QStringView(key).left(end);
    for (const Counter c : {Counter::Total, Counter::Bad}) {
        const QLatin1StringView s = suffix(c);
        if (head.size() > s.size() && head.endsWith(s))
            return Parsed{head.chopped(s.size()).toString(), c, question};
    }
    return std::nullopt;
}

int StatisticsKeys::reset(SettingsStore &store, const QString &prefix)
{
    int removed = 0;
    store.update(app(), [&] {
        for (const QString &key : store.keys(app(), section())) {
            const std::optional<Parsed> k = parse(key);
            if (k && k->prefix == prefix) {
                store.remove(app(), section(), key);
                ++removed;
            }
        }
    });
    return removed;
}

} // namespace orvik3
