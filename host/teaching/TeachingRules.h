#pragma once

// What makes a question fit for teaching, beyond a stored answer the panel can judge: every
// sound answer must be judged right, the answer must follow from the picture the trainee sees
// without a textbook rule the question does not name, and the numbers must be those of a real
// flight. Each rule is a named row with its reason; the study generator refuses situations
// that break one and the study linter reports them in hand-written files.

#include "teaching/TeachingFacts.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace orvik3::teaching {

// Within this many degrees of a holding sector line either entry is taught as correct, but
// the panel accepts only the solver's.
inline constexpr double kSectorMarginDeg = 5.0;

// A turn a trainee tells from holding the heading.
inline constexpr double kClearTurnDeg = 5.0;

// The usual intercept angles; the first turn must not depend on which one the trainee uses.
inline constexpr double kInterceptAngles[] = {30.0, 45.0, 60.0, 90.0};

// Within this many degrees of abeam the TO/FROM flag of an HSI or VOR indicator shows OFF.
inline constexpr double kFlagDeg = 1.0;

// Below this deviation the needle reads centred.
inline constexpr double kCentredDeg = 0.5;

// Within this many degrees of the line between two quarters around the nose both count as
// where the station lies; less than a degree either side of the margin is kept clear, so
// that rounding never decides between one quarter and two.
inline constexpr double kQuarterMarginDeg = 5.0;
inline constexpr double kQuarterClearanceDeg = 1.0;

// The wind panel accepts a typed number within this share of the stored one.
inline constexpr double kWindBand = 0.2;

// Realistic values for a student pilot's aircraft and exercises.
struct Range {
    double low;
    double high;
    bool contains(double v) const { return v >= low && v <= high; }
};
inline constexpr Range kTasKt{70.0, 250.0};
inline constexpr Range kWindKt{0.0, 60.0};
inline constexpr Range kDistanceNm{4.0, 60.0}; // aircraft from the station or the fix
inline constexpr Range kLegNm{10.0, 200.0};
inline constexpr Range kDmeRadiusNm{5.0, 30.0};
inline constexpr Range kDmeLeadNm{0.5, 3.0};

struct Rule {
    const char *name;
    const char *reason; // what goes wrong for the trainee
    // What the question shows that breaks the rule, or nothing.
    std::optional<QString> (*check)(const Facts &facts);
};

// Every rule, in the order they are checked.
std::span<const Rule> rules();

// "name: what the question shows; reason", one per rule it breaks.
QStringList problems(const Facts &facts);

} // namespace orvik3::teaching
