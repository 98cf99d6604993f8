#pragma once

#include <QString>
#include <QStringList>

namespace orvik3::trainer {

// The sample installation that ships with the trainer. A build tree leaves a file
// `orvik3-trainer.sample` next to the program naming the source tree's data folder; an
// installed program has none and takes <prefix>/share/orvik3 beside its bin folder.
QString sampleInstallation(const QString &applicationDir);

// The environment a windowed start sees: the Qt platform asked for and the displays.
struct DisplayEnvironment {
    QString platform;       // QT_QPA_PLATFORM
    QString x11Display;     // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY
};

DisplayEnvironment displayEnvironment();

// Empty when a window can be shown; otherwise what to tell the user, instead of the Qt
// platform plugin's abort, including how to draw a screenshot without a display.
QString displayProblem(const DisplayEnvironment &env, const QString &program);

// True when the command line only asks for the help text, which needs no display.
bool asksForHelp(const QStringList &arguments);

} // namespace orvik3::trainer
