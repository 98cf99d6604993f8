#include "explain/MistakeNames.h"

#include "explain/Explanation.h"

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
    case RowKind::PositionQdm:
    case RowKind::OrientationQdm: return bearingMixUp(Bearing::Qdm);
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
    case RowKind::WindCorrection:
        if (std::abs(std::sin(off)) <= 0.02 || !(given.startsWith(QLatin1String("left")) || given.startsWith(QLatin1String("right"))))
            return {};
        return wcaSide(std::sin(off) > 0 ? Side::Right : Side::Left, given.startsWith(QLatin1String("right")) ? Side::Right : Side::Left);
    default: return {};
    }
}

} // namespace orvik3::trainer
