// The panel on screen: the widgets of a family appear when it is shown, the row labels sit on
// their option rows at every size, and the control with the keyboard focus has a ring around it.
#include "PanelScenes.h"

#include <orvik3/QAformWidget.h>

#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::test;

namespace {

class FamilyWidgets : public testing::TestWithParam<Scene>
{
};

TEST_P(FamilyWidgets, OnScreenOnceTheFamilyIsShown)
{
    TestHost host;
    QAformWidget panel(host.form());
    panel.show();
    showQuestion(host, GetParam().type);
    int reachable = 0;
    for (FormControl *c : host.form().form().controls()) {
        if (!c->isReachable())
            continue;
        ++reachable;
        auto *w = panel.findChild<QWidget *>(c->name());
        ASSERT_TRUE(w) << c->name().toStdString();
        EXPECT_TRUE(w->isVisible()) << c->name().toStdString();
    }
    EXPECT_GT(reachable, 10);
    // A family not shown yet has no widgets to spend time on.
    EXPECT_FALSE(panel.findChild<QWidget *>(QLatin1String(GetParam().type == 8 ? "Option11" : "Option47")));
}

INSTANTIATE_TEST_SUITE_P(Panel, FamilyWidgets, testing::ValuesIn(kScenes),
                         [](const testing::TestParamInfo<Scene> &info) { return std::string(info.param.family); });

struct Row {
    int type;
    const char *label;
    const char *option;
    double zoom;
};

class RowLabels : public testing::TestWithParam<Row>
{
};

TEST_P(RowLabels, LabelSitsOnItsOptionRow)
{
    const Row r = GetParam();
    TestHost host;
    showQuestion(host, qint16(r.type));
    QAformWidget panel(host.form());
    panel.setZoom(r.zoom);
    auto *label = qobject_cast<QLabel *>(panel.widgetFor(QLatin1String(r.label)));
    QWidget *option = panel.widgetFor(QLatin1String(r.option));
    ASSERT_TRUE(label && option);
    ASSERT_TRUE(option->isVisibleTo(&panel) && label->isVisibleTo(&panel));
    const QRect l(label->mapTo(&panel, QPoint(0, 0)), label->size());
    const QRect o(option->mapTo(&panel, QPoint(0, 0)), option->size());
    EXPECT_NEAR(l.center().y(), o.center().y(), 2.0) << "label " << l.top() << ".." << l.bottom() << ", row "
                                                     << o.top() << ".." << o.bottom();
    // The text is drawn in the middle of the label, so its middle is the row's middle too.
    EXPECT_TRUE(label->alignment() & Qt::AlignVCenter);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, RowLabels,
    testing::Values(Row{3, "Label3", "Option11", 1.0}, Row{3, "Label6", "Option1", 1.0}, Row{3, "Label4", "Option6", 1.0},
                    Row{3, "Label5", "Option14", 1.0}, Row{3, "Label4", "Option6", 2.0}, Row{3, "Label5", "Option14", 2.0},
                    Row{9, "Label3", "Option11", 1.0}, Row{9, "Label6", "Option1", 1.0}, Row{9, "Label4", "Option6", 1.6}),
    [](const testing::TestParamInfo<Row> &info) {
        return QStringLiteral("Type%1_%2_Zoom%3")
            .arg(info.param.type)
            .arg(QLatin1String(info.param.label))
            .arg(int(info.param.zoom * 10))
            .toStdString();
    });

class MadeAtZoom : public testing::TestWithParam<double>
{
};

// Made at a zoom, a panel is what the design-size panel becomes when zoomed: font and places.
TEST_P(MadeAtZoom, SameAsZoomedAfterwards)
{
    TestHost host;
    showQuestion(host, 3);
    QAformWidget zoomed(host.form());
    zoomed.setZoom(GetParam());
    const QAformWidget made(host.form(), GetParam());
    EXPECT_EQ(made.size(), zoomed.size());
    for (const QWidget *w : zoomed.findChildren<QWidget *>(QRegularExpression(QStringLiteral(".")))) {
        const QWidget *twin = made.findChild<QWidget *>(w->objectName());
        ASSERT_TRUE(twin) << w->objectName().toStdString();
        EXPECT_TRUE(twin->geometry() == w->geometry() && twin->font() == w->font()) << w->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Panel, MadeAtZoom, testing::Values(1.0, 1.6, 9.0));

struct Focused {
    const char *control;
    double zoom;
};

class FocusRing : public testing::TestWithParam<Focused>
{
};

TEST_P(FocusRing, SurroundsTheFocusedControl)
{
    TestHost host;
    showQuestion(host, 3);
    QWidget window;
    auto *panel = new QAformWidget(host.form(), &window);
    auto *elsewhere = new QWidget(&window);
    elsewhere->setFocusPolicy(Qt::StrongFocus);
    elsewhere->move(0, 2000);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    panel->setZoom(GetParam().zoom);
    QWidget *target = panel->widgetFor(QLatin1String(GetParam().control));
    ASSERT_TRUE(target);
    target->setFocus(Qt::TabFocusReason);
    auto *ring = panel->findChild<QWidget *>(QStringLiteral("orvik3FocusRing"));
    ASSERT_TRUE(ring);
    EXPECT_TRUE(ring->isVisible());
    const QRect around(target->mapTo(panel, QPoint(0, 0)), target->size());
    EXPECT_TRUE(ring->geometry().contains(around)) << "ring misses " << GetParam().control;
    // Focus leaving the panel takes the ring away.
    elsewhere->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(ring->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Panel, FocusRing,
                         testing::Values(Focused{"Option1", 1.0}, Focused{"Option14", 1.5}, Focused{"Command27", 1.0},
                                         Focused{"Check2", 2.0}),
                         [](const testing::TestParamInfo<Focused> &info) { return std::string(info.param.control); });

} // namespace
