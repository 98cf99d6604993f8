// Practice sets as a whole: every type in both languages loads in the control itself,
// passes the strict teaching lint and offers no shortcut, the same seed gives the same bytes,
// other seeds other situations, bad requests are refused with a reason, and the program
// writes what the library makes.

#include "RandomSet.h"
#include "Shortcuts.h"
#include "TeachingLint.h"

#include "control/QAformTestAccess_p.h"
#include "support/TestHost.h"

#include <orvik3/QAform.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace orvik3;
using namespace orvik3::study;

namespace {

struct LangRow {
    qint16 type;
    Language language;
};

std::string rowName(const testing::TestParamInfo<LangRow> &info)
{
    return "Type" + std::to_string(info.param.type) + (info.param.language == Language::German ? "De" : "En");
}

std::vector<LangRow> everyTypeBothLanguages()
{
    std::vector<LangRow> rows;
    for (qint16 t = 1; t <= 14; ++t)
        for (const Language l : {Language::German, Language::English})
            rows.push_back({t, l});
    return rows;
}

class RandomSetLoads : public testing::TestWithParam<LangRow> {};

TEST_P(RandomSetLoads, InTheControlAndTeachesWell)
{
    const LangRow row = GetParam();
    constexpr int kCount = 60;
    for (const quint64 seed : {1ull, 123456789ull}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        test::TestHost host({0.5f}, row.language == Language::German ? TextTable::german() : TextTable::english());
        QString error;
        const auto set = randomSet({row.type, kCount, seed, row.language, {}, {}}, &error);
        ASSERT_TRUE(set) << error.toStdString();
        ASSERT_TRUE(writePracticeFiles(set->files, host.base(), &error)) << error.toStdString();

        QAform &form = host.select(row.type);
        EXPECT_EQ(form.lastQuestion() + 1, kCount);
        for (int q = 0; q < kCount; ++q)
            EXPECT_TRUE(QFile::exists(host.base() + QStringLiteral("/default/sessions/") + QAformTestAccess(form).qaSession(q))) << q;

        LintOptions options;
        options.type = row.type;
        options.language = row.language;
        const QString path = host.base() + QStringLiteral("/default/study/") + set->studyFile;
        const auto lint = lintStudyFile(path, options, &error);
        ASSERT_TRUE(lint) << error.toStdString();
        EXPECT_EQ(lint->records, kCount);
        for (const Finding &f : lint->findings)
            ADD_FAILURE() << f.toString().toStdString();
        const auto teaching = teachingLintFile(path, options, &error);
        ASSERT_TRUE(teaching) << error.toStdString();
        for (const TeachingWarning &w : *teaching)
            ADD_FAILURE() << w.toString().toStdString();
        for (const Shortcut &c : shortcutsOf(set->files.files.front().bytes, set->studyFile, row.type).shortcuts)
            EXPECT_LE(c.share(), kShortcutLimit) << c.row.toStdString() << ": " << c.option.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, RandomSetLoads, testing::ValuesIn(everyTypeBothLanguages()), rowName);

class RandomSetSeeds : public testing::TestWithParam<LangRow> {};

TEST_P(RandomSetSeeds, SameSeedSameBytesOtherSeedOtherSet)
{
    const LangRow row = GetParam();
    QString error;
    const auto a = randomSet({row.type, 12, 5, row.language, {}, {}}, &error);
    const auto b = randomSet({row.type, 12, 5, row.language, {}, {}}, &error);
    const auto c = randomSet({row.type, 12, 6, row.language, {}, {}}, &error);
    ASSERT_TRUE(a && b && c) << error.toStdString();
    ASSERT_EQ(a->files.files.size(), b->files.files.size());
    for (std::size_t i = 0; i < a->files.files.size(); ++i) {
        EXPECT_EQ(a->files.files[i].path, b->files.files[i].path);
        EXPECT_EQ(a->files.files[i].bytes, b->files.files[i].bytes) << a->files.files[i].path.toStdString();
    }
    EXPECT_NE(a->files.files.front().bytes, c->files.files.front().bytes);
    // A longer set begins with the same questions: each question draws from its own stream.
    const auto longer = randomSet({row.type, 13, 5, row.language, {}, {}}, &error);
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->files.files[1].bytes, a->files.files[1].bytes);
}

INSTANTIATE_TEST_SUITE_P(SomeTypes, RandomSetSeeds,
                         testing::Values(LangRow{1, Language::German}, LangRow{3, Language::English},
                                         LangRow{8, Language::German}, LangRow{10, Language::English},
                                         LangRow{12, Language::English}, LangRow{14, Language::German}),
                         rowName);

struct RefusedRow {
    const char *name;
    RandomRequest request;
    const char *reason; // a part of the error
};

void PrintTo(const RefusedRow &r, std::ostream *os) { *os << r.name; }

class RandomSetRefuses : public testing::TestWithParam<RefusedRow> {};

TEST_P(RandomSetRefuses, WithAReason)
{
    QString error;
    EXPECT_FALSE(randomSet(GetParam().request, &error));
    EXPECT_TRUE(error.contains(QLatin1String(GetParam().reason))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BadRequests, RandomSetRefuses,
    testing::Values(RefusedRow{"type0", {0, 5, 1, Language::German, {}, {}}, "1..14"},
                    RefusedRow{"type15", {15, 5, 1, Language::German, {}, {}}, "1..14"},
                    RefusedRow{"count0", {3, 0, 1, Language::German, {}, {}}, "1..301"},
                    RefusedRow{"count302", {3, 302, 1, Language::German, {}, {}}, "1..301"},
                    RefusedRow{"kindOfAnotherType", {3, 5, 1, Language::German, {{"headwind"}}, {}}, "headwind"},
                    RefusedRow{"kindsOnAKindlessType", {10, 5, 1, Language::German, {{"left"}}, {}}, "no kinds"},
                    RefusedRow{"contradictoryKinds", {8, 2, 1, Language::German, {{"headwind", "tailwind"}}, {}},
                               "no situation"},
                    RefusedRow{"missingPowerTips", {5, 2, 1, Language::German, {}, "/nonexistent/pwr.rtf"}, "cannot read"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RandomSetLimits, ThreeHundredAndOneQuestionsAllLoad)
{
    test::TestHost host({0.5f});
    QString error;
    ASSERT_TRUE(writeRandomSet({5, kMaxRandomQuestions, 9, Language::German, {}, {}}, host.base(), &error))
        << error.toStdString();
    EXPECT_EQ(host.select(5).lastQuestion() + 1, kMaxRandomQuestions);
}

struct ToolRun {
    int exit = -1;
    QString err;
};

ToolRun tool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ORVIK3_STUDY_TOOL), args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

TEST(RandomSetTool, WritesWhatTheLibraryMakesAndLintsClean)
{
    QTemporaryDir dir;
    QFile tips(dir.filePath(QStringLiteral("tips.rtf")));
    ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
    tips.write("{\\rtf1 tip}");
    tips.close();
    const QString out = dir.filePath(QStringLiteral("set"));
    const ToolRun r = tool({QStringLiteral("random"), QStringLiteral("--type"), QStringLiteral("4"), QStringLiteral("--count"),
                        QStringLiteral("7"), QStringLiteral("--seed"), QStringLiteral("42"), QStringLiteral("--lang"),
                        QStringLiteral("en"), QStringLiteral("--power-tips"), tips.fileName(), out});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    QString error;
    const auto set = randomSet({4, 7, 42, Language::English, {}, tips.fileName()}, &error);
    ASSERT_TRUE(set);
    for (const GeneratedFile &f : set->files.files) {
        QFile written(out + QLatin1Char('/') + f.path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << f.path.toStdString();
        EXPECT_EQ(written.readAll(), f.bytes) << f.path.toStdString();
    }
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/pwr.rtf")));
    const ToolRun lint = tool({QStringLiteral("lint"), QStringLiteral("--teaching"), QStringLiteral("--strict"),
                           out + QStringLiteral("/default/study/") + set->studyFile});
    EXPECT_EQ(lint.exit, 0) << lint.err.toStdString();
}

TEST(RandomSetTool, RefusesACountBeyondThePanel)
{
    QTemporaryDir dir;
    const ToolRun r = tool({QStringLiteral("random"), QStringLiteral("--type"), QStringLiteral("2"), QStringLiteral("--count"),
                        QStringLiteral("302"), dir.path()});
    EXPECT_NE(r.exit, 0);
    EXPECT_TRUE(r.err.contains(QLatin1String("--count"))) << r.err.toStdString();
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("default"))).exists());
}

} // namespace
