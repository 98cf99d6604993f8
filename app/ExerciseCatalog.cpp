#include "ExerciseCatalog.h"

namespace orvik3::trainer {

QString languageCode(Language language)
{
    return language == Language::German ? QStringLiteral("de") : QStringLiteral("en");
}

bool parseLanguage(const QString &code, Language *language)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("de"))
        *language = Language::German;
    else if (c == QLatin1String("en"))
        *language = Language::English;
    else
        return false;
    return true;
}

QString ExerciseInfo::name(Language language) const
{
    return QString::fromUtf8(language == Language::German ? german : english);
}

const std::vector<ExerciseInfo> &exerciseCatalog()
{
    using K = InstrumentKind;
    using F = ExerciseFamily;
    static const std::vector<ExerciseInfo> catalog = {
        {1, F::Position, "Standort mit dem HSI", "Position with the HSI", {K::Hsi}, false},
        {2, F::Position, "Standort mit der VOR-Anzeige", "Position with the VOR indicator", {K::Vor}, false},
        {10, F::Position, "Orientierung zwischen QDM und QDR", "Orientation between QDM and QDR", {K::Rmi}, false},
        {3, F::HoldingArc, "Warteschleifen-Einflug mit dem HSI", "Holding entry with the HSI", {K::Hsi}, false},
        {4, F::HoldingArc, "Warteschleifen-Einflug mit Kurskreisel und RMI", "Holding entry with gyro and RMI",
         {K::Dg, K::Rmi}, false},
        {14, F::HoldingArc, "Warteschleifen-Einflug mit Kurskreisel und ADF", "Holding entry with gyro and ADF",
         {K::Dg, K::Adf}, true},
        {9, F::HoldingArc, "Einflug in einen DME-Bogen", "Joining a DME arc", {K::Hsi, K::Dme}, false},
        {5, F::AdfPosition, "ADF-Standort mit dem RMI", "ADF position with the RMI", {K::Rmi}, false},
        {11, F::AdfPosition, "ADF-Standort mit relativer Peilung", "ADF position by relative bearing",
         {K::Dg, K::Adf}, true},
        {6, F::QdmQdr, "QDM anschneiden", "Intercepting a QDM", {K::Dg, K::Rmi}, false},
        {7, F::QdmQdr, "QDR anschneiden", "Intercepting a QDR", {K::Dg, K::Rmi}, false},
        {12, F::QdmQdr, "QDM anschneiden mit relativer Peilung", "Intercepting a QDM by relative bearing",
         {K::Dg, K::Adf}, true},
        {13, F::QdmQdr, "QDR anschneiden mit relativer Peilung", "Intercepting a QDR by relative bearing",
         {K::Dg, K::Adf}, true},
        {8, F::Wind, "Windkomponenten und Vorhaltewinkel", "Wind components and drift", {K::Dg}, false},
    };
    return catalog;
}

const ExerciseInfo *exerciseInfo(int type)
{
    for (const ExerciseInfo &info : exerciseCatalog())
        if (info.type == type)
            return &info;
    return nullptr;
}

QString familyName(ExerciseFamily family, Language language)
{
    const bool de = language == Language::German;
    switch (family) {
    case ExerciseFamily::Position: return de ? QStringLiteral("Standort") : QStringLiteral("Position");
    case ExerciseFamily::HoldingArc:
        return de ? QStringLiteral("Warteschleife und DME-Bogen") : QStringLiteral("Holding and DME arc");
    case ExerciseFamily::AdfPosition: return de ? QStringLiteral("ADF-Standort") : QStringLiteral("ADF position");
    case ExerciseFamily::QdmQdr: return de ? QStringLiteral("QDM und QDR anschneiden") : QStringLiteral("QDM and QDR interception");
    case ExerciseFamily::Wind: return de ? QStringLiteral("Wind") : QStringLiteral("Wind");
    }
    return {};
}

std::vector<ExerciseFamily> families()
{
    return {ExerciseFamily::Position, ExerciseFamily::HoldingArc, ExerciseFamily::AdfPosition,
            ExerciseFamily::QdmQdr, ExerciseFamily::Wind};
}

} // namespace orvik3::trainer
