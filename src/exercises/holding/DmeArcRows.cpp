// The DME-arc questions (type 9) on the holding panel: the right answers stand in the study
// file, and the panel offers each among distractors built from it.
#include "exercises/PanelContext.h"
#include "exercises/OptionOrder.h"
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
    ctx.ctl(QStringLiteral("Label2")).setCaption(ctx.current(3));
    paintRowLabels(ctx);
    showOptions(ctx, 1, 13, true);
    for (int r = 1; r <= 4; ++r)
        ctx.ctl(QLatin1String(row(r).result)).setVisible(false);
    deselectOptions(ctx, 1, 5);

    for (int k = 1; k <= 5; ++k)
        ctx.question.optionOffsets[k] = kArcOffsets[k - 1];
    drawOptionOrder(ctx, 5);
    const QString firstHeading = ctx.current(14);
    for (int k = 1; k <= 5; ++k)
        ctx.ctl(optionName(k)).setCaption(candidateCaption(firstHeading, ctx.question.optionOffsets[ctx.question.optionOrder[k]]));

    deselectOptions(ctx, 6, 16);
    const QString leadRadial = ctx.current(15);
    for (int k = 0; k < 5; ++k) {
        const qint16 place = ctx.question.optionOrder[kLeadRadialPlace[k]];
        ctx.ctl(optionName(6 + k)).setCaption(candidateCaption(leadRadial, ctx.question.optionOffsets[place]));
    }
}

bool HoldingPanel::judgeArc(int option, QString &shown, QString &given) const
{
    switch (rowOfOption(option)->number) {
    case 1: {
        shown = ctx.current(13);
        given = holding::kArcTurnWords[option - 11].toString();
        return shown == given;
    }
    case 2:
        shown = ctx.current(14);
        given = ctx.ctl(optionName(option)).caption().trimmed();
        return ctx.question.optionOrder[option] == 5;
    default:
        shown = ctx.current(15);
        given = ctx.ctl(optionName(option)).caption().trimmed();
        return ctx.question.optionOrder[kLeadRadialPlace[option - 6]] == 5;
    }
}

void HoldingPanel::showArcSolution()
{
    for (int r = 1; r <= 3; ++r)
        marks::solution(ctx.ctl(QLatin1String(row(r).prompt)), ctx.ctl(QLatin1String(row(r).result)),
                        ctx.current(r == 1 ? 13 : r == 2 ? 14 : 15));
    ctx.ctl(QStringLiteral("Label11")).setVisible(false);
}

} // namespace orvik3
