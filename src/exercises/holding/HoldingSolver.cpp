#include "exercises/holding/HoldingSolver.h"

#include "exercises/holding/HoldingAnswer.h"

#include "platform/ValueRules.h"

namespace orvik3 {

namespace {

// First turn of an offset entry from HDG onto the gate heading: the shorter turn, because that
// is the turn a pilot flies. In an offset entry HDG lies within 40° of the gate, so where the
// two headings do not straddle north this is simply "right" when HDG is the smaller number and
// "left" when it is the larger. Across north the plain comparison would send the pilot the
// long way round (standard holding, inbound 200, HDG 10 onto gate 350: a 20° left turn, not
// 340° right), and the exercise expects the left turn there.
QString offsetTurn(qint16 hdg, qint16 gate)
{
    if (hdg == gate)
        return QStringLiteral("maintain");
    const int clockwise = ((gate - hdg) % 360 + 360) % 360; // degrees of a right turn
    return clockwise <= 180 ? QStringLiteral("right") : QStringLiteral("left");
}

} // namespace

void findHoldingAnswer(qint16 &HDG, qint16 &inbound, QString &HLDtype, QString &entry, qint16 &outbound,
                       qint16 &gate, qint16 &abeam, qint16 &firstHDG, QString &firstTurn)
{
    const bool rightHand = HLDtype == QLatin1String("Standard");

    outbound = values::sub(inbound, 180);
    if (outbound < 0)
        outbound = values::add(outbound, 360);
    qint16 d = values::sub(HDG, inbound);
    if (d < 0)
        d = values::add(d, 360);

    if (rightHand) {
        abeam = values::add(inbound, 90);
        if (abeam >= 360)
            abeam = values::sub(abeam, 360);
        gate = values::add(inbound, 150);
        if (gate >= 360)
            gate = values::sub(gate, 360);
    } else {
        abeam = values::sub(inbound, 90);
        if (abeam < 0)
            abeam = values::add(abeam, 360);
        gate = values::sub(inbound, 150);
        if (gate < 0)
            gate = values::add(gate, 360);
    }
    if (d < 0 || d > 359)
        return;

    switch (holdingEntry(d, 0, rightHand)) {
    case HoldingEntry::Direct:
        entry = QStringLiteral("direct");
        firstHDG = outbound;
        firstTurn = rightHand ? QStringLiteral("right") : QStringLiteral("left");
        break;
    case HoldingEntry::Parallel:
        entry = QStringLiteral("parallel");
        firstHDG = outbound;
        firstTurn = rightHand ? QStringLiteral("left") : QStringLiteral("right");
        break;
    case HoldingEntry::Offset:
        entry = QStringLiteral("offset");
        firstHDG = gate;
        firstTurn = offsetTurn(HDG, gate);
        break;
    }
}

} // namespace orvik3
