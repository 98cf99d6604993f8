#include "exercises/wind/WindPanel.h"

#include "exercises/PanelContext.h"
#include "exercises/AnswerMarks.h"
#include "exercises/CommonButtons.h"
#include "platform/ValueRules.h"
#include "resources/PanelConstants.h"

#include <orvik3/Error.h>

#include <cmath>
#include <cstddef>

#include <QCoreApplication>

namespace orvik3 {

namespace {

// The four answer rows; index 1..4 is also the number of the row's partCorrect/partDone flags.
struct WindRow {
    const char *label;
    const char *boxes[2];
    const char *units[2];
    const char *options[3];
    const char *result;
    int numberColumn; // stored number (qaCol..)
    int sideColumn;   // stored side word, 0 for the time row
};

constexpr WindRow kRows[5] = {
    {},
    {"Label38", {"Text4", nullptr}, {"Label43", nullptr}, {"Option47", "Option42", "Option35"}, "Label34", 13, 14},
    {"Label41", {"Text5", nullptr}, {"Label44", nullptr}, {"Option54", "Option55", "Option56"}, "Label36", 15, 16},
    {"Label39", {"Text6", nullptr}, {"Label45", nullptr}, {"Option52", "Option53", "Option41"}, "Label35", 17, 18},
    {"Label40", {"Text7", "Text8"}, {"Label46", "Label47"}, {"Option58", nullptr, nullptr}, "Label37", 19, 0},
};
constexpr int kHeadTail = 1, kCrosswind = 2, kWca = 3, kTime = 4;

using wind::kMaxMinutes;
using wind::Side;

// Twenty per cent, strictly: a stored number of 0 or less accepts nothing.
bool closeEnough(double typed, double stored)
{
    return std::fabs(typed - stored) < 0.2 * stored;
}

// Calls f with the name of every control of a row's list (the lists end early in nullptr).
template <std::size_t N, typename F>
void forEachControl(const char *const (&names)[N], F f)
{
    for (const char *name : names)
        if (name)
            f(QLatin1String(name));
}

} // namespace

void WindPanel::beforeQuestion(qint16)
{
    // Emptying the boxes runs their change handlers, which enable the options; hence the
    // options are disabled only afterwards, so that every question starts with them off.
    for (const char *box : {"Text4", "Text5", "Text6", "Text7", "Text8"})
        ctx.ctl(QLatin1String(box)).setText(QString());
    for (int row = kHeadTail; row <= kTime; ++row)
        forEachControl(kRows[row].options, [this](const QString &name) { ctx.ctl(name).setEnabled(false); });
}

void WindPanel::captions(qint16)
{
    auto caption = [this](const char *name, quint16 id) { ctx.ctl(QLatin1String(name)).setCaption(ctx.text(id)); };
    caption("Label38", 321);
    caption("Label41", 322);
    caption("Label39", 323);
    caption("Label40", 324);
    caption("Option47", 325);
    caption("Option42", 326);
    caption("Option35", 327);
    caption("Option54", 328);
    caption("Option55", 326);
    caption("Option56", 329);
    caption("Option52", 328);
    caption("Option53", 326);
    caption("Option41", 329);
}

void WindPanel::resetQuestion(qint16)
{
    for (const char *name : {"Label34", "Label36", "Label35", "Label37", "Label38", "Label41", "Label39", "Label40"}) {
        FormControl &label = ctx.ctl(QLatin1String(name));
        label.setForeColor(colors::white);
        label.setBackColor(colors::darkTeal);
    }
    for (int row = kHeadTail; row <= kTime; ++row) {
        forEachControl(kRows[row].boxes, [this](const QString &name) {
            FormControl &box = ctx.ctl(name);
            box.setVisible(true);
            box.setText(QString());
        });
        forEachControl(kRows[row].units, [this](const QString &name) { ctx.ctl(name).setVisible(true); });
        forEachControl(kRows[row].options, [this](const QString &name) {
            FormControl &option = ctx.ctl(name);
            option.setVisible(true);
            option.setValue(0);
        });
    }
    for (int row = kHeadTail; row <= kTime; ++row)
        ctx.ctl(QLatin1String(kRows[row].result)).setVisible(false);
    ctx.ctl(QStringLiteral("Label33"))
        .setCaption(ctx.text(textId::windWith) + u' ' + ctx.current(1) + u'/' + ctx.current(2));
}

void WindPanel::enableOptions(int row)
{
    forEachControl(kRows[row].options, [this](const QString &name) { ctx.ctl(name).setEnabled(true); });
}

void WindPanel::Text4_Change() { enableOptions(kHeadTail); }
void WindPanel::Text5_Change() { enableOptions(kCrosswind); }
void WindPanel::Text6_Change() { enableOptions(kWca); }
void WindPanel::Text7_Change() { enableOptions(kTime); }
void WindPanel::Text8_Change() { enableOptions(kTime); }

PanelOutcome WindPanel::Option47_Click() { return judgeSideRow(kHeadTail, Side::Head); }
PanelOutcome WindPanel::Option42_Click() { return judgeSideRow(kHeadTail, Side::Zero); }
PanelOutcome WindPanel::Option35_Click() { return judgeSideRow(kHeadTail, Side::Tail); }
PanelOutcome WindPanel::Option54_Click() { return judgeSideRow(kCrosswind, Side::Left); }
PanelOutcome WindPanel::Option55_Click() { return judgeSideRow(kCrosswind, Side::Zero); }
PanelOutcome WindPanel::Option56_Click() { return judgeSideRow(kCrosswind, Side::Right); }
PanelOutcome WindPanel::Option52_Click() { return judgeSideRow(kWca, Side::Left); }
PanelOutcome WindPanel::Option53_Click() { return judgeSideRow(kWca, Side::Zero); }
PanelOutcome WindPanel::Option41_Click() { return judgeSideRow(kWca, Side::Right); }

PanelOutcome WindPanel::judgeSideRow(int row, wind::Side side)
{
    const WindRow &r = kRows[row];
    // Using the crosswind or WCA row closes the head/tail row for this question, so the
    // head/tail row must be answered first. The WCA row marks it even when the click is ignored.
    if (row == kWca)
        ctx.question.partDone[kHeadTail] = true;
    if (!ctx.question.questionShown || ctx.question.partDone[row])
        return PanelOutcome::nothing();
    if (row == kCrosswind)
        ctx.question.partDone[kHeadTail] = true;

    const QString typedText = ctx.ctl(QLatin1String(r.boxes[0])).text();
    const double typed = values::readNumber(typedText);
    const QString &number = ctx.current(r.numberColumn);
    const QString &word = ctx.current(r.sideColumn);
    const double stored = values::readNumber(number);

    // A zero row is right only for the exact number; a side within twenty per cent.
    const bool right = wind::accepts(side, word) && (side == Side::Zero ? typed == stored : closeEnough(typed, stored));

    FormControl &label = ctx.ctl(QLatin1String(r.label));
    FormControl &result = ctx.ctl(QLatin1String(r.result));
    if (right) {
        ctx.question.partCorrect[row] = true;
        marks::right(label, result, word + u' ' + number);
    } else {
        marks::wrong(label, result);
    }
    ctx.question.partDone[row] = true;
    forEachControl(r.options, [this](const QString &name) { ctx.ctl(name).setVisible(false); });
    ctx.ctl(QLatin1String(r.boxes[0])).setVisible(false);
    ctx.ctl(QLatin1String(r.units[0])).setVisible(false);
    // Given as the right answer is shown: the side's word, then the number typed.
    const QString given = wind::wordsOf(side).front().toString() + u' ' + typedText.trimmed();
    return PanelOutcome::marked(row, right, given, ctx.question.allCorrect(4) ? 6 : 0);
}

double WindPanel::storedSeconds(const QString &stored, int question)
{
    const double t = values::readNumber(stored);
    const double minutes = std::floor(t);
    if (minutes < -kMaxMinutes || minutes > kMaxMinutes) {
        // A broken record: say which one, so that the instructor can mend the study file.
        throw Error(ErrorKind::Overflow,
                    QCoreApplication::translate("orvik3::Error", "wind question %1 (row %2), column qaCol19: stored time \"%3\" has %4 minutes; "
                                   "beyond 546 they do not fit a 16-bit Integer as seconds")
                        .arg(question + 1)
                        .arg(question)
                        .arg(stored)
                        .arg(minutes, 0, 'f', 0));
    }
    const qint16 m = qint16(minutes);
    // The seconds are the first two digits behind the point, taken from the binary fraction:
    // 12.29 holds a fraction just below 0.29 and so gives 28 seconds (748 s in all).
    const double seconds = std::floor((t - minutes) * 100.0);
    return double(values::mul(m, 60)) + seconds;
}

PanelOutcome WindPanel::Option58_Click()
{
    ctx.question.partDone[kHeadTail] = true; // the time row, too, closes the head/tail row
    if (!ctx.question.questionShown || ctx.question.partDone[kTime])
        return PanelOutcome::nothing();

    const QString &stored = ctx.current(19);
    const double expected = storedSeconds(stored, ctx.question.currentQuestion);
    const QString minutes = ctx.ctl(QStringLiteral("Text7")).text(), seconds = ctx.ctl(QStringLiteral("Text8")).text();
    const double typed = 60.0 * values::readNumber(minutes) + values::readNumber(seconds);

    FormControl &label = ctx.ctl(QStringLiteral("Label40"));
    FormControl &result = ctx.ctl(QStringLiteral("Label37"));
    const bool right = closeEnough(typed, expected);
    if (right) {
        ctx.question.partCorrect[kTime] = true;
        marks::right(label, result, stored + QStringLiteral(" min.sec"));
    } else {
        marks::wrong(label, result);
    }
    ctx.question.partDone[kTime] = true;
    for (const char *name : {"Option58", "Text7", "Text8", "Label46", "Label47"})
        ctx.ctl(QLatin1String(name)).setVisible(false);
    return PanelOutcome::marked(kTime, right, minutes.trimmed() + u':' + seconds.trimmed(), ctx.question.allCorrect(4) ? 6 : 0);
}

PanelOutcome WindPanel::Command11_Click()
{
    ctx.ctl(QStringLiteral("Frame29")).setHeight(frameHeight::cut);
    for (int row = kHeadTail; row <= kTime; ++row) {
        const WindRow &r = kRows[row];
        const QString shown = row == kTime ? ctx.current(19) + QStringLiteral(" min.sec")
                                           : ctx.current(r.sideColumn) + u' ' + ctx.current(r.numberColumn);
        marks::solution(ctx.ctl(QLatin1String(r.label)), ctx.ctl(QLatin1String(r.result)), shown);
        forEachControl(r.options, [this](const QString &name) { ctx.ctl(name).setVisible(false); });
        forEachControl(r.boxes, [this](const QString &name) { ctx.ctl(name).setVisible(false); });
        forEachControl(r.units, [this](const QString &name) { ctx.ctl(name).setVisible(false); });
    }
    return PanelOutcome::solutionShown(6);
}

PanelOutcome WindPanel::Command12_Click() { return buttons::next(ctx, QStringLiteral("wind"), 4); }
PanelOutcome WindPanel::Command13_Click() { return buttons::cancel(); }
PanelOutcome WindPanel::Command14_Click() { return buttons::flyYourself(ctx, 4, QStringLiteral("Frame29")); }

} // namespace orvik3
