#include "StatsReport.h"

#include "platform/ValueRules.h"
#include "questions/StatisticsKeys.h"

#include <orvik3/SettingsStore.h>

#include <QMap>

#include <algorithm>
#include <cmath>

namespace orvik3::study {

namespace {

using Keys = StatisticsKeys;

QString rate(double attempts, double wrong)
{
    if (attempts <= 0)
        return QStringLiteral("-");
    return QStringLiteral("%1%").arg(std::lround(wrong / attempts * 100.0));
}

QString number(double v) { return values::plainNumberText(v); }

} // namespace

double PrefixCounts::attempts() const
{
    if (total)
        return *total;
    double sum = 0;
    for (const QuestionCount &q : questions)
        sum += q.attempts;
    return sum;
}

double PrefixCounts::wrong() const
{
    if (bad)
        return *bad;
    double sum = 0;
    for (const QuestionCount &q : questions)
        sum += q.wrong;
    return sum;
}

std::vector<PrefixCounts> readCounts(SettingsStore &store, const QString &prefix)
{
    QMap<QString, PrefixCounts> byPrefix;
    QMap<QString, QMap<int, QuestionCount>> questions;
    for (const QString &key : store.keys(Keys::app(), Keys::section())) {
        const std::optional<Keys::Parsed> k = Keys::parse(key);
        if (!k || (!prefix.isEmpty() && k->prefix != prefix))
            continue;
        const double value = values::readNumber(store.read(Keys::app(), Keys::section(), key));
        const bool total = k->counter == Keys::Counter::Total;
        PrefixCounts &p = byPrefix[k->prefix];
        p.prefix = k->prefix;
        if (!k->question) {
            (total ? p.total : p.bad) = value;
            continue;
        }
        QuestionCount &q = questions[k->prefix][*k->question];
        q.question = *k->question;
        (total ? q.attempts : q.wrong) = value;
    }
    std::vector<PrefixCounts> out;
    for (auto it = byPrefix.begin(); it != byPrefix.end(); ++it) {
        for (const QuestionCount &q : questions.value(it.key()))
            it->questions.push_back(q);
        out.push_back(*it);
    }
    return out;
}

QString formatCounts(const std::vector<PrefixCounts> &counts, bool csv)
{
    QString out;
    if (csv) {
        out += QStringLiteral("prefix,question,attempts,wrong,rate\n");
        for (const PrefixCounts &p : counts) {
            for (const QuestionCount &q : p.questions)
                out += QStringLiteral("%1,%2,%3,%4,%5\n").arg(p.prefix).arg(q.question + 1).arg(number(q.attempts),
                                                                                             number(q.wrong), rate(q.attempts, q.wrong));
            out += QStringLiteral("%1,all,%2,%3,%4\n").arg(p.prefix, number(p.attempts()), number(p.wrong()),
                                                           rate(p.attempts(), p.wrong()));
        }
        return out;
    }
    for (const PrefixCounts &p : counts) {
        out += QStringLiteral("%1: %2 attempts, %3 wrong, %4 wrong\n")
                   .arg(p.prefix, number(p.attempts()), number(p.wrong()), rate(p.attempts(), p.wrong()));
        if (p.questions.empty())
            continue;
        out += QStringLiteral("  question  attempts     wrong   rate\n");
        for (const QuestionCount &q : p.questions)
            out += QStringLiteral("  %1 %2 %3 %4\n")
                       .arg(q.question + 1, 8)
                       .arg(number(q.attempts), 9)
                       .arg(number(q.wrong), 9)
                       .arg(rate(q.attempts, q.wrong), 6);
    }
    return out;
}

int resetCounts(SettingsStore &store, const QString &prefix)
{
    return Keys::reset(store, prefix);
}

} // namespace orvik3::study
