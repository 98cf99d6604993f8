#include "explain/MistakeNames.h"

#include "explain/Explanation.h"
#include "nav/Geometry.h"

#include <orvik3/ExerciseCatalog.h>

#include <orvik3/QAform.h>

#include <cmath>
#include <optional>

namespace orvik3::trainer {

namespace {

bool reciprocal(int a, int b) { return ((a - b) % 360 + 360) % 360 == 180; }

// A bearing as the panel offers it ("090", "360"), or nothing.
std::optional<int> degrees(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

QString MistakeNames::bearing(Bearing asked, int right, int given)
{
    if (!reciprocal(right, given))
        return {};
    switch (asked) {
    case Bearing::Radial:
        return tr("Radial and bearing mixed up: %1 leads to the station; the radial %2 is counted from it.")
            .arg(threeDigits(given), threeDigits(right));
    case Bearing::Qdm:
        return tr("QDM and QDR mixed up: %1 is the QDR, the reciprocal of the QDM %2.").arg(threeDigits(given), threeDigits(right));
    case Bearing::Qdr:
        return tr("QDM and QDR mixed up: %1 is the QDM, the reciprocal of the QDR %2.").arg(threeDigits(given), threeDigits(right));
    }
    return {};
}

QString MistakeNames::holdEntry(int heading, int inbound, bool rightHand, HoldingEntry given)
{
    const HoldingEntry right = holdingEntry(heading, inbound, rightHand);
    if (given == right || given != holdingEntry(heading, inbound, !rightHand))
        return {};
    // Whole sentences, so that each language can say them its own way.
    using E = HoldingEntry;
    if (rightHand) {
        switch (given) {
        case E::Direct: return tr("Hold side mirrored: direct is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.");
        case E::Offset: return tr("Hold side mirrored: offset is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.");
        case E::Parallel: return tr("Hold side mirrored: parallel is the entry into a left-hand hold; this hold turns right, so its sectors lie the other way round.");
        }
    }
    switch (given) {
    case E::Direct: return tr("Hold side mirrored: direct is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.");
    case E::Offset: return tr("Hold side mirrored: offset is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.");
    case E::Parallel: return tr("Hold side mirrored: parallel is the entry into a right-hand hold; this hold turns left, so its sectors lie the other way round.");
    }
    return {};
}

QString MistakeNames::headTail(bool rightIsHead, bool givenIsHead)
{
    if (rightIsHead == givenIsHead)
        return {};
    return rightIsHead ? tr("Head and tail wind mixed up: wind from less than 90° off the nose blows against you, it is a headwind.")
                       : tr("Head and tail wind mixed up: wind from more than 90° off the nose blows from behind, it is a tailwind.");
}

QString MistakeNames::wcaSide(Side right, Side given)
{
    if (right == given)
        return {};
    return right == Side::Left ? tr("Wind correction to the wrong side: the nose turns into the wind, here to the left.")
                               : tr("Wind correction to the wrong side: the nose turns into the wind, here to the right.");
}

QString MistakeNames::crosswindSide(Side right, Side given)
{
    if (right == given)
        return {};
    return right == Side::Left ? tr("Crosswind side mixed up: the side is where the wind comes from, here the left.")
                               : tr("Crosswind side mixed up: the side is where the wind comes from, here the right.");
}

QString MistakeNames::rbForQdm(int rb, int qdm, int given)
{
    if (given != rb || rb == qdm)
        return {};
    return tr("Relative bearing taken for the QDM: %1 is the RB; QDM = HDG + RB = %2.").arg(threeDigits(rb), threeDigits(qdm));
}

QString MistakeNames::offsetMirrored(int heading, int inbound, bool rightHand, int given)
{
    if (holdingEntry(heading, inbound, rightHand) != HoldingEntry::Offset)
        return {};
    const int outbound = (inbound + 180) % 360;
    const int mirrored = (outbound + (rightHand ? 30 : 330)) % 360;
    if (given % 360 != mirrored)
        return {};
    return rightHand ? tr("Offset heading mirrored: %1 leads to the non-holding side; a right-hand hold takes outbound − 30 = %2.")
                           .arg(headingDigits(mirrored), headingDigits((outbound + 330) % 360))
                     : tr("Offset heading mirrored: %1 leads to the non-holding side; a left-hand hold takes outbound + 30 = %2.")
                           .arg(headingDigits(mirrored), headingDigits((outbound + 30) % 360));
}

QString MistakeNames::timeFromTas(int rightSeconds, double groundspeedKt, double tasKt, int givenSeconds)
{
    if (tasKt <= 0.0 || groundspeedKt <= 0.0)
        return {};
    const double fromTas = rightSeconds * groundspeedKt / tasKt;
    if (std::abs(fromTas - rightSeconds) <= 30.0 || std::abs(givenSeconds - fromTas) > std::max(15.0, fromTas * 0.02))
        return {};
    return tr("Time from the true airspeed: the leg is flown at the ground speed of %1 kt, not at %2 kt TAS.")
        .arg(std::lround(groundspeedKt))
        .arg(std::lround(tasKt));
}

QString MistakeNames::of(const QAform &form, int row, const QString &given)
{
    const qint16 type = form.c_QAtype();
    const AnswerRow *asked = answerRow(type, row);
    if (!asked || !form.questionShown())
        return {};
    const int q = form.currentQuestion();
    auto column = [&](int c) { return form.qaCol(c, q).trimmed(); };
    auto bearingMixUp = [&](Bearing bearing) {
        const std::optional<int> right = degrees(column(asked->answerColumn)), said = degrees(given);
        return right && said ? MistakeNames::bearing(bearing, *right, *said) : QString();
    };
    // The sides of the wind from the wind itself: the stored words are in the file's language.
    constexpr double rad = 3.14159265358979323846 / 180.0;
    const double off = (column(1).toDouble() - column(3).toDouble()) * rad;
    switch (asked->kind) {
    case RowKind::Radial: return bearingMixUp(Bearing::Radial);
    case RowKind::PositionQdm: return bearingMixUp(Bearing::Qdm);
    case RowKind::OrientationQdr: return bearingMixUp(Bearing::Qdr);
    case RowKind::InterceptBearing: return bearingMixUp(type == 6 || type == 12 ? Bearing::Qdm : Bearing::Qdr);
    case RowKind::HoldingEntry: {
        const HoldingEntry entry = given == QLatin1String("direct")     ? HoldingEntry::Direct
                                   : given == QLatin1String("parallel") ? HoldingEntry::Parallel
                                                                        : HoldingEntry::Offset;
        return holdEntry(column(13).toInt(), column(14).toInt(), column(15) == QLatin1String("Standard"), entry);
    }
    case RowKind::WindHeadTail:
        if (std::abs(std::cos(off)) <= 0.02 || !(given.startsWith(QLatin1String("Head")) || given.startsWith(QLatin1String("Tail"))))
            return {};
        return headTail(std::cos(off) > 0, given.startsWith(QLatin1String("Head")));
    case RowKind::AdfQdr: return bearingMixUp(Bearing::Qdr);
    case RowKind::AdfQdm:
    case RowKind::OrientationQdm: {
        const QString swap = bearingMixUp(Bearing::Qdm);
        const std::optional<int> rb = degrees(column(asked->kind == RowKind::AdfQdm ? 17 : 15)), qdm = degrees(column(asked->answerColumn)),
                                 said = degrees(given);
        return !swap.isEmpty() || !rb || !qdm || !said ? swap : rbForQdm(*rb % 360, *qdm % 360, *said % 360);
    }
    case RowKind::HoldingFirstHeading: {
        const std::optional<int> said = degrees(given);
        return said ? offsetMirrored(column(13).toInt(), column(14).toInt(), column(15) == QLatin1String("Standard"), *said) : QString();
    }
    case RowKind::WindCrosswind:
        if (std::abs(std::sin(off)) <= 0.02 || !(given.startsWith(QLatin1String("left")) || given.startsWith(QLatin1String("right"))))
            return {};
        return crosswindSide(std::sin(off) > 0 ? Side::Right : Side::Left, given.startsWith(QLatin1String("right")) ? Side::Right : Side::Left);
    case RowKind::WindTime: {
        const QStringList stored = column(19).split(u'.'), said = given.split(u':');
        const auto gs = host::nav::solveWind(column(3).toDouble(), column(4).toDouble(), column(1).toDouble(), column(2).toDouble());
        if (stored.size() != 2 || said.size() != 2 || !gs)
            return {};
        // "33.5" is written for 33 minutes 50 seconds.
        const int right = stored[0].toInt() * 60 + (stored[1].size() == 1 ? stored[1].toInt() * 10 : stored[1].toInt());
        return timeFromTas(right, gs->groundspeedKt, column(4).toDouble(), said[0].toInt() * 60 + said[1].toInt());
    }
    case RowKind::WindCorrection:
        if (std::abs(std::sin(off)) <= 0.02 || !(given.startsWith(QLatin1String("left")) || given.startsWith(QLatin1String("right"))))
            return {};
        return wcaSide(std::sin(off) > 0 ? Side::Right : Side::Left, given.startsWith(QLatin1String("right")) ? Side::Right : Side::Left);
    default: return {};
    }
}

} // namespace orvik3::trainer
