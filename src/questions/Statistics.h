#pragma once

#include "questions/StatisticsKeys.h"

#include <QString>
#include <QtGlobal>

namespace orvik3 {

class SettingsStore;
class TextTable;

// Attempts and wrong answers per question, kept in the user's settings under the keys of
// StatisticsKeys: per question and, summed over the questions of the loaded study file, per prefix.
class Statistics
{
public:
    Statistics(SettingsStore &store, const TextTable &texts, qint16 lastQuestion);

    static QString app() { return StatisticsKeys::app(); }
    static QString section() { return StatisticsKeys::section(); }
    static QString totalKey(const QString &prefix, int question);
    static QString badKey(const QString &prefix, int question);

    // One more attempt of question q, and the aggregate recomputed; durable when it returns.
    void countAttempt(const QString &prefix, qint16 question);
    void countWrong(const QString &prefix, qint16 question);
    // The count of "Weiter": an attempt, and a wrong answer too when `wrong`, written together.
    void countQuestion(const QString &prefix, qint16 question, bool wrong);
    // "Versuche: 8     Richtige: 5     Performance: 62%", or "Versuche: 0" on a fresh store.
    QString summaryLine(const QString &prefix) const;

    double value(const QString &key) const;

private:
    // Counts `key` and sums the question keys under `aggregate` (their stem) into it.
    void count(const QString &key, const QString &aggregate);

    SettingsStore &m_store;
    const TextTable &m_texts;
    qint16 m_lastQuestion;
};

} // namespace orvik3
