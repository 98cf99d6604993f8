#pragma once

#include "paint/PlanLabels.h"

#include <string>

namespace orvik3::trainer::test {

// The labels of a painted plan that cover another label, a station or the aircraft, as
// "[a|b]" and "[a on a symbol]"; empty when every label is free.
inline std::string crowdedLabels(const PlanProbe &probe)
{
    std::string crowded;
    for (std::size_t i = 0; i < probe.labels.size(); ++i) {
        const PlanProbe::Label &a = probe.labels[i];
        for (std::size_t j = i + 1; j < probe.labels.size(); ++j)
            if (a.rect.intersects(probe.labels[j].rect))
                crowded += " [" + a.text.toStdString() + "|" + probe.labels[j].text.toStdString() + "]";
        for (const QRectF &m : probe.marks)
            if (a.rect.intersects(m))
                crowded += " [" + a.text.toStdString() + " on a symbol]";
    }
    return crowded;
}

} // namespace orvik3::trainer::test
