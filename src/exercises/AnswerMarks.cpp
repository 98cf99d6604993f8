#include "exercises/AnswerMarks.h"

#include "control/InstanceState.h"
#include "questions/Statistics.h"
#include "platform/ValueRules.h"

#include <orvik3/FormControl.h>
#include <orvik3/OleColor.h>

namespace orvik3 {

namespace marks {

void setResultText(FormControl &result, const QString &text)
{
    if (result.kind() == ControlKind::TextBox)
        result.setText(text);
    else
        result.setCaption(text);
}

void right(FormControl &prompt, FormControl &result, const QString &shown)
{
    prompt.setForeColor(colors::green);
    setResultText(result, shown);
    result.setForeColor(colors::green);
    result.setVisible(true);
}

void rightOnTeal(FormControl &prompt, FormControl &result, const QString &shown)
{
    prompt.setForeColor(colors::green);
    prompt.setBackColor(colors::darkTeal);
    setResultText(result, shown);
    result.setForeColor(colors::green);
    result.setBackColor(colors::darkTeal);
    result.setVisible(true);
}

void wrong(FormControl &prompt, FormControl &result)
{
    prompt.setForeColor(colors::white);
    prompt.setBackColor(colors::red);
    setResultText(result, QStringLiteral("FALSCH"));
    result.setForeColor(colors::white);
    result.setBackColor(colors::red);
    result.setVisible(true);
}

void solution(FormControl &prompt, FormControl &result, const QString &shown)
{
    setResultText(result, shown);
    result.setBackColor(colors::darkTeal);
    result.setForeColor(colors::white);
    result.setVisible(true);
    prompt.setBackColor(colors::darkTeal);
    prompt.setForeColor(colors::white);
}

} // namespace marks

namespace flow {

void countAnswers(InstanceState &s, const QString &statsPrefix, int parts)
{
    if (s.anyPartDone()) {
        const bool wrong = !s.allCorrect(parts);
        Statistics(s).countQuestion(statsPrefix, s.currentQuestion, wrong);
        if (wrong)
            s.currentQuestion = vb::sub(s.currentQuestion, 1);
    }
}

void next(InstanceState &s, const QString &statsPrefix, int parts)
{
    countAnswers(s, statsPrefix, parts);
    s.c_showResult = 2;
    s.displayQuestion();
}

void cancel(InstanceState &s)
{
    s.c_QAtype = 0;
}

void flyYourself(InstanceState &s, qint16 familyCode, const QString &frame)
{
    s.c_QAFly = familyCode;
    s.c_TrackDelta = 3;
    s.c_showResult = 4;
    s.ctl(frame).setHeight(1100);
}

} // namespace flow

} // namespace orvik3
