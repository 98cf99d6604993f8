#pragma once

#include "ExerciseCatalog.h"

#include <QString>
#include <QStringList>

namespace orvik3::trainer {

// Puts the trainer's texts and Qt's own (dialog buttons, context menus) into the chosen
// language. The source texts are English, so English needs no files; German loads
// orvik3_trainer_de.qm and Qt's qtbase_de.qm. Switching back to English removes both.
class TrainerTranslator
{
public:
    // Installs (or removes) the translators on the application, unless they are in force
    // already. False when the trainer's German file was not found or could not be loaded; the
    // texts then stay English, and *problem says why, the first time only: asked again for
    // German, the file is not tried again.
    static bool apply(Language language, QString *problem = nullptr);
    static Language current();

    // Where the trainer's .qm files are looked for, first match wins: next to the binary
    // (build tree), <prefix>/share/orvik3/translations (installed), then those added below.
    static QStringList searchPaths();
    // One more folder to look in, last. Programs that do not live next to the trainer (its
    // tests) name the build tree's folder here; the trainer itself has no build path in it.
    static void addSearchPath(const QString &dir);
    // The folder that holds the trainer's German file, or empty.
    static QString directory();
};

} // namespace orvik3::trainer
