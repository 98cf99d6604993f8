#pragma once

#include <QString>
#include <vector>

namespace orvik3::trainer {

enum class Language { German, English };

QString languageCode(Language language); // "de" or "en"
// "de" or "en" (any case); anything else gives nothing.
bool parseLanguage(const QString &code, Language *language);

// The instruments a panel can show.
enum class InstrumentKind { Hsi, Vor, Rmi, Adf, Dg, Dme };

// The five answer panels, numbered by the fly-yourself code the control uses where it has one.
enum class ExerciseFamily { Position, HoldingArc, AdfPosition, QdmQdr, Wind };

struct ExerciseInfo {
    int type = 0;
    ExerciseFamily family = ExerciseFamily::Position;
    const char *german = "";
    const char *english = "";
    // What the panel shows when a session does not list its instruments.
    std::vector<InstrumentKind> defaultInstruments;
    // The relative-bearing variants read the ADF on a fixed card.
    bool relativeBearing = false;

    QString name(Language language) const;
};

// The fourteen exercise types, grouped by family in the order the chooser lists them.
const std::vector<ExerciseInfo> &exerciseCatalog();
const ExerciseInfo *exerciseInfo(int type);
QString familyName(ExerciseFamily family, Language language);
std::vector<ExerciseFamily> families();

} // namespace orvik3::trainer
