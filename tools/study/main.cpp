// orvik3-study: checks study files, generates an installation from scenario files and shows
// the trainees' statistics. A thin command line over the study kit.

#include "Generator.h"
#include "InstallationWriter.h"
#include "Lint.h"
#include "RandomSet.h"
#include "StatsReport.h"
#include "TeachingLint.h"

#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include "platform/VisibleText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

using namespace orvik3;
using namespace orvik3::study;

namespace {

enum Exit { Clean = 0, Findings = 1, UsageOrIo = 2 };

const char *const kManual = R"(NAME
    orvik3-study - check, generate and follow study files of the trainer

SYNOPSIS
    orvik3-study lint [--type N] [--language de|en] [--base DIR] [--teaching [--strict]] FILE...
    orvik3-study generate [--force] SCENARIOS... OUTDIR
    orvik3-study random --type N [--count K] [--seed S] [--lang de|en] [--kind WORDS]...
                        [--power-tips FILE] [--force] OUTDIR
    orvik3-study stats [--store DIR] [--csv] [PREFIX]
    orvik3-study stats reset [--store DIR] PREFIX
    orvik3-study --help | --version

DESCRIPTION
    Study files hold the questions of one exercise type and their stored answers; the
    exercise panel judges the trainee against them. This tool finds the mistakes of a
    hand-written study file before a trainee meets them, builds a complete installation
    from scenario files, and reports the attempt counters of the settings store.

COMMANDS
    lint FILE...
        Reads each file (every *.sty of a folder given instead) with the panel's own loader rules. The exercise type comes from the
        file name (hsi.sty, e-qdm.sty, ... in any letter case) or from --type. Reports, as
        file:line: message, every line at which loading stops, missing question lines
        (:qa:, :qb:, :qc:), and every stored answer that can never be judged right or
        cannot be shown: position degrees that are no list entry, list texts that are no
        entry, turn and trend words the panel does not accept (letter case included), a
        QDM/QDR of 360, ADF answers equal to none of their captions, wind times above 546
        minutes, captions that are not whole numbers, and session names without their
        session file in default/sessions/ of the installation. Then prints how many
        questions load. Like the panel, lint reads no more than 301 questions; it shows
        the first 100 findings of a file and counts the rest. Control characters of the
        files (escape sequences, line ends, NUL) are printed as \x1b, \n, \0 and so on.

        With --teaching it also warns, as file:line: warning: question N: reason, about
        questions the control can judge but that teach badly: a holding heading within 5
        degrees of an entry sector line, a QDM/QDR first turn that is not the same for 30,
        45, 60 and 90 degree intercepts, an HSI or VOR position the instrument cannot show
        (bar at its stop, flag in view abeam, needle centred where a side is asked), and
        speeds, distances and DME figures outside realistic ranges (from the sessions).

    generate SCENARIOS... OUTDIR
        Reads scenario files (or every *.txt of a folder, by name) and writes
        OUTDIR/default/sessions/*.session and the German and English study files of every
        type in OUTDIR/default/study/. Every stored answer is computed from the situation.
        The output depends only on the scenarios. Files that exist are not replaced
        without --force (nothing is written then), and nothing is written through a
        symbolic link below OUTDIR.

    random --type N OUTDIR
        Writes a practice installation of fresh situations of exercise type N: the type's
        study file of the language in OUTDIR/default/study/ and one session per question in
        OUTDIR/default/sessions/. Each situation is drawn at random within realistic values
        and kept only when its answers are clear-cut and every teaching rule holds; every
        stored answer is computed. The same seed gives the same files byte for byte.
        Existing files and links below OUTDIR are treated as by generate.

    stats [PREFIX]
        Prints attempts, wrong answers and the rate of wrong answers per question (numbered
        as in the panel's counter) for the statistics prefix (hsipos, stdvor, hsihld, dghld,
        adfpos, qdm, qdr, wind, dmearc) or for all prefixes.

    stats reset PREFIX
        Removes every counter of the prefix.

OPTIONS
    --type N          Exercise type 1..14 of the files to lint, whatever their names.
    --language de|en  Language of the lists the position answers must match.
    --base DIR        Installation whose default/sessions/ holds the sessions (default:
                      the folder above default/study/ when the file lies there).
    --teaching        Lint: warn about questions that teach badly, too.
    --strict          Lint --teaching: warnings count as findings.
    --count K         Random: questions in the set, 1..301 (default 24).
    --seed S          Random: the seed, a whole number (default 1).
    --lang de|en      Random: the language of the study file (default de). The types
                      whose English file is another type's write that file.
    --kind WORDS      Random: the kinds wanted, comma-separated words that one question
                      must all have; given more than once, the questions take them in turn.
                      Holdings: direct, parallel, offset, right-hand, left-hand; QDM/QDR:
                      left, right (the first turn); wind: crosswind-left, crosswind-right,
                      headwind, tailwind; DME arc: clockwise, counterclockwise.
    --power-tips FILE Random: copied to OUTDIR/pwr.rtf (a plain file of at most 8 MB).
    --force           Generate, random: replace files that exist (a link in a file's
                      place is replaced, never written through).
    --store DIR       Folder of the settings store (default: the user's).
    --csv             Comma-separated values with a header row.
    -h, --help        This text.
    -v, --version     The version.

EXIT STATUS
    0  nothing found (lint; teaching warnings without --strict) or done
    1  findings or, with --strict, teaching warnings (lint), or a scenario with a
       mistake (generate)
    2  usage error, or a file that cannot be read or written

EXAMPLES
    orvik3-study lint data/default/study/*
    orvik3-study lint --teaching --strict data/default/study/*.sty
    orvik3-study generate data/scenarios data
    orvik3-study random --type 3 --count 24 --seed 7 --kind parallel practice
    orvik3-study stats --csv qdm > qdm.csv
)";

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

int usage(const QString &message)
{
    say(err(), QStringLiteral("orvik3-study: ") + message);
    err() << "Try 'orvik3-study --help'.\n";
    return UsageOrIo;
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
    QStringList paths;
    for (const QString &f : files) {
        // A folder is linted file by file; one named like a study file is taken as the file
        // meant, so that the reader refuses it by name.
        if (QFileInfo(f).isDir() && !f.endsWith(QLatin1String(".sty"), Qt::CaseInsensitive)) {
            const QStringList names = QDir(f).entryList({QStringLiteral("*.sty")}, QDir::Files, QDir::Name);
            if (names.isEmpty()) {
                say(err(), f + QStringLiteral(": a folder without study files (*.sty)"));
                status = UsageOrIo;
            }
            for (const QString &n : names)
                paths << QDir(f).filePath(n);
        } else {
            paths << f;
        }
    }
    for (const QString &file : paths) {
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

int runStats(const QStringList &args, const QCommandLineParser &p)
{
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
        {QStringLiteral("teaching"), QStringLiteral("Warn about questions that teach badly.")},
        {QStringLiteral("strict"), QStringLiteral("Teaching warnings count as findings.")},
        {QStringLiteral("count"), QStringLiteral("Questions of a random set."), QStringLiteral("K")},
        {QStringLiteral("seed"), QStringLiteral("Seed of a random set."), QStringLiteral("S")},
        {QStringLiteral("lang"), QStringLiteral("de or en (random)."), QStringLiteral("LANG")},
        {QStringLiteral("kind"), QStringLiteral("Kinds wanted (random)."), QStringLiteral("WORDS")},
        {QStringLiteral("power-tips"), QStringLiteral("Power tips file (random)."), QStringLiteral("FILE")},
        {QStringLiteral("force"), QStringLiteral("Replace existing files (generate, random).")},
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
    return usage(QStringLiteral("unknown command '%1'").arg(command));
}
