#pragma once

#include "support/TestHost.h"

#include "study/ExerciseTypes.h"

#include <QFile>
#include <stdexcept>

namespace orvik3::test {

// One exercise family with a typical question on display.
struct Scene { const char *family; qint16 type; const char *frame; };
inline constexpr Scene kScenes[] = {
    {"position", 1, "Frame1"}, {"holding", 3, "Frame2"}, {"adf", 5, "Frame11"},
    {"qdmqdr", 6, "Frame20"},  {"wind", 8, "Frame29"},
};

// Puts the shipped study files of the type (both languages) into the host's installation and
// selects the type, so that the first question, with real values, is on display.
inline void showQuestion(TestHost &host, qint16 type)
{
    const ExerciseType *t = exerciseType(type);
    for (const char *name : {t->germanFile, t->otherFile}) {
        QFile shipped(QStringLiteral(ORVIK3_STUDY_DIR "/") + QLatin1String(name));
        if (!shipped.open(QIODevice::ReadOnly))
            throw std::runtime_error("no shipped study file");
        host.writeFile(QStringLiteral("default/study/") + QLatin1String(name), shipped.readAll());
    }
    host.select(type);
}

} // namespace orvik3::test
