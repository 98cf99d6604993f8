#pragma once

#include "explain/HoldingExplainer.h"

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
    static QString holdEntry(int heading, int inbound, bool rightHand, HoldingExplainer::Entry given);
    // Head wind taken for tail wind or the other way round.
    static QString headTail(bool rightIsHead, bool givenIsHead);
    // The wind correction angle laid off away from the wind.
    static QString wcaSide(Side right, Side given);

    // The mistakes of the answers on the panel that were judged wrong, read from the panel's
    // choices right after the trainee made them. `chosen`: the option buttons selected since
    // the question came up, in order (a panel may clear an option once it has judged it).
    static QStringList observe(const QAform &form, const QStringList &chosen = {});
};

} // namespace orvik3::trainer
