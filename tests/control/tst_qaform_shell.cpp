#include "support/TestHost.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::TestHost;

namespace {

const QStringList kFamilyFrames{"Frame29", "Frame11", "Frame2", "Frame20"};

TEST(QAformShell, ResizeKeepsThePositionFrameSize)
{
    TestHost host;
    for (auto [w, h] : {std::pair{100, 100}, {20000, 9000}, {7950, 4250}}) {
        host.form().Resize(w, h);
        EXPECT_EQ(host.form().width(), 7950);
        EXPECT_EQ(host.form().height(), 4250);
    }
}

TEST(QAformShell, SmallFrameResizesTheFourFamilyFramesOnly)
{
    TestHost host;
    host.form().setC_smallFrame(true);
    for (const QString &frame : kFamilyFrames)
        EXPECT_EQ(host.ctl(frame).height(), 1100) << frame.toStdString();
    EXPECT_EQ(host.ctl("Frame1").height(), 4200);
    host.form().setC_smallFrame(false);
    for (const QString &frame : kFamilyFrames)
        EXPECT_EQ(host.ctl(frame).height(), 4250) << frame.toStdString();
}

struct FlyCase {
    qint16 value;
    const char *restored; // nullptr: no frame changes
};

class HostFly : public ::testing::TestWithParam<FlyCase> {};

TEST_P(HostFly, NegativeCodesGiveTheirPanelBack)
{
    TestHost host;
    host.form().setC_smallFrame(true);
    for (const QString &frame : kFamilyFrames)
        host.ctl(frame).setVisible(false);
    host.form().setC_QAFly(GetParam().value);
    EXPECT_EQ(host.form().c_QAFly(), GetParam().value);
    for (const QString &frame : kFamilyFrames) {
        const bool restored = GetParam().restored && frame == QLatin1String(GetParam().restored);
        EXPECT_EQ(host.ctl(frame).isVisible(), restored) << frame.toStdString();
        EXPECT_EQ(host.ctl(frame).height(), restored ? 4250 : 1100) << frame.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, HostFly,
                         ::testing::Values(FlyCase{-4, "Frame29"}, FlyCase{-5, "Frame11"}, FlyCase{-2, "Frame2"},
                                           FlyCase{-3, "Frame20"}, FlyCase{4, nullptr}, FlyCase{-1, nullptr},
                                           FlyCase{-6, nullptr}, FlyCase{0, nullptr}),
                         [](const auto &info) {
                             const int v = info.param.value;
                             return (v < 0 ? "Minus" : "Code") + std::to_string(v < 0 ? -v : v);
                         });

TEST(QAformShell, PropertyWritesNotifyUnderTheirOwnNames)
{
    TestHost host;
    QAform &f = host.form();
    for (const char *name : {"BackColor", "ForeColor", "Enabled", "BackStyle", "BorderStyle", "c_QASessionFileName",
                             "c_MainAppPath", "c_showResult", "c_QAFly", "c_smallFrame", "c_TrackDelta"}) {
        const QMetaProperty prop = f.metaObject()->property(f.metaObject()->indexOfProperty(name));
        ASSERT_TRUE(prop.isValid()) << name;
        QSignalSpy spy(&f, prop.notifySignal());
        QVariant value = prop.metaType().id() == QMetaType::QString ? QVariant(QStringLiteral("x")) : QVariant(1);
        ASSERT_TRUE(f.setProperty(name, value)) << name;
        EXPECT_EQ(spy.count(), 1) << name;
    }
    EXPECT_EQ(f.property("c_TrackDelta").toInt(), 1);
}

TEST(QAformShell, WritePropertiesStoresOnlyChangedValuesAndReadRestoresWithoutSideEffects)
{
    TestHost host;
    QAform &f = host.form();
    PropertyBag fresh;
    f.WriteProperties(fresh);
    EXPECT_TRUE(fresh.keys().isEmpty()) << fresh.keys().join(',').toStdString();

    f.setC_smallFrame(true);
    f.setC_TrackDelta(3);
    f.setC_MainAppPath(QStringLiteral("/srv/trainer"));
    PropertyBag bag;
    f.WriteProperties(bag);
    bag.write(QStringLiteral("c_QAtype"), qint16(5), qint16(1));
    EXPECT_EQ(bag.keys().size(), 4);

    TestHost restoredHost;
    QAform &restored = restoredHost.form();
    PropertyBag reread = PropertyBag::fromJson(bag.toJson());
    restored.ReadProperties(reread);
    EXPECT_EQ(restored.c_QAtype(), 5);
    EXPECT_TRUE(restored.c_smallFrame());
    EXPECT_EQ(restored.c_TrackDelta(), 3);
    EXPECT_EQ(restored.c_MainAppPath(), QStringLiteral("/srv/trainer"));
    // A restored type loads nothing and a restored compact flag resizes nothing.
    EXPECT_EQ(restored.lastQuestion(), -1);
    EXPECT_FALSE(restored.questionShown());
    EXPECT_EQ(restoredHost.ctl("Frame2").height(), 4250);
}

TEST(QAformShell, InitPropertiesResetsTheStoredValues)
{
    TestHost host;
    QAform &f = host.form();
    f.setC_showResult(6);
    f.setC_QAFly(3);
    f.setC_MainAppPath(QStringLiteral("/x"));
    f.InitProperties();
    EXPECT_EQ(f.c_showResult(), 0);
    EXPECT_EQ(f.c_QAFly(), 0);
    EXPECT_EQ(f.c_QAtype(), 1);
    EXPECT_TRUE(f.c_MainAppPath().isEmpty());
    EXPECT_EQ(f.Font(), f.ambientFont());
}

} // namespace
