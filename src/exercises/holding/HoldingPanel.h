#pragma once

#include "exercises/FamilyPanel.h"

#include <QString>

namespace orvik3 {

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
    void optionClick(int option);
    void Command27_Click(); // Lösung zeigen
    void Command26_Click(); // Selber Fliegen
    void Command28_Click(); // Weiter
    void Command4_Click();  // Abbrechen

private:
    bool arcShown() const { return m_shownType == 9; }
    void resetHolding();
    void resetArc();
    // Judges Option<option> of the question on display; `shown` gets the text a right answer shows.
    bool judgeHolding(int option, QString &shown) const;
    bool judgeArc(int option, QString &shown) const;
    void showHoldingSolution();
    void showArcSolution();

    // Type of the question on display (0 before the first): the handlers judge that question
    // even when the host has since stored another type without selecting it.
    qint16 m_shownType = 0;
};

} // namespace orvik3
