#include "Phrases.h"

#include "exercises/adf/AdfRules.h"
#include "exercises/wind/WindRules.h"

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
    const adf::TrendWord &w = adf::kTrendWords[t == Trend::Increase ? 0 : t == Trend::Decrease ? 1 : 2];
    return QString::fromUtf16(german(language) ? w.german : w.english);
}

QString Phrases::differenceWord(Trend t) const
{
    using qdmqdr::Meaning;
    return ruleWord(t == Trend::Increase ? Meaning::Increase : t == Trend::Decrease ? Meaning::Decrease : Meaning::Constant);
}

QString Phrases::headingWord(Trend t) const
{
    using qdmqdr::Meaning;
    return ruleWord(t == Trend::Increase ? Meaning::Increase : t == Trend::Decrease ? Meaning::Decrease : Meaning::Maintain);
}

QString Phrases::turnWord(Turn t)
{
    using qdmqdr::Meaning;
    return qdmqdr::wordsOf(t == Turn::Left ? Meaning::Left : t == Turn::Right ? Meaning::Right : Meaning::Maintain)
        .front().toString();
}

QString Phrases::sideWord(Side s) const
{
    const auto words = wind::wordsOf(s == Side::Left ? wind::Side::Left : s == Side::Right ? wind::Side::Right : wind::Side::Zero);
    // The English word first, then the German one where the two differ.
    return (german(language) && words.size() > 1 ? words[1] : words[0]).toString();
}

QString Phrases::headTailWord(int headwind)
{
    return wind::wordsOf(headwind > 0 ? wind::Side::Head : headwind < 0 ? wind::Side::Tail : wind::Side::Zero)
        .front().toString();
}

QString Phrases::ruleWord(qdmqdr::Meaning m) const
{
    const auto words = qdmqdr::wordsOf(m);
    return (german(language) && words.size() > 1 ? words[1] : words[0]).toString();
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

} // namespace orvik3::study
