#pragma once

#include "session/SessionFile.h"

#include <QCoreApplication>
#include <QString>

namespace orvik3::trainer {

// Joining a DME arc: the heading square to the radial, and the lead radial for the final turn.
class ArcExplainer
{
    Q_DECLARE_TR_FUNCTIONS(ArcExplainer)
public:
    // Empty when the session lacks what the sentence needs.
    static QString reason(const host::Session &session);
};

} // namespace orvik3::trainer
