// The solution box beside the panel: every line it is given stays readable in the column,
// whatever the column's width and however the lines wrap.

#include "view/SolutionBox.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace orvik3::trainer;

namespace {

struct BoxRow {
    const char *name;
    int columnWidth;
    int workingLines;
    int reasonWords;
};

class SolutionBoxFits : public testing::TestWithParam<BoxRow> {};

Explanation longExplanation(int workingLines, int reasonWords)
{
    Explanation e;
    e.answers << QStringLiteral("Head or Tail Wind: Head 20") << QStringLiteral("Crosswind: - 0");
    for (int k = 0; k < workingLines; ++k)
        e.working << QStringLiteral("Wind 090° is 0° off course 090: headwind = 20.0 kt × cos 0° = 20.0 kt %1").arg(k);
    QStringList words;
    for (int k = 0; k < reasonWords; ++k)
        words << QStringLiteral("Grundgeschwindigkeit");
    e.reason = words.join(QLatin1Char(' ')) + QStringLiteral(" END");
    return e;
}

} // namespace

TEST_P(SolutionBoxFits, TheWholeTextHasRoom)
{
    const BoxRow &r = GetParam();
    QWidget column;
    auto *layout = new QVBoxLayout(&column);
    auto *box = new SolutionBox(&column);
    layout->addWidget(box);
    layout->addStretch();
    column.resize(r.columnWidth, 1200);
    column.show();
    box->show(longExplanation(r.workingLines, r.reasonWords));
    QApplication::processEvents();
    layout->activate();

    QLabel *body = nullptr;
    for (QLabel *l : box->findChildren<QLabel *>())
        if (l->textFormat() == Qt::RichText)
            body = l;
    ASSERT_TRUE(body);
    EXPECT_GE(body->height(), body->heightForWidth(body->width())) << "the last lines are cut off";
    EXPECT_LE(body->geometry().right(), box->contentsRect().right());
    EXPECT_TRUE(box->plainText().endsWith(QStringLiteral("END")));
}

INSTANTIATE_TEST_SUITE_P(
    Widths, SolutionBoxFits,
    testing::Values(BoxRow{"narrow300_wrapsEverything", 300, 5, 30}, BoxRow{"panel680_longWorkingLines", 680, 5, 12},
                    BoxRow{"wide1000_fewLines", 1000, 2, 3}, BoxRow{"panel680_noWorking", 680, 0, 40}),
    [](const testing::TestParamInfo<BoxRow> &info) { return std::string(info.param.name); });
