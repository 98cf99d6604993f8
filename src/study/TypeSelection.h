#pragma once

#include <QString>

namespace orvik3 {

class Form;
class TextTable;
struct ExerciseType;

// Selecting a type: its family's panel shown at full height and the other four hidden. The
// orientation drill (type 10) is switched to random order.
void showTypePanel(Form &form, const ExerciseType &type);

// The study file of the type in the language of the text table.
QString studyFileOf(const ExerciseType &type, const TextTable &texts);

} // namespace orvik3
