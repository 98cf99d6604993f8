#pragma once

#include "exercises/PanelOutcome.h"

#include <QString>

namespace orvik3 {

class ControlPrivate;
class FamilyPanel;

// The run of an exercise: selecting a type (its panel shown), loading its study file,
// shuffling the question order and showing a question; and what a trainee's click on a panel
// means to the host. Every property the host watches changes here.
class ExerciseFlow
{
public:
    explicit ExerciseFlow(ControlPrivate &control)
        : d(control)
    {
    }

    // Connects the clicks the panel lists to the panel's handlers and their outcome to apply().
    void connect(FamilyPanel &panel);
    // The work of writing c_QAtype: select -> load -> order -> display.
    void select();
    // LoadStudyFile: the study file of that name, by the current type, into the table.
    void load(const QString &studyFileName);
    // DisplayQuestion: the next question of the current type.
    void display();
    void apply(const PanelOutcome &outcome);

private:
    ControlPrivate &d;
};

} // namespace orvik3
