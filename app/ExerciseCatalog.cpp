#include "ExerciseCatalog.h"

#include <QCoreApplication>

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
    if (language == Language::English)
        return QString::fromUtf8(english);
    // The German name comes from the translation; the catalog's own German stands in when
    // the translation files are missing, so that the chooser never goes blank.
    const QString translated = QCoreApplication::translate("ExerciseCatalog", english);
    return translated != QLatin1String(english) ? translated : QString::fromUtf8(german);
}

const std::vector<ExerciseInfo> &exerciseCatalog()
{
    using K = InstrumentKind;
    using F = Family;
    static const std::vector<ExerciseInfo> catalog = {
        {1, F::Position, "Standort mit dem HSI", QT_TRANSLATE_NOOP("ExerciseCatalog", "Position with the HSI"), {K::Hsi}},
        {2, F::Position, "Standort mit der VOR-Anzeige", QT_TRANSLATE_NOOP("ExerciseCatalog", "Position with the VOR indicator"), {K::Vor}},
        {10, F::Position, "Orientierung zwischen QDM und QDR", QT_TRANSLATE_NOOP("ExerciseCatalog", "Orientation between QDM and QDR"), {K::Rmi}},
        {3, F::Holding, "Warteschleifen-Einflug mit dem HSI", QT_TRANSLATE_NOOP("ExerciseCatalog", "Holding entry with the HSI"), {K::Hsi}},
        {4, F::Holding, "Warteschleifen-Einflug mit Kurskreisel und RMI", QT_TRANSLATE_NOOP("ExerciseCatalog", "Holding entry with gyro and RMI"),
         {K::Dg, K::Rmi}},
        {14, F::Holding, "Warteschleifen-Einflug mit Kurskreisel und ADF", QT_TRANSLATE_NOOP("ExerciseCatalog", "Holding entry with gyro and ADF"),
         {K::Dg, K::Adf}},
        {9, F::Holding, "Einflug in einen DME-Bogen", QT_TRANSLATE_NOOP("ExerciseCatalog", "Joining a DME arc"), {K::Hsi, K::Dme}},
        {5, F::Adf, "ADF-Standort mit dem RMI", QT_TRANSLATE_NOOP("ExerciseCatalog", "ADF position with the RMI"), {K::Rmi}},
        {11, F::Adf, "ADF-Standort mit relativer Peilung", QT_TRANSLATE_NOOP("ExerciseCatalog", "ADF position by relative bearing"),
         {K::Dg, K::Adf}},
        {6, F::QdmQdr, "QDM anschneiden", QT_TRANSLATE_NOOP("ExerciseCatalog", "Intercepting a QDM"), {K::Dg, K::Rmi}},
        {7, F::QdmQdr, "QDR anschneiden", QT_TRANSLATE_NOOP("ExerciseCatalog", "Intercepting a QDR"), {K::Dg, K::Rmi}},
        {12, F::QdmQdr, "QDM anschneiden mit relativer Peilung", QT_TRANSLATE_NOOP("ExerciseCatalog", "Intercepting a QDM by relative bearing"),
         {K::Dg, K::Adf}},
        {13, F::QdmQdr, "QDR anschneiden mit relativer Peilung", QT_TRANSLATE_NOOP("ExerciseCatalog", "Intercepting a QDR by relative bearing"),
         {K::Dg, K::Adf}},
        {8, F::Wind, "Windkomponenten und Vorhaltewinkel", QT_TRANSLATE_NOOP("ExerciseCatalog", "Wind components and drift"), {K::Dg}},
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

QString familyName(Family family, Language language)
{
    const char *english = "";
    switch (family) {
    case Family::Position: english = QT_TRANSLATE_NOOP("ExerciseCatalog", "Position"); break;
    case Family::Holding: english = QT_TRANSLATE_NOOP("ExerciseCatalog", "Holding and DME arc"); break;
    case Family::Adf: english = QT_TRANSLATE_NOOP("ExerciseCatalog", "ADF position"); break;
    case Family::QdmQdr: english = QT_TRANSLATE_NOOP("ExerciseCatalog", "QDM and QDR interception"); break;
    case Family::Wind: english = QT_TRANSLATE_NOOP("ExerciseCatalog", "Wind"); break;
    }
    return language == Language::English ? QString::fromUtf8(english)
                                         : QCoreApplication::translate("ExerciseCatalog", english);
}

std::vector<Family> families()
{
    return {Family::Position, Family::Holding, Family::Adf, Family::QdmQdr, Family::Wind};
}

} // namespace orvik3::trainer
