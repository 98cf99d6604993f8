#pragma once

#include "control/InstanceState.h"
#include "exercises/FamilyPanel.h"

#include <memory>
#include <vector>

namespace orvik3 {

class QAform;

// The facade's inside: the shared state and the five family panels.
class ControlPrivate
{
public:
    ControlPrivate(QAform *q, Services services);

    FamilyPanel *panelFor(qint16 type) const;
    void applySizeRule();

    QAform *q;
    InstanceState s;
    QFont ambientFont;
    std::unique_ptr<FamilyPanel> position, holding, adf, qdmqdr, wind;
};

} // namespace orvik3
