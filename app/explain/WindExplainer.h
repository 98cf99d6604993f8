#pragma once

#include "explain/Explanation.h"

#include <QCoreApplication>
#include <optional>

namespace orvik3::trainer {

// The wind triangle of one leg worked out the way a student does it on paper: components,
// correction angle, ground speed and the time for the leg.
class WindExplainer
{
    Q_DECLARE_TR_FUNCTIONS(WindExplainer)
public:
    struct Leg {
        double courseDeg = 0.0;
        double tasKt = 0.0;
        double windFromDeg = 0.0;
        double windKt = 0.0;
        std::optional<double> legNm;
    };
    // Lines of working and the closing sentence; answers are left to the caller.
    static Explanation explain(const Leg &leg);
    // A time written as minutes.seconds ("33.45") shown as "33:45 min:s"; other text unchanged.
    static QString minutesSeconds(const QString &stored);
};

} // namespace orvik3::trainer
