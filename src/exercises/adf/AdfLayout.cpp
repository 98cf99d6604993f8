#include "exercises/PanelContext.h"
#include "exercises/PanelBuilder.h"
#include "exercises/adf/AdfPanel.h"

namespace orvik3 {

namespace {
struct Group {
    const char *frame;
    const char *label;
    const char *result;
    int options[4]; // 0 where the group has three
};
// Top to bottom: QDR, QDR trend, QDM, QDM trend, relative bearing.
constexpr Group kGroups[] = {
    {"Frame16", "Label20", "Label14", {22, 21, 20, 23}},
    {"Frame19", "Label17", "Label22", {28, 34, 33, 0}},
    {"Frame18", "Label19", "Label16", {32, 31, 30, 29}},
    {"Frame15", "Label18", "Label13", {19, 17, 18, 0}},
    {"Frame17", "Label21", "Label15", {27, 26, 25, 24}},
};
} // namespace

void AdfPanel::build()
{
    PanelBuilder b(ctx.form);
    FormControl &f = b.frame(QStringLiteral("Frame11"), nullptr, 15, 15, 7900, 4250);
    f.setVisible(false);
    for (int g = 0; g < 5; ++g) {
        const Group &group = kGroups[g];
        const int top = 330 + g * 600;
        // The prompt's first line stands level with the captions of its options.
        b.label(QLatin1String(group.label), f, 120, top + 165, 2700, 315);
        FormControl &frame = b.frame(QLatin1String(group.frame), &f, 2880, top, 3480, 510);
        const bool four = group.options[3] != 0;
        // Trend rows: the third word ("gleich", "remain constant") is the longest.
        constexpr int kValueLefts[] = {60, 910, 1760, 2610};
        constexpr int kTrendLefts[] = {60, 1060, 2100};
        constexpr int kTrendWidths[] = {980, 1020, 1300};
        for (int k = 0; k < (four ? 4 : 3); ++k)
            b.option(QStringLiteral("Option%1").arg(group.options[k]), frame, four ? kValueLefts[k] : kTrendLefts[k], 135,
                     four ? 820 : kTrendWidths[k], 315);
        b.label(QLatin1String(group.result), frame, 60, 135, 3300, 315).setVisible(false);
    }
    FormControl &stats = b.frame(QStringLiteral("Frame12"), &f, 120, 3390, 6240, 615);
    b.label(QStringLiteral("Label12"), stats, 120, 240, 6000, 255);
    FormControl &buttons = b.frame(QStringLiteral("Frame13"), &f, 6480, 330, 1320, 1710);
    b.button(QStringLiteral("Command7"), buttons, 60, 240, 1200, 390);
    b.button(QStringLiteral("Command6"), buttons, 60, 720, 1200, 390);
    b.check(QStringLiteral("Check3"), buttons, 60, 1230, 1200, 315);
    b.button(QStringLiteral("Command5"), f, 6540, 3510, 1200, 390);

    for (int n = 17; n <= 34; ++n)
        onClick(QStringLiteral("Option%1").arg(n), [this, n] { return optionClick(n); });
    onClick(QStringLiteral("Command6"), [this] { return Command6_Click(); });
    onClick(QStringLiteral("Command7"), [this] { return Command7_Click(); });
    onClick(QStringLiteral("Command5"), [this] { return Command5_Click(); });
}

} // namespace orvik3
