#include "study/ExerciseTypes.h"

namespace orvik3 {

namespace {
constexpr FamilyControls kPosition{"Frame1", "Check1", nullptr, "Label1", "Command2", "Command1", "Command3", nullptr};
constexpr FamilyControls kHolding{"Frame2", "Check2", "Frame6", "Label7", "Command27", "Command28", "Command4", "Command26"};
constexpr FamilyControls kAdf{"Frame11", "Check3", "Frame12", "Label12", "Command7", "Command6", "Command5", nullptr};
constexpr FamilyControls kQdmQdr{"Frame20", "Check4", "Frame21", "Label23", "Command10", "Command9", "Command8", "Command15"};
constexpr FamilyControls kWind{"Frame29", "Check5", "Frame37", "Label42", "Command11", "Command12", "Command13", "Command14"};
} // namespace

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

const FamilyControls &familyControls(Family family)
{
    switch (family) {
    case Family::Position: return kPosition;
    case Family::Holding: return kHolding;
    case Family::Adf: return kAdf;
    case Family::QdmQdr: return kQdmQdr;
    case Family::Wind: return kWind;
    }
    return kPosition;
}

} // namespace orvik3
