#include "ClassSimulator.h"

#include "Prng.h"
#include "SimulatedStudent.h"
#include "StudyQuestions.h"

#include "ClassStore.h"
#include "ReviewLog.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <deque>

namespace orvik3::study {

namespace {

constexpr qint64 kDay = practice::MemoryModel::kDayMs;
constexpr qint64 kEvening = 19 * 3600 * 1000LL;
constexpr qint64 kPerQuestion = 90 * 1000;
constexpr qint64 kStart = 1735689600000LL; // a fixed first day: runs are reproducible

// A student's strength, 0 (weak) to 1 (strong): what they know before practice and how
// fast they forget.
StudentProfile profileOf(double strength)
{
    StudentProfile p;
    p.forgetting = std::pow(2.0, 1 - 2 * strength);
    p.priorShift = 0.45 * strength - 0.15;
    return p;
}

// One student's evenings: first every question once in an order of their own, then again
// the ones they got wrong, then any.
std::vector<practice::Review> practise(const std::vector<StudyQuestion> &questions, const ClassSimulationOptions &o, int index)
{
    Prng draws(o.seed * 1000003 + quint64(index) * 7919 + 17);
    const double strength = double(draws.below(1001)) / 1000.0;
    SimulatedStudent student(profileOf(strength), draws.next());
    // Weak students slip even on what they know: a misread needle, a hurried turn.
    const int slips = int(std::lround(300 * (1 - strength)));
    std::vector<std::size_t> order(questions.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    for (std::size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[draws.below(i)]);
    std::deque<std::size_t> again;
    std::size_t fresh = 0;
    std::vector<practice::Review> out;
    for (int day = 0; day < o.days; ++day) {
        qint64 at = kStart + day * kDay + kEvening;
        for (int k = 0; k < o.perDay; ++k, at += kPerQuestion) {
            std::size_t pick = 0;
            if (fresh < order.size())
                pick = order[fresh++];
            else if (!again.empty())
                pick = again.front(), again.pop_front();
            else
                pick = std::size_t(draws.below(questions.size()));
            const StudyQuestion &q = questions[pick];
            bool allRight = true;
            for (const StudyRow &row : q.rows) {
                const bool knows = student.answer(skillIndex(row.skill), at) && !draws.chance(slips, 1000);
                // Half the mistakes are the row's typical one (its first wrong answer).
                const QString given = knows ? row.truth
                                            : row.wrong[draws.chance(1, 2) ? 0 : std::size_t(draws.below(quint64(row.wrong.size())))];
                const bool marked = row.key.contains(given);
                allRight = allRight && marked;
                out.push_back({at, QString::fromLatin1(row.skill->id), q.type, q.id, given,
                               marked ? practice::Outcome::Right : practice::Outcome::Wrong, qint32(8000 + draws.below(30000))});
            }
            if (!allRight)
                again.push_back(pick);
        }
    }
    return out;
}

} // namespace

std::optional<ClassSimulationOutcome> simulateClass(const ClassSimulationOptions &options, const QString &location,
                                                   QString *error, const std::function<void(int)> &progress)
{
    std::optional<std::vector<StudyQuestion>> questions = studyQuestions(options.base, error);
    if (!questions)
        return std::nullopt;
    if (questions->empty()) {
        *error = QStringLiteral("%1: no study-file questions").arg(options.base);
        return std::nullopt;
    }
    if (!options.misKey.isEmpty()) {
        const qsizetype colon = options.misKey.lastIndexOf(u':');
        bool ok = false;
        const int number = options.misKey.mid(colon + 1).toInt(&ok);
        if (colon < 1 || !ok || !misKey(*questions, options.misKey.left(colon), number, error)) {
            if (error->isEmpty())
                *error = QStringLiteral("--mis-key takes STUDYFILE:QUESTION, as hsi.sty:7");
            return std::nullopt;
        }
    }
    const std::unique_ptr<school::ClassStore> store = school::ClassStore::open(location, error);
    QTemporaryDir scratch;
    if (!store || !scratch.isValid()) {
        if (error->isEmpty())
            *error = QStringLiteral("cannot make a scratch folder");
        return std::nullopt;
    }
    ClassSimulationOutcome out;
    out.questions = int(questions->size());
    for (int s = 0; s < options.students; ++s) {
        const std::vector<practice::Review> reviews = practise(*questions, options, s);
        const QString pseudonym = QStringLiteral("student-%1").arg(s + 1, 3, 10, QLatin1Char('0'));
        const QString path = scratch.filePath(pseudonym + QStringLiteral(".sqlite"));
        {
            const std::unique_ptr<practice::ReviewLog> log = practice::ReviewLog::open(path, error, practice::ReviewLog::Durability::Scratch);
            if (!log || !log->append(reviews, error) || !store->publish(*log, pseudonym, error))
                return std::nullopt;
        }
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QLatin1String(suffix));
        out.reviews += qint64(reviews.size());
        ++out.students;
        if (progress)
            progress(out.students);
    }
    return out;
}

} // namespace orvik3::study
