#pragma once

#include "session/SessionFile.h"

#include <orvik3/ExerciseCatalog.h>

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
    // The why of one arc row: the first turn, the heading on the arc, or the lead radial.
    static QString row(const host::Session &session, RowKind kind);
};

} // namespace orvik3::trainer
