#include "Phrases.h"

#include <orvik3/TextTable.h>

namespace orvik3::study {

namespace {

bool german(Language l) { return l == Language::German; }

const TextTable &table(Language l)
{
    static const std::shared_ptr<TextTable> de = TextTable::german();
    static const std::shared_ptr<TextTable> en = TextTable::english();
    return german(l) ? *de : *en;
}

QString pick(Language l, const char *de, const char *en)
{
    return german(l) ? QString::fromUtf8(de) : QString::fromUtf8(en);
}

QString decimal(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace

QString Phrases::radialQuestion() const
{
    return pick(language, "Auf welchem Radial befinden Sie sich?", "Which radial are you on?");
}

QString Phrases::qdmQuestion() const
{
    return pick(language, "Wie lautet Ihr QDM?", "What is your QDM?");
}

QString Phrases::stationQuestion() const
{
    return pick(language, "Wo liegt die Station, vom Flugzeug aus gesehen?", "Where is the station, seen from the aircraft?");
}

QString Phrases::needleQuestion(const QString &heading) const
{
    return pick(language, "Wohin wandert die Nadel, wenn Sie mit Steuerkurs %1 weiterfliegen?",
                "Which way does the needle move if you fly on with heading %1?")
        .arg(heading);
}

QString Phrases::quarter(Quarter q) const
{
    switch (q) {
    case Quarter::Ahead: return table(language).text(313);
    case Quarter::Behind: return table(language).text(314);
    case Quarter::Left: return table(language).text(315);
    case Quarter::Right: return table(language).text(316);
    }
    return {};
}

QString Phrases::needle(NeedleMove m) const
{
    switch (m) {
    case NeedleMove::Left: return table(language).text(315);
    case NeedleMove::Right: return table(language).text(316);
    case NeedleMove::Same: return table(language).text(317);
    }
    return {};
}

QString Phrases::holdingNote(const QString &station, const QString &heading) const
{
    return pick(language, "Holding über %1, Anflug mit Steuerkurs %2", "Holding at %1, approaching on heading %2")
        .arg(station, heading);
}

QString Phrases::arcQuestion(int radial, int heading, double radiusNm, const QString &station,
                             ArcDirection direction, int finalCourse, double leadNm) const
{
    const bool cw = direction == ArcDirection::Clockwise;
    if (german(language))
        return QString::fromUtf8("Radial %1, Steuerkurs %2: %3-NM-DME-Bogen um %4 %5 bis zum Endanflugkurs %6, "
                                 "Vorhalt %7 NM.")
            .arg(threeDigits(radial, true), threeDigits(heading, true), decimal(radiusNm), station,
                 cw ? QStringLiteral("im Uhrzeigersinn") : QStringLiteral("gegen den Uhrzeigersinn"),
                 threeDigits(finalCourse, true), decimal(leadNm));
    return QStringLiteral("Radial %1, heading %2: fly the %3 NM DME arc of %4 %5 to the final course %6, "
                          "lead %7 NM.")
        .arg(threeDigits(radial, true), threeDigits(heading, true), decimal(radiusNm), station,
             cw ? QStringLiteral("clockwise") : QStringLiteral("counterclockwise"), threeDigits(finalCourse, true),
             decimal(leadNm));
}

QString Phrases::adfTrend(Trend t) const
{
    switch (t) {
    case Trend::Increase: return table(language).text(286);
    case Trend::Decrease: return table(language).text(287);
    case Trend::Constant: return table(language).text(288);
    }
    return {};
}

QString Phrases::differenceWord(Trend t) const
{
    switch (t) {
    case Trend::Increase: return pick(language, "grösser", "increase");
    case Trend::Decrease: return pick(language, "kleiner", "decrease");
    case Trend::Constant: return pick(language, "gleich", "remain constant");
    }
    return {};
}

QString Phrases::headingWord(Trend t) const
{
    switch (t) {
    case Trend::Increase: return pick(language, "grösser", "increase");
    case Trend::Decrease: return pick(language, "kleiner", "decrease");
    case Trend::Constant: return QStringLiteral("maintain");
    }
    return {};
}

QString Phrases::turnWord(Turn t)
{
    switch (t) {
    case Turn::Left: return QStringLiteral("left");
    case Turn::Right: return QStringLiteral("right");
    case Turn::Maintain: return QStringLiteral("maintain");
    }
    return {};
}

QString Phrases::sideWord(Side s) const
{
    switch (s) {
    case Side::Left: return pick(language, "links", "left");
    case Side::Right: return pick(language, "rechts", "right");
    case Side::None: return QStringLiteral("-");
    }
    return {};
}

QString Phrases::headTailWord(int headwind)
{
    if (headwind > 0)
        return QStringLiteral("Head");
    if (headwind < 0)
        return QStringLiteral("Tail");
    return QStringLiteral("-");
}

QString orientationQdmQuestion() { return QStringLiteral("Wie lautet Ihr QDM?"); }
QString orientationQdrQuestion() { return QStringLiteral("Wie lautet Ihr QDR?"); }
QString orientationRbQuestion() { return QStringLiteral("Wie lautet das Relative Bearing der Station?"); }

QStringList positionEntries(qint16 type, Language language)
{
    const TextTable &t = table(language);
    switch (type) {
    case 1: return {t.text(313), t.text(314), t.text(315), t.text(316), t.text(317)};
    case 2: return {t.text(317), t.text(315), t.text(316)};
    case 10:
        return {QStringLiteral("030"), QStringLiteral("045"), QStringLiteral("060"), QStringLiteral("090"),
                QStringLiteral("120"), QStringLiteral("135"), QStringLiteral("150"), QStringLiteral("180"),
                QStringLiteral("210"), QStringLiteral("225"), QStringLiteral("240"), QStringLiteral("270"),
                QStringLiteral("300"), QStringLiteral("315"), QStringLiteral("330"), QStringLiteral("360")};
    default: return {};
    }
}

QStringList adfTrendWords()
{
    const TextTable &de = table(Language::German);
    const TextTable &en = table(Language::English);
    return {de.text(286), de.text(287), de.text(288), en.text(286), en.text(287), en.text(288)};
}

QStringList differenceWords()
{
    return {QStringLiteral("increase"), QString::fromUtf8("grösser"), QStringLiteral("remain constant"),
            QStringLiteral("gleich"), QStringLiteral("decrease"), QStringLiteral("kleiner")};
}

QStringList headingWords()
{
    return {QStringLiteral("increase"), QString::fromUtf8("grösser"), QStringLiteral("maintain"),
            QStringLiteral("decrease"), QStringLiteral("kleiner")};
}

QStringList turnWords() { return {QStringLiteral("left"), QStringLiteral("maintain"), QStringLiteral("right")}; }
QStringList headTailWords() { return {QStringLiteral("Head"), QStringLiteral("Tail"), QStringLiteral("-")}; }

QStringList windSideWords()
{
    return {QStringLiteral("left"), QStringLiteral("links"), QStringLiteral("right"), QStringLiteral("rechts"),
            QStringLiteral("-")};
}

} // namespace orvik3::study
