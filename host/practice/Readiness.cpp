#include "Readiness.h"

namespace orvik3::practice {

Readiness readinessAt(const SkillMemory &memory, qint64 exam)
{
    Readiness out;
    for (int f = 0; f < 5; ++f)
        out.families.push_back({Family(f), 0, 0});
    for (int i = 0; i < memory.size(); ++i) {
        FamilyReadiness &f = out.families[std::size_t(skills()[std::size_t(i)].family)];
        const double r = memory.recall(i, exam);
        f.share += r;
        ++f.skills;
        out.overall += r;
    }
    for (FamilyReadiness &f : out.families)
        f.share = f.skills ? f.share / f.skills : 0;
    out.overall = memory.size() ? out.overall / memory.size() : 0;
    return out;
}

std::vector<int> reviewForecast(const SkillMemory &memory, qint64 dayStart, int days, double target)
{
    std::vector<int> out(std::size_t(std::max(days, 0)));
    const qint64 end = dayStart + qint64(days) * MemoryModel::kDayMs;
    for (int i = 0; i < memory.size(); ++i) {
        MemoryState s = memory.state(i);
        if (!s.known())
            continue;
        qint64 due = std::max(memory.model().dueAt(s, target), dayStart);
        while (due < end) {
            ++out[std::size_t((due - dayStart) / MemoryModel::kDayMs)];
            s = memory.model().review(s, Grade::Good, due);
            // Reviewed at the earliest on the next day: a skill due again the same evening
            // is asked once.
            due = std::max(memory.model().dueAt(s, target), dayStart + ((due - dayStart) / MemoryModel::kDayMs + 1) * MemoryModel::kDayMs);
        }
    }
    return out;
}

} // namespace orvik3::practice
