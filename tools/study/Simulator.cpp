#include "Simulator.h"

#include "LeitnerBoxes.h"
#include "RandomSet.h"
#include "SimulatedStudent.h"

#include "PracticePlanner.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace orvik3::study {

using practice::Grade;

namespace {

constexpr qint64 kDay = practice::MemoryModel::kDayMs;
constexpr qint64 kEvening = 19 * 3600 * 1000LL;  // practice starts at seven
constexpr qint64 kPerQuestion = 90 * 1000;       // a question takes a minute and a half
constexpr qint64 kStart = 1735689600000LL;       // a fixed first day: runs are reproducible
constexpr std::size_t kSetSize = 10;

struct Asked {
    qint16 type = 0;
    QStringList wish;             // kind words the situation must have
    const Skill *skill = nullptr; // the skill it must exercise
    quint64 seed = 0;
};

// One question through the real generator: its kind words, empty when it made none.
std::optional<QStringList> generate(qint16 type, const QStringList &wish, const Skill *skill, quint64 seed)
{
    RandomRequest request;
    request.type = type;
    request.count = 1;
    request.seed = seed;
    request.language = Language::English;
    if (!wish.isEmpty())
        request.wishes = {wish};
    if (skill)
        request.skills = {skill};
    QString error;
    const std::optional<RandomSet> set = randomSet(request, &error);
    if (!set)
        return std::nullopt;
    return set->kinds.front();
}

StudentProfile profileOf(int student, Prng &draws)
{
    StudentProfile p;
    p.forgetting = std::exp(std::log(0.5) + std::log(4.0) * double(draws.below(1000)) / 999.0);
    p.mixesEntries = student % 5 == 4;
    return p;
}

class Run
{
public:
    Run(Scheduler scheduler, const SimulationOptions &options, int student)
        : m_scheduler(scheduler), m_options(options), m_draws(options.seed * 1000003 + quint64(student))
    {
        Prng profileDraws(options.seed * 7919 + quint64(student));
        m_profile = profileOf(student, profileDraws);
        m_student.emplace(m_profile, profileDraws.next());
    }

    const StudentProfile &profile() const { return m_profile; }
    const SimulatedStudent &student() const { return *m_student; }
    qint64 exam() const { return kStart + qint64(m_options.days - 1 + m_options.examAfter) * kDay + kEvening; }
    bool seen(int skill) const { return m_memory.state(skill).known(); }

    void practise()
    {
        for (int day = 0; day < m_options.days; ++day) {
            qint64 now = kStart + day * kDay + kEvening;
            for (int asked = 0; asked < m_options.perDay;) {
                for (const Asked &q : nextSet(now)) {
                    if (asked == m_options.perDay)
                        break;
                    ask(q, now);
                    now += kPerQuestion;
                    ++asked;
                }
            }
        }
    }

private:
    std::vector<Asked> nextSet(qint64 now)
    {
        std::vector<Asked> set;
        switch (m_scheduler) {
        case Scheduler::Random: {
            const auto type = qint16(1 + m_draws.below(14));
            for (std::size_t i = 0; i < kSetSize; ++i)
                set.push_back({type, {}, nullptr, m_draws.next()});
            break;
        }
        case Scheduler::Leitner: {
            std::vector<int> types(14);
            std::iota(types.begin(), types.end(), 1);
            const LeitnerBoxes::Choice choice = m_boxes.next(types);
            for (std::size_t i = 0; i < kSetSize; ++i)
                set.push_back({qint16(choice.type), choice.wishes.empty() ? QStringList() : choice.wishes[i % choice.wishes.size()],
                               nullptr, m_draws.next()});
            break;
        }
        case Scheduler::Model: {
            practice::PlanOptions plan;
            plan.size = int(kSetSize);
            plan.seed = m_draws.next();
            for (const practice::PlannedQuestion &q : practice::PracticePlanner(m_memory, plan).todaySet(now))
                set.push_back({q.type, {}, q.skill, q.seed});
            break;
        }
        }
        return set;
    }

    void ask(const Asked &q, qint64 at)
    {
        const std::optional<QStringList> kinds = generate(q.type, q.wish, q.skill, q.seed);
        if (!kinds)
            return;
        bool allRight = true;
        for (const Skill *s : skillsOfQuestion(q.type, rowSituationOf(*kinds))) {
            const int i = skillIndex(s);
            const bool right = m_student->answer(i, at);
            allRight = allRight && right;
            m_memory.review(i, right ? Grade::Good : Grade::Again, at);
        }
        m_boxes.record(q.type, *kinds, allRight);
    }

    Scheduler m_scheduler;
    SimulationOptions m_options;
    Prng m_draws;
    StudentProfile m_profile;
    std::optional<SimulatedStudent> m_student;
    practice::SkillMemory m_memory;
    LeitnerBoxes m_boxes;
};

} // namespace

QString schedulerName(Scheduler scheduler)
{
    switch (scheduler) {
    case Scheduler::Random: return QStringLiteral("random");
    case Scheduler::Leitner: return QStringLiteral("leitner");
    case Scheduler::Model: return QStringLiteral("model");
    }
    return {};
}

SchedulerOutcome simulate(const SimulationOptions &options, Scheduler scheduler)
{
    SchedulerOutcome out;
    out.scheduler = scheduler;
    int mixers = 0;
    const int n = int(skills().size());
    for (int student = 0; student < options.students; ++student) {
        Run run(scheduler, options, student);
        run.practise();
        double sum = 0, weakest = 1;
        for (int i = 0; i < n; ++i) {
            const double r = run.student().trueRecall(i, run.exam());
            sum += r;
            weakest = std::min(weakest, r);
            out.skillsUnseen += run.seen(i) ? 0 : 1;
        }
        out.recall += sum / n;

        out.weakestAll += weakest;
        if (run.profile().mixesEntries) {
            out.weakest += weakest;
            ++mixers;
        }
    }
    if (options.students > 0) {
        out.recall /= options.students;
        out.weakestAll /= options.students;
    }
    if (mixers > 0)
        out.weakest /= mixers;
    return out;
}

std::vector<SchedulerOutcome> simulate(const SimulationOptions &options)
{
    return {simulate(options, Scheduler::Random), simulate(options, Scheduler::Leitner), simulate(options, Scheduler::Model)};
}

} // namespace orvik3::study
