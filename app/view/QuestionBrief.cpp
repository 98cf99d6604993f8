#include "view/QuestionBrief.h"

#include "explain/Explanation.h"
#include "explain/HoldingExplainer.h"

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/QAform.h>

#include <cmath>

namespace orvik3::trainer {

QString QuestionBrief::of(const QAform &form, int question)
{
    const ExerciseType *type = exerciseType(form.c_QAtype());
    if (!type || question < 0 || question > form.lastQuestion())
        return {};
    const auto col = [&](int c) { return form.qaCol(c, question).simplified(); };
    switch (type->family) {
    case Family::Holding: {
        if (type->rows.front().kind == RowKind::ArcFirstTurn)
            return col(3); // the study file says the arc in a sentence of its own
        const int heading = int(std::lround(col(13).toDouble()));
        const int inbound = int(std::lround(col(14).toDouble()));
        const bool right = col(15) == QLatin1String("Standard");
        const QString entry = HoldingExplainer::entryName(holdingEntry(heading, inbound, right));
        return (right ? tr("Holding %1 right, HDG %2 → %3") : tr("Holding %1 left, HDG %2 → %3"))
            .arg(threeDigits(inbound), threeDigits(heading), entry);
    }
    case Family::Position:
        return tr("Radial %1, QDM %2").arg(col(13), col(14));
    case Family::Adf:
        return tr("QDR %1, QDM %2, RB %3").arg(col(13), col(15), col(17));
    case Family::QdmQdr:
        return tr("%1 %2 from HDG %3 → HDG %4")
            .arg(type->type == 7 || type->type == 13 ? QStringLiteral("QDR") : QStringLiteral("QDM"), col(1), col(17), col(18));
    case Family::Wind:
        return tr("Wind %1/%2 kt, course %3, TAS %4").arg(col(1), col(2), col(3), col(4));
    }
    return {};
}

} // namespace orvik3::trainer
