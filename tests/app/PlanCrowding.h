#pragma once

#include "paint/PlanLabels.h"

#include <string>

namespace orvik3::trainer::test {

// The labels of a painted plan that cover another label, a station, the aircraft or a drawn
// line, as "[a|b]", "[a on a symbol]" and "[a on a line]", and the aircraft or a line under the
// wind rose or the scale as "[aircraft on the furniture]", "[a line under the furniture]";
// empty when everything is free.
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
        for (const PlanProbe::Line &l : probe.lines)
            for (int k = 1; k < l.points.size(); ++k)
                if (crosses(QLineF(l.points[k - 1], l.points[k]), l.width / 2.0, a.rect)) {
                    crowded += " [" + a.text.toStdString() + " on a line]";
                    break;
                }
    }
    for (const QRectF &f : probe.furniture) {
        if (f.intersects(probe.aircraft))
            crowded += " [aircraft on the furniture]";
        for (const PlanProbe::Line &l : probe.lines)
            for (int k = 1; k < l.points.size(); ++k)
                if (crosses(QLineF(l.points[k - 1], l.points[k]), l.width / 2.0, f)) {
                    crowded += " [a line under the furniture]";
                    break;
                }
    }
    return crowded;
}

} // namespace orvik3::trainer::test
