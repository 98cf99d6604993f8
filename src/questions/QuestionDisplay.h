#pragma once

namespace orvik3 {

struct InstanceState;
class FamilyPanel;

// DisplayQuestion: the steps every exercise type shares — flags cleared, title and common
// captions, the next question in file or random order, the frame caption with its counter,
// the statistics line, the family's reset, and the session file for the host. `panel` is
// the family panel of the current type, or nullptr outside 1..14.
void displayQuestion(InstanceState &s, FamilyPanel *panel);

} // namespace orvik3
