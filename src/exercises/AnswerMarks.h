#pragma once

#include "exercises/PanelOutcome.h"

#include <QString>

namespace orvik3 {

class FormControl;
struct PanelContext;

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

// The common buttons of every panel.
namespace flow {

// Counts the attempt (and a wrong answer, stepping back one question, unless all `parts`
// rows are right) when anything was answered.
void countAnswers(const PanelContext &ctx, const QString &statsPrefix, int parts);
// "Weiter": counts the attempt (and a wrong answer, stepping back one question, unless all
// `parts` rows are right) when anything was answered; the control then shows the next question.
PanelOutcome next(const PanelContext &ctx, const QString &statsPrefix, int parts);
// "Abbrechen": type 0 for the host, stored without running the selection.
inline PanelOutcome cancel() { return PanelOutcome::cancelled(); }
// "Selber Fliegen": the panel cut short; the control hands the family code to the host.
PanelOutcome flyYourself(const PanelContext &ctx, qint16 familyCode, const QString &frame);

} // namespace flow

} // namespace orvik3
