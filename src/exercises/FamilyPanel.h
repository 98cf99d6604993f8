#pragma once

#include <QtGlobal>

namespace orvik3 {

struct InstanceState;

// One family's answer panel: its child controls, and its share of type selection and of
// showing a question. The common steps live in study/ and questions/; each hook is called at
// its place in them.
class FamilyPanel
{
public:
    explicit FamilyPanel(InstanceState &state)
        : s(state)
    {
    }
    virtual ~FamilyPanel() = default;

    // Creates the panel's controls on the form and connects their handlers.
    virtual void build() = 0;
    // Type selection, with the family frame just shown: the fixed captions of the type.
    virtual void selected(qint16 type) { Q_UNUSED(type); }
    // Type selection, after the question order is built.
    virtual void orderBuilt(qint16 type) { Q_UNUSED(type); }
    // Showing a question, before the answer handlers are switched off.
    virtual void beforeQuestion(qint16 type) { Q_UNUSED(type); }
    // Showing a question, after the common captions: fixed captions of the family.
    virtual void captions(qint16 type) { Q_UNUSED(type); }
    // Showing a question, once the question is chosen: reset the answer rows for it.
    virtual void resetQuestion(qint16 type) { Q_UNUSED(type); }

protected:
    InstanceState &s;
};

} // namespace orvik3
