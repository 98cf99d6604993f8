#pragma once

#include <QtGlobal>
#include <functional>

namespace orvik3 {

struct InstanceState;
class FamilyPanel;

// The work of writing c_QAtype (after the value is stored and announced): the family's panel
// shown at full height and the others hidden, its fixed captions, the study file of the type
// in the table's language, a fresh random question order, and the first question.
// panelFor gives the panel of a family type; display shows the question.
void selectExerciseType(InstanceState &s, const std::function<FamilyPanel *(qint16 type)> &panelFor,
                        const std::function<void()> &display);

} // namespace orvik3
