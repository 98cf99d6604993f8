#include "exercises/holding/HoldingPanel.h"

#include "exercises/PanelContext.h"
#include "exercises/OptionOrder.h"
#include "exercises/AnswerMarks.h"
#include "exercises/CommonButtons.h"
#include "exercises/holding/HoldingRows.h"
#include "exercises/holding/HoldingSolver.h"
#include "platform/ValueRules.h"
#include "resources/PanelConstants.h"
#include "study/ExerciseTypes.h"

namespace orvik3 {

using namespace holding;

namespace {
// Candidate offsets of the holding rows: abeam and offset heading of a right-hand holding,
// outbound, offset heading and abeam of a left-hand one.
constexpr qint16 kHoldingOffsets[] = {90, 150, 180, 210, 270};
} // namespace

void HoldingPanel::selected(qint16 type)
{
    auto caption = [this](const char *name, quint16 id) { ctx.ctl(QLatin1String(name)).setCaption(ctx.text(id)); };
    if (type == 9) {
        caption("Label3", 341);
        caption("Label6", 342);
        caption("Label4", 343);
        caption("Option11", 347);
        caption("Option12", 348);
        caption("Option13", 349);
        ctx.ctl(QStringLiteral("Label5")).setVisible(false);
        for (const char *name : {"Option14", "Option15", "Option16"})
            ctx.ctl(QLatin1String(name)).setVisible(false);
        return;
    }
    caption("Label3", 337);
    caption("Label6", 338);
    caption("Label4", 339);
    caption("Option11", 344);
    caption("Option12", 345);
    caption("Option13", 346);
    caption("Option14", 347);
    caption("Option16", 348);
    caption("Option15", 349);
    ctx.ctl(QStringLiteral("Label5")).setVisible(true);
}

void HoldingPanel::resetQuestion(qint16 type)
{
    m_shownType = type;
    if (type == 9)
        resetArc();
    else
        resetHolding();
}

void HoldingPanel::resetHolding()
{
    const QString inboundText = ctx.current(14);
    ctx.ctl(QStringLiteral("Label2"))
        .setCaption(ctx.text(textId::holdingFly) + u' ' + ctx.current(15) + u' ' + ctx.text(textId::holdingInbound) + u' ' + inboundText);

    HoldingFields &h = m_hold;
    h.heading = values::roundToInteger(values::readNumber(ctx.current(13)));
    h.inbound = values::roundToInteger(values::readNumber(inboundText));
    h.typeText = ctx.current(15);

    paintRowLabels(ctx);
    showOptions(ctx, 1, 16, true);
    for (int r = 1; r <= 4; ++r)
        ctx.ctl(QLatin1String(row(r).result)).setVisible(false);

    findHoldingAnswer(h.heading, h.inbound, h.typeText, h.entry, h.outbound, h.gate, h.abeam, h.firstHdg,
                      h.firstTurn);

    deselectOptions(ctx, 1, 5);
    for (int k = 1; k <= 5; ++k)
        ctx.question.optionOffsets[k] = kHoldingOffsets[k - 1];
    drawOptionOrder(ctx, 5);
    for (int k = 1; k <= 5; ++k)
        ctx.ctl(optionName(k)).setCaption(candidateCaption(inboundText, ctx.question.optionOffsets[ctx.question.optionOrder[k]]));

    deselectOptions(ctx, 6, 16);
    for (int k = 0; k < 5; ++k)
        ctx.ctl(optionName(6 + k)).setCaption(candidateCaption(inboundText, kHoldingOffsets[k]));
}

bool HoldingPanel::judgeHolding(int option, QString &shown, QString &given) const
{
    const HoldingFields &h = m_hold;
    switch (rowOfOption(option)->number) {
    case 1: {
        static const char *const entries[] = {"direct", "parallel", "offset"};
        shown = h.entry;
        given = QLatin1String(entries[option - 11]);
        return h.entry == given;
    }
    case 2: {
        shown = values::signedNumberText(h.outbound);
        // optionOrder holds 1..5 once drawn; the set-up draws it before the first click counts.
        const qint16 chosen = reduced(h.inbound, ctx.question.optionOffsets[ctx.question.optionOrder[option]]);
        given = values::plainNumberText(chosen);
        return chosen == h.outbound;
    }
    case 3: {
        shown = values::signedNumberText(h.firstHdg);
        const qint16 chosen = reduced(h.inbound, kHoldingOffsets[option - 6]);
        given = values::plainNumberText(chosen);
        return chosen == h.firstHdg;
    }
    default: {
        static const char *const turns[] = {"left", "right", "maintain"}; // Option14, 15, 16
        shown = h.firstTurn;
        given = QLatin1String(turns[option - 14]);
        return h.firstTurn == given;
    }
    }
}

PanelOutcome HoldingPanel::optionClick(int option)
{
    const Row *r = rowOfOption(option);
    if (!ctx.question.questionShown || !r || ctx.question.partDone[r->number] || m_shownType == 0)
        return PanelOutcome::nothing();
    if (arcShown() && r->number == 4)
        return PanelOutcome::nothing(); // the DME arc has no fourth row

    QString shown, given;
    const bool right = arcShown() ? judgeArc(option, shown, given) : judgeHolding(option, shown, given);
    FormControl &prompt = ctx.ctl(QLatin1String(r->prompt));
    FormControl &result = ctx.ctl(QLatin1String(r->result));
    if (right) {
        ctx.question.partCorrect[r->number] = true;
        marks::right(prompt, result, shown);
    } else {
        marks::wrong(prompt, result);
    }
    const bool solved = ctx.question.allCorrect(arcShown() ? 3 : 4);

    ctx.question.partDone[r->number] = true;
    if (r->number == 1 || r->number == 4)
        deselectOptions(ctx, r->firstOption, r->lastOption);
    showOptions(ctx, r->firstOption, r->lastOption, false);
    return PanelOutcome::marked(r->number, right, given, solved ? 6 : 0);
}

PanelOutcome HoldingPanel::Command27_Click()
{
    if (m_shownType == 0)
        return PanelOutcome::nothing();
    ctx.ctl(QStringLiteral("Frame2")).setHeight(frameHeight::cut);
    if (arcShown())
        showArcSolution();
    else
        showHoldingSolution();
    showOptions(ctx, 1, 16, false);
    return PanelOutcome::solutionShown(6);
}

void HoldingPanel::showHoldingSolution()
{
    const HoldingFields &h = m_hold;
    const QString shown[] = {h.entry, values::plainNumberText(h.outbound), values::plainNumberText(h.firstHdg), h.firstTurn};
    for (int r = 1; r <= 4; ++r)
        marks::solution(ctx.ctl(QLatin1String(row(r).prompt)), ctx.ctl(QLatin1String(row(r).result)), shown[r - 1]);
}

PanelOutcome HoldingPanel::Command26_Click() { return buttons::flyYourself(ctx, 2, QStringLiteral("Frame2")); }

PanelOutcome HoldingPanel::Command28_Click()
{
    const ExerciseType *type = exerciseType(m_shownType);
    if (!type)
        return PanelOutcome::nothing();
    return buttons::next(ctx, QLatin1String(type->statsPrefix), arcShown() ? 3 : 4);
}

PanelOutcome HoldingPanel::Command4_Click() { return buttons::cancel(); }

} // namespace orvik3
