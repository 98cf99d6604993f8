#include "exercises/wind/WindPanel.h"

#include "control/InstanceState.h"
#include "exercises/AnswerMarks.h"

namespace orvik3 {

// The question set-up and the answer handlers come with the wind exercise.
void WindPanel::beforeQuestion(qint16) {}
void WindPanel::captions(qint16) {}
void WindPanel::resetQuestion(qint16) {}
void WindPanel::textChange(int) {}
void WindPanel::optionClick(int) {}
void WindPanel::Command11_Click() {}
void WindPanel::Command12_Click() {}
void WindPanel::Command13_Click() { flow::cancel(s); }
void WindPanel::Command14_Click() { flow::flyYourself(s, 4, QStringLiteral("Frame29")); }

} // namespace orvik3
