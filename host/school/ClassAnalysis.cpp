#include "ClassAnalysis.h"

#include "ItemAnalysis.h"

#include <orvik3/Skills.h>

#include <QSet>

#include <algorithm>
#include <map>

namespace orvik3::school {

int studyQuestionNumber(qint16 type, const QString &question)
{
    const ExerciseType *t = exerciseType(type);
    const qsizetype blank = question.indexOf(u' ');
    if (!t || blank < 0 || question.left(blank) != QLatin1String(t->statsPrefix))
        return 0;
    bool ok = false;
    const int n = question.mid(blank + 1).toInt(&ok);
    return ok && n >= 1 && n <= 301 ? n : 0;
}

int ClassData::reviews() const
{
    int n = 0;
    for (const DayCount &d : days)
        n += d.reviews;
    return n;
}

namespace {

StudentSummary summarise(const StudentRecord &r, qint64 exam)
{
    StudentSummary s;
    s.pseudonym = r.pseudonym;
    s.source = r.source;
    const practice::MemoryModel model;
    const std::size_t n = skills().size();
    s.recall.assign(n, 0);
    std::array<int, 5> skillsOf{};
    for (std::size_t i = 0; i < n; ++i) {
        const auto it = r.states.find(int(i));
        s.recall[i] = it == r.states.end() ? 0 : model.recallAt(it->second, exam);
        const auto f = std::size_t(skills()[i].family);
        s.families[f].readiness += s.recall[i];
        ++skillsOf[f];
        s.readiness += s.recall[i];
    }
    for (std::size_t f = 0; f < 5; ++f)
        s.families[f].readiness /= std::max(skillsOf[f], 1);
    s.readiness /= double(n);
    for (const auto &[skill, figures] : r.skills) {
        FamilyFigures &f = s.families[std::size_t(skills()[std::size_t(skill)].family)];
        f.reviews += figures.reviews;
        f.right += figures.right;
        s.reviews += figures.reviews;
        s.right += figures.right;
        s.lastPractice = std::max(s.lastPractice, figures.last);
    }
    return s;
}

} // namespace

ClassData analyseClass(ClassRecords records, qint64 exam)
{
    ClassData out;
    out.exam = exam;
    out.problems = std::move(records.problems);
    std::vector<StudentRecord> students;
    std::map<QString, QString> seen;
    for (StudentRecord &r : records.students) {
        const auto [it, fresh] = seen.emplace(r.pseudonym, r.source);
        if (!fresh) {
            out.problems.push_back({r.source, QStringLiteral("the pseudonym '%1' is taken by %2; left out").arg(r.pseudonym, it->second)});
            continue;
        }
        students.push_back(std::move(r));
    }
    std::sort(students.begin(), students.end(), [](const StudentRecord &a, const StudentRecord &b) { return a.pseudonym < b.pseudonym; });

    const std::size_t n = skills().size();
    out.skills.resize(n);
    for (const StudentRecord &r : students) {
        out.students.push_back(summarise(r, exam));
        for (std::size_t i = 0; i < n; ++i)
            out.skills[i].recall += out.students.back().recall[i];
        for (const auto &[skill, f] : r.skills) {
            out.skills[std::size_t(skill)].reviews += f.reviews;
            out.skills[std::size_t(skill)].right += f.right;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        out.skills[i].skill = int(i);
        out.skills[i].recall /= std::max<double>(double(students.size()), 1);
    }
    std::stable_sort(out.skills.begin(), out.skills.end(), [](const SkillSummary &a, const SkillSummary &b) { return a.recall < b.recall; });
    for (const auto &[day, count] : records.days)
        out.days.push_back({day, count});
    out.items = analyseItems(records.rows.empty() ? rowFigures(students) : std::move(records.rows));
    return out;
}

} // namespace orvik3::school
