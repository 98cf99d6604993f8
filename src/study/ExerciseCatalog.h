#pragma once

#include <orvik3/orvik3_export.h>

#include <QString>
#include <QtGlobal>

#include <span>

namespace orvik3 {

// The five answer panels.
enum class Family { Position, Holding, Adf, QdmQdr, Wind };

// What one answer row of a panel asks. Types that share a panel share its rows, so a host can
// tell, say, the entry row of a holding in any of the three holding types by one kind.
enum class RowKind {
    Radial,              // position 1, 2: the VOR radial the aircraft is on
    PositionQdm,         // position 1, 2: the QDM to the VOR
    StationSide,         // position 1: where the station lies, seen from the aircraft
    NeedleMovement,      // position 2: where the needle goes on the heading asked
    OrientationQdm,      // orientation 10: QDM from the RMI
    OrientationQdr,      // orientation 10: QDR from the RMI
    OrientationRb,       // orientation 10: the station's relative bearing
    HoldingEntry,        // holding 3, 4, 14: direct, parallel or offset
    HoldingOutbound,     // holding: the outbound heading
    HoldingFirstHeading, // holding: the first heading after the station
    HoldingFirstTurn,    // holding: left, maintain or right after the station
    ArcFirstTurn,        // DME arc 9: the turn to join the arc
    ArcFirstHeading,     // DME arc: the heading on the arc
    ArcLeadRadial,       // DME arc: the lead radial for the final
    AdfQdr,              // ADF 5, 11: the QDR
    AdfQdrTrend,         // ADF: whether the QDR grows
    AdfQdm,              // ADF: the QDM
    AdfQdmTrend,         // ADF: whether the QDM grows
    AdfRb,               // ADF: the relative bearing
    InterceptBearing,    // QDM/QDR 6, 7, 12, 13: the actual QDM or QDR
    InterceptDifference, // QDM/QDR: how the angle between actual and required develops
    InterceptTurn,       // QDM/QDR: the first turn
    InterceptHeading,    // QDM/QDR: the first heading against the reference
    WindHeadTail,        // wind 8: head or tail wind component
    WindCrosswind,       // wind: crosswind component and side
    WindCorrection,      // wind: the wind correction angle
    WindTime,            // wind: the time for the leg (from the ground speed)
};

// One answer row: its number n (the panel's n-th answer, marked right or wrong on its own), what
// it asks, the question-table column that holds its stored answer (0 where the holding solver
// computes it), and the panel's prompt and result controls.
struct AnswerRow {
    int number;
    RowKind kind;
    int answerColumn;
    const char *prompt;
    const char *result;
};

// One of the fourteen exercise types (the values of c_QAtype).
struct ExerciseType {
    qint16 type;
    Family family;
    const char *germanFile; // loaded when the text table is German
    const char *otherFile;  // loaded otherwise
    quint16 titleId;
    const char *statsPrefix;
    // c_QAFly as the control writes it for "Selber Fliegen" (0: the panel has no such button),
    // and the code a host writes back to give the panel its full height (0: never shrunk).
    qint16 flyCode;
    qint16 restoreCode;
    // The type reads the ADF on a fixed card (relative bearing) rather than an RMI.
    bool relativeBearing;
    std::span<const AnswerRow> rows;
};

// The controls every panel of a family has, by their names on the form.
struct FamilyControls {
    const char *frame;
    const char *randomBox;
    const char *statsFrame; // nullptr: the position panel has none
    const char *statsLabel;
    const char *showSolution;
    const char *next;
    const char *cancel;
    const char *fly; // nullptr: no "Selber Fliegen"
};

ORVIK3_EXPORT const FamilyControls &familyControls(Family family);

// The type, or nullptr outside 1..14.
ORVIK3_EXPORT const ExerciseType *exerciseType(qint16 type);
// All fourteen, in the order of their numbers.
ORVIK3_EXPORT std::span<const ExerciseType> exerciseTypes();
// The row with number n of a type, or nullptr.
ORVIK3_EXPORT const AnswerRow *answerRow(qint16 type, int number);
// A stable lower-case name ("holding", "qdmqdr", ...) for logs and files.
ORVIK3_EXPORT QString familyKey(Family family);

} // namespace orvik3
