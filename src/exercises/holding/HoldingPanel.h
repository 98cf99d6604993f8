#pragma once

#include "exercises/FamilyPanel.h"

namespace orvik3 {

// Types 3, 4 and 14 (holding entries) and type 9 (DME arc) on Frame2: rows of option buttons.
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
};

} // namespace orvik3
