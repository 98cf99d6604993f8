#include "exercises/adf/AdfPanel.h"

#include "control/InstanceState.h"
#include "exercises/AnswerMarks.h"
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

void hideOptions(InstanceState &s, const Question &q)
{
    for (int k = 0; k < optionCount(q); ++k)
        s.ctl(optionName(q.options[k])).setVisible(false);
}

} // namespace

void AdfPanel::captions(qint16)
{
    for (const Question &q : kQuestions) {
        if (q.firstColumn != 0)
            continue;
        for (int k = 0; k < 3; ++k)
            s.ctl(optionName(q.options[k])).setCaption(s.text(adf::kTrendWords[k].captionId));
    }
    static constexpr quint16 kLabelTexts[kQuestionCount] = {289, 290, 291, 292, 293};
    for (int g = 0; g < kQuestionCount; ++g)
        s.ctl(QLatin1String(kQuestions[g].label)).setCaption(s.text(kLabelTexts[g]));
}

void AdfPanel::resetQuestion(qint16)
{
    for (const Question &q : kQuestions) {
        for (const char *name : {q.label, q.result}) {
            FormControl &c = s.ctl(QLatin1String(name));
            c.setForeColor(colors::white);
            c.setBackColor(colors::darkTeal);
        }
    }
    for (const Question &q : kQuestions) {
        for (int k = 0; k < optionCount(q); ++k) {
            FormControl &option = s.ctl(optionName(q.options[k]));
            option.setVisible(true);
            option.setValue(0);
        }
    }
    for (const Question &q : kQuestions)
        s.ctl(QLatin1String(q.result)).setVisible(false);
    for (const Question &q : kQuestions) {
        if (q.firstColumn == 0)
            continue;
        for (int k = 0; k < 4; ++k)
            s.ctl(optionName(q.options[k])).setCaption(s.current(q.firstColumn + k));
    }
}

void AdfPanel::optionClick(int option)
{
    for (int g = 0; g < kQuestionCount; ++g) {
        const Question &q = kQuestions[g];
        for (int k = 0; k < optionCount(q); ++k) {
            if (q.options[k] == option) {
                judge(g, k);
                return;
            }
        }
    }
}

void AdfPanel::judge(int question, int place)
{
    const Question &q = kQuestions[question];
    const int part = question + 1;
    if (!s.questionShown || s.partDone[part])
        return;

    const QString &answer = s.current(q.answerColumn);
    bool right = false;
    if (q.firstColumn != 0) {
        right = answer == s.current(q.firstColumn + place);
    } else {
        // Either language's word is accepted, whichever study file the answer came from.
        right = adf::acceptsTrend(adf::kTrendWords[place], answer);
    }

    FormControl &label = s.ctl(QLatin1String(q.label));
    FormControl &result = s.ctl(QLatin1String(q.result));
    if (right) {
        s.partCorrect[part] = true;
        marks::right(label, result, answer);
    } else {
        marks::wrong(label, result);
    }
    // Whichever answer completes the five sets the code, in any order.
    if (s.allCorrect(kQuestionCount))
        s.c_showResult = 6;
    s.partDone[part] = true;
    hideOptions(s, q);
}

void AdfPanel::Command6_Click()
{
    flow::next(s, QStringLiteral("adfpos"), kQuestionCount);
}

void AdfPanel::Command7_Click()
{
    s.c_showResult = 1;
    for (const Question &q : kQuestions) {
        marks::solution(s.ctl(QLatin1String(q.label)), s.ctl(QLatin1String(q.result)), s.current(q.answerColumn));
        hideOptions(s, q);
    }
}

void AdfPanel::Command5_Click()
{
    flow::cancel(s);
}

} // namespace orvik3
