#include "exercises/wind/WindPanel.h"

#include "control/InstanceState.h"
#include "exercises/AnswerMarks.h"
#include "platform/ValueRules.h"

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
        s.ctl(QLatin1String(box)).setText(QString());
    for (int row = kHeadTail; row <= kTime; ++row)
        forEachControl(kRows[row].options, [this](const QString &name) { s.ctl(name).setEnabled(false); });
}

void WindPanel::captions(qint16)
{
    auto caption = [this](const char *name, quint16 id) { s.ctl(QLatin1String(name)).setCaption(s.text(id)); };
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
        FormControl &label = s.ctl(QLatin1String(name));
        label.setForeColor(colors::white);
        label.setBackColor(colors::darkTeal);
    }
    for (int row = kHeadTail; row <= kTime; ++row) {
        forEachControl(kRows[row].boxes, [this](const QString &name) {
            FormControl &box = s.ctl(name);
            box.setVisible(true);
            box.setText(QString());
        });
        forEachControl(kRows[row].units, [this](const QString &name) { s.ctl(name).setVisible(true); });
        forEachControl(kRows[row].options, [this](const QString &name) {
            FormControl &option = s.ctl(name);
            option.setVisible(true);
            option.setValue(0);
        });
    }
    for (int row = kHeadTail; row <= kTime; ++row)
        s.ctl(QLatin1String(kRows[row].result)).setVisible(false);
    s.ctl(QStringLiteral("Label33"))
        .setCaption(s.text(320) + u' ' + s.current(1) + u'/' + s.current(2));
}

void WindPanel::enableOptions(int row)
{
    forEachControl(kRows[row].options, [this](const QString &name) { s.ctl(name).setEnabled(true); });
}

void WindPanel::Text4_Change() { enableOptions(kHeadTail); }
void WindPanel::Text5_Change() { enableOptions(kCrosswind); }
void WindPanel::Text6_Change() { enableOptions(kWca); }
void WindPanel::Text7_Change() { enableOptions(kTime); }
void WindPanel::Text8_Change() { enableOptions(kTime); }

void WindPanel::Option47_Click() { judgeSideRow(kHeadTail, Side::Head); }
void WindPanel::Option42_Click() { judgeSideRow(kHeadTail, Side::Zero); }
void WindPanel::Option35_Click() { judgeSideRow(kHeadTail, Side::Tail); }
void WindPanel::Option54_Click() { judgeSideRow(kCrosswind, Side::Left); }
void WindPanel::Option55_Click() { judgeSideRow(kCrosswind, Side::Zero); }
void WindPanel::Option56_Click() { judgeSideRow(kCrosswind, Side::Right); }
void WindPanel::Option52_Click() { judgeSideRow(kWca, Side::Left); }
void WindPanel::Option53_Click() { judgeSideRow(kWca, Side::Zero); }
void WindPanel::Option41_Click() { judgeSideRow(kWca, Side::Right); }

void WindPanel::judgeSideRow(int row, wind::Side side)
{
    const WindRow &r = kRows[row];
    // Using the crosswind or WCA row closes the head/tail row for this question, so the
    // head/tail row must be answered first. The WCA row marks it even when the click is ignored.
    if (row == kWca)
        s.partDone[kHeadTail] = true;
    if (!s.questionShown || s.partDone[row])
        return;
    if (row == kCrosswind)
        s.partDone[kHeadTail] = true;

    const double typed = vb::readNumber(s.ctl(QLatin1String(r.boxes[0])).text());
    const QString &number = s.current(r.numberColumn);
    const QString &word = s.current(r.sideColumn);
    const double stored = vb::readNumber(number);

    // A zero row is right only for the exact number; a side within twenty per cent.
    const bool right = wind::accepts(side, word) && (side == Side::Zero ? typed == stored : closeEnough(typed, stored));

    FormControl &label = s.ctl(QLatin1String(r.label));
    FormControl &result = s.ctl(QLatin1String(r.result));
    if (right) {
        s.partCorrect[row] = true;
        marks::right(label, result, word + u' ' + number);
    } else {
        marks::wrong(label, result);
    }
    if (s.allCorrect(4))
        s.c_showResult = 6;

    s.partDone[row] = true;
    forEachControl(r.options, [this](const QString &name) { s.ctl(name).setVisible(false); });
    s.ctl(QLatin1String(r.boxes[0])).setVisible(false);
    s.ctl(QLatin1String(r.units[0])).setVisible(false);
}

double WindPanel::storedSeconds(const QString &stored, int question)
{
    const double t = vb::readNumber(stored);
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
    return double(vb::mul(m, 60)) + seconds;
}

void WindPanel::Option58_Click()
{
    s.partDone[kHeadTail] = true; // the time row, too, closes the head/tail row
    if (!s.questionShown || s.partDone[kTime])
        return;

    const QString &stored = s.current(19);
    const double expected = storedSeconds(stored, s.currentQuestion);
    const double typed = 60.0 * vb::readNumber(s.ctl(QStringLiteral("Text7")).text())
        + vb::readNumber(s.ctl(QStringLiteral("Text8")).text());

    FormControl &label = s.ctl(QStringLiteral("Label40"));
    FormControl &result = s.ctl(QStringLiteral("Label37"));
    if (closeEnough(typed, expected)) {
        s.partCorrect[kTime] = true;
        marks::right(label, result, stored + QStringLiteral(" min.sec"));
    } else {
        marks::wrong(label, result);
    }
    if (s.allCorrect(4))
        s.c_showResult = 6;

    s.partDone[kTime] = true;
    for (const char *name : {"Option58", "Text7", "Text8", "Label46", "Label47"})
        s.ctl(QLatin1String(name)).setVisible(false);
}

void WindPanel::Command11_Click()
{
    s.c_showResult = 6;
    s.ctl(QStringLiteral("Frame29")).setHeight(1100);
    for (int row = kHeadTail; row <= kTime; ++row) {
        const WindRow &r = kRows[row];
        const QString shown = row == kTime ? s.current(19) + QStringLiteral(" min.sec")
                                           : s.current(r.sideColumn) + u' ' + s.current(r.numberColumn);
        marks::solution(s.ctl(QLatin1String(r.label)), s.ctl(QLatin1String(r.result)), shown);
        forEachControl(r.options, [this](const QString &name) { s.ctl(name).setVisible(false); });
        forEachControl(r.boxes, [this](const QString &name) { s.ctl(name).setVisible(false); });
        forEachControl(r.units, [this](const QString &name) { s.ctl(name).setVisible(false); });
    }
}

void WindPanel::Command12_Click() { flow::next(s, QStringLiteral("wind"), 4); }
void WindPanel::Command13_Click() { flow::cancel(s); }
void WindPanel::Command14_Click() { flow::flyYourself(s, 4, QStringLiteral("Frame29")); }

} // namespace orvik3
