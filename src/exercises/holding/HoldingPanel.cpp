#include "exercises/holding/HoldingPanel.h"

#include "control/InstanceState.h"
#include "exercises/CandidateOrder.h"
#include "exercises/AnswerMarks.h"
#include "exercises/holding/HoldingRows.h"
#include "exercises/holding/HoldingSolver.h"
#include "platform/ValueRules.h"
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
    auto caption = [this](const char *name, quint16 id) { s.ctl(QLatin1String(name)).setCaption(s.text(id)); };
    if (type == 9) {
        caption("Label3", 341);
        caption("Label6", 342);
        caption("Label4", 343);
        caption("Option11", 347);
        caption("Option12", 348);
        caption("Option13", 349);
        s.ctl(QStringLiteral("Label5")).setVisible(false);
        for (const char *name : {"Option14", "Option15", "Option16"})
            s.ctl(QLatin1String(name)).setVisible(false);
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
    s.ctl(QStringLiteral("Label5")).setVisible(true);
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
    const QString inboundText = s.current(14);
    s.ctl(QStringLiteral("Label2"))
        .setCaption(s.text(335) + u' ' + s.current(15) + u' ' + s.text(336) + u' ' + inboundText);

    HoldingFields &h = s.hold;
    h.heading = vb::roundToInteger(vb::readNumber(s.current(13)));
    h.inbound = vb::roundToInteger(vb::readNumber(inboundText));
    h.typeText = s.current(15);

    paintRowLabels(s);
    showOptions(s, 1, 16, true);
    for (int r = 1; r <= 4; ++r)
        s.ctl(QLatin1String(row(r).result)).setVisible(false);

    findHoldingAnswer(h.heading, h.inbound, h.typeText, h.entry, h.outbound, h.gate, h.abeam, h.firstHdg,
                      h.firstTurn);

    deselectOptions(s, 1, 5);
    for (int k = 1; k <= 5; ++k)
        s.optionOffsets[k] = kHoldingOffsets[k - 1];
    drawOptionOrder(s, 5);
    for (int k = 1; k <= 5; ++k)
        s.ctl(optionName(k)).setCaption(candidateCaption(inboundText, s.optionOffsets[s.optionOrder[k]]));

    deselectOptions(s, 6, 16);
    for (int k = 0; k < 5; ++k)
        s.ctl(optionName(6 + k)).setCaption(candidateCaption(inboundText, kHoldingOffsets[k]));
}

bool HoldingPanel::judgeHolding(int option, QString &shown) const
{
    const HoldingFields &h = s.hold;
    switch (rowOfOption(option)->number) {
    case 1: {
        static const char *const entries[] = {"direct", "parallel", "offset"};
        shown = h.entry;
        return h.entry == QLatin1String(entries[option - 11]);
    }
    case 2:
        shown = vb::signedNumberText(h.outbound);
        // optionOrder holds 1..5 once drawn; the set-up draws it before the first click counts.
        return reduced(h.inbound, s.optionOffsets[s.optionOrder[option]]) == h.outbound;
    case 3:
        shown = vb::signedNumberText(h.firstHdg);
        return reduced(h.inbound, kHoldingOffsets[option - 6]) == h.firstHdg;
    default: {
        static const char *const turns[] = {"left", "right", "maintain"}; // Option14, 15, 16
        shown = h.firstTurn;
        return h.firstTurn == QLatin1String(turns[option - 14]);
    }
    }
}

void HoldingPanel::optionClick(int option)
{
    const Row *r = rowOfOption(option);
    if (!s.questionShown || !r || s.partDone[r->number] || m_shownType == 0)
        return;
    if (arcShown() && r->number == 4)
        return; // the DME arc has no fourth row

    QString shown;
    const bool right = arcShown() ? judgeArc(option, shown) : judgeHolding(option, shown);
    FormControl &prompt = s.ctl(QLatin1String(r->prompt));
    FormControl &result = s.ctl(QLatin1String(r->result));
    if (right) {
        s.partCorrect[r->number] = true;
        marks::right(prompt, result, shown);
    } else {
        marks::wrong(prompt, result);
    }
    if (s.allCorrect(arcShown() ? 3 : 4))
        s.c_showResult = 6;

    s.partDone[r->number] = true;
    if (r->number == 1 || r->number == 4)
        deselectOptions(s, r->firstOption, r->lastOption);
    showOptions(s, r->firstOption, r->lastOption, false);
}

void HoldingPanel::Command27_Click()
{
    if (m_shownType == 0)
        return;
    s.c_showResult = 6;
    s.ctl(QStringLiteral("Frame2")).setHeight(1100);
    if (arcShown())
        showArcSolution();
    else
        showHoldingSolution();
    showOptions(s, 1, 16, false);
}

void HoldingPanel::showHoldingSolution()
{
    const HoldingFields &h = s.hold;
    const QString shown[] = {h.entry, vb::plainNumberText(h.outbound), vb::plainNumberText(h.firstHdg), h.firstTurn};
    for (int r = 1; r <= 4; ++r)
        marks::solution(s.ctl(QLatin1String(row(r).prompt)), s.ctl(QLatin1String(row(r).result)), shown[r - 1]);
}

void HoldingPanel::Command26_Click() { flow::flyYourself(s, 2, QStringLiteral("Frame2")); }

void HoldingPanel::Command28_Click()
{
    const ExerciseType *type = exerciseType(m_shownType);
    if (!type)
        return;
    flow::next(s, QLatin1String(type->statsPrefix), arcShown() ? 3 : 4);
}

void HoldingPanel::Command4_Click() { flow::cancel(s); }

} // namespace orvik3
