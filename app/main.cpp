#include "MainWindow.h"
#include "view/SituationView.h"
#include "StartupChecks.h"
#include "TrainerOptions.h"

#include <orvik3/BoundedFile.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <memory>

#include <sys/resource.h>

namespace {

// QSettings would wait forever on a pipe put where the trainer keeps its own settings, or read
// a device until memory runs out: anything but a plain file of sane size is left alone, and
// the trainer runs with settings of its own for this time. Empty when the file is usable.
QString ownSettingsProblem()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
                         + QApplication::organizationName() + QLatin1Char('/') + QApplication::applicationName()
                         + QStringLiteral(".conf");
    const orvik3::BoundedFile::Result r = orvik3::BoundedFile::read(path, orvik3::limits::kTrainerSettings);
    return r.ok() || r.status == orvik3::BoundedFile::Status::Missing ? QString() : r.error;
}

// Milliseconds since the process was started, from the kernel's record of it, so that the
// dynamic loading before main() counts too. -1 where that record is not available.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1.0;
    const double startTicks = fields[19].toDouble(); // field 22 of the whole line
    const double up = uptime.readAll().split(' ').value(0).toDouble();
    return (up - startTicks / 100.0) * 1000.0;
}

// "45.2 ms CPU, 38.1 MiB peak, at 123456789 ns": the CPU time and the largest memory the
// process has used so far, and the monotonic clock, by which a benchmark that started the
// process reckons the wall time.
QString resourcesSoFar()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double cpu = (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1000.0
                       + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1000.0;
    return QStringLiteral("%1 ms CPU, %2 MiB peak, at %3 ns")
        .arg(cpu, 0, 'f', 1)
        .arg(use.ru_maxrss / 1024.0, 0, 'f', 1)
        .arg(qint64(now.tv_sec) * 1000000000 + now.tv_nsec);
}

// Where nothing can be written, not even by root: below the program's own file. Settings
// kept there last for the run only.
QString nowhere()
{
    return QCoreApplication::applicationFilePath() + QStringLiteral("/settings-of-this-run.conf");
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    using namespace orvik3::trainer;
    {
        // Without a display the platform plugin would abort with a backtrace; say what to do.
        QStringList rawArguments;
        for (int i = 0; i < argc; ++i)
            rawArguments << QString::fromLocal8Bit(argv[i]);
        const QString problem = displayProblem(displayEnvironment(), QStringLiteral("orvik3-trainer"));
        if (!problem.isEmpty()) {
            if (!asksForHelp(rawArguments)) {
                std::fprintf(stderr, "%s", qPrintable(problem));
                return 1;
            }
            qputenv("QT_QPA_PLATFORM", "offscreen"); // the help text needs no window
        }
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvik3"));
    QApplication::setApplicationName(QStringLiteral("orvik3-trainer"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));

    const ParsedOptions parsed = parseOptions(QApplication::arguments());
    if (!parsed.error.isEmpty()) {
        std::fprintf(parsed.helpShown ? stdout : stderr, "%s\n", qPrintable(parsed.error));
        return parsed.helpShown ? 0 : 2;
    }
    const TrainerOptions &options = parsed.options;

    // A scripted run starts from what the trainee chose last time but leaves it as it was:
    // it works on a copy that goes away with the run.
    const bool scripted = !options.screenshot.isEmpty();
    QTemporaryDir scratch;
    const QString runOnly = scratch.isValid() ? scratch.filePath(QStringLiteral("trainer.conf")) : nowhere();
    std::unique_ptr<QSettings> settings;
    if (const QString problem = ownSettingsProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s; the settings of this run are not kept\n", qPrintable(problem));
        settings = std::make_unique<QSettings>(runOnly, QSettings::IniFormat);
    } else if (scripted) {
        QFile::copy(QSettings().fileName(), runOnly);
        settings = std::make_unique<QSettings>(runOnly, QSettings::IniFormat);
    } else {
        settings = std::make_unique<QSettings>();
    }
    MainWindow window({}, *settings, sampleInstallation(QCoreApplication::applicationDirPath()));
    window.setScripted(scripted);
    if (scripted)
        window.resize(options.size.isValid() ? options.size : QSize(1280, 800));
    window.applyOptions(options);
    if (!scripted)
        window.fitToScreen();
    window.show();

    if (scripted) {
        // grab() hands the first resize still pending to every widget of the window, the
        // closed menus too, and each would lay out all its entries; a scripted run ends with
        // its picture, so none of them ever opens.
        for (QMenu *menu : window.findChildren<QMenu *>())
            menu->setAttribute(Qt::WA_PendingResizeEvent, false);
        const QPixmap shot = window.grab();
        const double drawnAt = clock.nsecsElapsed() / 1e6;
        if (options.timing) {
            std::fprintf(stderr, "first question drawn: %.1f ms after main, %.0f ms after process start; %s\n", drawnAt,
                         msSinceProcessStart(), qPrintable(resourcesSoFar()));
        }
        if (!shot.save(options.screenshot, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(options.screenshot));
            return 1;
        }
        // The picture is written all the same; what went wrong was said on stderr.
        return window.reportCount() > 0 ? 3 : 0;
    }
    return app.exec();
}
