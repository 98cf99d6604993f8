#include "ParameterFit.h"

#include <orvik3/Skills.h>

#include <algorithm>
#include <cmath>

namespace orvik3::practice {

namespace {

struct Event {
    int skill;
    qint64 at;
    Grade grade;
};

std::vector<Event> events(const std::vector<Review> &reviews)
{
    std::vector<Event> out;
    out.reserve(reviews.size());
    for (const Review &r : reviews)
        if (const int i = skillIndex(skillById(r.skill)); i >= 0)
            out.push_back({i, r.at, gradeOf(r.outcome, r.millis)});
    return out;
}

double loss(const std::vector<Event> &events, const MemoryParameters &parameters)
{
    const MemoryModel model(parameters);
    std::vector<MemoryState> states(skills().size());
    double sum = 0;
    int n = 0;
    for (const Event &e : events) {
        MemoryState &s = states[std::size_t(e.skill)];
        if (s.known()) {
            const double p = std::clamp(model.recallAt(s, e.at), 1e-4, 1 - 1e-4);
            sum -= e.grade == Grade::Again ? std::log(1 - p) : std::log(p);
            ++n;
        }
        s = model.review(s, e.grade, e.at);
    }
    return n ? sum / n : 0;
}

} // namespace

double logLoss(const std::vector<Review> &reviews, const MemoryParameters &parameters)
{
    return loss(events(reviews), parameters);
}

std::optional<FitResult> fitParameters(const std::vector<Review> &reviews, const MemoryParameters &start, int minimumReviews)
{
    if (int(reviews.size()) < minimumReviews)
        return std::nullopt;
    const std::vector<Event> all = events(reviews);
    FitResult fit{start, loss(all, start), 0};
    double best = fit.lossBefore;
    // Steps are shares of each parameter's range, halved whenever a whole pass finds nothing
    // better; a parameter the log says nothing about stays where it was.
    for (double step = 0.1; step > 0.002; step /= 2) {
        bool improved = true;
        for (int pass = 0; improved && pass < 8; ++pass) {
            improved = false;
            for (int i = 0; i < MemoryParameters::kCount; ++i) {
                const double lo = MemoryParameters::lowest(i), hi = MemoryParameters::highest(i);
                for (const double sign : {1.0, -1.0}) {
                    MemoryParameters candidate = fit.parameters;
                    double &w = candidate.w[std::size_t(i)];
                    // The first stabilities span days to months: they move by factors.
                    w = std::clamp(i < 4 ? w * std::exp(sign * 3 * step) : w + sign * step * (hi - lo), lo, hi);
                    if (w == fit.parameters.w[std::size_t(i)])
                        continue;
                    const double l = loss(all, candidate);
                    if (l < best - 1e-9) {
                        best = l;
                        fit.parameters = candidate;
                        improved = true;
                        break;
                    }
                }
            }
        }
    }
    fit.lossAfter = best;
    return fit;
}

} // namespace orvik3::practice
