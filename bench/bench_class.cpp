// The class report at the size of a big school: 500 students × 30 evenings × 26 questions of
// the sample installation's study files (about 100 reviews an evening, 1.5 million in all),
// read from a folder of snapshots and from a PostgreSQL server on the loopback, analysed and
// written as the HTML page. The class is made once by the study tool's simulator; with
// ORVIK3_CLASS_BENCH_DIR set it is kept there for the next run.
#include "ClassAnalysis.h"
#include "ClassSimulator.h"
#include "ClassStore.h"
#include "HtmlReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace orvik3;

namespace {

constexpr int kStudents = 500;

void report(benchmark::State &state, const QString &location)
{
    std::size_t students = 0;
    qint64 reviews = 0, bytes = 0;
    double readMs = 0, analyseMs = 0, htmlMs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        school::ClassRecords records;
        QString error;
        const auto store = school::ClassStore::open(location, &error);
        if (!store || !store->read(records, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        readMs += double(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        const school::ClassData data = school::analyseClass(std::move(records), 20120 * practice::MemoryModel::kDayMs);
        analyseMs += double(timer.nsecsElapsed()) / 1e6;
        timer.restart();
        const QString html = school::htmlReport(data, school::ReportLanguage::German);
        htmlMs += double(timer.nsecsElapsed()) / 1e6;
        students = data.students.size();
        reviews = data.reviews();
        bytes = html.size();
    }
    state.counters["students"] = double(students);
    state.counters["reviews"] = double(reviews);
    state.counters["html_chars"] = double(bytes);
    // Where the time goes, ms per report.
    state.counters["read_ms"] = readMs / double(state.iterations());
    state.counters["analyse_ms"] = analyseMs / double(state.iterations());
    state.counters["html_ms"] = htmlMs / double(state.iterations());
}

// How many students a location holds, or -1 when it cannot be read.
int studentsAt(const QString &location)
{
    school::ClassRecords records;
    QString error;
    const auto store = school::ClassStore::open(location, &error);
    return store && store->read(records, &error) ? int(records.students.size()) : -1;
}

bool makeClass(const QString &location)
{
    if (studentsAt(location) == kStudents)
        return true;
    study::ClassSimulationOptions options;
    options.students = kStudents;
    options.days = 30;
    options.perDay = 26;
    options.base = QStringLiteral(ORVIK3_DATA_DIR);
    QString error;
    QElapsedTimer timer;
    timer.start();
    const auto outcome = study::simulateClass(options, location, &error, [](int n) {
        if (n % 50 == 0)
            std::fprintf(stderr, "  %d students\n", n);
    });
    if (!outcome) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    std::fprintf(stderr, "made %d students, %lld reviews in %s (%.0f s)\n", outcome->students, outcome->reviews,
                 qPrintable(location), timer.elapsed() / 1000.0);
    return true;
}

QString scratch(const QString &command, const QString &dir)
{
    QProcess p;
    p.start(QStringLiteral(ORVIK3_PG_SCRATCH), {command, dir});
    p.waitForFinished(120000);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "pg-scratch.sh %s: %s", qPrintable(command), p.readAllStandardError().constData());
    return p.exitCode() == 0 ? QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed() : QString();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir temporary;
    const QString root = qEnvironmentVariableIsSet("ORVIK3_CLASS_BENCH_DIR") ? qEnvironmentVariable("ORVIK3_CLASS_BENCH_DIR") : temporary.path();
    const QString folder = QDir(root).filePath(QStringLiteral("snapshots")), server = QDir(root).filePath(QStringLiteral("server"));
    QDir().mkpath(folder);
    QDir().mkpath(server);
    if (!makeClass(folder))
        return 1;
    const QString url = scratch(QStringLiteral("start"), server);
    if (url.isEmpty() || !makeClass(url))
        return 1;
    benchmark::RegisterBenchmark("BM_ClassReportFromSnapshots", [&](benchmark::State &s) { report(s, folder); })
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
    benchmark::RegisterBenchmark("BM_ClassReportFromServer", [&](benchmark::State &s) { report(s, url); })
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    scratch(temporary.isValid() && root == temporary.path() ? QStringLiteral("remove") : QStringLiteral("stop"), server);
    return 0;
}
