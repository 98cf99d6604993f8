#include "StartupChecks.h"

#include <orvik3/BoundedFile.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvik3::trainer {

QString sampleInstallation(const QString &applicationDir)
{
    // One line naming a folder; anything else there (a pipe, a device, a huge file) is no note.
    static constexpr FileLimit kNote{4096, "note"};
    const BoundedFile::Result marker = BoundedFile::read(QDir(applicationDir).filePath(QStringLiteral("orvik3-trainer.sample")), kNote);
    if (marker.ok()) {
        const QString path = QString::fromUtf8(marker.bytes).trimmed();
        if (!path.isEmpty())
            return QDir::cleanPath(path);
    }
    return QDir::cleanPath(applicationDir + QStringLiteral("/../share/orvik3"));
}

DisplayEnvironment displayEnvironment()
{
    return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
            qEnvironmentVariable("WAYLAND_DISPLAY")};
}

QString displayProblem(const DisplayEnvironment &env, const QString &program)
{
    // Only the two windowing platforms need a display; any other choice (offscreen, vnc,
    // eglfs, ...) is the user's and Qt reports its own problems with it.
    const QString platform = env.platform.section(u':', 0, 0).trimmed();
    const bool x11 = platform.isEmpty() || platform == QLatin1String("xcb");
    const bool wayland = platform.isEmpty() || platform.startsWith(QLatin1String("wayland"));
    if (!x11 && !wayland)
        return {};
    if ((x11 && !env.x11Display.isEmpty()) || (wayland && !env.waylandDisplay.isEmpty()))
        return {};
    const QString unset = x11 && wayland ? QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set")
                          : x11        ? QStringLiteral("DISPLAY is not set")
                                       : QStringLiteral("WAYLAND_DISPLAY is not set");
    return QStringLiteral(
               "%1 needs a display: %2%3.\n"
               "Start it from a desktop session (or with ssh -X), or draw the window into a PNG\n"
               "file without a display:\n"
               "    QT_QPA_PLATFORM=offscreen %1 --type 6 --screenshot FILE.png\n")
        .arg(program, unset,
             platform.isEmpty() ? QString() : QStringLiteral(" for QT_QPA_PLATFORM=%1").arg(env.platform));
}

bool asksForHelp(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("-?")
            || a == QLatin1String("--help-all"))
            return true;
    }
    return false;
}

} // namespace orvik3::trainer
