// Practice that remembers: choosing and generating one question of today's practice, opening
// a review log of 100,000 reviews with the model of every skill, and the scheduler benchmark
// of the simulated students (its figures as counters, in percent).
#include "PracticePlanner.h"
#include "RandomSet.h"
#include "ReviewLog.h"
#include "Simulator.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace orvik3;
using namespace orvik3::practice;

namespace {

constexpr qint64 kDay = MemoryModel::kDayMs;
constexpr qint64 kNow = 20000 * kDay;

// A trainee some weeks in: every skill reviewed a few times, the last time 0 to 9 days ago.
SkillMemory someWeeksIn()
{
    SkillMemory m;
    for (int i = 0; i < m.size(); ++i)
        for (int k = 3; k >= 0; --k)
            m.review(i, (i + k) % 4 ? Grade::Good : Grade::Again, kNow - qint64(i % 10 + 5 * k) * kDay);
    return m;
}

// The planner's choice of the next question and the generator's situation for it.
void BM_ChooseAndGenerateQuestion(benchmark::State &state)
{
    const SkillMemory memory = someWeeksIn();
    PlanOptions options;
    options.size = 1;
    QString error;
    for (auto _ : state) {
        ++options.seed;
        const std::vector<PlannedQuestion> next = PracticePlanner(memory, options).todaySet(kNow + qint64(options.seed % 5) * kDay);
        study::RandomRequest request;
        request.type = next.front().type;
        request.count = 1;
        request.seed = next.front().seed;
        request.skills = {next.front().skill};
        const std::optional<study::RandomSet> set = study::randomSet(request, &error);
        if (!set) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(set->kinds.size());
    }
}
BENCHMARK(BM_ChooseAndGenerateQuestion)->Unit(benchmark::kMicrosecond);

// What starting the trainer adds: the log opened and every skill's model ready to plan.
void BM_OpenLogOf100000Reviews(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("reviews.sqlite"));
    QString error;
    {
        auto log = ReviewLog::open(file, &error);
        std::vector<Review> batch;
        for (int n = 0; n < 100000; ++n) {
            const Skill &s = skills()[std::size_t(n % int(skills().size()))];
            batch.push_back({qint64(n) * 60000, QString::fromLatin1(s.id), typesTraining(s).front(), QStringLiteral("seed %1").arg(n),
                             QStringLiteral("090"), n % 7 ? Outcome::Right : Outcome::Wrong, 8000});
            if (batch.size() == 5000) {
                if (!log || !log->append(batch, &error)) {
                    state.SkipWithError(error.toStdString().c_str());
                    return;
                }
                batch.clear();
            }
        }
    }
    for (auto _ : state) {
        auto log = ReviewLog::open(file, &error);
        const SkillMemory memory(log->states(), log->parameters());
        benchmark::DoNotOptimize(PracticePlanner(memory, {}).due(kNow).size());
    }
}
BENCHMARK(BM_OpenLogOf100000Reviews)->Unit(benchmark::kMillisecond);

// The published figures: 200 students, 14 evenings of 20 questions.
void BM_SchedulerSimulation(benchmark::State &state)
{
    study::SimulationOptions options;
    for (auto _ : state) {
        for (const study::SchedulerOutcome &o : study::simulate(options)) {
            const std::string name = study::schedulerName(o.scheduler).toStdString();
            state.counters[name + "_recall"] = 100 * o.recall;
            state.counters[name + "_weakest"] = 100 * o.weakest;
        }
    }
}
BENCHMARK(BM_SchedulerSimulation)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // Qt SQL loads its driver through the application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
