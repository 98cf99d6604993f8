#pragma once

#include "exercises/FamilyPanel.h"

namespace orvik3 {

// Type 8 on Frame29: typed wind components, correction angle and time, each with its side.
class WindPanel : public FamilyPanel
{
public:
    using FamilyPanel::FamilyPanel;

    void build() override;
    void beforeQuestion(qint16 type) override;
    void captions(qint16 type) override;
    void resetQuestion(qint16 type) override;

    void textChange(int box);     // Text4_Change..Text8_Change
    void optionClick(int option); // Option35, 41, 42, 47, 52..56, 58
    void Command11_Click();       // Lösung zeigen
    void Command12_Click();       // Weiter
    void Command13_Click();       // Abbrechen
    void Command14_Click();       // Selber Fliegen
};

} // namespace orvik3
