#pragma once

#include <QtGlobal>

namespace orvik3 {

// What a trainee's click on a panel came to. The panel marks its own rows; the control turns
// the outcome into the properties its host watches, so that they change in one place only.
struct PanelOutcome {
    enum class Kind {
        Nothing,       // marks at most; the host need not know
        Solved,        // the last part was answered right: `code` is the result code (1 or 6)
        SolutionShown, // the trainee asked for the solution: `code` is the result code (1 or 6)
        NextRequested, // "Weiter": counted already; the next question is to be shown
        Cancelled,     // "Abbrechen": the exercise ends
        FlyRequested,  // "Selber Fliegen": `code` is the family code for the host
    };
    Kind kind = Kind::Nothing;
    qint16 code = 0;

    static PanelOutcome nothing() { return {}; }
    static PanelOutcome solved(qint16 resultCode) { return {Kind::Solved, resultCode}; }
    static PanelOutcome solutionShown(qint16 resultCode) { return {Kind::SolutionShown, resultCode}; }
    static PanelOutcome nextRequested() { return {Kind::NextRequested, 0}; }
    static PanelOutcome cancelled() { return {Kind::Cancelled, 0}; }
    static PanelOutcome flyRequested(qint16 familyCode) { return {Kind::FlyRequested, familyCode}; }
};

} // namespace orvik3
