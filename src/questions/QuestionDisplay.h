#pragma once

#include <QString>
#include <optional>

namespace orvik3 {

struct PanelContext;
class FamilyPanel;

// DisplayQuestion: the steps every exercise type shares — flags cleared, title and common
// captions, the next question in file or random order, the frame caption with its counter,
// the statistics line and the family's reset. `panel` is the family panel of the current
// type, or nullptr outside 1..14. Gives the session file of the question now on display for
// the host (below `basePath`), or nothing when no question was shown.
std::optional<QString> displayQuestion(const PanelContext &ctx, const QString &basePath, FamilyPanel *panel);

} // namespace orvik3
