#include "exercises/PanelContext.h"
#include "exercises/PanelBuilder.h"
#include "exercises/qdmqdr/QdmQdrPanel.h"

namespace orvik3 {

namespace {
struct Row {
    const char *frame;
    const char *label;
    const char *result;
    int options[4]; // 0 where the row has fewer
};
// Top to bottom: actual bearing, difference, first turn, first heading.
constexpr Row kRows[] = {
    {"Frame22", "Label31", "Label27", {50, 49, 48, 46}},
    {"Frame23", "Label28", "Label25", {40, 39, 38, 0}},
    {"Frame24", "Label30", "Label26", {45, 44, 43, 0}},
    {"Frame25", "Label29", "Label24", {37, 36, 0, 0}},
};
} // namespace

void QdmQdrPanel::build()
{
    PanelBuilder b(ctx.form);
    FormControl &f = b.frame(QStringLiteral("Frame20"), nullptr, 0, -15, 7900, 4250);
    f.setVisible(false);
    b.label(QStringLiteral("Label32"), f, 240, 300, 7400, 285);
    for (int r = 0; r < 4; ++r) {
        const Row &row = kRows[r];
        const int top = 660 + r * 600;
        // The prompt's first line stands level with the captions of its options.
        // Room for the longest prompt ("Angle between ACT and RQ QDM becomes:") on one line;
        // the option captions are short.
        b.label(QLatin1String(row.label), f, 120, top + 165, 2940, 315);
        FormControl &frame = b.frame(QLatin1String(row.frame), &f, 3120, top, 3240, 510);
        int count = 0;
        while (count < 4 && row.options[count] != 0)
            ++count;
        const int width = (3120 - 30 * (count - 1)) / count;
        for (int k = 0; k < count; ++k)
            b.option(QStringLiteral("Option%1").arg(row.options[k]), frame, 60 + k * (width + 30), 135, width, 315);
        b.label(QLatin1String(row.result), frame, 60, 135, 3120, 315).setVisible(false);
    }
    FormControl &stats = b.frame(QStringLiteral("Frame21"), &f, 120, 3180, 6240, 615);
    b.label(QStringLiteral("Label23"), stats, 120, 240, 6000, 255);
    b.button(QStringLiteral("Command10"), f, 6480, 660, 1320, 390);
    b.button(QStringLiteral("Command15"), f, 6480, 1140, 1320, 390);
    b.check(QStringLiteral("Check4"), f, 6480, 1650, 1320, 315);
    b.button(QStringLiteral("Command9"), f, 6480, 2070, 1320, 390);
    b.button(QStringLiteral("Command8"), f, 6480, 3300, 1320, 390);

    for (const Row &row : kRows)
        for (int n : row.options)
            if (n != 0)
                onClick(QStringLiteral("Option%1").arg(n), [this, n] { return optionClick(n); });
    onClick(QStringLiteral("Command9"), [this] { return Command9_Click(); });
    onClick(QStringLiteral("Command10"), [this] { return Command10_Click(); });
    onClick(QStringLiteral("Command15"), [this] { return Command15_Click(); });
    onClick(QStringLiteral("Command8"), [this] { return Command8_Click(); });
}

} // namespace orvik3
