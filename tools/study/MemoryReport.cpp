#include "MemoryReport.h"

#include "ParameterFit.h"
#include "PracticePlanner.h"
#include "Readiness.h"
#include "ReviewLog.h"

#include <QDateTime>
#include <QFileInfo>

#include <optional>

namespace orvik3::study {

using namespace practice;

namespace {
QString day(qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd")); }
QString percent(double share) { return QString::number(qRound(100 * share)) + u'%'; }
} // namespace

std::optional<QString> memoryReport(const MemoryReportOptions &options, QString *error)
{
    // Reading never makes a log: a mistyped name is an error, not a new empty log.
    if (!QFileInfo(options.log).isFile()) {
        *error = QStringLiteral("%1: no review log").arg(options.log);
        return std::nullopt;
    }
    const std::unique_ptr<ReviewLog> log = ReviewLog::open(options.log, error);
    if (!log)
        return std::nullopt;
    QString out;
    if (options.fit) {
        const std::vector<Review> reviews = log->reviews();
        const std::optional<FitResult> fit = fitParameters(reviews, log->parameters());
        if (!fit)
            out += QStringLiteral("too few reviews to fit: %1 of %2\n").arg(reviews.size()).arg(kMinimumReviewsToFit);
        else if (!log->setParameters(fit->parameters, error))
            return std::nullopt;
        else
            out += QStringLiteral("fitted to %1 reviews: log-loss %2 -> %3\n")
                       .arg(reviews.size()).arg(fit->lossBefore, 0, 'f', 4).arg(fit->lossAfter, 0, 'f', 4);
    }
    const SkillMemory memory(log->states(), log->parameters());
    const PlanOptions plan;
    const PracticePlanner planner(memory, plan);
    out += QStringLiteral("%1 reviews, %2 skills due\n").arg(log->count()).arg(planner.due(options.now).size());
    for (int i = 0; i < memory.size(); ++i) {
        const MemoryState &s = memory.state(i);
        const qint64 due = memory.model().dueAt(s, plan.target);
        out += QStringLiteral("%1 %2 %3\n")
                   .arg(QLatin1String(skills()[std::size_t(i)].id), -34)
                   .arg(s.known() ? percent(memory.recall(i, options.now)) : QStringLiteral("-"), 5)
                   .arg(!s.known() ? QStringLiteral("new") : due <= options.now ? QStringLiteral("due") : day(due));
    }
    if (options.exam > 0) {
        const Readiness r = readinessAt(memory, options.exam);
        QStringList parts;
        for (const FamilyReadiness &f : r.families)
            parts << familyKey(f.family) + u' ' + percent(f.share);
        out += QStringLiteral("readiness on %1: %2, overall %3\n").arg(day(options.exam), parts.join(QStringLiteral(", ")), percent(r.overall));
    }
    return out;
}

} // namespace orvik3::study
