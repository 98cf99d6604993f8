// Every answer row of every type has its why, and the why leads to the answer the panel
// gives: read off the panel of the sample installation once its solution is out, question
// after question, and checked against the rules written out here.
#include "explain/SolutionExplainer.h"
#include "situation/Situation.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/QAform.h>
#include <orvik3/SettingsStore.h>

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

QString shown(const QAform &form, const char *name)
{
    const FormControl &c = form.control(QLatin1String(name));
    return (c.kind() == ControlKind::TextBox ? c.text() : c.caption()).simplified();
}

// The words of a panel's answer, in either language, and what a why says that leads to it.
const std::vector<std::pair<QStringList, QStringList>> kWords = {
    {{"rechts", "right"}, {"right"}},
    {{"links", "left"}, {"left"}},
    {{"vorne"}, {"ahead"}},
    {{"hinten"}, {"behind"}},
    {{"grösser", "größer", "increase"}, {"increase", "larger", "greater"}},
    {{"kleiner", "decrease"}, {"decrease", "smaller", "less"}},
    {{"gleich", "maintain"}, {"same", "maintain", "equal", "stays"}},
    {{"direct", "parallel", "offset"}, {"direct", "parallel", "offset"}},
    {{"Head"}, {"headwind"}},
    {{"Tail"}, {"tailwind"}},
};

QList<double> numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d+(?:\\.\\d+)?"));
    QList<double> out;
    for (auto it = number.globalMatch(text); it.hasNext();)
        out << it.next().captured().toDouble();
    return out;
}

// Whether `why` names what the answer says: each of its words (one of the same meaning) and
// each of its numbers (a bearing the same modulo 360, a wind value as rounded, a time as m:ss).
bool leadsTo(const QString &why, const QString &answer)
{
    if (answer.contains(QLatin1String("min")))
        return why.contains(QString(answer.section(u' ', 0, 0)).replace(u'.', u':'));
    for (const auto &[said, meant] : kWords)
        for (const QString &w : said)
            if (answer.contains(w, Qt::CaseInsensitive)
                && std::none_of(meant.begin(), meant.end(), [&](const QString &m) { return why.contains(m, Qt::CaseInsensitive); }))
                return false;
    const QList<double> inWhy = numbersIn(why);
    for (double n : numbersIn(answer))
        if (std::none_of(inWhy.begin(), inWhy.end(), [&](double w) {
                return std::lround(w) == std::lround(n) || (std::lround(w) - std::lround(n)) % 360 == 0;
            }))
            return false;
    return true;
}

class RowWhy : public ::testing::TestWithParam<int> {};

TEST_P(RowWhy, EveryRowSaysWhyItsAnswerIsRight)
{
    const ExerciseType &type = *exerciseType(qint16(GetParam()));
    Services services;
    services.settings = std::make_shared<MemorySettingsStore>();
    QAform form(services);
    form.InitProperties();
    form.setC_MainAppPath(QStringLiteral(ORVIK3_SAMPLE_DATA_DIR));
    form.setC_QAtype(type.type);
    const FamilyControls &c = familyControls(type.family);
    for (int round = 0; round < 30; ++round) {
        ASSERT_TRUE(form.control(QLatin1String(c.showSolution)).click());
        const Explanation e = SolutionExplainer::explain(form, loadSituation(form.c_QASessionFileName(), type.type));
        ASSERT_EQ(e.whys.size(), qsizetype(type.rows.size()));
        for (std::size_t k = 0; k < type.rows.size(); ++k) {
            // "+A+B+": either answer is right on a quarter's edge.
            const QStringList answers = shown(form, type.rows[k].result).split(u'+', Qt::SkipEmptyParts);
            EXPECT_TRUE(std::any_of(answers.begin(), answers.end(), [&](const QString &a) { return leadsTo(e.whys[k], a); }))
                << "question " << form.currentQuestion() << " row " << k + 1 << ": " << answers.join(u'|').toStdString()
                << " <- " << e.whys[k].toStdString();
        }
        // Numbers as pilots write them: no "- 0", headings and bearings in three digits.
        static const QRegularExpression shortNumber(QStringLiteral("(- 0|[^\\d.]\\d{1,2})$"));
        for (const QString &a : e.answers)
            EXPECT_FALSE(a.contains(shortNumber) && (type.family != Family::Wind || a.endsWith(QLatin1String("- 0")))) << a.toStdString();
        // The intercept heading of the double-offset rule is the one the question file holds (its
        // third line, column 18).
        const QString heading = form.qaCol(18, form.currentQuestion()).trimmed();
        if (type.family == Family::QdmQdr)
            EXPECT_TRUE(e.whys[3].contains(QStringLiteral(" × ")) && e.whys[3].contains(QStringLiteral("= ") + heading))
                << e.whys[3].toStdString() << " lacks " << heading.toStdString();
        form.control(QLatin1String(c.next)).click();
    }
}

INSTANTIATE_TEST_SUITE_P(Types, RowWhy, ::testing::Range(1, 15), [](const auto &info) { return "type" + std::to_string(info.param); });

} // namespace
