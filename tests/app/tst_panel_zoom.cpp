// The exercise panel at several zooms and two screen densities (the test runs once per
// density): fonts and geometry grow together, the default matches the window's text, the
// keys change the size, and F1 opens the power tips wherever the focus is.

#include "TrainerTestKit.h"
#include "panel/PanelZoom.h"
#include "view/ExercisePage.h"
#include "view/SituationView.h"

#include <orvik3/QAformWidget.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

class PanelFixture : protected test::WindowKit
{
public:
    PanelFixture()
    {
        inst.writeType(3);
        inst.writeType(9);
    }
    MainWindow *show(int type, std::function<std::unique_ptr<PowerTipWindow>()> tips = {})
    {
        Services s;
        s.powerTipFactory = std::move(tips);
        MainWindow &w = open(s, {1500, 900});
        w.startExercise(type);
        return &w;
    }
    static QAformWidget *panel(const MainWindow &w) { return qobject_cast<QAformWidget *>(w.panel()); }
};

qreal screenDpi(QWidget *w)
{
    const qreal dpi = w->logicalDpiY();
    // The density the test runs at really is the one it was started for.
    if (const int expected = qEnvironmentVariableIntValue("ORVIK3_EXPECT_DPI"); expected > 0)
        EXPECT_EQ(int(dpi), expected);
    return dpi;
}

// Design width of the panel in twips.
constexpr int kPanelTwips = 7950;

class PanelZoomScale : public testing::TestWithParam<double>, protected PanelFixture
{
};

} // namespace

TEST_P(PanelZoomScale, FontsAndGeometryTogether)
{
    const double zoom = GetParam();
    MainWindow *w = show(3);
    QAformWidget *p = panel(*w);
    ASSERT_TRUE(p);
    const qreal dpi = screenDpi(p);
    QWidget *option = p->widgetFor(QStringLiteral("Option1"));
    ASSERT_TRUE(option);

    w->panelZoom().setZoom(1.0);
    const qreal textAt1 = QFontMetricsF(option->font()).height();
    const qreal rowAt1 = option->height();

    w->panelZoom().setZoom(zoom);
    EXPECT_EQ(w->panelZoom().zoom(), zoom);
    EXPECT_NEAR(p->width(), kPanelTwips * dpi * zoom / 1440.0, 1.0);
    EXPECT_NEAR(option->height(), 315 * dpi * zoom / 1440.0, 1.0);
    // Text and rows grow alike: what fitted at the design size fits at every zoom.
    const qreal text = QFontMetricsF(option->font()).height();
    EXPECT_NEAR(text / option->height(), textAt1 / rowAt1, 0.15 * textAt1 / rowAt1);
    EXPECT_LE(text, option->height() + 1);
    EXPECT_NEAR(text / textAt1, zoom, 0.15 * zoom);
}

INSTANTIATE_TEST_SUITE_P(Trainer, PanelZoomScale, testing::Values(0.75, 1.0, 1.4, 2.0, 3.0),
                         [](const testing::TestParamInfo<double> &info) {
                             return QStringLiteral("Zoom%1").arg(int(info.param * 100)).toStdString();
                         });

namespace {
class PanelZoomDefault : public testing::Test, protected PanelFixture
{
};
} // namespace

TEST_F(PanelZoomDefault, PanelTextAsLargeAsTheWindowText)
{
    MainWindow *w = show(3);
    QAformWidget *p = panel(*w);
    ASSERT_TRUE(p);
    screenDpi(p);
    auto *label = qobject_cast<QLabel *>(p->widgetFor(QStringLiteral("Label3")));
    ASSERT_TRUE(label);
    EXPECT_FALSE(settings.contains(QStringLiteral("panel/zoom")));
    EXPECT_NEAR(QFontInfo(label->font()).pixelSize(), QFontInfo(w->font()).pixelSize(), 1);
    EXPECT_GT(p->zoom(), 1.0); // the design's small font alone is what trainees could not read
}

namespace {

struct Keys {
    const char *name;
    std::vector<QKeyCombination> keys;
    int direction; // sign of the change against the default; 0: back at the default
    bool stored;   // panel/zoom written
};

class PanelZoomKeys : public testing::TestWithParam<Keys>, protected PanelFixture
{
};

} // namespace

TEST_P(PanelZoomKeys, ChangeTheSizeAndAreRemembered)
{
    MainWindow *w = show(3);
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    const double before = panel(*w)->zoom();
    for (QKeyCombination k : GetParam().keys)
        QTest::keyClick(w->panel()->findChild<QWidget *>(QStringLiteral("Option1")), k.key(), k.keyboardModifiers());
    const double after = panel(*w)->zoom();
    const int direction = after > before + 1e-9 ? 1 : after < before - 1e-9 ? -1 : 0;
    EXPECT_EQ(direction, GetParam().direction);
    EXPECT_EQ(settings.contains(QStringLiteral("panel/zoom")), GetParam().stored);
    // The next window, and the panel a language switch builds, take the same size.
    w->setLanguage(Language::English);
    EXPECT_DOUBLE_EQ(panel(*w)->zoom(), after);
    MainWindow *next = show(9);
    EXPECT_DOUBLE_EQ(panel(*next)->zoom(), after);
}

INSTANTIATE_TEST_SUITE_P(
    Trainer, PanelZoomKeys,
    testing::Values(Keys{"CtrlPlus", {Qt::CTRL | Qt::Key_Plus}, 1, true},
                    Keys{"CtrlEqual", {Qt::CTRL | Qt::Key_Equal}, 1, true},
                    Keys{"CtrlMinus", {Qt::CTRL | Qt::Key_Minus}, -1, true},
                    Keys{"LargerThenReset", {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_0}, 0, false},
                    Keys{"ManyMinusStopsAtTheLeast", std::vector<QKeyCombination>(30, Qt::CTRL | Qt::Key_Minus), -1, true}),
    [](const testing::TestParamInfo<Keys> &info) { return std::string(info.param.name); });

namespace {

// Counts how often the power tips are put on screen.
class CountingTips : public PowerTipWindow
{
public:
    explicit CountingTips(int &shown) : m_shown(shown) {}
    void setFileName(const QString &) override {}
    void load() override {}
    void show(int) override { ++m_shown; }

private:
    int &m_shown;
};

class PowerTipKey : public testing::TestWithParam<const char *>, protected PanelFixture
{
};

} // namespace

TEST_P(PowerTipKey, F1OpensThePowerTipsWhereverTheFocusIs)
{
    int shown = 0;
    MainWindow *w = show(3, [&shown] { return std::make_unique<CountingTips>(shown); });
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QWidget *target = QLatin1String(GetParam()) == QLatin1String("view") ? static_cast<QWidget *>(w->exercisePage().view())
                                                                         : panel(*w)->widgetFor(QLatin1String(GetParam()));
    ASSERT_TRUE(target);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key_F1);
    EXPECT_EQ(shown, 1);
}

INSTANTIATE_TEST_SUITE_P(Trainer, PowerTipKey, testing::Values("Option1", "Command27", "view"),
                         [](const testing::TestParamInfo<const char *> &info) { return std::string(info.param); });
