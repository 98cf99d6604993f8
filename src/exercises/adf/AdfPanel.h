#pragma once

#include "exercises/FamilyPanel.h"

namespace orvik3 {

// Types 5 and 11 on Frame11: five questions, each an option group of its own.
class AdfPanel : public FamilyPanel
{
public:
    using FamilyPanel::FamilyPanel;

    void build() override;
    void captions(qint16 type) override;
    void resetQuestion(qint16 type) override;

    // Option17..Option34: one routine for the eighteen answer options.
    PanelOutcome optionClick(int option);
    PanelOutcome Command6_Click(); // Weiter
    PanelOutcome Command7_Click(); // Lösung zeigen
    PanelOutcome Command5_Click(); // Abbrechen

private:
    // Judges question 0..4 (top to bottom) by the option at `place` in its group.
    PanelOutcome judge(int question, int place);
};

} // namespace orvik3
