#include "study/ExerciseTypes.h"

namespace orvik3 {

namespace {
constexpr ExerciseType kTypes[] = {
    {1, Family::Position, "hsi.sty", "e-hsi.sty", 305, "hsipos"},
    {2, Family::Position, "stdvor.sty", "e-stdvor.sty", 306, "stdvor"},
    {3, Family::Holding, "HSIHLD.sty", "e-HSIHLD.sty", 332, "hsihld"},
    {4, Family::Holding, "dgHLD.sty", "e-dgHLD.sty", 333, "dghld"},
    {5, Family::Adf, "adfpos.sty", "e-adfpos.sty", 298, "adfpos"},
    {6, Family::QdmQdr, "qdm.sty", "e-qdm.sty", 351, "qdm"},
    {7, Family::QdmQdr, "qdr.sty", "e-qdr.sty", 352, "qdr"},
    {8, Family::Wind, "wind.sty", "e-wind.sty", 319, "wind"},
    {9, Family::Holding, "dmearc.sty", "e-dmearc.sty", 334, "dmearc"},
    {10, Family::Position, "orientation.sty", "orientation.sty", 454, "hsipos"},
    {11, Family::Adf, "adfposrb.sty", "e-adfpos.sty", 298, "adfpos"},
    {12, Family::QdmQdr, "qdmrb.sty", "e-qdm.sty", 351, "qdm"},
    {13, Family::QdmQdr, "qdrrb.sty", "e-qdr.sty", 352, "qdr"},
    {14, Family::Holding, "dgrbHLD.sty", "e-dgHLD.sty", 333, "dghld"},
};

constexpr FamilyControls kPosition{"Frame1", "Check1", nullptr, "Label1", "Command2", "Command1", "Command3", nullptr};
constexpr FamilyControls kHolding{"Frame2", "Check2", "Frame6", "Label7", "Command27", "Command28", "Command4", "Command26"};
constexpr FamilyControls kAdf{"Frame11", "Check3", "Frame12", "Label12", "Command7", "Command6", "Command5", nullptr};
constexpr FamilyControls kQdmQdr{"Frame20", "Check4", "Frame21", "Label23", "Command10", "Command9", "Command8", "Command15"};
constexpr FamilyControls kWind{"Frame29", "Check5", "Frame37", "Label42", "Command11", "Command12", "Command13", "Command14"};
} // namespace

const ExerciseType *exerciseType(qint16 type)
{
    if (type < 1 || type > 14)
        return nullptr;
    return &kTypes[type - 1];
}

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
