#pragma once

#include <QString>
#include <QtGlobal>

namespace orvik3 {
class QAform;
}

namespace orvik3::trainer {

// The properties through which the control tells its host what happened.
struct ControlSignals {
    QString sessionFile;
    qint16 showResult = 0;
    qint16 fly = 0;
    qint16 type = 0;
    qint16 trackDelta = 0;

    static ControlSignals read(const QAform &form);
};

// Which of them the control announced as changed (its ...Changed signals) since the host
// last acted on them.
struct ControlChanges {
    bool sessionFile = false;
    bool showResult = false;
    bool fly = false;
    bool type = false;
};

// What the host does about the announced changes.
struct HostReaction {
    bool loadSession = false;  // a question is on display: load and draw its session afresh
    bool showSolution = false; // draw the solution on the plan
    bool toChooser = false;    // the trainee ended the exercise
    int flyCode = 0;           // 2, 3 or 4: the trainee wants to fly it
    double turnRate = 0.0;     // degrees per second for the arrow keys while flying
    bool resetShowResult = false; // the host clears c_showResult once it has acted on it
};

// The reaction to the changes announced after a trainee action or a host write, given the
// values the properties have now.
HostReaction react(const ControlChanges &changed, const ControlSignals &now);

} // namespace orvik3::trainer
