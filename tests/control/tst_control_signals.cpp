// The host learns what happened on the panel from two kinds of signal: a host's own property
// write raises the property's ...Changed notice; the panel's handlers store their fields
// directly and raise fieldWritten instead, once for every new value and never without one.
// Selecting a type runs its steps in a fixed order, which the host sees at those signals.
// The verdicts come typed: a row judged, the solution shown, a question closed by "Weiter".
#include "control/QAformTestAccess_p.h"
#include "../exercises/PanelFamilies.h"

#include <QMetaMethod>
#include <QSignalSpy>

#include <map>
#include <memory>

using namespace orvik3;
using namespace orvik3::test;

namespace {

// A spy on every ...Changed signal of the control, by property name, and on fieldWritten,
// counted as "wrote <property>".
class ChangeSpies
{
public:
    explicit ChangeSpies(QAform &form)
    {
        QObject::connect(&form, &QAform::fieldWritten,
                         [this](const QString &property) { ++m_written["wrote " + property.toStdString()]; });
        const QMetaObject *meta = form.metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod m = meta->method(i);
            const QByteArray name = m.name();
            if (m.methodType() == QMetaMethod::Signal && name.endsWith("Changed"))
                m_spies[name.chopped(7).toStdString()] = std::make_unique<QSignalSpy>(&form, m);
        }
    }
    std::map<std::string, int> counts() const
    {
        std::map<std::string, int> out;
        for (const auto &[name, spy] : m_spies)
            if (spy->count() > 0)
                out[name] = int(spy->count());
        for (const auto &[name, n] : m_written)
            out[name] = n;
        return out;
    }
    std::size_t size() const { return m_spies.size(); }

private:
    std::map<std::string, std::unique_ptr<QSignalSpy>> m_spies;
    std::map<std::string, int> m_written;
};

struct SignalRow {
    const char *name;
    std::function<void(TestHost &)> act;
    std::map<std::string, int> fired; // every other notice stays silent
    qint16 showResult;
};

void PrintTo(const SignalRow &row, std::ostream *os) { *os << row.name; }

void click(TestHost &host, const char *name)
{
    ASSERT_TRUE(host.ctl(QLatin1String(name)).click()) << name;
}

void answerAll(TestHost &host, bool right)
{
    for (int row = 1; row <= 4; ++row)
        answerWindRow(host, row, right);
}

class ChangeNotices : public ::testing::TestWithParam<SignalRow>
{
};

// Two wind questions in file order; the host has cleared c_showResult, as it does.
TEST_P(ChangeNotices, FireExactlyWhenTheValueChanges)
{
    const SignalRow &row = GetParam();
    TestHost host;
    host.writeStudyFile("wind.sty", studyLines({WindRecord{}.values(), WindRecord{}.values()}));
    QAform &f = host.select(8);
    f.setC_showResult(0);
    ChangeSpies spies(f);
    ASSERT_EQ(spies.size(), 13u);

    row.act(host);

    EXPECT_EQ(spies.counts(), row.fired);
    EXPECT_EQ(f.c_showResult(), row.showResult);
}

INSTANTIATE_TEST_SUITE_P(Panel, ChangeNotices, ::testing::Values(
    SignalRow{"solution shown", [](TestHost &h) { click(h, "Command11"); }, {{"wrote c_showResult", 1}}, 6},
    SignalRow{"solution shown twice", [](TestHost &h) { click(h, "Command11"); click(h, "Command11"); },
              {{"wrote c_showResult", 1}}, 6},
    SignalRow{"one row wrong", [](TestHost &h) { answerWindRow(h, 1, false); }, {}, 0},
    SignalRow{"all rows right", [](TestHost &h) { answerAll(h, true); }, {{"wrote c_showResult", 1}}, 6},
    // File order: a wrong answer brings the same question, and so the same session, back.
    SignalRow{"next after wrong", [](TestHost &h) { answerAll(h, false); click(h, "Command12"); },
              {{"wrote c_showResult", 1}}, 2},
    SignalRow{"next after right", [](TestHost &h) { answerAll(h, true); click(h, "Command12"); },
              {{"wrote c_showResult", 2}, {"wrote c_QASessionFileName", 1}}, 2},
    SignalRow{"next with nothing answered", [](TestHost &h) { click(h, "Command12"); },
              {{"wrote c_showResult", 1}, {"wrote c_QASessionFileName", 1}}, 2},
    SignalRow{"next twice", [](TestHost &h) { click(h, "Command12"); click(h, "Command12"); },
              {{"wrote c_showResult", 1}, {"wrote c_QASessionFileName", 2}}, 2},
    SignalRow{"fly request", [](TestHost &h) { click(h, "Command14"); },
              {{"wrote c_QAFly", 1}, {"wrote c_TrackDelta", 1}, {"wrote c_showResult", 1}}, 4},
    SignalRow{"cancel", [](TestHost &h) { click(h, "Command13"); }, {{"wrote c_QAtype", 1}}, 0},
    // A host's own write: its notice only, whatever the panel does with it.
    SignalRow{"host gives back the panel", [](TestHost &h) { h.form().setC_QAFly(-4); }, {{"c_QAFly", 1}}, 0}));

// What the host can see when selecting a type: at the type's notice nothing has happened yet;
// at the session's notice the family frame is up, the study file loaded and the random order
// drawn (the question shown is the second of the order, the order's draws 0.1 and 0.6 put
// question 1 there).
struct SelectRow {
    const char *name;
    qint16 type;
    const char *randomBox, *frame, *otherFrame;
};

void PrintTo(const SelectRow &row, std::ostream *os) { *os << row.name; }

class SelectionOrder : public ::testing::TestWithParam<SelectRow>
{
};

TEST_P(SelectionOrder, SelectLoadOrderDisplay)
{
    const SelectRow &row = GetParam();
    TestHost host({0.1f, 0.6f});
    if (row.type == 8)
        host.writeStudyFile("wind.sty", studyLines({WindRecord{}.values(), WindRecord{}.values()}));
    else
        writePositionFile(host, row.type, {{"000", "000", ""}, {"000", "000", ""}});
    QAform &f = host.form();
    host.ctl(QLatin1String(row.randomBox)).setValue(1);
    host.ctl(QLatin1String(row.frame)).setVisible(false);
    host.ctl(QLatin1String(row.otherFrame)).setVisible(true);

    struct Seen {
        bool frameShown, otherShown;
        qint16 lastQuestion, order1, current;
    };
    std::vector<std::pair<std::string, Seen>> seen;
    auto look = [&](const char *when) {
        seen.emplace_back(when, Seen{host.ctl(QLatin1String(row.frame)).isVisible(),
                                     host.ctl(QLatin1String(row.otherFrame)).isVisible(), f.lastQuestion(),
                                     QAformTestAccess(f).questionOrder(1), f.currentQuestion()});
    };
    QObject::connect(&f, &QAform::c_QAtypeChanged, [&] { look("type"); });
    QObject::connect(&f, &QAform::fieldWritten, [&](const QString &property) {
        if (property == QLatin1String("c_QASessionFileName"))
            look("session");
    });
    host.select(row.type);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, "type");
    EXPECT_FALSE(seen[0].second.frameShown);
    EXPECT_TRUE(seen[0].second.otherShown);
    EXPECT_EQ(seen[0].second.lastQuestion, -1);
    EXPECT_EQ(seen[1].first, "session");
    EXPECT_TRUE(seen[1].second.frameShown);
    EXPECT_FALSE(seen[1].second.otherShown);
    EXPECT_EQ(seen[1].second.lastQuestion, 1);
    EXPECT_EQ(seen[1].second.order1, 1);
    EXPECT_EQ(seen[1].second.current, 1);
    EXPECT_TRUE(f.questionShown());
    EXPECT_TRUE(f.c_QASessionFileName().endsWith(QLatin1String("s1.ses")));
}

INSTANTIATE_TEST_SUITE_P(Families, SelectionOrder, ::testing::Values(
    SelectRow{"wind", 8, "Check5", "Frame29", "Frame1"},
    SelectRow{"position", 1, "Check1", "Frame1", "Frame29"}));

// --- the typed verdicts, for every family --------------------------------------------------

struct Verdict {
    int row;
    bool right;
    QString given;
    bool markedFirst; // the row showed its mark when the signal came
};
struct Closed {
    int question;
    bool attempt, wrong;
    QString countedTotal; // the question's attempt counter when the signal came
};

// The answers given, right, in the words a study file stores (numbers as the panel reads them).
QStringList rightGiven(const test::Family &fam)
{
    if (fam.type == 5 || fam.type == 11)
        return {"100", "increase", "280", "decrease", "030"};
    if (fam.prefix == QLatin1String("qdm") || fam.prefix == QLatin1String("qdr"))
        return {"085", "decrease", "left", "decrease"};
    if (fam.type == 8)
        return {"Head 20", "left 12", "right 5", "12:30"};
    QStringList given = fam.solved.empty() ? fam.shown : fam.solved;
    for (QString &g : given)
        g = g.trimmed();
    return given;
}

class Verdicts : public ::testing::TestWithParam<test::Family>
{
};

TEST_P(Verdicts, RowsJudgedSolutionShownQuestionClosed)
{
    const test::Family &fam = GetParam();
    TestHost host(fam.draws);
    fam.write(host);
    QAform &f = host.select(fam.type);
    std::vector<Verdict> verdicts;
    std::vector<Closed> closings;
    int solutions = 0;
    QObject::connect(&f, &QAform::rowJudged, [&](int row, bool right, const QString &given) {
        FormControl &result = host.ctl(fam.results[row - 1]);
        verdicts.push_back({row, right, given, result.isVisible() && !shownIn(result).isEmpty()});
    });
    QObject::connect(&f, &QAform::questionClosed, [&](int question, bool attempt, bool wrong) {
        closings.push_back({question, attempt, wrong, host.stat(fam.prefix + QStringLiteral("_total %1").arg(question))});
    });
    QObject::connect(&f, &QAform::solutionShown, [&] { ++solutions; });

    // Wrong first: in file order the question comes back.
    const QStringList given = rightGiven(fam);
    fam.answer(host, 1, false);
    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_FALSE(verdicts[0].right);
    EXPECT_NE(verdicts[0].given, given[0]);
    EXPECT_FALSE(verdicts[0].given.isEmpty());
    ASSERT_TRUE(host.ctl(fam.solution).click());
    EXPECT_EQ(solutions, 1);
    ASSERT_TRUE(host.ctl(fam.next).click());
    ASSERT_EQ(closings.size(), 1u);
    EXPECT_EQ(closings[0].question, 0);
    EXPECT_TRUE(closings[0].attempt && closings[0].wrong);
    EXPECT_EQ(closings[0].countedTotal, QStringLiteral("1")) << "counted before it is said";

    verdicts.clear();
    for (int row = 1; row <= given.size(); ++row)
        fam.answer(host, row, true);
    ASSERT_EQ(verdicts.size(), std::size_t(given.size()));
    for (int row = 1; row <= given.size(); ++row) {
        const Verdict &v = verdicts[std::size_t(row - 1)];
        EXPECT_EQ(v.row, row);
        EXPECT_TRUE(v.right) << row;
        EXPECT_EQ(v.given, given[row - 1]) << row;
        EXPECT_TRUE(v.markedFirst) << row;
    }
    ASSERT_TRUE(host.ctl(fam.next).click());
    ASSERT_EQ(closings.size(), 2u);
    EXPECT_EQ(closings[1].question, 0);
    EXPECT_TRUE(closings[1].attempt && !closings[1].wrong);
    // Nothing answered: closed, nothing counted.
    ASSERT_TRUE(host.ctl(fam.next).click());
    ASSERT_EQ(closings.size(), 3u);
    EXPECT_EQ(closings[2].question, 1);
    EXPECT_FALSE(closings[2].attempt || closings[2].wrong);
    EXPECT_EQ(solutions, 1);
}

INSTANTIATE_TEST_SUITE_P(Families, Verdicts, ::testing::ValuesIn(kFamilies),
                         [](const auto &info) { return std::string(info.param.name) + std::to_string(info.param.type); });

} // namespace
