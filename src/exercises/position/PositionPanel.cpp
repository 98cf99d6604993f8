#include "exercises/position/PositionPanel.h"

#include "exercises/PanelContext.h"
#include "exercises/AnswerMarks.h"
#include "exercises/CommonButtons.h"
#include "exercises/position/PositionRules.h"
#include "platform/ValueRules.h"
#include "resources/PanelConstants.h"

#include <orvik3/Error.h>

namespace orvik3 {

namespace {

QString threeDigits(int degrees)
{
    return QStringLiteral("%1").arg(degrees, 3, 10, QLatin1Char('0'));
}

void fillDegrees(const PanelContext &ctx, FormControl &combo, bool trailingEmpty)
{
    combo.addItem(ctx.text(textId::choose));
    for (int i = 0; i < 72; ++i)
        combo.addItem(threeDigits(i * 5));
    if (trailingEmpty)
        combo.addItem(QString());
}

void fillOrientation(const PanelContext &ctx, FormControl &combo)
{
    static constexpr int kAngles[] = {30, 45, 60, 90, 120, 135, 150, 180, 210, 225, 240, 270, 300, 315, 330, 360};
    combo.addItem(ctx.text(textId::choose));
    for (int a : kAngles)
        combo.addItem(threeDigits(a));
    combo.addItem(QString());
}

} // namespace

void PositionPanel::orderBuilt(qint16 type)
{
    const QString n[] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    for (int i = 0; i < 3; ++i) {
        FormControl &combo = ctx.ctl(QStringLiteral("Combo") + n[i]);
        combo.clearList();
        ctx.ctl(QStringLiteral("Text1") + n[i]).setVisible(false);
        if (type == 10) {
            fillOrientation(ctx, combo);
            continue;
        }
        if (i < 2) {
            fillDegrees(ctx, combo, i == 0);
            continue;
        }
        static constexpr quint16 kHsi[] = {312, 313, 314, 315, 316, 317};
        static constexpr quint16 kVor[] = {312, 317, 315, 316};
        if (type == 1) {
            for (quint16 id : kHsi)
                combo.addItem(ctx.text(id));
        } else {
            for (quint16 id : kVor)
                combo.addItem(ctx.text(id));
            combo.addItem(QString());
            combo.addItem(QString());
        }
    }
    for (const char *name : {"Text1", "Combo1", "Text2", "Combo2", "Text3", "Combo3"})
        ctx.ctl(QLatin1String(name)).setVisible(true);
}

void PositionPanel::resetQuestion(qint16 type)
{
    for (const char *name : {"Combo1", "Combo2", "Combo3"}) {
        FormControl &combo = ctx.ctl(QLatin1String(name));
        combo.setListIndex(0);
        combo.setVisible(true);
    }
    for (const char *name : {"Text1", "Text2", "Text3"})
        ctx.ctl(QLatin1String(name)).setBackColor(colors::darkTeal);
    for (const char *name : {"Text1", "Text2", "Text3"})
        ctx.ctl(QLatin1String(name)).setForeColor(colors::windowBackground);
    ctx.ctl(QStringLiteral("Text1")).setText(ctx.table.col(1, 0));
    ctx.ctl(QStringLiteral("Text2")).setText(ctx.table.col(2, 0));
    ctx.ctl(QStringLiteral("Text3")).setText(ctx.table.col(3, type == 2 ? ctx.question.currentQuestion : 0));
}

PanelOutcome PositionPanel::Combo1_Click() { return judge(1); }
PanelOutcome PositionPanel::Combo2_Click() { return judge(2); }
PanelOutcome PositionPanel::Combo3_Click() { return judge(3); }

bool PositionPanel::isRight(int list, qint16 type, const FormControl &combo, const QString &stored) const
{
    if (list < 3 && type != 10)
        return degreesMatch(combo.listIndex(), stored);
    const QString chosen = combo.text();
    if (list == 3 && type == 1 && position::isAlternatives(stored))
        return alternativesMatch(chosen, stored);
    return chosen == stored;
}

bool PositionPanel::degreesMatch(int row, const QString &stored)
{
    // Row 0 (the prompt) stands for -5 and the empty last row for 360, as the rows run.
    const qint16 chosen = values::mul(values::sub(qint16(row), 1), 5);
    qint16 expected = 0;
    try {
        expected = values::strictInteger(stored);
    } catch (const Error &) {
        // A stored answer that is no number (or none at all, as with an empty study file) or
        // lies beyond the Integer range cannot be matched by any row: the choice is wrong. The
        // trainee sees "FALSCH" and the question goes on instead of ending in an error.
        return false;
    }
    return chosen == expected;
}

bool PositionPanel::alternativesMatch(const QString &chosen, const QString &stored)
{
    // A malformed pair cannot be told apart: the choice is wrong, whatever was chosen,
    // rather than guessing what the author meant.
    const auto pair = position::splitAlternatives(stored);
    return pair && (chosen == pair->first || chosen == pair->second);
}

PanelOutcome PositionPanel::judge(int list)
{
    const qint16 type = ctx.type;
    if ((type != 1 && type != 2 && type != 10) || !ctx.question.questionShown)
        return PanelOutcome::nothing();
    ctx.question.partDone[1] = true; // one flag for the whole question: "something was answered"

    const QString n = QString::number(list);
    FormControl &combo = ctx.ctl(QStringLiteral("Combo") + n);
    FormControl &prompt = ctx.ctl(QStringLiteral("Text") + n);
    FormControl &result = ctx.ctl(QStringLiteral("Text1") + n);
    const QString &stored = ctx.current(12 + list); // qaCol13..qaCol15

    const bool right = isRight(list, type, combo, stored);
    if (right) {
        marks::rightOnTeal(prompt, result, stored);
        ctx.question.partCorrect[list] = true;
    } else {
        marks::wrong(prompt, result);
    }
    combo.setVisible(false);

    // The code for the host is decided here only, so the question counts as finished when the
    // third list is answered after the other two were right.
    const bool solved = list == 3 && ctx.question.allCorrect(3);
    return PanelOutcome::marked(list, right, combo.text(), solved ? (type == 2 ? 1 : 6) : 0);
}

PanelOutcome PositionPanel::Command1_Click()
{
    // Type 10 counts with type 1. After "Abbrechen" (type 0) there is no exercise to count for.
    const qint16 type = ctx.type;
    std::optional<QuestionClosing> closed;
    if (type == 1 || type == 2 || type == 10)
        closed = buttons::countAnswers(ctx, type == 2 ? QStringLiteral("stdvor") : QStringLiteral("hsipos"), 3);
    for (const char *name : {"Text11", "Text12", "Text13"})
        ctx.ctl(QLatin1String(name)).setVisible(false);
    return PanelOutcome::nextRequested(ctx.question.questionShown ? closed : std::nullopt);
}

PanelOutcome PositionPanel::Command2_Click()
{
    for (int list = 1; list <= 3; ++list) {
        const QString n = QString::number(list);
        marks::solution(ctx.ctl(QStringLiteral("Text") + n), ctx.ctl(QStringLiteral("Text1") + n), ctx.current(12 + list));
        ctx.ctl(QStringLiteral("Combo") + n).setVisible(false);
    }
    return PanelOutcome::solutionShown(1);
}

PanelOutcome PositionPanel::Command3_Click() { return buttons::cancel(); }

} // namespace orvik3
