#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace orvik3 {

// A row the panel has just marked: its number as the exercise catalogue counts it, whether it
// is right, and the answer given as the panel read it.
struct RowVerdict {
    int row = 0;
    bool right = false;
    QString given;
};

// What "Weiter" counted for the question it closed: an attempt when anything was answered,
// and a wrong answer with it unless every row was right.
struct QuestionClosing {
    qint16 question = -1;
    bool attempt = false;
    bool wrong = false;
};

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
    std::optional<RowVerdict> verdict;     // a row was marked
    std::optional<QuestionClosing> closed; // with NextRequested, when a question was on display

    static PanelOutcome nothing() { return {}; }
    static PanelOutcome solved(qint16 resultCode) { return of(Kind::Solved, resultCode); }
    static PanelOutcome solutionShown(qint16 resultCode) { return of(Kind::SolutionShown, resultCode); }
    static PanelOutcome nextRequested(std::optional<QuestionClosing> closed = std::nullopt)
    {
        PanelOutcome o = of(Kind::NextRequested, 0);
        o.closed = closed;
        return o;
    }
    static PanelOutcome cancelled() { return of(Kind::Cancelled, 0); }
    static PanelOutcome flyRequested(qint16 familyCode) { return of(Kind::FlyRequested, familyCode); }
    // Row `row` marked; `solvedCode` is the result code when that completed the question.
    static PanelOutcome marked(int row, bool right, QString given, qint16 solvedCode = 0)
    {
        PanelOutcome o = solvedCode ? solved(solvedCode) : nothing();
        o.verdict = RowVerdict{row, right, std::move(given)};
        return o;
    }

private:
    static PanelOutcome of(Kind kind, qint16 code)
    {
        PanelOutcome o;
        o.kind = kind;
        o.code = code;
        return o;
    }
};

} // namespace orvik3
