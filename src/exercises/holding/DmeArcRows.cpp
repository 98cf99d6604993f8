// The DME-arc questions (type 9) on the holding panel: the right answers stand in the study
// file, and the panel offers each among distractors built from it.
#include "control/InstanceState.h"
#include "exercises/CandidateOrder.h"
#include "exercises/AnswerMarks.h"
#include "exercises/holding/HoldingPanel.h"
#include "exercises/holding/HoldingRows.h"
#include "exercises/holding/HoldingRules.h"

namespace orvik3 {

using namespace holding;

namespace {
// The fifth offset is 0: that candidate is the right answer itself.
constexpr qint16 kArcOffsets[] = {90, 150, 180, 210, 0};
// Row 3 reads the same permutation in another order (Option6..Option10 take places 5, 4, 2,
// 3, 1), so that its right answer never stands where row 2 has it.
constexpr int kLeadRadialPlace[] = {5, 4, 2, 3, 1};
} // namespace

void HoldingPanel::resetArc()
{
    s.ctl(QStringLiteral("Label2")).setCaption(s.current(3));
    paintRowLabels(s);
    showOptions(s, 1, 13, true);
    for (int r = 1; r <= 4; ++r)
        s.ctl(QLatin1String(row(r).result)).setVisible(false);
    deselectOptions(s, 1, 5);

    for (int k = 1; k <= 5; ++k)
        s.optionOffsets[k] = kArcOffsets[k - 1];
    drawOptionOrder(s, 5);
    const QString firstHeading = s.current(14);
    for (int k = 1; k <= 5; ++k)
        s.ctl(optionName(k)).setCaption(candidateCaption(firstHeading, s.optionOffsets[s.optionOrder[k]]));

    deselectOptions(s, 6, 16);
    const QString leadRadial = s.current(15);
    for (int k = 0; k < 5; ++k) {
        const qint16 place = s.optionOrder[kLeadRadialPlace[k]];
        s.ctl(optionName(6 + k)).setCaption(candidateCaption(leadRadial, s.optionOffsets[place]));
    }
}

bool HoldingPanel::judgeArc(int option, QString &shown) const
{
    switch (rowOfOption(option)->number) {
    case 1: {
        shown = s.current(13);
        return shown == holding::kArcTurnWords[option - 11];
    }
    case 2:
        shown = s.current(14);
        return s.optionOrder[option] == 5;
    default:
        shown = s.current(15);
        return s.optionOrder[kLeadRadialPlace[option - 6]] == 5;
    }
}

void HoldingPanel::showArcSolution()
{
    for (int r = 1; r <= 3; ++r)
        marks::solution(s.ctl(QLatin1String(row(r).prompt)), s.ctl(QLatin1String(row(r).result)),
                        s.current(r == 1 ? 13 : r == 2 ? 14 : 15));
    s.ctl(QStringLiteral("Label11")).setVisible(false);
}

} // namespace orvik3
