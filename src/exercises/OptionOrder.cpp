#include "exercises/OptionOrder.h"

#include "exercises/PanelContext.h"

#include <orvik3/RandomSource.h>

#include <array>
#include <cmath>

namespace orvik3 {

void drawOptionOrder(const PanelContext &ctx, int places)
{
    std::array<bool, 5> used{};
    RandomSource &random = *ctx.services.random;
    random.reseed();
    for (int k = 1; k <= places; ++k) {
        int r = 0;
        int tries = 0;
        do {
            // Single precision, step by step, so that a draw lands on the same place as it
            // always did (0.79999995 gives 5 of 5 here, 4 in double precision). A draw just
            // below 1 can round up past the last place; it stays on the last one.
            const float scaled = random.next() * float(places);
            const float shifted = scaled + 1.0f;
            r = qBound(1, int(std::floor(shifted)), places);
            ++tries;
        } while (used[r - 1] && tries != 1000);
        used[r - 1] = true;
        ctx.question.optionOrder[k] = qint16(r);
    }
}

} // namespace orvik3
