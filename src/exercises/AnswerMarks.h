#pragma once

#include <QString>

namespace orvik3 {

class FormControl;

// How every answer row shows its verdict: a right answer turns the prompt green and shows
// the expected answer in green; a wrong one turns the prompt white on red and shows
// "FALSCH"; a shown solution is white on dark teal. The result is a label's caption or a
// text box's text.
namespace marks {

void right(FormControl &prompt, FormControl &result, const QString &shown);
// As right(), and both backgrounds painted dark teal (the position panel's text boxes).
void rightOnTeal(FormControl &prompt, FormControl &result, const QString &shown);
void wrong(FormControl &prompt, FormControl &result);
void solution(FormControl &prompt, FormControl &result, const QString &shown);
void setResultText(FormControl &result, const QString &text);

} // namespace marks

} // namespace orvik3
