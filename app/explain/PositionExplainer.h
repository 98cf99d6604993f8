#pragma once

#include "session/SessionFile.h"

#include <QCoreApplication>
#include <QString>

namespace orvik3::trainer {

// Where the aircraft is, as the position questions ask it: its radial from the tuned station,
// the distance, and the QDM that goes with the radial.
class PositionExplainer
{
    Q_DECLARE_TR_FUNCTIONS(PositionExplainer)
public:
    // Empty when the session lacks what the sentence needs.
    static QString reason(const host::Session &session);
};

} // namespace orvik3::trainer
