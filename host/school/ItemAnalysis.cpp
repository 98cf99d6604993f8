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

RowKind kindOf(int skill) { return skills()[std::size_t(skill)].row; }

ItemRow analyseRow(const RowFigures &f, const QSet<QString> &options)
{
    ItemRow row;
    row.skill = f.skill;
    row.students = f.students;
    row.difficulty = f.students ? double(f.right) / f.students : 0;
    row.discriminationKnown = f.discrimination.has_value();
    row.discrimination = f.discrimination.value_or(0);
    row.answers = f.answers;
    std::stable_sort(row.answers.begin(), row.answers.end(), [](const AnswerCount &a, const AnswerCount &b) { return a.count > b.count; });
    if (row.students < kMinStudents)
        return row;
    if (row.discriminationKnown && row.discrimination < kNegativeDiscrimination)
        row.flags << QStringLiteral("negative-discrimination");
    if (std::any_of(row.answers.begin(), row.answers.end(), [&](const AnswerCount &a) { return !a.right && a.count > f.right; }))
        row.flags << QStringLiteral("distractor-above-key");
    // Only where every option would be chosen kMinExpected times if the wrong answers fell
    // on them evenly is one that nobody chose worth a look.
    QSet<QString> unchosen = options;
    for (const AnswerCount &a : row.answers)
        unchosen.remove(a.answer);
    if (!unchosen.isEmpty() && f.students - f.right >= kMinExpected * options.size())
        row.flags << QStringLiteral("unchosen-distractor");
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

std::vector<RowFigures> rowFigures(const std::vector<StudentRecord> &students)
{
    struct Try {
        std::size_t student;
        const FirstTry *first;
    };
    std::map<std::tuple<qint16, int, int>, std::vector<Try>> rows;
    std::vector<std::pair<int, int>> scores(students.size()); // right, tried
    for (std::size_t s = 0; s < students.size(); ++s)
        for (const FirstTry &t : students[s].firstTries) {
            rows[{t.type, t.question, t.skill}].push_back({s, &t});
            scores[s].first += t.right;
            ++scores[s].second;
        }
    std::vector<RowFigures> out;
    for (const auto &[key, tries] : rows) {
        RowFigures f;
        std::tie(f.type, f.question, f.skill) = key;
        f.students = int(tries.size());
        std::vector<double> x, y;
        std::map<QString, AnswerCount> answers;
        for (const Try &t : tries) {
            f.right += t.first->right;
            AnswerCount &a = answers[t.first->answer];
            a.answer = t.first->answer;
            ++a.count;
            a.right = a.right || t.first->right;
            // The student's score on every other row: the corrected item-total.
            const auto [sum, count] = scores[t.student];
            if (count > 1) {
                x.push_back(t.first->right);
                y.push_back(double(sum - t.first->right) / (count - 1));
            }
        }
        f.discrimination = correlation(x, y);
        for (auto &[text, a] : answers)
            f.answers.push_back(std::move(a));
        out.push_back(std::move(f));
    }
    return out;
}

std::vector<ItemStats> analyseItems(std::vector<RowFigures> rows)
{
    std::sort(rows.begin(), rows.end(), [](const RowFigures &a, const RowFigures &b) {
        return std::tie(a.type, a.question, a.skill) < std::tie(b.type, b.question, b.skill);
    });
    // The options of a choice row: its kind's answers right in some question of the file.
    std::map<std::pair<qint16, RowKind>, QSet<QString>> options;
    for (const RowFigures &r : rows)
        if (isChoiceRow(kindOf(r.skill)))
            for (const AnswerCount &a : r.answers)
                if (a.right)
                    options[{r.type, kindOf(r.skill)}].insert(a.answer);
    std::vector<ItemStats> items;
    for (const RowFigures &r : rows) {
        if (items.empty() || items.back().type != r.type || items.back().question != r.question) {
            ItemStats item;
            item.type = r.type;
            item.question = r.question;
            const ExerciseType *t = exerciseType(r.type);
            item.file = t ? QString::fromLatin1(t->germanFile) : QString();
            items.push_back(item);
        }
        QSet<QString> distractors;
        if (isChoiceRow(kindOf(r.skill)))
            distractors = options[{r.type, kindOf(r.skill)}];
        for (const AnswerCount &a : r.answers)
            if (a.right)
                distractors.remove(a.answer);
        items.back().rows.push_back(analyseRow(r, distractors));
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
