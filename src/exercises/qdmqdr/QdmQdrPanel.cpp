#include "exercises/qdmqdr/QdmQdrPanel.h"

#include "control/InstanceState.h"
#include "exercises/AnswerMarks.h"

namespace orvik3 {

// The question set-up and the answer handlers come with the QDM/QDR exercise.
void QdmQdrPanel::captions(qint16) {}
void QdmQdrPanel::resetQuestion(qint16) {}
void QdmQdrPanel::optionClick(int) {}
void QdmQdrPanel::Command9_Click() {}
void QdmQdrPanel::Command10_Click() {}
void QdmQdrPanel::Command15_Click() { flow::flyYourself(s, 3, QStringLiteral("Frame20")); }
void QdmQdrPanel::Command8_Click() { flow::cancel(s); }

} // namespace orvik3
