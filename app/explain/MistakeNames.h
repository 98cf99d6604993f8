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

    // The mistake behind row `row` of the question on display judged wrong, with the answer
    // `given` as the control reported it; empty when there is nothing sure to say.
    static QString of(const QAform &form, int row, const QString &given);
};

} // namespace orvik3::trainer
