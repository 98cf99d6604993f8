#pragma once

#include "study/ExerciseCatalog.h"

namespace orvik3 {

// The kinds within a family that ask other questions than their siblings.
enum class Variant {
    Plain,
    HsiPosition,   // position: the third answer may hold two alternatives ("+first+second+")
    StandardVor,   // position: a question text per record
    Orientation,   // position: all three answers are list entries, one file for both languages
    DmeArc,        // holding family: first turn, first heading and lead radial of an arc
};

// Plain for every type without a variant of its own, and outside 1..14.
Variant variantOf(qint16 type);

// The five family frames, in the order the compact layout resizes them.
inline constexpr const char *kFamilyFrames[] = {"Frame29", "Frame11", "Frame2", "Frame20", "Frame1"};

} // namespace orvik3
