#include "study/ExerciseTypes.h"

namespace orvik3 {

Variant variantOf(qint16 type)
{
    switch (type) {
    case 1: return Variant::HsiPosition;
    case 2: return Variant::StandardVor;
    case 9: return Variant::DmeArc;
    case 10: return Variant::Orientation;
    default: return Variant::Plain;
    }
}

} // namespace orvik3
