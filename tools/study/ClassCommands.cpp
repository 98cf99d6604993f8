#include "ClassCommands.h"

#include "ClassSimulator.h"

#include "ClassAnalysis.h"
#include "ClassStore.h"
#include "HtmlReport.h"
#include "ReviewLog.h"
#include "platform/VisibleText.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace orvik3::study {

namespace {

enum Exit { Clean = 0, Findings = 1, UsageOrIo = 2 };

int usage(QTextStream &err, const QString &message)
{
    err << "orvik3-study: " << message << "\nTry 'orvik3-study --help'.\n";
    return UsageOrIo;
}

// Reads every source; false when one cannot be read at all. A server sums up its first tries
// itself, so it makes a report alone.
bool readSources(const QStringList &sources, school::ClassRecords &records, QTextStream &err)
{
    if (sources.size() > 1 && std::any_of(sources.begin(), sources.end(), school::ClassStore::isServer)) {
        err << "orvik3-study: a report reads class folders or one server\n";
        return false;
    }
    for (const QString &source : sources) {
        QString error;
        const std::unique_ptr<school::ClassStore> store = school::ClassStore::open(source, &error);
        if (!store || !store->read(records, &error)) {
            err << "orvik3-study: " << visibleText(error) << "\n";
            return false;
        }
    }
    return true;
}

// The exam date of --exam, else the day after the class last practised.
std::optional<qint64> examOf(const QCommandLineParser &p, const school::ClassRecords &records)
{
    if (p.isSet(QStringLiteral("exam"))) {
        const QDate exam = QDate::fromString(p.value(QStringLiteral("exam")), Qt::ISODate);
        if (!exam.isValid())
            return std::nullopt;
        return exam.startOfDay(Qt::UTC).toMSecsSinceEpoch();
    }
    const qint64 last = records.days.empty() ? QDateTime::currentMSecsSinceEpoch() / practice::MemoryModel::kDayMs
                                             : records.days.rbegin()->first;
    return (last + 1) * practice::MemoryModel::kDayMs;
}

QString figure(bool known, double v) { return known ? QString::number(v, 'f', 3) : QStringLiteral("-"); }

int report(const QStringList &sources, const QCommandLineParser &p, bool itemsOnly, QTextStream &out, QTextStream &err)
{
    if (sources.isEmpty())
        return usage(err, QStringLiteral("class %1 needs a class folder or server").arg(itemsOnly ? "items" : "report"));
    const QString lang = p.value(QStringLiteral("lang"));
    if (p.isSet(QStringLiteral("lang")) && lang != QLatin1String("de") && lang != QLatin1String("en"))
        return usage(err, QStringLiteral("--lang must be de or en"));
    school::ClassRecords records;
    if (!readSources(sources, records, err))
        return UsageOrIo;
    const std::optional<qint64> exam = examOf(p, records);
    if (!exam)
        return usage(err, QStringLiteral("--exam must be a date YYYY-MM-DD"));
    const school::ClassData data = school::analyseClass(std::move(records), *exam);
    for (const school::SourceProblem &problem : data.problems)
        err << visibleText(problem.source + QStringLiteral(": ") + problem.message) << "\n";
    if (itemsOnly) {
        for (const school::ItemStats &i : data.items)
            out << visibleText(i.file) << "\t" << i.question << "\t" << figure(true, i.difficulty) << "\t"
                << figure(i.discriminationKnown, i.discrimination) << "\t" << i.flags.join(QLatin1Char(',')) << "\n";
        return Clean;
    }
    const auto flagged = std::count_if(data.items.begin(), data.items.end(), [](const school::ItemStats &i) { return !i.flags.isEmpty(); });
    out << data.students.size() << " students, " << data.reviews() << " reviews, " << flagged << " of " << data.items.size()
        << " questions flagged\n";
    if (p.isSet(QStringLiteral("html"))) {
        QSaveFile file(p.value(QStringLiteral("html")));
        const auto language = lang == QLatin1String("en") ? school::ReportLanguage::English : school::ReportLanguage::German;
        if (!file.open(QIODevice::WriteOnly) || file.write(school::htmlReport(data, language).toUtf8()) < 0 || !file.commit()) {
            err << "orvik3-study: " << file.fileName() << ": cannot write: " << file.errorString() << "\n";
            return UsageOrIo;
        }
        out << "wrote " << file.fileName() << "\n";
    }
    return Clean;
}

int withdraw(const QStringList &args, const QCommandLineParser &p, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1 || !p.isSet(QStringLiteral("pseudonym")))
        return usage(err, QStringLiteral("class withdraw needs --pseudonym NAME and one class folder or server"));
    QString error;
    int removed = 0;
    const std::unique_ptr<school::ClassStore> store = school::ClassStore::open(args[0], &error);
    if (!store || !store->withdraw(p.value(QStringLiteral("pseudonym")), &removed, &error)) {
        err << "orvik3-study: " << visibleText(error) << "\n";
        return UsageOrIo;
    }
    if (removed == 0) {
        out << "nothing of " << p.value(QStringLiteral("pseudonym")) << " in " << store->name() << "\n";
        return Findings;
    }
    out << "removed " << removed << (school::ClassStore::isServer(args[0]) ? " reviews" : " snapshot") << " of "
        << p.value(QStringLiteral("pseudonym")) << " from " << store->name() << "\n";
    return Clean;
}

int publish(const QStringList &args, const QCommandLineParser &p, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1 || !p.isSet(QStringLiteral("pseudonym")))
        return usage(err, QStringLiteral("class publish needs --pseudonym NAME and one class folder or server"));
    QString error;
    const QString path = p.isSet(QStringLiteral("log")) ? p.value(QStringLiteral("log")) : practice::ReviewLog::defaultPath();
    if (!QFileInfo(path).isFile())
        return usage(err, QStringLiteral("%1: no review log").arg(path));
    const std::unique_ptr<practice::ReviewLog> log = practice::ReviewLog::open(path, &error);
    const std::unique_ptr<school::ClassStore> store = log ? school::ClassStore::open(args[0], &error) : nullptr;
    if (!store || !store->publish(*log, p.value(QStringLiteral("pseudonym")), &error)) {
        err << "orvik3-study: " << visibleText(error) << "\n";
        return UsageOrIo;
    }
    out << "published " << log->count() << " reviews to " << store->name() << "\n";
    return Clean;
}

} // namespace

int runClassCommand(const QStringList &args, const QCommandLineParser &p, QTextStream &out, QTextStream &err)
{
    const QString what = args.value(0);
    const QStringList rest = args.mid(1);
    if (what == QLatin1String("report") || what == QLatin1String("items"))
        return report(rest, p, what == QLatin1String("items"), out, err);
    if (what == QLatin1String("withdraw"))
        return withdraw(rest, p, out, err);
    if (what == QLatin1String("publish"))
        return publish(rest, p, out, err);
    return usage(err, QStringLiteral("class needs report, items, withdraw or publish"));
}

QString readSimulationCounts(const QCommandLineParser &p, int &students, int &days, int &perDay, quint64 &seed)
{
    const struct {
        const char *name;
        int *value;
        int highest;
    } counts[] = {{"students", &students, 10000}, {"days", &days, 365}, {"per-day", &perDay, 500}};
    for (const auto &c : counts) {
        if (!p.isSet(QLatin1String(c.name)))
            continue;
        bool ok = false;
        *c.value = p.value(QLatin1String(c.name)).toInt(&ok);
        if (!ok || *c.value < 1 || *c.value > c.highest)
            return QStringLiteral("--%1 must be 1..%2").arg(QLatin1String(c.name)).arg(c.highest);
    }
    bool ok = true;
    if (p.isSet(QStringLiteral("seed")))
        seed = p.value(QStringLiteral("seed")).toULongLong(&ok);
    return ok ? QString() : QStringLiteral("--seed must be a whole number 0..18446744073709551615");
}

int runClassSimulation(const QCommandLineParser &p, QTextStream &out, QTextStream &err)
{
    ClassSimulationOptions options;
    if (const QString why = readSimulationCounts(p, options.students, options.days, options.perDay, options.seed); !why.isEmpty())
        return usage(err, why);
    // The installed sample installation, unless --base names another.
    options.base = p.isSet(QStringLiteral("base")) ? p.value(QStringLiteral("base"))
                                                    : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/orvik3"));
    options.misKey = p.value(QStringLiteral("mis-key"));
    QString error;
    const std::optional<ClassSimulationOutcome> outcome = simulateClass(options, p.value(QStringLiteral("class")), &error);
    if (!outcome) {
        err << "orvik3-study: " << visibleText(error) << "\n";
        return UsageOrIo;
    }
    out << "simulated " << outcome->students << " students, " << outcome->reviews << " reviews of " << outcome->questions
        << " study-file questions, published to " << p.value(QStringLiteral("class")) << "\n";
    return Clean;
}

} // namespace orvik3::study
