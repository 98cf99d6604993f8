#include "exercises/AnswerMarks.h"

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

} // namespace orvik3
