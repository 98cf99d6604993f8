#include "practice/EndlessPractice.h"

#include "ExerciseCatalog.h"
#include "panel/TrainerHost.h"
#include "practice/EndlessRecord.h"
#include "practice/Practice.h"
#include "statistics/StatisticsData.h"

#include <orvik3/SettingsStore.h>

#include <QPointer>
#include <QTimer>

#include <cmath>

namespace orvik3::trainer {

EndlessPractice::EndlessPractice(int type, quint64 seed, EndlessRecord &record)
    : m_record(record), m_sets(type > 0 ? type : 1, type <= 0, seed)
{
}

bool EndlessPractice::begin(Practice &practice, QString *error)
{
    TrainerHost &host = practice.host();
    m_fixedBase = host.basePath();
    host.setStatisticsStore(std::make_shared<MemorySettingsStore>());
    return nextSet(practice, error);
}

bool EndlessPractice::nextSet(Practice &practice, QString *error)
{
    int type = m_sets.type();
    std::vector<QStringList> wishes;
    if (m_sets.weakestFirst()) {
        std::vector<int> types;
        QMap<int, int> wrongPercent;
        for (const ExerciseInfo &e : exerciseCatalog()) {
            types.push_back(e.type);
            const ExerciseStats stats = readStatistics(*practice.studyStore(), statisticsPrefix(e.type));
            wrongPercent.insert(e.type, stats.attempts > 0 ? int(std::lround(100.0 * stats.wrong / stats.attempts)) : 0);
        }
        study::LeitnerBoxes::Choice choice = m_record.boxes().next(types, wrongPercent);
        type = choice.type;
        wishes = std::move(choice.wishes);
    }
    QString why;
    if (!m_sets.makeSet(type, practice.host().language(), std::move(wishes), &why)) {
        *error = tr("No practice set could be made: %1").arg(why);
        return false;
    }
    practice.host().setBasePath(m_sets.base());
    practice.beginSet(type);
    return true;
}

void EndlessPractice::closed(Practice &practice, int question, bool answered, bool right)
{
    if (answered && m_sets.firstClosing(question))
        m_record.record(practice.learning().type(), m_sets.kindsOf(question), right);
}

bool EndlessPractice::ends(Practice &practice)
{
    // The next set once the panel has finished with this one.
    QPointer<Practice> guard(&practice);
    QTimer::singleShot(0, &practice, [guard, this] {
        if (!guard || guard->flow() != this)
            return;
        QString error;
        if (!nextSet(*guard, &error)) {
            guard->stop();
            guard->report(error);
        }
    });
    return false;
}

void EndlessPractice::languageChanged(Practice &practice)
{
    // The set on the panel is in the other language's file: a fresh one in this language.
    QString error;
    if (!nextSet(practice, &error)) {
        practice.stop();
        practice.report(error);
    }
}

void EndlessPractice::stop(Practice &practice)
{
    TrainerHost &host = practice.host();
    host.setBasePath(m_fixedBase);
    host.setStatisticsStore(practice.studyStore());
}

QString EndlessPractice::statusLine() const
{
    QString text = tr("Endless practice, set %1. %2").arg(m_sets.setNumber()).arg(m_record.score().line());
    QStringList kinds;
    for (const QStringList &wish : m_sets.wishes())
        for (const QString &k : wish)
            if (!kinds.contains(EndlessSets::kindName(k)))
                kinds << EndlessSets::kindName(k);
    if (!kinds.isEmpty())
        text += u'\n' + tr("Weakest first: %1").arg(kinds.join(QStringLiteral(", ")));
    return text;
}

QString EndlessPractice::questionName(int, int question) const
{
    return QStringLiteral("seed %1/%2").arg(m_sets.setSeed()).arg(question + 1);
}

} // namespace orvik3::trainer
