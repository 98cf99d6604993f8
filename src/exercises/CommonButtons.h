#pragma once

#include "exercises/PanelOutcome.h"

#include <QString>

namespace orvik3 {

struct PanelContext;

// The common buttons of every panel.
namespace buttons {

// Counts the attempt (and a wrong answer, stepping back one question, unless all `parts`
// rows are right) when anything was answered; says what it counted for which question.
QuestionClosing countAnswers(const PanelContext &ctx, const QString &statsPrefix, int parts);
// "Weiter": counts as countAnswers does; the control then shows the next question.
PanelOutcome next(const PanelContext &ctx, const QString &statsPrefix, int parts);
// "Abbrechen": type 0 for the host, stored without running the selection.
inline PanelOutcome cancel() { return PanelOutcome::cancelled(); }
// "Selber Fliegen": the panel cut short; the control hands the family code to the host.
PanelOutcome flyYourself(const PanelContext &ctx, qint16 familyCode, const QString &frame);

} // namespace buttons

} // namespace orvik3
