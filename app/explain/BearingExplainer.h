#pragma once

#include "explain/Explanation.h"

#include <QCoreApplication>

namespace orvik3::trainer {

// Sentences shared by the bearing exercises: a QDM and its reciprocal QDR, and the ADF sum.
class BearingExplainer
{
    Q_DECLARE_TR_FUNCTIONS(BearingExplainer)
public:
    // "QDM 030 and QDR 210 are the same line: QDR = QDM + 180 = 210."
    static QString reciprocal(double qdmDeg);
    // "QDM = HDG 090 + RB 300 = 390 − 360 = 030; QDR = 030 + 180 = 210."
    static QString adfSum(double headingDeg, double relativeBearingDeg);
};

} // namespace orvik3::trainer
