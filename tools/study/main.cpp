// orvik3-study: checks study files, generates an installation from scenario files and shows
// the trainees' statistics. A thin command line over the study kit.

#include "ClassCommands.h"
#include "Generator.h"
#include "InstallationWriter.h"
#include "Lint.h"
#include "Manual.h"
#include "MemoryReport.h"
#include "RandomSet.h"
#include "Shortcuts.h"
#include "Simulator.h"
#include "StatsReport.h"
#include "TeachingLint.h"

#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include "ReviewLog.h"
#include "platform/VisibleText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cmath>

using namespace orvik3;
using namespace orvik3::study;

namespace {

enum Exit { Clean = 0, Findings = 1, UsageOrIo = 2 };

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

// One line of output. Names and texts come from files that anyone may have written: none of
// their control characters reaches the terminal.
void say(QTextStream &stream, const QString &line) { stream << visibleText(line) << '\n'; }
// Text of several lines, each made visible on its own.
void sayLines(QTextStream &stream, const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : lines)
        say(stream, line);
}

int usage(const QString &message)
{
    say(err(), QStringLiteral("orvik3-study: ") + message);
    err() << "Try 'orvik3-study --help'.\n";
    return UsageOrIo;
}

// The files named, a folder standing for its study files (*.sty) in name order; one named
// like a study file is taken as the file meant, so that the reader refuses it by name. A
// folder without study files sets *status.
QStringList studyFilesOf(const QStringList &files, int *status)
{
    QStringList paths;
    for (const QString &f : files) {
        // A folder is read file by file; one named like a study file is taken as the file
        // meant, so that the reader refuses it by name.
        if (QFileInfo(f).isDir() && !f.endsWith(QLatin1String(".sty"), Qt::CaseInsensitive)) {
            const QStringList names = QDir(f).entryList({QStringLiteral("*.sty")}, QDir::Files, QDir::Name);
            if (names.isEmpty()) {
                say(err(), f + QStringLiteral(": a folder without study files (*.sty)"));
                *status = UsageOrIo;
            }
            for (const QString &n : names)
                paths << QDir(f).filePath(n);
        } else {
            paths << f;
        }
    }
    return paths;
}

// Prints the teaching warnings of one file; their number, or -1 when it cannot be read.
int printTeachingWarnings(const QString &file, const LintOptions &options)
{
    QString error;
    const std::optional<std::vector<TeachingWarning>> warnings = teachingLintFile(file, options, &error);
    if (!warnings) {
        say(err(), error);
        return -1;
    }
    for (const TeachingWarning &w : *warnings)
        say(out(), w.toString());
    say(out(), file + QStringLiteral(": ")
                    + (warnings->empty() ? QStringLiteral("teaches well") : QStringLiteral("%1 teaching warnings").arg(warnings->size())));
    return int(warnings->size());
}

int runLint(const QStringList &files, const QCommandLineParser &p)
{
    if (files.isEmpty())
        return usage(QStringLiteral("lint needs at least one file"));
    LintOptions options;
    if (p.isSet(QStringLiteral("type"))) {
        bool ok = false;
        const int t = p.value(QStringLiteral("type")).toInt(&ok);
        if (!ok || t < 1 || t > 14)
            return usage(QStringLiteral("--type must be 1..14"));
        options.type = qint16(t);
    }
    if (p.isSet(QStringLiteral("language"))) {
        const QString l = p.value(QStringLiteral("language"));
        if (l != QLatin1String("de") && l != QLatin1String("en"))
            return usage(QStringLiteral("--language must be de or en"));
        options.language = l == QLatin1String("de") ? Language::German : Language::English;
    }
    options.base = p.value(QStringLiteral("base"));
    const bool teaching = p.isSet(QStringLiteral("teaching"));
    const bool strict = p.isSet(QStringLiteral("strict"));
    if (strict && !teaching)
        return usage(QStringLiteral("--strict goes with --teaching"));
    int status = Clean;
    for (const QString &file : studyFilesOf(files, &status)) {
        QString error;
        const std::optional<LintReport> report = lintStudyFile(file, options, &error);
        if (!report) {
            say(err(), error);
            status = UsageOrIo;
            continue;
        }
        for (const Finding &f : report->findings)
            say(out(), f.toString());
        const int findings = int(report->findings.size()) + report->unshown;
        if (report->unshown > 0)
            say(out(), QStringLiteral("%1: %2 more findings not shown").arg(file).arg(report->unshown));
        say(out(), QStringLiteral("%1: %2 questions load, %3")
                       .arg(file)
                       .arg(report->records)
                       .arg(findings == 0 ? QStringLiteral("clean") : QStringLiteral("%1 findings").arg(findings)));
        if (!report->findings.empty() && status == Clean)
            status = Findings;
        if (teaching) {
            const int warnings = printTeachingWarnings(file, options);
            if (warnings < 0)
                status = UsageOrIo;
            else if (warnings > 0 && strict && status == Clean)
                status = Findings;
        }
    }
    return status;
}

int runGenerate(const QStringList &args, const QCommandLineParser &p)
{
    if (args.size() < 2)
        return usage(QStringLiteral("generate needs scenario files and an output folder"));
    QStringList inputs;
    for (const QString &a : args.mid(0, args.size() - 1)) {
        const QFileInfo info(a);
        if (info.isDir()) {
            const QStringList names = QDir(a).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
            if (names.isEmpty()) {
                say(err(), a + QStringLiteral(": no *.txt scenario files"));
                return UsageOrIo;
            }
            for (const QString &n : names)
                inputs << QDir(a).filePath(n);
        } else {
            inputs << a;
        }
    }
    std::vector<Scenario> scenarios;
    int status = Clean;
    for (const QString &path : inputs) {
        ScenarioError error;
        std::optional<Scenario> s = loadScenario(path, &error);
        if (!s) {
            say(err(), error.toString());
            const bool unreadable = error.line == 0 && error.message.startsWith(QLatin1String("cannot open"));
            status = std::max(status, int(unreadable ? UsageOrIo : Findings));
            continue;
        }
        scenarios.push_back(std::move(*s));
    }
    if (status != Clean)
        return status;
    std::vector<ScenarioError> errors;
    const std::optional<Generated> generated = generate(scenarios, &errors);
    if (!generated) {
        for (const ScenarioError &e : errors)
            say(err(), e.toString());
        return Findings;
    }
    QString writeError;
    if (!writeGenerated(*generated, args.last(), &writeError, {.replace = p.isSet(QStringLiteral("force"))})) {
        say(err(), writeError);
        return UsageOrIo;
    }
    for (const QString &note : generated->notes)
        say(out(), note);
    say(out(), QStringLiteral("wrote %1 files to %2").arg(generated->files.size()).arg(args.last()));
    return Clean;
}

int runRandom(const QStringList &args, const QCommandLineParser &p)
{
    if (args.size() != 1)
        return usage(QStringLiteral("random needs one output folder"));
    RandomRequest request;
    bool ok = false;
    const int type = p.value(QStringLiteral("type")).toInt(&ok);
    if (!p.isSet(QStringLiteral("type")) || !ok || type < 1 || type > 14)
        return usage(QStringLiteral("random needs --type 1..14"));
    request.type = qint16(type);
    if (p.isSet(QStringLiteral("count"))) {
        request.count = p.value(QStringLiteral("count")).toInt(&ok);
        if (!ok || request.count < 1 || request.count > kMaxRandomQuestions)
            return usage(QStringLiteral("--count must be 1..%1").arg(kMaxRandomQuestions));
    }
    request.seed = 1;
    if (p.isSet(QStringLiteral("seed"))) {
        request.seed = p.value(QStringLiteral("seed")).toULongLong(&ok);
        if (!ok)
            return usage(QStringLiteral("--seed must be a whole number 0..18446744073709551615"));
    }
    const QString lang = p.value(QStringLiteral("lang"));
    if (p.isSet(QStringLiteral("lang")) && lang != QLatin1String("de") && lang != QLatin1String("en"))
        return usage(QStringLiteral("--lang must be de or en"));
    request.language = lang == QLatin1String("en") ? Language::English : Language::German;
    for (const QString &kind : p.values(QStringLiteral("kind")))
        request.wishes.push_back(kind.split(QLatin1Char(','), Qt::SkipEmptyParts));
    request.powerTips = p.value(QStringLiteral("power-tips"));
    QString error;
    const std::optional<RandomSet> set = randomSet(request, &error);
    if (!set) {
        say(err(), QStringLiteral("orvik3-study: ") + error);
        return error.contains(QLatin1String("cannot read")) ? UsageOrIo : Findings;
    }
    if (!writeGenerated(set->files, args[0], &error, {.replace = p.isSet(QStringLiteral("force"))})) {
        say(err(), error);
        return UsageOrIo;
    }
    say(out(), QStringLiteral("wrote %1 files to %2 (%3, %4 questions)")
                   .arg(set->files.files.size())
                   .arg(args[0], set->studyFile)
                   .arg(request.count));
    return Clean;
}

// The simple rules a trainee could learn from each study file, and whether one is right too
// often.
int runShortcuts(const QStringList &files)
{
    if (files.isEmpty())
        return usage(QStringLiteral("stats --shortcuts needs study files or a folder"));
    int status = Clean, above = 0;
    for (const QString &file : studyFilesOf(files, &status)) {
        QString error;
        const std::optional<ShortcutReport> report = shortcutsOfFile(file, {}, &error);
        if (!report) {
            say(err(), error);
            status = UsageOrIo;
            continue;
        }
        sayLines(out(), formatShortcuts(*report));
        above += int(std::count_if(report->shortcuts.begin(), report->shortcuts.end(),
                                   [](const Shortcut &s) { return s.share() > kShortcutLimit; }));
    }
    out() << (above ? QStringLiteral("%1 rules right in more than %2% of their questions").arg(above)
                    : QStringLiteral("no rule right in more than %2% of its questions"))
                           .arg(std::lround(kShortcutLimit * 100))
          << "\n";
    return status != Clean ? status : above ? Findings : Clean;
}

int runSimulate(const QStringList &args, const QCommandLineParser &p)
{
    if (!args.isEmpty())
        return usage(QStringLiteral("simulate takes no arguments"));
    if (p.isSet(QStringLiteral("class")))
        return runClassSimulation(p, out(), err());
    SimulationOptions options;
    if (const QString why = readSimulationCounts(p, options.students, options.days, options.perDay, options.seed); !why.isEmpty())
        return usage(why);
    for (const SchedulerOutcome &o : simulate(options))
        out() << "scheduler " << schedulerName(o.scheduler) << " recall " << QString::number(100 * o.recall, 'f', 1)
              << " weakest " << QString::number(100 * o.weakest, 'f', 1) << "\n";
    return Clean;
}

int runMemory(const QStringList &args, const QCommandLineParser &p)
{
    if (!args.isEmpty())
        return usage(QStringLiteral("memory takes no arguments"));
    MemoryReportOptions options;
    options.log = p.isSet(QStringLiteral("log")) ? p.value(QStringLiteral("log")) : practice::ReviewLog::defaultPath();
    options.now = QDateTime::currentMSecsSinceEpoch();
    options.fit = p.isSet(QStringLiteral("fit"));
    if (p.isSet(QStringLiteral("exam"))) {
        const QDate exam = QDate::fromString(p.value(QStringLiteral("exam")), Qt::ISODate);
        if (!exam.isValid())
            return usage(QStringLiteral("--exam must be a date YYYY-MM-DD"));
        options.exam = exam.startOfDay().toMSecsSinceEpoch();
    }
    QString error;
    const std::optional<QString> report = memoryReport(options, &error);
    if (!report) {
        say(err(), QStringLiteral("orvik3-study: ") + error);
        return UsageOrIo;
    }
    sayLines(out(), *report);
    return Clean;
}

int runStats(const QStringList &args, const QCommandLineParser &p)
{
    if (p.isSet(QStringLiteral("shortcuts")))
        return runShortcuts(args);
    const QString dir = p.isSet(QStringLiteral("store")) ? p.value(QStringLiteral("store")) : IniSettingsStore::defaultDirectory();
    const bool reset = !args.isEmpty() && args[0] == QLatin1String("reset");
    const QStringList rest = reset ? args.mid(1) : args;
    if (rest.size() > 1 || (reset && rest.isEmpty()))
        return usage(reset ? QStringLiteral("stats reset needs one prefix") : QStringLiteral("stats takes at most one prefix"));
    const QString prefix = rest.value(0);
    if (!QFileInfo(dir).isDir()) {
        if (p.isSet(QStringLiteral("store")))
            return usage(QStringLiteral("%1: no such folder").arg(dir));
        out() << (reset ? "nothing to reset\n" : "no statistics\n");
        return Clean;
    }
    try {
        IniSettingsStore store(dir);
        if (reset) {
            const int removed = resetCounts(store, prefix);
            say(out(), QStringLiteral("removed %1 entries of %2").arg(removed).arg(prefix));
            return Clean;
        }
        const std::vector<PrefixCounts> counts = readCounts(store, prefix);
        if (counts.empty() && !p.isSet(QStringLiteral("csv"))) {
            say(out(), QStringLiteral("no statistics") + (prefix.isEmpty() ? QString() : QStringLiteral(" for ") + prefix));
            return Clean;
        }
        QStringList lines = formatCounts(counts, p.isSet(QStringLiteral("csv"))).split(u'\n');
        if (lines.last().isEmpty())
            lines.removeLast();
        for (const QString &line : lines)
            say(out(), line);
    } catch (const Error &e) {
        say(err(), QStringLiteral("orvik3-study: ") + QString::fromLocal8Bit(e.what()));
        return UsageOrIo;
    }
    return Clean;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvik3-study"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.0"));

    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show the manual.")},
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version.")},
        {QStringLiteral("type"), QStringLiteral("Exercise type of the files."), QStringLiteral("N")},
        {QStringLiteral("language"), QStringLiteral("de or en."), QStringLiteral("LANG")},
        {QStringLiteral("base"), QStringLiteral("Installation folder."), QStringLiteral("DIR")},
        {QStringLiteral("store"), QStringLiteral("Settings store folder."), QStringLiteral("DIR")},
        {QStringLiteral("csv"), QStringLiteral("Comma-separated output.")},
        {QStringLiteral("shortcuts"), QStringLiteral("Rules a trainee could learn instead of the skill.")},
        {QStringLiteral("teaching"), QStringLiteral("Warn about questions that teach badly.")},
        {QStringLiteral("strict"), QStringLiteral("Teaching warnings count as findings.")},
        {QStringLiteral("count"), QStringLiteral("Questions of a random set."), QStringLiteral("K")},
        {QStringLiteral("seed"), QStringLiteral("Seed of a random set."), QStringLiteral("S")},
        {QStringLiteral("lang"), QStringLiteral("de or en (random)."), QStringLiteral("LANG")},
        {QStringLiteral("kind"), QStringLiteral("Kinds wanted (random)."), QStringLiteral("WORDS")},
        {QStringLiteral("power-tips"), QStringLiteral("Power tips file (random)."), QStringLiteral("FILE")},
        {QStringLiteral("students"), QStringLiteral("Simulated students."), QStringLiteral("N")},
        {QStringLiteral("days"), QStringLiteral("Evenings simulated."), QStringLiteral("D")},
        {QStringLiteral("per-day"), QStringLiteral("Questions each evening."), QStringLiteral("Q")},
        {QStringLiteral("log"), QStringLiteral("Review log."), QStringLiteral("FILE")},
        {QStringLiteral("exam"), QStringLiteral("Exam date."), QStringLiteral("DATE")},
        {QStringLiteral("fit"), QStringLiteral("Fit the memory model.")},
        {QStringLiteral("force"), QStringLiteral("Replace existing files (generate, random).")},
        {QStringLiteral("class"), QStringLiteral("Simulate a class into a folder or server."), QStringLiteral("LOCATION")},
        {QStringLiteral("mis-key"), QStringLiteral("A question stored with a wrong key."), QStringLiteral("FILE:Q")},
        {QStringLiteral("html"), QStringLiteral("The class report's HTML file."), QStringLiteral("FILE")},
        {QStringLiteral("pseudonym"), QStringLiteral("A student's pseudonym in the class."), QStringLiteral("NAME")},
    });
    if (!p.parse(QCoreApplication::arguments()))
        return usage(p.errorText());
    if (p.isSet(QStringLiteral("help"))) {
        out() << kManual;
        return Clean;
    }
    if (p.isSet(QStringLiteral("version"))) {
        out() << "orvik3-study " << QCoreApplication::applicationVersion() << "\n";
        return Clean;
    }
    QStringList args = p.positionalArguments();
    if (args.isEmpty())
        return usage(QStringLiteral("no command given"));
    const QString command = args.takeFirst();
    if (command == QLatin1String("lint"))
        return runLint(args, p);
    if (command == QLatin1String("generate"))
        return runGenerate(args, p);
    if (command == QLatin1String("random"))
        return runRandom(args, p);
    if (command == QLatin1String("stats"))
        return runStats(args, p);
    if (command == QLatin1String("simulate"))
        return runSimulate(args, p);
    if (command == QLatin1String("memory"))
        return runMemory(args, p);
    if (command == QLatin1String("class"))
        return runClassCommand(args, p, out(), err());
    return usage(QStringLiteral("unknown command '%1'").arg(command));
}
