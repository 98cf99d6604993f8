#include "PracticePlanner.h"

#include <algorithm>
#include <deque>

namespace orvik3::practice {

namespace {

// SplitMix64: the same draws everywhere, enough for choosing among a few types.
struct Draws {
    quint64 state;
    quint64 next()
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
};

RowSituation situationOf(const Skill &s) { return {s.entry, s.hand}; }

} // namespace

std::vector<const Skill *> PracticePlanner::due(qint64 now) const
{
    std::vector<std::pair<double, int>> found;
    for (int i = 0; i < m_memory.size(); ++i)
        if (m_memory.state(i).known() && m_memory.recall(i, now) < m_options.target)
            found.push_back({m_memory.recall(i, now), i});
    std::stable_sort(found.begin(), found.end());
    std::vector<const Skill *> out;
    for (const auto &f : found)
        out.push_back(&skills()[std::size_t(f.second)]);
    return out;
}

std::vector<int> PracticePlanner::priorities(qint64 now) const
{
    std::vector<int> out;
    for (const Skill *s : due(now))
        out.push_back(skillIndex(s));
    // New skills a few at a time, one family after another.
    std::vector<std::deque<int>> fresh(5);
    for (int i = 0; i < m_memory.size(); ++i)
        if (!m_memory.state(i).known())
            fresh[std::size_t(skills()[std::size_t(i)].family)].push_back(i);
    for (int taken = 0; taken < m_options.newPerSet;) {
        bool any = false;
        for (auto &family : fresh) {
            if (family.empty() || taken >= m_options.newPerSet)
                continue;
            out.push_back(family.front());
            family.pop_front();
            ++taken;
            any = true;
        }
        if (!any)
            break;
    }
    // Then the known skills not yet due, the weakest first.
    std::vector<std::pair<double, int>> rest;
    for (int i = 0; i < m_memory.size(); ++i)
        if (m_memory.state(i).known() && m_memory.recall(i, now) >= m_options.target)
            rest.push_back({m_memory.recall(i, now), i});
    std::stable_sort(rest.begin(), rest.end());
    for (const auto &r : rest)
        out.push_back(r.second);
    return out;
}

std::vector<PlannedQuestion> PracticePlanner::todaySet(qint64 now) const
{
    const std::vector<int> order = priorities(now);
    std::vector<PlannedQuestion> out;
    if (order.empty())
        return out;
    Draws draws{m_options.seed};
    std::vector<bool> covered(skills().size());
    while (int(out.size()) < m_options.size) {
        bool asked = false;
        for (const int index : order) {
            if (int(out.size()) >= m_options.size)
                break;
            if (covered[std::size_t(index)])
                continue;
            const Skill *skill = &skills()[std::size_t(index)];
            // A holding asks for an entry whatever skill it is for: the one needed most.
            if (skill->row != RowKind::HoldingEntry && skill->trainedBy(3)) {
                for (const int other : order) {
                    const Skill &s = skills()[std::size_t(other)];
                    if (s.row == RowKind::HoldingEntry && !covered[std::size_t(other)]) {
                        skill = &s;
                        break;
                    }
                }
            }
            const std::vector<qint16> types = typesTraining(*skill);
            const qint16 type = types[draws.next() % types.size()];
            out.push_back({type, skill, draws.next()});
            for (const Skill *s : skillsOfQuestion(type, situationOf(*skill)))
                covered[std::size_t(skillIndex(s))] = true;
            covered[std::size_t(index)] = true;
            asked = true;
        }
        if (!asked || std::all_of(order.begin(), order.end(), [&](int i) { return covered[std::size_t(i)]; }))
            covered.assign(covered.size(), false); // every skill had its turn: round again
    }
    return interleave(std::move(out));
}

std::vector<Comeback> PracticePlanner::comebacks(const std::vector<const Skill *> &reviewed) const
{
    std::vector<Comeback> out;
    for (const Skill *s : reviewed) {
        const int i = skillIndex(s);
        if (i < 0 || !m_memory.state(i).known()
            || std::any_of(out.begin(), out.end(), [&](const Comeback &c) { return c.skill == s; }))
            continue;
        out.push_back({s, m_memory.model().dueAt(m_memory.state(i), m_options.target)});
    }
    std::stable_sort(out.begin(), out.end(), [](const Comeback &a, const Comeback &b) { return a.at < b.at; });
    return out;
}

std::vector<PlannedQuestion> interleave(std::vector<PlannedQuestion> questions)
{
    std::vector<std::deque<PlannedQuestion>> byFamily(5);
    std::vector<std::deque<std::size_t>> places(5); // the questions' first places, for ties
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const auto f = std::size_t(questions[i].skill->family);
        byFamily[f].push_back(questions[i]);
        places[f].push_back(i);
    }
    std::vector<PlannedQuestion> mixed;
    int last = -1;
    while (mixed.size() < questions.size()) {
        int pick = -1;
        for (int f = 0; f < 5; ++f) {
            if (byFamily[std::size_t(f)].empty() || (f == last && mixed.size() + byFamily[std::size_t(f)].size() < questions.size()))
                continue;
            if (pick < 0 || byFamily[std::size_t(f)].size() > byFamily[std::size_t(pick)].size()
                || (byFamily[std::size_t(f)].size() == byFamily[std::size_t(pick)].size()
                    && places[std::size_t(f)].front() < places[std::size_t(pick)].front()))
                pick = f;
        }
        mixed.push_back(byFamily[std::size_t(pick)].front());
        byFamily[std::size_t(pick)].pop_front();
        places[std::size_t(pick)].pop_front();
        last = pick;
    }
    // No skill three times in a row: move a later, different one forward, or drop the third.
    for (std::size_t i = 2; i < mixed.size();) {
        const Skill *s = mixed[i].skill;
        if (mixed[i - 1].skill != s || mixed[i - 2].skill != s) {
            ++i;
            continue;
        }
        const auto other = std::find_if(mixed.begin() + std::ptrdiff_t(i), mixed.end(),
                                        [&](const PlannedQuestion &q) { return q.skill != s; });
        if (other == mixed.end())
            mixed.erase(mixed.begin() + std::ptrdiff_t(i));
        else
            std::rotate(mixed.begin() + std::ptrdiff_t(i), other, other + 1);
    }
    return mixed;
}

} // namespace orvik3::practice
