#pragma once

#include "session/SessionFile.h"

#include <QCoreApplication>
#include <QString>

namespace orvik3::trainer {

// The bearing the aircraft is on against the one to intercept, seen from the target station.
class QdmQdrExplainer
{
    Q_DECLARE_TR_FUNCTIONS(QdmQdrExplainer)
public:
    // Empty when the session lacks what the sentence needs.
    static QString reason(const host::Session &session);
};

} // namespace orvik3::trainer
