#pragma once

#include <orvik3/ExerciseCatalog.h>

#include <QString>
#include <vector>

namespace orvik3::trainer {

enum class Language { German, English };

QString languageCode(Language language); // "de" or "en"
// "de" or "en" (any case); anything else gives nothing.
bool parseLanguage(const QString &code, Language *language);

// The instruments a panel can show.
enum class InstrumentKind { Hsi, Vor, Rmi, Adf, Dg, Dme };

// How the trainer presents an exercise type; what the type is (its family, files and rows)
// comes from the library's catalogue.
struct ExerciseInfo {
    int type = 0;
    Family family = Family::Position;
    const char *german = "";
    const char *english = "";
    // What the panel shows when a session does not list its instruments.
    std::vector<InstrumentKind> defaultInstruments;

    QString name(Language language) const;
};

// The fourteen exercise types, grouped by family in the order the chooser lists them.
const std::vector<ExerciseInfo> &exerciseCatalog();
const ExerciseInfo *exerciseInfo(int type);
QString familyName(Family family, Language language);
std::vector<Family> families();

} // namespace orvik3::trainer
