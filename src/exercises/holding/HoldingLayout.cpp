#include "exercises/PanelContext.h"
#include "exercises/PanelBuilder.h"
#include "exercises/holding/HoldingPanel.h"

namespace orvik3 {

namespace {
QString option(int n) { return QStringLiteral("Option%1").arg(n); }
} // namespace

void HoldingPanel::build()
{
    PanelBuilder b(ctx.form);
    FormControl &f = b.frame(QStringLiteral("Frame2"), nullptr, 0, 15, 7900, 4250);
    f.setVisible(false);
    FormControl &question = b.frame(QStringLiteral("Frame3"), &f, 225, 225, 7335, 765);
    b.label(QStringLiteral("Label2"), question, 165, 135, 7035, 555);

    FormControl &rows = b.frame(QStringLiteral("Frame4"), &f, 225, 1125, 5730, 2205);
    b.label(QStringLiteral("Label3"), rows, 90, 300, 2175, 255);
    FormControl &entry = b.frame(QStringLiteral("Frame9"), &rows, 2325, 225, 3090, 390);
    b.option(option(11), entry, 75, 75, 840, 315);
    b.option(option(12), entry, 1125, 75, 840, 315);
    b.option(option(13), entry, 2175, 75, 840, 315);
    b.label(QStringLiteral("Label8"), entry, 75, 75, 990, 315).setVisible(false);

    b.label(QStringLiteral("Label6"), rows, 75, 750, 2175, 255);
    FormControl &outbound = b.frame(QStringLiteral("Frame7"), &rows, 2325, 675, 3315, 465);
    const int lefts[] = {90, 675, 1275, 1875, 2475};
    for (int k = 0; k < 5; ++k)
        b.option(option(1 + k), outbound, lefts[k], 90, 540, 315);
    b.label(QStringLiteral("Label9"), outbound, 60, 90, 990, 315).setVisible(false);

    b.label(QStringLiteral("Label4"), rows, 75, 1050, 2175, 480);
    FormControl &first = b.frame(QStringLiteral("Frame8"), &rows, 2325, 1125, 3315, 465);
    const int lefts3[] = {75, 675, 1275, 1875, 2475};
    for (int k = 0; k < 5; ++k)
        b.option(option(6 + k), first, lefts3[k], 90, 540, 315);
    b.label(QStringLiteral("Label10"), first, 60, 180, 990, 315).setVisible(false);

    b.label(QStringLiteral("Label5"), rows, 75, 1575, 2100, 480, QStringLiteral("First Turn after passing Station:"));
    FormControl &turn = b.frame(QStringLiteral("Frame10"), &rows, 2250, 1650, 3165, 465);
    b.option(option(14), turn, 165, 90, 840, 315);
    b.option(option(16), turn, 1125, 90, 840, 315);
    b.option(option(15), turn, 2175, 90, 840, 315);
    b.label(QStringLiteral("Label11"), turn, 150, 180, 990, 315).setVisible(false);

    FormControl &buttons = b.frame(QStringLiteral("Frame5"), &f, 6000, 1125, 1590, 2865);
    b.button(QStringLiteral("Command27"), buttons, 75, 225, 1440, 315);
    b.button(QStringLiteral("Command26"), buttons, 75, 600, 1440, 315);
    b.check(QStringLiteral("Check2"), buttons, 75, 1725, 1290, 240);
    b.button(QStringLiteral("Command28"), buttons, 75, 2025, 1440, 390);
    b.button(QStringLiteral("Command4"), f, 6075, 3600, 1440, 315);
    FormControl &stats = b.frame(QStringLiteral("Frame6"), &f, 225, 3390, 5715, 615);
    b.label(QStringLiteral("Label7"), stats, 525, 225, 4740, 240);

    for (int n = 1; n <= 16; ++n)
        onClick(option(n), [this, n] { return optionClick(n); });
    onClick(QStringLiteral("Command27"), [this] { return Command27_Click(); });
    onClick(QStringLiteral("Command26"), [this] { return Command26_Click(); });
    onClick(QStringLiteral("Command28"), [this] { return Command28_Click(); });
    onClick(QStringLiteral("Command4"), [this] { return Command4_Click(); });
}

} // namespace orvik3
