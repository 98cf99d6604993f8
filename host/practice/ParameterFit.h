#pragma once

#include "MemoryModel.h"
#include "Review.h"

#include <optional>
#include <vector>

namespace orvik3::practice {

// Below this many reviews a fit follows chance more than the trainee.
inline constexpr int kMinimumReviewsToFit = 400;

struct FitResult {
    MemoryParameters parameters;
    double lossBefore = 0; // mean log-loss of the predicted recall with the starting parameters
    double lossAfter = 0;
};

// The mean log-loss of the recall the parameters predict before every review that follows an
// earlier one of its skill, against what the trainee answered.
double logLoss(const std::vector<Review> &reviews, const MemoryParameters &parameters);

// Parameters fitted to the trainee's own log by coordinate descent on the log-loss, each
// kept in its published range; empty below `minimumReviews`.
std::optional<FitResult> fitParameters(const std::vector<Review> &reviews, const MemoryParameters &start,
                                       int minimumReviews = kMinimumReviewsToFit);

} // namespace orvik3::practice
