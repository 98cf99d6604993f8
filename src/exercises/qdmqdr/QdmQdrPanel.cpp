#include "exercises/qdmqdr/QdmQdrPanel.h"

#include "exercises/PanelContext.h"
#include "exercises/AnswerMarks.h"
#include "exercises/CommonButtons.h"
#include "exercises/qdmqdr/BearingCandidates.h"
#include "exercises/qdmqdr/QdmQdrRules.h"
#include "platform/ValueRules.h"
#include "resources/PanelConstants.h"

#include <orvik3/OleColor.h>

namespace orvik3 {

namespace {

struct Row {
    const char *label;
    const char *result;
    int answerColumn;
    int options[4]; // 0 where the row has fewer
};

// Top to bottom: actual bearing, difference, first turn, first heading.
constexpr Row kRows[] = {
    {"Label31", "Label27", 13, {50, 49, 48, 46}},
    {"Label28", "Label25", 14, {40, 39, 38, 0}},
    {"Label30", "Label26", 15, {45, 44, 43, 0}},
    {"Label29", "Label24", 16, {37, 36, 0, 0}},
};
constexpr int kRowCount = 4;
constexpr int kValueRow = 0;

bool isQdm(qint16 type)
{
    return type == 6 || type == 12;
}

QString optionName(int number)
{
    return QStringLiteral("Option%1").arg(number);
}

int optionCount(const Row &row)
{
    int count = 0;
    while (count < 4 && row.options[count] != 0)
        ++count;
    return count;
}

// The option a word-row option number stands for.
qdmqdr::Meaning meaningOf(int option)
{
    using qdmqdr::Meaning;
    switch (option) {
    case 40: return Meaning::Decrease; // kleiner
    case 39: return Meaning::Constant;
    case 38: return Meaning::Increase;
    case 45: return Meaning::Left;
    case 44: return Meaning::Maintain;
    case 43: return Meaning::Right;
    case 37: return Meaning::HeadingLess;
    default: return Meaning::HeadingGreater; // 36
    }
}

void hideOptions(const PanelContext &ctx, const Row &row)
{
    for (int k = 0; k < optionCount(row); ++k)
        ctx.ctl(optionName(row.options[k])).setVisible(false);
}

} // namespace

void QdmQdrPanel::captions(qint16 type)
{
    const bool qdm = isQdm(type);
    static constexpr quint16 kFixed[][2] = {{40, 353}, {39, 354}, {38, 355}, {45, 347}, {44, 348}, {43, 349}};
    for (const auto &f : kFixed)
        ctx.ctl(optionName(f[0])).setCaption(ctx.text(f[1]));
    ctx.ctl(QStringLiteral("Option37")).setCaption(ctx.text(qdm ? 363 : 365));
    ctx.ctl(QStringLiteral("Option36")).setCaption(ctx.text(qdm ? 364 : 366));
}

void QdmQdrPanel::resetQuestion(qint16 type)
{
    const bool qdm = isQdm(type);
    ctx.ctl(QStringLiteral("Label31")).setCaption(ctx.text(qdm ? 358 : 359));
    ctx.ctl(QStringLiteral("Label28")).setCaption(ctx.text(qdm ? 360 : 451));
    ctx.ctl(QStringLiteral("Label30")).setCaption(ctx.text(textId::firstTurn));
    ctx.ctl(QStringLiteral("Label29")).setCaption(ctx.text(textId::firstHeading));

    for (const Row &row : kRows) {
        for (const char *name : {row.label, row.result}) {
            FormControl &c = ctx.ctl(QLatin1String(name));
            c.setForeColor(colors::white);
            c.setBackColor(colors::darkTeal);
        }
    }
    for (const Row &row : kRows) {
        for (int k = 0; k < optionCount(row); ++k) {
            FormControl &option = ctx.ctl(optionName(row.options[k]));
            option.setVisible(true);
            option.setValue(0);
        }
    }
    for (const Row &row : kRows)
        ctx.ctl(QLatin1String(row.result)).setVisible(false);

    qdmqdr::drawCandidates(ctx);
    const double bearing = values::readNumber(ctx.current(kRows[kValueRow].answerColumn));
    for (int k = 0; k < 4; ++k) {
        const double offset = qdmqdr::candidateOffset(ctx, k + 1);
        ctx.ctl(optionName(kRows[kValueRow].options[k])).setCaption(values::headingText(bearing + offset));
    }

    ctx.ctl(QStringLiteral("Label32")).setCaption(ctx.text(qdm ? 356 : 357) + u' ' + ctx.current(1));
    if (!qdm) {
        // Keeping the heading on a QDR means flying the actual QDR itself.
        const bool maintain = ctx.current(16) == QStringView(u"maintain");
        ctx.ctl(QStringLiteral("Option36")).setCaption(maintain ? ctx.current(13) : QStringLiteral(">  RQ QDR"));
    }
}

PanelOutcome QdmQdrPanel::optionClick(int option)
{
    for (int r = 0; r < kRowCount; ++r) {
        const Row &row = kRows[r];
        for (int k = 0; k < optionCount(row); ++k) {
            if (row.options[k] == option) {
                return judge(r, k);
            }
        }
    }
    return PanelOutcome::nothing();
}

PanelOutcome QdmQdrPanel::judge(int rowIndex, int place)
{
    const Row &row = kRows[rowIndex];
    const int part = rowIndex + 1;
    if (!ctx.question.questionShown || ctx.question.partDone[part])
        return PanelOutcome::nothing();

    const QString &answer = ctx.current(row.answerColumn);
    bool right = false;
    QString given;
    if (rowIndex == kValueRow) {
        given = ctx.ctl(optionName(row.options[place])).caption().trimmed();
        // Unrounded, and without turning 0 into 360: a stored 360 has no right candidate.
        const double bearing = values::readNumber(answer);
        double v = bearing + qdmqdr::candidateOffset(ctx, place + 1);
        if (v > 359)
            v -= 360;
        right = v == bearing;
    } else {
        given = qdmqdr::wordsOf(meaningOf(row.options[place])).front().toString();
        right = qdmqdr::accepts(meaningOf(row.options[place]), answer);
    }

    FormControl &label = ctx.ctl(QLatin1String(row.label));
    FormControl &result = ctx.ctl(QLatin1String(row.result));
    if (right) {
        ctx.question.partCorrect[part] = true;
        marks::right(label, result, answer);
    } else {
        marks::wrong(label, result);
    }
    ctx.question.partDone[part] = true;
    hideOptions(ctx, row);
    return PanelOutcome::marked(part, right, given, ctx.question.allCorrect(kRowCount) ? 6 : 0);
}

PanelOutcome QdmQdrPanel::Command9_Click()
{
    return buttons::next(ctx, isQdm(ctx.type) ? QStringLiteral("qdm") : QStringLiteral("qdr"), kRowCount);
}

PanelOutcome QdmQdrPanel::Command10_Click()
{
    ctx.ctl(QStringLiteral("Frame20")).setHeight(frameHeight::cut);
    for (const Row &row : kRows) {
        marks::solution(ctx.ctl(QLatin1String(row.label)), ctx.ctl(QLatin1String(row.result)),
                        ctx.current(row.answerColumn));
        hideOptions(ctx, row);
    }
    return PanelOutcome::solutionShown(6);
}

PanelOutcome QdmQdrPanel::Command15_Click()
{
    const PanelOutcome outcome = buttons::flyYourself(ctx, 3, QStringLiteral("Frame20"));
    ctx.ctl(QStringLiteral("Frame20")).setVisible(true);
    return outcome;
}

PanelOutcome QdmQdrPanel::Command8_Click()
{
    return buttons::cancel();
}

} // namespace orvik3
