#include "exercises/adf/AdfPanel.h"

#include "exercises/PanelContext.h"
#include "exercises/AnswerMarks.h"
#include "exercises/CommonButtons.h"
#include "exercises/adf/AdfRules.h"

#include <orvik3/OleColor.h>

namespace orvik3 {

namespace {

// One of the five questions. A value question judges an option by the caption column it
// shows (firstColumn + place); a trend question by the option's two trend words.
struct Question {
    const char *label;
    const char *result;
    int answerColumn;
    int firstColumn; // 0 for a trend question
    int options[4];  // 0 where the question has three
};

// Top to bottom: QDR, QDR trend, QDM, QDM trend, relative bearing.
constexpr Question kQuestions[] = {
    {"Label20", "Label14", 13, 1, {22, 21, 20, 23}},
    {"Label17", "Label22", 14, 0, {28, 34, 33, 0}},
    {"Label19", "Label16", 15, 5, {32, 31, 30, 29}},
    {"Label18", "Label13", 16, 0, {19, 17, 18, 0}},
    {"Label21", "Label15", 17, 9, {27, 26, 25, 24}},
};
constexpr int kQuestionCount = 5;

QString optionName(int number)
{
    return QStringLiteral("Option%1").arg(number);
}

int optionCount(const Question &q)
{
    return q.options[3] != 0 ? 4 : 3;
}

void hideOptions(const PanelContext &ctx, const Question &q)
{
    for (int k = 0; k < optionCount(q); ++k)
        ctx.ctl(optionName(q.options[k])).setVisible(false);
}

} // namespace

void AdfPanel::captions(qint16)
{
    for (const Question &q : kQuestions) {
        if (q.firstColumn != 0)
            continue;
        for (int k = 0; k < 3; ++k)
            ctx.ctl(optionName(q.options[k])).setCaption(ctx.text(adf::kTrendWords[k].captionId));
    }
    static constexpr quint16 kLabelTexts[kQuestionCount] = {289, 290, 291, 292, 293};
    for (int g = 0; g < kQuestionCount; ++g)
        ctx.ctl(QLatin1String(kQuestions[g].label)).setCaption(ctx.text(kLabelTexts[g]));
}

void AdfPanel::resetQuestion(qint16)
{
    for (const Question &q : kQuestions) {
        for (const char *name : {q.label, q.result}) {
            FormControl &c = ctx.ctl(QLatin1String(name));
            c.setForeColor(colors::white);
            c.setBackColor(colors::darkTeal);
        }
    }
    for (const Question &q : kQuestions) {
        for (int k = 0; k < optionCount(q); ++k) {
            FormControl &option = ctx.ctl(optionName(q.options[k]));
            option.setVisible(true);
            option.setValue(0);
        }
    }
    for (const Question &q : kQuestions)
        ctx.ctl(QLatin1String(q.result)).setVisible(false);
    for (const Question &q : kQuestions) {
        if (q.firstColumn == 0)
            continue;
        for (int k = 0; k < 4; ++k)
            ctx.ctl(optionName(q.options[k])).setCaption(ctx.current(q.firstColumn + k));
    }
}

PanelOutcome AdfPanel::optionClick(int option)
{
    for (int g = 0; g < kQuestionCount; ++g) {
        const Question &q = kQuestions[g];
        for (int k = 0; k < optionCount(q); ++k) {
            if (q.options[k] == option) {
                return judge(g, k);
            }
        }
    }
    return PanelOutcome::nothing();
}

PanelOutcome AdfPanel::judge(int question, int place)
{
    const Question &q = kQuestions[question];
    const int part = question + 1;
    if (!ctx.question.questionShown || ctx.question.partDone[part])
        return PanelOutcome::nothing();

    const QString &answer = ctx.current(q.answerColumn);
    bool right = false;
    QString given;
    if (q.firstColumn != 0) {
        given = ctx.current(q.firstColumn + place);
        right = answer == given;
    } else {
        // Either language's word is accepted, whichever study file the answer came from.
        given = QString::fromUtf16(adf::kTrendWords[place].english);
        right = adf::acceptsTrend(adf::kTrendWords[place], answer);
    }

    FormControl &label = ctx.ctl(QLatin1String(q.label));
    FormControl &result = ctx.ctl(QLatin1String(q.result));
    if (right) {
        ctx.question.partCorrect[part] = true;
        marks::right(label, result, answer);
    } else {
        marks::wrong(label, result);
    }
    // Whichever answer completes the five sets the code, in any order.
    ctx.question.partDone[part] = true;
    hideOptions(ctx, q);
    return PanelOutcome::marked(part, right, given, ctx.question.allCorrect(kQuestionCount) ? 6 : 0);
}

PanelOutcome AdfPanel::Command6_Click()
{
    return buttons::next(ctx, QStringLiteral("adfpos"), kQuestionCount);
}

PanelOutcome AdfPanel::Command7_Click()
{
    for (const Question &q : kQuestions) {
        marks::solution(ctx.ctl(QLatin1String(q.label)), ctx.ctl(QLatin1String(q.result)), ctx.current(q.answerColumn));
        hideOptions(ctx, q);
    }
    return PanelOutcome::solutionShown(1);
}

PanelOutcome AdfPanel::Command5_Click()
{
    return buttons::cancel();
}

} // namespace orvik3
