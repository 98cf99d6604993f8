#pragma once

namespace orvik3 {

struct PanelContext;

// Draws optionOrder(1..places): a random permutation of the candidate places 1..places, used
// by the holding, DME-arc (5 places) and QDM/QDR (4 places) panels. The random source is
// reseeded first; each place is drawn as floor(random x places + 1) in single precision,
// again while it is taken, at most 1000 times, after which the last draw stands even if taken.
void drawOptionOrder(const PanelContext &ctx, int places);

} // namespace orvik3
