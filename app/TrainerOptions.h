#pragma once

#include "ExerciseCatalog.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvik3::trainer {

// The command line, for scripted runs (checks, screenshots for the documentation) as much as
// for starting on another installation.
struct TrainerOptions {
    std::optional<int> type;          // --type N: start exercise N at once
    std::optional<Language> language; // --lang de|en
    QString base;                     // --base PATH: the installation
    int question = 1;                 // --question K: show the K-th question (1 = the first)
    bool solution = false;            // --solution: draw the solution as if it were asked for
    QString screenshot;               // --screenshot FILE: draw, save the window as PNG, quit
    QSize size;                       // --size WxH: window size for the screenshot
    bool timing = false;              // --timing: report start-up time on stderr
};

struct ParsedOptions {
    TrainerOptions options;
    QString error; // empty when the command line was fine
    bool helpShown = false;
};

// `arguments` as QCoreApplication::arguments() gives them, program name first.
ParsedOptions parseOptions(const QStringList &arguments);

} // namespace orvik3::trainer
