#include "exercises/adf/AdfPanel.h"

#include "control/InstanceState.h"
#include "exercises/AnswerMarks.h"

namespace orvik3 {

// The question set-up and the answer handlers come with the ADF position exercise.
void AdfPanel::captions(qint16) {}
void AdfPanel::resetQuestion(qint16) {}
void AdfPanel::optionClick(int) {}
void AdfPanel::Command6_Click() {}
void AdfPanel::Command7_Click() {}
void AdfPanel::Command5_Click() { flow::cancel(s); }

} // namespace orvik3
