#pragma once

#include <orvik3/HoldingAnswer.h>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

// The typical mistake behind a wrong answer, named when the given answer is exactly what that
// mistake gives: a bearing the wrong way round, the entry of the mirrored hold, the wind
// correction or the wind component on the wrong side. Empty when the answer is wrong some
// other way (then there is nothing sure to say).
class MistakeNames
{
    Q_DECLARE_TR_FUNCTIONS(MistakeNames)
public:
    enum class Bearing { Radial, Qdm, Qdr };
    enum class Side { Left, Right };

    // `given` is `right` turned by 180°.
    static QString bearing(Bearing asked, int right, int given);
    // `given` is the entry of the same heading into the hold turning the other way.
    static QString holdEntry(int heading, int inbound, bool rightHand, HoldingEntry given);
    // Head wind taken for tail wind or the other way round.
    static QString headTail(bool rightIsHead, bool givenIsHead);
    // The wind correction angle laid off away from the wind.
    static QString wcaSide(Side right, Side given);
    // The crosswind said to come from the side it blows toward.
    static QString crosswindSide(Side right, Side given);
    // The relative bearing given where the QDM (= HDG + RB) is asked.
    static QString rbForQdm(int rb, int qdm, int given);
    // The offset (teardrop) heading laid off to the other side of the outbound course.
    static QString offsetMirrored(int heading, int inbound, bool rightHand, int given);
    // The leg time worked out with the true airspeed instead of the ground speed: named
    // even when the answer falls inside the band the panel accepts.
    static QString timeFromTas(int rightSeconds, double groundspeedKt, double tasKt, int givenSeconds);

    // The mistake behind row `row` of the question on display, with the answer `given` as the
    // control reported it; empty when there is nothing sure to say. A right answer names
    // nothing, except a time that only the band saved.
    static QString of(const QAform &form, int row, const QString &given);
};

} // namespace orvik3::trainer
