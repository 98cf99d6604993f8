#pragma once

namespace orvik3 {

struct PanelContext;

namespace qdmqdr {

// The four candidate bearings of the value row: offsets 90, 0, 180 and 10 in optionOffsets(1..4),
// and a fresh random permutation of the slots 1..4 in optionOrder(1..4).
void drawCandidates(const PanelContext &ctx);

// Offset of the candidate shown on value option `place` (1..4), through optionOrder.
double candidateOffset(const PanelContext &ctx, int place);

} // namespace qdmqdr
} // namespace orvik3
