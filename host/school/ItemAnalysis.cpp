#include "ItemAnalysis.h"

#include <orvik3/Skills.h>

#include <QSet>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace orvik3::school {

namespace {

// Rows that offer a fixed set of options, the same for every question of their kind.
bool isChoiceRow(RowKind kind)
{
    switch (kind) {
    case RowKind::StationSide:
    case RowKind::NeedleMovement:
    case RowKind::HoldingEntry:
    case RowKind::HoldingFirstTurn:
    case RowKind::ArcFirstTurn:
    case RowKind::AdfQdrTrend:
    case RowKind::AdfQdmTrend:
    case RowKind::InterceptDifference:
    case RowKind::InterceptTurn:
    case RowKind::InterceptHeading:
        return true;
    default:
        return false;
    }
}

struct Try {
    std::size_t student;
    bool right;
    const QString *answer;
};

using RowKey = std::tuple<qint16, int, int>; // type, question, skill

ItemRow analyseRow(int skill, const std::vector<Try> &tries, const std::vector<std::pair<int, int>> &scores,
                   const QSet<QString> &options)
{
    ItemRow row;
    row.skill = skill;
    row.students = int(tries.size());
    std::vector<double> x, y;
    int right = 0;
    std::map<QString, AnswerCount> answers;
    for (const Try &t : tries) {
        right += t.right;
        AnswerCount &a = answers[*t.answer];
        a.answer = *t.answer;
        ++a.count;
        a.right = a.right || t.right;
        const auto [sum, count] = scores[t.student];
        if (count > 1) {
            x.push_back(t.right);
            y.push_back(double(sum - t.right) / (count - 1));
        }
    }
    row.difficulty = tries.empty() ? 0 : double(right) / double(tries.size());
    if (const std::optional<double> r = correlation(x, y)) {
        row.discrimination = *r;
        row.discriminationKnown = true;
    }
    for (auto &[text, a] : answers)
        row.answers.push_back(a);
    std::stable_sort(row.answers.begin(), row.answers.end(), [](const AnswerCount &a, const AnswerCount &b) { return a.count > b.count; });
    if (row.students < kMinStudents)
        return row;
    if (row.discriminationKnown && row.discrimination < kNegativeDiscrimination)
        row.flags << QStringLiteral("negative-discrimination");
    if (std::any_of(row.answers.begin(), row.answers.end(), [&](const AnswerCount &a) { return !a.right && a.count > right; }))
        row.flags << QStringLiteral("distractor-above-key");
    // Only where every option would be chosen kMinExpected times if the wrong answers fell
    // on them evenly is one that nobody chose worth a look.
    const int wrong = row.students - right;
    if (!options.isEmpty() && wrong >= kMinExpected * options.size())
        for (const QString &option : options)
            if (!answers.count(option)) {
                row.flags << QStringLiteral("unchosen-distractor");
                break;
            }
    return row;
}

} // namespace

std::optional<double> correlation(const std::vector<double> &x, const std::vector<double> &y)
{
    const std::size_t n = std::min(x.size(), y.size());
    if (n < 3)
        return std::nullopt;
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < n; ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= double(n);
    my /= double(n);
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    if (sxx <= 1e-12 || syy <= 1e-12)
        return std::nullopt;
    return sxy / std::sqrt(sxx * syy);
}

std::vector<ItemStats> analyseItems(const std::vector<StudentRecord> &students)
{
    std::map<RowKey, std::vector<Try>> rows;
    std::vector<std::pair<int, int>> scores(students.size()); // right, tried
    std::map<std::pair<qint16, RowKind>, QSet<QString>> options; // right answers of choice rows, by type
    for (std::size_t s = 0; s < students.size(); ++s)
        for (const FirstTry &t : students[s].firstTries) {
            rows[{t.type, t.question, t.skill}].push_back({s, t.right, &t.answer});
            scores[s].first += t.right;
            ++scores[s].second;
            const RowKind kind = skills()[std::size_t(t.skill)].row;
            if (t.right && isChoiceRow(kind))
                options[{t.type, kind}].insert(t.answer);
        }
    std::vector<ItemStats> items;
    for (const auto &[key, tries] : rows) {
        const auto [type, question, skill] = key;
        if (items.empty() || items.back().type != type || items.back().question != question) {
            ItemStats item;
            item.type = type;
            item.question = question;
            const ExerciseType *t = exerciseType(type);
            item.file = t ? QString::fromLatin1(t->germanFile) : QString();
            items.push_back(item);
        }
        QSet<QString> distractors;
        const RowKind kind = skills()[std::size_t(skill)].row;
        if (isChoiceRow(kind))
            distractors = options[{type, kind}];
        for (const Try &t : tries)
            if (t.right)
                distractors.remove(*t.answer);
        items.back().rows.push_back(analyseRow(skill, tries, scores, distractors));
    }
    for (ItemStats &item : items) {
        int right = 0, tried = 0;
        for (const ItemRow &r : item.rows) {
            item.students = std::max(item.students, r.students);
            right += int(std::lround(r.difficulty * r.students));
            tried += r.students;
            if (r.discriminationKnown && (!item.discriminationKnown || r.discrimination < item.discrimination)) {
                item.discrimination = r.discrimination;
                item.discriminationKnown = true;
            }
            for (const QString &f : r.flags)
                if (!item.flags.contains(f))
                    item.flags << f;
        }
        item.difficulty = tried ? double(right) / tried : 0;
    }
    return items;
}

} // namespace orvik3::school
