#include "study/ExerciseCatalog.h"

namespace orvik3 {

namespace {
using K = RowKind;

constexpr AnswerRow kHsiRows[] = {{1, K::Radial, 13, "Text1", "Text11"},
                                  {2, K::PositionQdm, 14, "Text2", "Text12"},
                                  {3, K::StationSide, 15, "Text3", "Text13"}};
constexpr AnswerRow kVorRows[] = {{1, K::Radial, 13, "Text1", "Text11"},
                                  {2, K::PositionQdm, 14, "Text2", "Text12"},
                                  {3, K::NeedleMovement, 15, "Text3", "Text13"}};
constexpr AnswerRow kOrientationRows[] = {{1, K::OrientationQdm, 13, "Text1", "Text11"},
                                          {2, K::OrientationQdr, 14, "Text2", "Text12"},
                                          {3, K::OrientationRb, 15, "Text3", "Text13"}};
// The holding rows are computed by the solver, so no column holds them.
constexpr AnswerRow kHoldingRows[] = {{1, K::HoldingEntry, 0, "Label3", "Label8"},
                                      {2, K::HoldingOutbound, 0, "Label6", "Label9"},
                                      {3, K::HoldingFirstHeading, 0, "Label4", "Label10"},
                                      {4, K::HoldingFirstTurn, 0, "Label5", "Label11"}};
constexpr AnswerRow kArcRows[] = {{1, K::ArcFirstTurn, 13, "Label3", "Label8"},
                                  {2, K::ArcFirstHeading, 14, "Label6", "Label9"},
                                  {3, K::ArcLeadRadial, 15, "Label4", "Label10"}};
constexpr AnswerRow kAdfRows[] = {{1, K::AdfQdr, 13, "Label20", "Label14"},
                                  {2, K::AdfQdrTrend, 14, "Label17", "Label22"},
                                  {3, K::AdfQdm, 15, "Label19", "Label16"},
                                  {4, K::AdfQdmTrend, 16, "Label18", "Label13"},
                                  {5, K::AdfRb, 17, "Label21", "Label15"}};
constexpr AnswerRow kInterceptRows[] = {{1, K::InterceptBearing, 13, "Label31", "Label27"},
                                        {2, K::InterceptDifference, 14, "Label28", "Label25"},
                                        {3, K::InterceptTurn, 15, "Label30", "Label26"},
                                        {4, K::InterceptHeading, 16, "Label29", "Label24"}};
constexpr AnswerRow kWindRows[] = {{1, K::WindHeadTail, 13, "Label38", "Label34"},
                                   {2, K::WindCrosswind, 15, "Label41", "Label36"},
                                   {3, K::WindCorrection, 17, "Label39", "Label35"},
                                   {4, K::WindTime, 19, "Label40", "Label37"}};

constexpr FamilyControls kPosition{"Frame1", "Check1", nullptr, "Label1", "Command2", "Command1", "Command3", nullptr};
constexpr FamilyControls kHolding{"Frame2", "Check2", "Frame6", "Label7", "Command27", "Command28", "Command4", "Command26"};
constexpr FamilyControls kAdf{"Frame11", "Check3", "Frame12", "Label12", "Command7", "Command6", "Command5", nullptr};
constexpr FamilyControls kQdmQdr{"Frame20", "Check4", "Frame21", "Label23", "Command10", "Command9", "Command8", "Command15"};
constexpr FamilyControls kWind{"Frame29", "Check5", "Frame37", "Label42", "Command11", "Command12", "Command13", "Command14"};

constexpr ExerciseType kTypes[] = {
    {1, Family::Position, "hsi.sty", "e-hsi.sty", 305, "hsipos", 0, 0, false, kHsiRows},
    {2, Family::Position, "stdvor.sty", "e-stdvor.sty", 306, "stdvor", 0, 0, false, kVorRows},
    {3, Family::Holding, "HSIHLD.sty", "e-HSIHLD.sty", 332, "hsihld", 2, -2, false, kHoldingRows},
    {4, Family::Holding, "dgHLD.sty", "e-dgHLD.sty", 333, "dghld", 2, -2, false, kHoldingRows},
    {5, Family::Adf, "adfpos.sty", "e-adfpos.sty", 298, "adfpos", 0, -5, false, kAdfRows},
    {6, Family::QdmQdr, "qdm.sty", "e-qdm.sty", 351, "qdm", 3, -3, false, kInterceptRows},
    {7, Family::QdmQdr, "qdr.sty", "e-qdr.sty", 352, "qdr", 3, -3, false, kInterceptRows},
    {8, Family::Wind, "wind.sty", "e-wind.sty", 319, "wind", 4, -4, false, kWindRows},
    {9, Family::Holding, "dmearc.sty", "e-dmearc.sty", 334, "dmearc", 2, -2, false, kArcRows},
    {10, Family::Position, "orientation.sty", "orientation.sty", 454, "hsipos", 0, 0, false, kOrientationRows},
    {11, Family::Adf, "adfposrb.sty", "e-adfpos.sty", 298, "adfpos", 0, -5, true, kAdfRows},
    {12, Family::QdmQdr, "qdmrb.sty", "e-qdm.sty", 351, "qdm", 3, -3, true, kInterceptRows},
    {13, Family::QdmQdr, "qdrrb.sty", "e-qdr.sty", 352, "qdr", 3, -3, true, kInterceptRows},
    {14, Family::Holding, "dgrbHLD.sty", "e-dgHLD.sty", 333, "dghld", 2, -2, true, kHoldingRows},
};
} // namespace

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

const ExerciseType *exerciseType(qint16 type)
{
    if (type < 1 || type > 14)
        return nullptr;
    return &kTypes[type - 1];
}

std::span<const ExerciseType> exerciseTypes() { return kTypes; }

const AnswerRow *answerRow(qint16 type, int number)
{
    const ExerciseType *t = exerciseType(type);
    if (!t)
        return nullptr;
    for (const AnswerRow &row : t->rows)
        if (row.number == number)
            return &row;
    return nullptr;
}

QString familyKey(Family family)
{
    switch (family) {
    case Family::Position: return QStringLiteral("position");
    case Family::Holding: return QStringLiteral("holding");
    case Family::Adf: return QStringLiteral("adf");
    case Family::QdmQdr: return QStringLiteral("qdmqdr");
    case Family::Wind: return QStringLiteral("wind");
    }
    return {};
}

} // namespace orvik3
