#include "practice/TodayPractice.h"

#include "panel/TrainerHost.h"
#include "practice/Practice.h"
#include "practice/PracticeClock.h"
#include "practice/PracticeMemory.h"

#include "PracticeSet.h"

#include <orvik3/SettingsStore.h>

#include <QDate>
#include <QDateTime>
#include <QPointer>
#include <QTimer>

namespace orvik3::trainer {

TodayPractice::TodayPractice(PracticeMemory &memory, quint64 seed) : m_memory(memory), m_seed(seed) {}

bool TodayPractice::begin(Practice &practice, QString *error)
{
    m_memory.open();
    m_memory.waitForIdle();
    if (!m_memory.isOpen()) {
        *error = tr("Today's practice needs the review log, which cannot be opened.");
        return false;
    }
    if (!m_dir.isValid()) {
        *error = m_dir.errorString();
        return false;
    }
    practice::PlanOptions options;
    options.seed = m_seed;
    m_plan = practice::PracticePlanner(m_memory.memory(), options).todaySet(PracticeClock::now());
    if (m_plan.empty()) {
        *error = tr("There is nothing to practise today.");
        return false;
    }
    m_progress.start(m_plan.front().type, int(m_plan.size()));
    TrainerHost &host = practice.host();
    m_fixedBase = host.basePath();
    host.setStatisticsStore(std::make_shared<MemorySettingsStore>());
    return show(practice, error);
}

bool TodayPractice::show(Practice &practice, QString *error)
{
    const practice::PlannedQuestion &q = m_plan[m_at];
    // A folder per question: the panel reads the new files, never a mix with the last one's.
    const QString base = m_dir.filePath(QStringLiteral("q-%1").arg(m_at + 1));
    study::PracticeRequest request;
    request.type = q.type;
    request.count = 1;
    request.seed = q.seed;
    request.german = practice.host().language() == Language::German;
    request.skills = {q.skill};
    QString why;
    if (!study::writePracticeSet(request, base, &why)) {
        *error = tr("No practice question could be made: %1").arg(why);
        return false;
    }
    m_progress.shown(int(m_at), PracticeClock::now());
    practice.host().setBasePath(base);
    practice.beginSet(q.type);
    return true;
}

void TodayPractice::closed(Practice &practice, int, bool answered, bool right)
{
    // A wrong answer brings the question back on the panel; the set moves on when it is done.
    m_progress.closed(int(m_at), answered, right, !practice.learning().finished(), PracticeClock::now());
}

bool TodayPractice::ends(Practice &practice)
{
    if (m_at + 1 < m_plan.size()) {
        QPointer<Practice> guard(&practice);
        QTimer::singleShot(0, &practice, [guard, this] {
            if (!guard || guard->flow() != this)
                return;
            ++m_at;
            QString error;
            if (!show(*guard, &error)) {
                guard->stop();
                guard->report(error);
            }
        });
        return false;
    }
    // The set's answers are in the log once it has taken them.
    m_memory.waitForIdle();
    std::vector<const Skill *> skills;
    const auto add = [&skills](const Skill *s) {
        if (s && std::find(skills.begin(), skills.end(), s) == skills.end())
            skills.push_back(s);
    };
    for (const practice::PlannedQuestion &q : m_plan) {
        add(q.skill);
        for (const Skill *s : skillsOfQuestion(q.type))
            add(s);
    }
    // Grouped by day, the soonest first.
    const qint64 now = PracticeClock::now();
    QStringList days;
    QList<QStringList> names;
    for (const practice::Comeback &c : practice::PracticePlanner(m_memory.memory(), {}).comebacks(skills)) {
        const QString when = whenText(now, c.at);
        if (days.isEmpty() || days.back() != when) {
            days << when;
            names << QStringList();
        }
        names.back() << QCoreApplication::translate("orvik3::Skill", c.skill->name);
    }
    QStringList lines;
    for (qsizetype i = 0; i < days.size(); ++i)
        lines << tr("%1: %2").arg(days[i], names[i].join(QStringLiteral(", ")));
    m_comeback = lines.isEmpty() ? QString() : tr("Coming back") + u'\n' + lines.join(u'\n');
    return true;
}

void TodayPractice::languageChanged(Practice &practice)
{
    QString error;
    if (!show(practice, &error)) {
        practice.stop();
        practice.report(error);
    }
}

void TodayPractice::stop(Practice &practice)
{
    TrainerHost &host = practice.host();
    host.setBasePath(m_fixedBase);
    host.setStatisticsStore(practice.studyStore());
}

QString TodayPractice::statusLine() const
{
    return tr("Today's practice: question %1 of %2, %3 right at the first try.")
        .arg(std::min<int>(int(m_at) + 1, int(m_plan.size())))
        .arg(m_plan.size())
        .arg(m_progress.rightCount());
}

QString TodayPractice::questionName(int, int) const
{
    return m_at < m_plan.size() ? QStringLiteral("seed %1").arg(m_plan[m_at].seed) : QString();
}

QString TodayPractice::whenText(qint64 now, qint64 at)
{
    const qint64 days = QDateTime::fromMSecsSinceEpoch(now).date().daysTo(QDateTime::fromMSecsSinceEpoch(at).date());
    if (days <= 0)
        return tr("later today");
    if (days == 1)
        return tr("tomorrow");
    return tr("in %1 days").arg(days);
}

} // namespace orvik3::trainer
