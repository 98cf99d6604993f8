#pragma once

#include "session/SessionFile.h"

#include <QCoreApplication>
#include <QString>

namespace orvik3::trainer {

// The ADF sum: the station's QDM is the heading plus the relative bearing the needle shows.
class AdfExplainer
{
    Q_DECLARE_TR_FUNCTIONS(AdfExplainer)
public:
    // Empty when the session lacks what the sentence needs.
    static QString reason(const host::Session &session);
};

} // namespace orvik3::trainer
