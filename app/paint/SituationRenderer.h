#pragma once

#include "paint/PlanLabels.h"
#include "situation/Situation.h"

#include <QRectF>
#include <vector>

class QPainter;

namespace orvik3::trainer {

struct SituationLayout {
    QRectF plan;
    std::vector<QRectF> instruments;
};

// Where the plan and the instruments go in `rect`: the instruments in a column beside the
// plan when there is width to spare, in a row below it otherwise.
SituationLayout layoutSituation(const QRectF &rect, int instrumentCount);

// The whole situation picture, used by the view and by anything that wants it in an image.
class SituationRenderer
{
public:
    // With a probe, the plan's labels and symbols are written into it.
    void paint(QPainter &p, const QRectF &rect, const Situation &situation, PlanProbe *probe = nullptr) const;
};

} // namespace orvik3::trainer
