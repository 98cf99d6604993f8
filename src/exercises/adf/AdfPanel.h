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
    void optionClick(int option);
    void Command6_Click(); // Weiter
    void Command7_Click(); // Lösung zeigen
    void Command5_Click(); // Abbrechen

private:
    // Judges question 0..4 (top to bottom) by the option at `place` in its group.
    void judge(int question, int place);
};

} // namespace orvik3
