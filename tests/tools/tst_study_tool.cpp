// orvik3-study run as a process, as instructors and the build run it: exit codes, the
// file:line output of lint, the generator reproducing the shipped data byte for byte, and
// the statistics read from and reset in a settings store folder.

#include <orvik3/SettingsStore.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>


namespace {

const QString kTool = QStringLiteral(ORVIK3_STUDY_TOOL);
const QString kData = QStringLiteral(ORVIK3_DATA_DIR);

struct Outcome {
    int exit = -1;
    QString out, err;
};

Outcome run(const QStringList &args)
{
    QProcess p;
    p.start(kTool, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QMap<QString, QByteArray> filesBelow(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return files;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(Tool, ManualAndUsageErrors)
{
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exit, 0);
    for (const char *section : {"NAME", "SYNOPSIS", "COMMANDS", "EXIT STATUS", "lint FILE", "generate SCENARIOS", "stats reset", "simulate"})
        EXPECT_TRUE(help.out.contains(QLatin1String(section))) << section;

    const QList<QStringList> usage = {{},
                                      {"frobnicate"},
                                      {"lint"},
                                      {"lint", "--type", "15", "x.sty"},
                                      {"lint", "--language", "fr", "x.sty"},
                                      {"lint", "--bogus"},
                                      {"lint", kData + "/no-such.sty"},
                                      {"generate", kData + "/scenarios"},
                                      {"stats", "reset"},
                                      {"stats", "a", "b"},
                                      {"stats", "--shortcuts"},
                                      {"simulate", "--students", "0"},
                                      {"simulate", "extra"},
                                      {"memory", "--log", kData + "/no-such.sqlite"},
                                      {"memory", "--exam", "tomorrow"}};
    for (const QStringList &args : usage) {
        const Outcome r = run(args);
        EXPECT_EQ(r.exit, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(' ').toStdString();
    }
}

// One line per scheduler in a fixed form, for scripts.
TEST(Tool, SimulatePrintsALinePerScheduler)
{
    const Outcome r = run({"simulate", "--students", "2", "--days", "2", "--per-day", "5"});
    EXPECT_EQ(r.exit, 0);
    static const QRegularExpression line(QStringLiteral("^scheduler random recall \\d+\\.\\d weakest \\d+\\.\\d\n"
                                                        "scheduler leitner recall \\d+\\.\\d weakest \\d+\\.\\d\n"
                                                        "scheduler model recall \\d+\\.\\d weakest \\d+\\.\\d\n$"));
    EXPECT_TRUE(line.match(r.out).hasMatch()) << r.out.toStdString();
}

// A review log read back: recall and due day per skill, the readiness on the exam date.
TEST(Tool, MemoryReportsTheReviewLog)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("reviews.sqlite"));
    QProcess appender;
    appender.start(QStringLiteral(REVIEW_APPENDER), {log, QStringLiteral("3")});
    ASSERT_TRUE(appender.waitForFinished(60000));
    const Outcome r = run({"memory", "--log", log, "--exam", "2023-11-15", "--fit"}); // the day after the reviews
    EXPECT_EQ(r.exit, 0) << r.err.toStdString();
    for (const char *line : {"^too few reviews to fit: 6 of 400\n6 reviews, 2 skills due\n", "\nwind\\.wca +\\d+% due\n",
                             "\nholding\\.first-turn +- new\n", "\nreadiness on 2023-11-15: position 0%.*, wind [2-9]\\d%, overall \\d%\n$"})
        EXPECT_TRUE(r.out.contains(QRegularExpression(QString::fromLatin1(line)))) << line << r.out.toStdString();
}

TEST(Tool, SampleInstallationIsLintClean)
{
    const QStringList names = QDir(kData + "/default/study").entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names.size(), 23);
    QStringList args{"lint"};
    for (const QString &n : names)
        args << kData + "/default/study/" + n;
    const Outcome r = run(args);
    EXPECT_EQ(r.exit, 0) << r.out.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral(", clean\n")), 23) << r.out.toStdString();
    // Every file has at least 20 questions.
    static const QRegularExpression count(QStringLiteral(": (\\d+) questions load"));
    auto it = count.globalMatch(r.out);
    while (it.hasNext())
        EXPECT_GE(it.next().captured(1).toInt(), 20);
}

TEST(Tool, LintReportsFileAndLineAndExitsWithOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("default/study/e-qdm.sty");
    writeFile(path, "rq:  200\r\nhdg: 200\r\nihdg:240\r\ndist:8\r\nact: 360\r\ndiff:increase\r\nturn:Left\r\nfhdg:decrease\r\nses:x.session\r\n--\r\n");
    const Outcome r = run({"lint", path});
    EXPECT_EQ(r.exit, 1);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << r.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(path + ":5: ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(path + ":7: ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(path + ":9: session file default/sessions/x.session not found")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(": 1 questions load, 3 findings")) << lines[3].toStdString();

    // The same file read as another type by --type: a QDR file has the same layout.
    EXPECT_EQ(run({"lint", "--type", "7", path}).exit, 1);
}

TEST(Tool, GeneratorReproducesTheSampleData)
{
    QTemporaryDir out;
    const Outcome r = run({"generate", kData + "/scenarios", out.path()});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("(") && r.out.contains("direct")) << r.out.toStdString();
    const QMap<QString, QByteArray> made = filesBelow(out.path() + "/default");
    const QMap<QString, QByteArray> shipped = filesBelow(kData + "/default");
    EXPECT_EQ(made.keys(), shipped.keys());
    for (auto it = made.cbegin(); it != made.cend(); ++it)
        EXPECT_TRUE(shipped.value(it.key()) == it.value()) << it.key().toStdString() << " differs; run the regenerate-data target";
}

TEST(Tool, GeneratorReportsEveryBadSituation)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("s.txt"), "type = 1\nname = t\n"
                                     "situation radial=032 distance=10 heading=090 course=090\n"
                                     "situation radial=030 distance=10 heading=090 course=090\n"
                                     "situation radial=031 distance=10 heading=090 course=090 colour=red\n");
    Outcome r = run({"generate", dir.filePath("s.txt"), dir.filePath("out")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(dir.filePath("s.txt") + ":5: unknown key 'colour'")) << r.err.toStdString();

    writeFile(dir.filePath("s.txt"), "type = 1\nname = t\n"
                                     "situation radial=032 distance=10 heading=090 course=090\n"
                                     "situation radial=030 distance=10 heading=090 course=090\n"
                                     "situation radial=043 distance=10 heading=090 course=090\n");
    r = run({"generate", dir.filePath("s.txt"), dir.filePath("out")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.err.contains(":3: the radial must be a multiple of 5")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(":5: the radial must be a multiple of 5")) << r.err.toStdString();
    EXPECT_FALSE(QDir(dir.filePath("out")).exists());

    writeFile(dir.filePath("s.txt"), "type = 1\nname = t\nsituation radial=030 distance=10 heading=090 course=214\n");
    r = run({"generate", dir.filePath("s.txt"), dir.filePath("out")});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_EQ(run({"lint", dir.filePath("out/default/study")}).exit, 0);
}

TEST(Tool, StatsReadsAndResetsTheStore)
{
    QTemporaryDir dir;
    {
        orvik3::IniSettingsStore store(dir.path());
        const QList<QPair<QString, QString>> values = {{"qdm_total 0", "3"}, {"qdm_bad 0", "1"}, {"qdm_total 4", "2"},
                                                       {"qdm_total", "5"},   {"qdm_bad", "1"},    {"wind_total 1", "1"},
                                                       {"wind_total", "1"},  {"wind_bad", "0"},   {"qdmx_total", "9"}};
        for (const auto &[key, value] : values)
            store.write("avx1", "stats", key, value);
    }
    Outcome r = run({"stats", "--store", dir.path()});
    ASSERT_EQ(r.exit, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("qdm: 5 attempts, 1 wrong, 20% wrong")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("wind: 1 attempts, 0 wrong, 0% wrong")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("qdmx: 9 attempts")) << r.out.toStdString();

    r = run({"stats", "--store", dir.path(), "--csv", "qdm"});
    ASSERT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, "prefix,question,attempts,wrong,rate\nqdm,1,3,1,33%\nqdm,5,2,0,0%\nqdm,all,5,1,20%\n");

    r = run({"stats", "reset", "qdm", "--store", dir.path()});
    ASSERT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, "removed 5 entries of qdm\n");
    orvik3::IniSettingsStore store(dir.path());
    EXPECT_TRUE(store.read("avx1", "stats", "qdm_total 0").isEmpty());
    EXPECT_EQ(store.read("avx1", "stats", "qdmx_total"), "9");
    EXPECT_EQ(store.read("avx1", "stats", "wind_total 1"), "1");
    EXPECT_EQ(run({"stats", "qdm", "--store", dir.path()}).out, "no statistics for qdm\n");
}
