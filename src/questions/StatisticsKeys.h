#pragma once

// The names of the statistics counters in the user's settings, in one place for the control
// that counts, the trainer that shows and resets them, and the study tool that reports them:
// application "avx1", section "stats"; per exercise prefix the sums "<prefix>_total" and
// "<prefix>_bad", and per question "<prefix>_total <q>" and "<prefix>_bad <q>".

#include <orvik3/orvik3_export.h>

#include <QString>

#include <optional>

namespace orvik3 {

class SettingsStore;

class ORVIK3_EXPORT StatisticsKeys
{
public:
    enum class Counter { Total, Bad };

    struct Parsed {
        QString prefix;
        Counter counter = Counter::Total;
        std::optional<int> question; // empty for the sum over the questions
    };

    static QString app() { return QStringLiteral("avx1"); }
    static QString section() { return QStringLiteral("stats"); }
    static QLatin1StringView suffix(Counter c);

    static QString sumKey(const QString &prefix, Counter c);
    // The question number as the control writes it: a blank before a number from 0 on.
    static QString questionKey(const QString &prefix, Counter c, int question);

    // Empty for a key of no counter: no "_total"/"_bad" after a prefix, or anything but a
    // blank and one to five digits behind it.
    static std::optional<Parsed> parse(const QString &key);

    // A counter as the control reads it: 0 when it is missing or holds no number.
    static double read(SettingsStore &store, const QString &key);

    // Removes the sums and every per-question counter of the prefix in one durable update;
    // keys of other prefixes ("qdm" against "qdmrb") stay. Returns how many were removed.
    static int reset(SettingsStore &store, const QString &prefix);
};

} // namespace orvik3
