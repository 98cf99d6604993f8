#pragma once

#include "exercises/PanelContext.h"
#include "exercises/PanelOutcome.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

namespace orvik3 {

// One family's answer panel: its child controls, and its share of type selection and of
// showing a question. The common steps live in study/ and questions/; each hook is called at
// its place in them. A click handler marks the panel and returns what came of it; the control
// connects the clicks listed in actions() and acts on the outcome.
class FamilyPanel
{
public:
    struct Action {
        QString control;
        std::function<PanelOutcome()> run;
    };

    explicit FamilyPanel(const PanelContext &context)
        : ctx(context)
    {
    }
    virtual ~FamilyPanel() = default;

    // Creates the panel's controls on the form and lists their click handlers.
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

    // The click handlers that build() listed, by control name.
    const std::vector<Action> &actions() const { return m_actions; }

protected:
    void onClick(const QString &control, std::function<PanelOutcome()> run)
    {
        m_actions.push_back({control, std::move(run)});
    }

    PanelContext ctx;

private:
    std::vector<Action> m_actions;
};

} // namespace orvik3
