#pragma once

#include "exercises/FamilyPanel.h"

#include <QString>

namespace orvik3 {

// Answers of the holding question on display, as the solver gave them.
struct HoldingFields {
    qint16 heading = 0, inbound = 0;
    QString typeText;
    QString entry;
    qint16 outbound = 0, gate = 0, abeam = 0, firstHdg = 0;
    QString firstTurn;
};

// Types 3, 4 and 14 (holding entries) and type 9 (DME arc) on Frame2: rows of option buttons,
// each judged once, at the click.
class HoldingPanel : public FamilyPanel
{
public:
    using FamilyPanel::FamilyPanel;

    void build() override;
    void selected(qint16 type) override;
    void resetQuestion(qint16 type) override;

    // Option1..Option16: the answer rows.
    PanelOutcome optionClick(int option);
    PanelOutcome Command27_Click(); // Lösung zeigen
    PanelOutcome Command26_Click(); // Selber Fliegen
    PanelOutcome Command28_Click(); // Weiter
    PanelOutcome Command4_Click();  // Abbrechen

private:
    bool arcShown() const { return m_shownType == 9; }
    void resetHolding();
    void resetArc();
    // Judges Option<option> of the question on display; `shown` gets the text a right answer shows.
    bool judgeHolding(int option, QString &shown, QString &given) const;
    bool judgeArc(int option, QString &shown, QString &given) const;
    void showHoldingSolution();
    void showArcSolution();

    // Type of the question on display (0 before the first): the handlers judge that question
    // even when the host has since stored another type without selecting it.
    qint16 m_shownType = 0;
    HoldingFields m_hold;
};

} // namespace orvik3
